#pragma once
// One pass of the worker's receive side: one read of the port into the
// ring, then the parser.
#include <cstdint>

#include "com_port.h"
#include "receive_parser.h"

// The most one read takes from the port.
inline constexpr std::uint32_t ReadPortLength = 128;

// Stores the bytes in order; a byte that finds the ring full is dropped.
void StoreReceived(TReceiveRing& ring, const std::uint8_t* bytes, std::uint32_t count);

// Reads up to ReadPortLength bytes (a failed read adds nothing), stores
// them and runs ParseReceived. False when the read failed or the far end
// has gone.
bool ReadPort(TComHandle port, TLinkReceiver& receiver, TReceivedImage image, TReceiveEvents& events);
