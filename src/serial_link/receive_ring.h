#pragma once
// The ring the worker reads the port into: 2048 bytes, indexes kept in
// range by masking, one slot always free, so it holds at most 2047 bytes.
#include <cstdint>

inline constexpr std::uint32_t ReceiveRingSize = 2048;
inline constexpr std::uint32_t ReceiveRingMask = ReceiveRingSize - 1;

class TReceiveRing {
 public:
  // Stores byte at the write index; false, and the byte dropped, when full.
  bool Store(std::uint8_t byte);
  std::uint32_t Available() const { return (writeIndex_ - readIndex_) & ReceiveRingMask; }
  // The byte offset places after the read index.
  std::uint8_t At(std::uint32_t offset) const { return bytes_[(readIndex_ + offset) & ReceiveRingMask]; }
  void Advance(std::uint32_t count) { readIndex_ = (readIndex_ + count) & ReceiveRingMask; }
  // Empty, both indexes 0.
  void Clear() { writeIndex_ = readIndex_ = 0; }
  std::uint32_t ReadIndex() const { return readIndex_; }

 private:
  std::uint8_t bytes_[ReceiveRingSize] = {};
  std::uint32_t writeIndex_ = 0;
  std::uint32_t readIndex_ = 0;
};
