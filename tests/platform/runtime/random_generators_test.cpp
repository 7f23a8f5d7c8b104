// The runtime's two generators draw exactly the documented sequences.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "random_generators.h"

namespace {

struct SequenceCase {
  std::uint32_t seed;
  std::vector<std::uint32_t> draws;
};

// Seeding sets the state to the seed and drops one draw; a draw is
// s = s * 0x015A4E35 + 1 (mod 2^32), yielding bits 16 to 30.
TEST(Random32, SequencesAfterSeeding) {
  const SequenceCase cases[] = {
      {0, {346, 130, 10982, 1090, 11656}},
      {1, {130, 10982, 1090, 11656, 7117}},
      {1700000000, {27381, 8621, 85, 10834, 17333}},
      {0xFFFFFFFF, {561, 22046, 20874, 23292, 16195}},
  };
  for (const SequenceCase& c : cases) {
    Random32 generator(c.seed);
    for (std::uint32_t expected : c.draws) EXPECT_EQ(static_cast<std::uint32_t>(generator.Next()), expected) << c.seed;
  }
}

// Seeding sets s = seed * 0x015A4E35 + 1 (mod 2^32); a draw is
// s = s * 0x0000015A00004E35 + 1 (mod 2^64), yielding the upper 31 bits.
TEST(Random64, SequencesAfterSeeding) {
  const SequenceCase cases[] = {
      {0, {346, 13854878, 1621890440, 816282396, 1778554774}},
      {1, {1410184549, 672584604, 1915668986, 576821944, 167078712}},
      {1700000000, {228694345, 396287962, 1659082375, 1269136315, 1177483356}},
      {0xFFFFFFFF, {737319811, 1903449241, 1408188579, 100768176, 741577241}},
  };
  for (const SequenceCase& c : cases) {
    Random64 generator(c.seed);
    for (std::uint32_t expected : c.draws) EXPECT_EQ(generator.Next(), expected) << c.seed;
  }
}

}  // namespace
