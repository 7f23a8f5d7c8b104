#pragma once
// XTEA encipher (32 cycles) of the configuration image in a remote update
// file, under the fixed remote update key.
#include <array>
#include <cstdint>

// Four 32-bit key words k0..k3, each stored little-endian, k0 first.
extern const std::array<std::uint8_t, 16> RemoteUpdateKey;

using XteaKey = std::array<std::uint32_t, 4>;

// The reference XTEA encipher of one block given as its two words.
void XteaEncipherWords(std::uint32_t& y, std::uint32_t& z, const XteaKey& key);

// Enciphers one 8-byte block in place under RemoteUpdateKey; its two words
// are read and written little-endian.
void XteaEncipherBlock(std::uint8_t* block);

// Enciphers the buffer in place, one block at offsets 0, 8, 16, ... while
// the offset is below length.
void EncipherBuffer(std::uint8_t* buffer, std::uint32_t length);
