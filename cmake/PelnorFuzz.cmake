# The fuzzing configuration (PELNOR_FUZZ=ON, clang only): every library is
# built with coverage for libFuzzer and with AddressSanitizer and
# UndefinedBehaviorSanitizer; the fuzz targets link libFuzzer's main and land
# in <build>/fuzz, each named like its seed folder under tests/fixtures/fuzz.
if(PELNOR_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "PELNOR_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++")
  endif()
  if(PELNOR_SANITIZE)
    message(FATAL_ERROR "PELNOR_FUZZ chooses its own sanitizers; leave PELNOR_SANITIZE empty")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
  add_custom_target(fuzzers)
endif()

# pelnor_add_fuzzer(NAME SOURCES files... LIBS targets...)
function(pelnor_add_fuzzer name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  add_dependencies(fuzzers ${name})
endfunction()
