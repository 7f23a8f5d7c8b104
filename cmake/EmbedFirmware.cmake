# Embedding the device firmware image in a program.
#
# pelnor_embed_firmware(FIRMWARE_FILE OUTPUT_VARIABLE) adds a build step that
# turns the file into a generated source; compiled into a program, it
# registers the bytes as the firmware resource at start. The source's path
# is returned in OUTPUT_VARIABLE. The step runs again when the file changes.
#
# Run as a script (cmake -DFIRMWARE=... -DOUTPUT=... -P EmbedFirmware.cmake)
# it writes that source.

if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${FIRMWARE}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REPEAT "0x..," 16 row)
  string(REGEX REPLACE "(${row})" "\\1\n" bytes "${bytes}")
  file(WRITE "${OUTPUT}.new"
"// Generated from ${FIRMWARE}: the embedded device firmware image.
#include <cstdint>
#include <vector>

#include \"firmware_resource.h\"
#include \"resources.h\"

namespace {

const std::uint8_t firmware[${size} + 1] = {
${bytes}};

struct FirmwareInstaller {
  FirmwareInstaller() { InstallResource(FirmwareResourceId, std::vector<std::uint8_t>(firmware, firmware + ${size})); }
} installer;

}  // namespace
")
  file(RENAME "${OUTPUT}.new" "${OUTPUT}")
  return()
endif()

set(PELNOR_EMBED_FIRMWARE_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

function(pelnor_embed_firmware firmware output_variable)
  get_filename_component(firmware "${firmware}" ABSOLUTE)
  if(NOT EXISTS "${firmware}" OR IS_DIRECTORY "${firmware}")
    message(FATAL_ERROR "Firmware image to embed not found: ${firmware}")
  endif()
  get_filename_component(name "${firmware}" NAME_WE)
  string(MAKE_C_IDENTIFIER "${name}" name)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/embedded_firmware_${name}.cpp)
  add_custom_command(OUTPUT ${source}
    COMMAND ${CMAKE_COMMAND} -DFIRMWARE=${firmware} -DOUTPUT=${source} -P ${PELNOR_EMBED_FIRMWARE_SCRIPT}
    DEPENDS ${firmware} ${PELNOR_EMBED_FIRMWARE_SCRIPT}
    COMMENT "Embedding firmware image ${firmware}"
    VERBATIM)
  set(${output_variable} ${source} PARENT_SCOPE)
endfunction()
