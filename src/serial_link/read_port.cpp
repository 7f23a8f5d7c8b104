#include "read_port.h"

void StoreReceived(TReceiveRing& ring, const std::uint8_t* bytes, std::uint32_t count) {
  for (std::uint32_t i = 0; i < count; ++i) ring.Store(bytes[i]);
}

bool ReadPort(TComHandle port, TLinkReceiver& receiver, TReceivedImage image, TReceiveEvents& events) {
  std::uint8_t buffer[ReadPortLength];
  std::uint32_t count = 0;
  const bool read = ReadComPort(port, buffer, ReadPortLength, count);
  StoreReceived(receiver.Ring, buffer, count);
  ParseReceived(receiver, image, events);
  return read;
}
