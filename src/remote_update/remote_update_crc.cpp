#include "remote_update_crc.h"

#include <array>

namespace {

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < table.size(); ++n) {
    std::uint32_t value = n;
    for (int bit = 0; bit < 8; ++bit) value = (value & 1u) ? 0xEDB88320u ^ (value >> 1) : value >> 1;
    table[n] = value;
  }
  return table;
}

constexpr std::array<std::uint32_t, 256> CrcTable = MakeCrcTable();

}  // namespace

std::uint32_t ComputeRemoteUpdateCrc(const std::uint8_t* buffer, std::uint32_t length) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::uint32_t i = 0; i < length; ++i) crc = CrcTable[(crc ^ buffer[i]) & 0xFFu] ^ (crc >> 8);
  return crc;
}
