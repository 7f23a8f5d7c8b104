#pragma once
// The 8-byte frame that leads every message on the serial link, in both
// directions: 0xFF, code, page index and page sum big-endian, 0, and the
// sum of bytes 1 to 6 modulo 256.
#include <array>
#include <cstdint>
#include <span>

inline constexpr std::size_t LinkFrameLength = 8;
inline constexpr std::uint32_t LinkPageLength = 128;
inline constexpr std::uint8_t LinkFrameStart = 0xFF;

enum TLinkCode : std::uint8_t {
  FirmwarePageWrite = 0x40,
  FirmwarePageAck = 0x41,
  ConfigPageWrite = 0x80,
  ConfigPageAck = 0x81,
  ConfigPageRead = 0x90,
  ConfigPageData = 0x91,
};

using TLinkFrame = std::array<std::uint8_t, LinkFrameLength>;
using TLinkPage = std::array<std::uint8_t, LinkPageLength>;

// The low 16 bits of the sum of the bytes as unsigned values.
std::uint16_t PageSum(std::span<const std::uint8_t> bytes);

// The sum of frame bytes 1 to 6, modulo 256.
std::uint8_t FrameChecksum(const TLinkFrame& frame);

// A complete frame; the low 16 bits of page go into bytes 2 and 3.
TLinkFrame LinkFrame(std::uint8_t code, std::uint32_t page, std::uint16_t pageSum);

// Page page of buffer: its 128 bytes, zeros for any part past the buffer's end.
TLinkPage BufferPage(std::span<const std::uint8_t> buffer, std::uint32_t page);
