#pragma once
// The runtime's two pseudo-random generators, both seeded with the calendar
// time in seconds.
#include <cstdint>

// 32-bit state: seeding sets the state and drops one draw; a draw yields
// 0 to 32767.
class Random32 {
 public:
  explicit Random32(std::uint32_t seed);
  int Next();

 private:
  std::uint32_t state_;
};

// 64-bit state: a draw yields 0 to 2^31 - 1.
class Random64 {
 public:
  explicit Random64(std::uint32_t seed);
  std::uint32_t Next();

 private:
  std::uint64_t state_;
};
