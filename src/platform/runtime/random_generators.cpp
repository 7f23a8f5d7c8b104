#include "random_generators.h"

Random32::Random32(std::uint32_t seed) : state_(seed) { Next(); }

int Random32::Next() {
  state_ = state_ * 0x015A4E35u + 1u;
  return static_cast<int>((state_ >> 16) & 0x7FFFu);
}

Random64::Random64(std::uint32_t seed)
    : state_(static_cast<std::uint32_t>(seed * 0x015A4E35u + 1u)) {}

std::uint32_t Random64::Next() {
  state_ = state_ * 0x0000015A00004E35ull + 1ull;
  return static_cast<std::uint32_t>(state_ >> 32) & 0x7FFFFFFFu;
}
