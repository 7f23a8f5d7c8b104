#pragma once
// Properties of the receive parser on an arbitrary byte stream, shared by
// the randomized test and the libFuzzer target.
#include <cstdint>
#include <span>
#include <string>

// Feeds stream to ParseReceived in reads of 1 to 128 bytes, with now and
// then a ResetReceiveRing between reads, both drawn from chunkSeed. Checks
// after every read that nothing was written outside the image, that the
// parser stopped only where it must wait for more, and that its results
// and image match a plain reading of the stream without a ring. Returns
// the first failure, or an empty text.
std::string CheckReceiveParser(std::span<const std::uint8_t> stream, std::uint32_t chunkSeed);
