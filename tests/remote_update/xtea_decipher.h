#pragma once
// The XTEA decipher, which the program never needs: tests use it to get
// an enciphered image back.
#include <cstdint>

#include "little_endian.h"
#include "xtea.h"

inline void XteaDecipherWords(std::uint32_t& y, std::uint32_t& z, const XteaKey& key) {
  std::uint32_t sum = 0x9E3779B9u * 32u;
  for (int cycle = 0; cycle < 32; ++cycle) {
    z -= (((y << 4) ^ (y >> 5)) + y) ^ (sum + key[(sum >> 11) & 3]);
    sum -= 0x9E3779B9u;
    y -= (((z << 4) ^ (z >> 5)) + z) ^ (sum + key[sum & 3]);
  }
}

inline void DecipherBuffer(std::uint8_t* buffer, std::uint32_t length) {
  XteaKey key;
  for (int i = 0; i < 4; ++i) key[i] = LoadLittleEndian32(&RemoteUpdateKey[4 * i]);
  for (std::uint32_t offset = 0; offset < length; offset += 8) {
    std::uint32_t y = LoadLittleEndian32(buffer + offset);
    std::uint32_t z = LoadLittleEndian32(buffer + offset + 4);
    XteaDecipherWords(y, z, key);
    StoreLittleEndian32(buffer + offset, y);
    StoreLittleEndian32(buffer + offset + 4, z);
  }
}
