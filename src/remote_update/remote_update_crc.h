#pragma once
// CRC-32/JAMCRC: the reflected CRC-32 (polynomial 0xEDB88320), initial value
// 0xFFFFFFFF, no final XOR. Check value over "123456789": 0x340BC6D9.
#include <cstdint>

std::uint32_t ComputeRemoteUpdateCrc(const std::uint8_t* buffer, std::uint32_t length);
