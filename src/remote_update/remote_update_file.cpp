#include "remote_update_file.h"

#include <algorithm>

#include "little_endian.h"
#include "random_generators.h"
#include "remote_update_crc.h"
#include "xtea.h"

namespace {

void FillFiller(std::uint8_t* filler, std::size_t count, std::uint32_t seed) {
  Random64 generator(seed);
  for (std::size_t i = 0; i < count; ++i) filler[i] = static_cast<std::uint8_t>(generator.Next() % 255u);
}

}  // namespace

std::vector<std::uint8_t> AssembleRemoteUpdateFile(std::span<const std::uint8_t, ConfigurationImageSize> image,
                                                   std::span<const std::uint8_t> firmware,
                                                   std::uint32_t fillerSeed) {
  std::vector<std::uint8_t> file(RemoteUpdateFirmwareOffset + firmware.size());
  std::copy(firmware.begin(), firmware.end(), file.begin() + RemoteUpdateFirmwareOffset);
  std::copy(image.begin(), image.end(), file.begin() + RemoteUpdateImageOffset);
  std::uint8_t* enciphered = file.data() + RemoteUpdateImageOffset;
  EncipherBuffer(enciphered, ConfigurationImageSize);
  const auto checkedLength = static_cast<std::uint32_t>(file.size() - RemoteUpdateImageOffset);
  StoreLittleEndian32(&file[RemoteUpdateLengthOffset], static_cast<std::uint32_t>(firmware.size()));
  StoreLittleEndian32(&file[RemoteUpdateCrcOffset], ComputeRemoteUpdateCrc(enciphered, checkedLength));
  FillFiller(&file[RemoteUpdateFillerOffset], RemoteUpdateImageOffset - RemoteUpdateFillerOffset, fillerSeed);
  return file;
}
