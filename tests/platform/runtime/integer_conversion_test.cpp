// The runtime's text to integer conversion: what it accepts, what it
// refuses, and the conversion error's message.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "exception.h"
#include "integer_conversion.h"

namespace {

using namespace std::string_literals;

struct ConversionCase {
  std::string text;
  std::optional<std::int32_t> value;  // nothing: refused
};

TEST(IntegerConversion, AcceptsDecimalAndHexadecimalForms) {
  const ConversionCase cases[] = {
      {"0", 0},
      {"15", 15},
      {"-1", -1},
      {"+7", 7},
      {"007", 7},
      {"   42", 42},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"+00000000000000000002147483647", 2147483647},
      {"$FF", 255},
      {"xff", 255},
      {"X10", 16},
      {"0x1a", 26},
      {"0XAbC", 0xABC},
      {"  $7FFFFFFF", 2147483647},
      {"$FFFFFFFF", -1},
      {"0x80000000", -2147483647 - 1},
      {"$000000000001", 1},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"-", std::nullopt},
      {"+", std::nullopt},
      {"1 ", std::nullopt},
      {"\t1", std::nullopt},
      {"1x", std::nullopt},
      {"- 1", std::nullopt},
      {"--1", std::nullopt},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"-$1", std::nullopt},
      {"+0x1", std::nullopt},
      {"$100000000", std::nullopt},
      {"$G", std::nullopt},
      {"1.0", std::nullopt},
      {"1\0"s, std::nullopt},
      {"١", std::nullopt},
  };
  for (const ConversionCase& c : cases) {
    EXPECT_EQ(TryStrToInt(c.text), c.value) << "'" << c.text << "'";
    if (c.value) {
      EXPECT_EQ(StrToInt(c.text), *c.value) << c.text;
    }
  }
}

TEST(IntegerConversion, RefusedTextRaisesTheConversionError) {
  for (const std::string text : {"", "abc", " 12 ", "0x"}) {
    try {
      StrToInt(text);
      ADD_FAILURE() << "'" << text << "' converted";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "'" + text + "' is not a valid integer value");
    }
  }
}

}  // namespace
