// Randomized run of the profile text properties over INI-like bytes.
#include <gtest/gtest.h>

#include <random>

#include "profile_properties.h"

namespace {

std::string RandomInput(std::mt19937& generator) {
  static const std::vector<std::string> pieces = {
      "[", "]", "=", "\r", "\n", "\r\n", ";", " ", "\t", "\"", "'", "a", "A", "b", "B", "S", "s", "K", "k",
      "\xe9", std::string(1, '\0'), "\xff", "[S]", "[s]\r\n", "K=", "k =v\r\n", std::string(2100, 'x')};
  std::uniform_int_distribution<std::size_t> count(0, 40);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::string input;
  for (std::size_t n = count(generator); n > 0; --n) {
    const auto& piece = pieces[pick(generator)];
    if (piece.size() > 100 && generator() % 8 != 0) continue;
    input += piece;
  }
  return input;
}

TEST(ProfileProperties, HoldForRandomFilesAndWrites) {
  std::mt19937 generator(20240601);
  for (int i = 0; i < 30000; ++i) {
    const std::string input = RandomInput(generator);
    const std::string failure = CheckProfileProperties(input);
    ASSERT_EQ(failure, "") << testing::PrintToString(input);
  }
}

// Repeated lines around the written one: a line that matches a later copy
// must not be taken for a moved line.
TEST(ProfileProperties, HoldForFilesWithRepeatedLines) {
  for (const std::string file : {"[S]\r\nK=1\r\nz\r\nK=1\r\nz\r\n", "[S]\r\nK=1\r\n[T]\r\nK=1\r\n[S]\r\nK=1\r\n",
                                 "[S]\r\nA=1\r\n\r\n\r\n[T]\r\nA=1\r\n\r\n"}) {
    for (const std::string write : {"S\xffK\xff" "2", "S\xff" "A\xff" "1", "T\xffK\xff" "1", "U\xffK\xff" "1"}) {
      const std::string input = file + "\xff" + write;
      EXPECT_EQ(CheckProfileProperties(input), "") << testing::PrintToString(input);
    }
  }
}

}  // namespace
