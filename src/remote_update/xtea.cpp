#include "xtea.h"

#include "little_endian.h"

const std::array<std::uint8_t, 16> RemoteUpdateKey = {
    0xE9, 0xC3, 0x17, 0x5A,  // k0 0x5A17C3E9
    0x48, 0x2F, 0x6D, 0x0B,  // k1 0x0B6D2F48
    0x05, 0x71, 0x9A, 0xE3,  // k2 0xE39A7105
    0xD6, 0x82, 0x4E, 0x7C,  // k3 0x7C4E82D6
};

namespace {

constexpr std::uint32_t Delta = 0x9E3779B9u;
constexpr int Cycles = 32;

XteaKey RemoteUpdateKeyWords() {
  XteaKey key;
  for (std::size_t i = 0; i < key.size(); ++i) key[i] = LoadLittleEndian32(&RemoteUpdateKey[4 * i]);
  return key;
}

}  // namespace

void XteaEncipherWords(std::uint32_t& y, std::uint32_t& z, const XteaKey& key) {
  std::uint32_t sum = 0;
  for (int cycle = 0; cycle < Cycles; ++cycle) {
    y += (((z << 4) ^ (z >> 5)) + z) ^ (sum + key[sum & 3]);
    sum += Delta;
    z += (((y << 4) ^ (y >> 5)) + y) ^ (sum + key[(sum >> 11) & 3]);
  }
}

void XteaEncipherBlock(std::uint8_t* block) {
  static const XteaKey key = RemoteUpdateKeyWords();
  std::uint32_t y = LoadLittleEndian32(block);
  std::uint32_t z = LoadLittleEndian32(block + 4);
  XteaEncipherWords(y, z, key);
  StoreLittleEndian32(block, y);
  StoreLittleEndian32(block + 4, z);
}

void EncipherBuffer(std::uint8_t* buffer, std::uint32_t length) {
  for (std::uint32_t offset = 0; offset < length; offset += 8) XteaEncipherBlock(buffer + offset);
}
