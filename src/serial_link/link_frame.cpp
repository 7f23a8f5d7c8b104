#include "link_frame.h"

#include <algorithm>
#include <numeric>

std::uint16_t PageSum(std::span<const std::uint8_t> bytes) {
  return static_cast<std::uint16_t>(std::accumulate(bytes.begin(), bytes.end(), std::uint32_t{0}));
}

std::uint8_t FrameChecksum(const TLinkFrame& frame) {
  return static_cast<std::uint8_t>(std::accumulate(frame.begin() + 1, frame.end() - 1, std::uint32_t{0}));
}

TLinkFrame LinkFrame(std::uint8_t code, std::uint32_t page, std::uint16_t pageSum) {
  TLinkFrame frame{LinkFrameStart,
                   code,
                   static_cast<std::uint8_t>(page >> 8),
                   static_cast<std::uint8_t>(page),
                   static_cast<std::uint8_t>(pageSum >> 8),
                   static_cast<std::uint8_t>(pageSum),
                   0,
                   0};
  frame[7] = FrameChecksum(frame);
  return frame;
}

TLinkPage BufferPage(std::span<const std::uint8_t> buffer, std::uint32_t page) {
  TLinkPage bytes{};
  const std::uint64_t start = std::uint64_t{page} * LinkPageLength;
  if (start < buffer.size()) {
    const auto count = std::min<std::uint64_t>(LinkPageLength, buffer.size() - start);
    std::copy_n(buffer.begin() + static_cast<std::ptrdiff_t>(start), count, bytes.begin());
  }
  return bytes;
}
