#include "firmware_resource.h"

#include "dialogs.h"
#include "resources.h"

std::optional<std::span<const std::uint8_t>> LoadFirmwareResource() {
  const TResourceInfo* resource = FindResourceById(FirmwareResourceId);
  if (!resource) {
    InformationBox("Firmware resource not found (FindResource).");
    return std::nullopt;
  }
  const std::size_t size = SizeofResource(*resource);
  const std::uint8_t* data = LoadResource(*resource);
  if (!data) {
    InformationBox("Firmware resource not found (LoadResource).");
    return std::nullopt;
  }
  if (size > FirmwareBufferSize) {
    InformationBox("Firmware file too long.");
    return std::nullopt;
  }
  return std::span<const std::uint8_t>(data, size);
}
