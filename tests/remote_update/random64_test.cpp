#include <gtest/gtest.h>

#include <vector>

#include "random_generators.h"

struct Random64Sequence {
  std::uint32_t Seed;
  std::vector<std::uint32_t> Draws;
};

// Seeding sets the state to seed * 0x015A4E35 + 1 (32 bits); no draw is
// dropped.
TEST(Random64, ExactSequenceForSeeds) {
  const Random64Sequence sequences[] = {
      {0, {0x0000015A, 0x00D3689E, 0x60AC1588, 0x30A77B1C, 0x6A029796}},
      {1, {0x540DB565, 0x2816D39C, 0x722EC9FA, 0x22619AB8, 0x09F56B38}},
      {1700000000, {0x0DA19949, 0x179EDFDA, 0x62E39687, 0x4BA57BBB, 0x462EF85C}},
      {0xFFFFFFFF, {0x2BF29B83, 0x71745499, 0x53EF40A3, 0x060199B0, 0x2C339219}},
  };
  for (const Random64Sequence& sequence : sequences) {
    Random64 generator(sequence.Seed);
    for (std::uint32_t expected : sequence.Draws) EXPECT_EQ(generator.Next(), expected) << sequence.Seed;
  }
}
