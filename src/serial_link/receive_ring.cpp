#include "receive_ring.h"

bool TReceiveRing::Store(std::uint8_t byte) {
  const std::uint32_t next = (writeIndex_ + 1) & ReceiveRingMask;
  if (next == readIndex_) return false;
  bytes_[writeIndex_] = byte;
  writeIndex_ = next;
  return true;
}
