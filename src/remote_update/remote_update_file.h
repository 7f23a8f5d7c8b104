#pragma once
// The remote update file, little-endian: u32 firmware length L, u32
// CRC-32/JAMCRC of everything from the image to the end, filler, the
// configuration image enciphered with XTEA, the firmware byte for byte.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "configuration_layout.h"

constexpr std::size_t RemoteUpdateLengthOffset = 0;
constexpr std::size_t RemoteUpdateCrcOffset = 4;
constexpr std::size_t RemoteUpdateFillerOffset = 8;
constexpr std::size_t RemoteUpdateImageOffset = 512;
constexpr std::size_t RemoteUpdateFirmwareOffset = RemoteUpdateImageOffset + ConfigurationImageSize;

// Filler bytes are draws of the 64-bit generator seeded with fillerSeed,
// each modulo 255, so never 255. The firmware holds at most
// FirmwareBufferSize bytes.
std::vector<std::uint8_t> AssembleRemoteUpdateFile(std::span<const std::uint8_t, ConfigurationImageSize> image,
                                                   std::span<const std::uint8_t> firmware,
                                                   std::uint32_t fillerSeed);
