// Position texts and area coordinates, both ways.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "position_text.h"

namespace {

struct PositionCase {
  const char* text;
  bool valid;
  std::int32_t coordinate;  // when valid
};

TEST(PositionText, Latitudes) {
  const PositionCase cases[] = {
      {"5221.60N", true, 522160},  {"5221.05S", true, -522105}, {"8959.99S", true, -895999},
      {"0000.00N", true, 0},       {"9000.00N", false, 0},      {"5260.00N", false, 0},
      {"5221,60N", false, 0},      {"5221.60n", false, 0},      {"5221.60E", false, 0},
      {" 221.60N", false, 0},      {"52a1.60N", false, 0},      {"5221.6xN", false, 0},
  };
  for (const PositionCase& c : cases) {
    EXPECT_EQ(IsValidLatitude(c.text), c.valid) << c.text;
    if (c.valid) {
      EXPECT_EQ(LatitudeToInteger(c.text), c.coordinate) << c.text;
    }
  }
}

TEST(PositionText, Longitudes) {
  const PositionCase cases[] = {
      {"01643.89E", true, -164389}, {"01643.89W", true, 164389}, {"17959.99W", true, 1795999},
      {"00000.00E", true, 0},       {"18000.00E", false, 0},     {"01660.00E", false, 0},
      {"01643.89N", false, 0},      {"01643:89E", false, 0},     {"0164.389E", false, 0},
  };
  for (const PositionCase& c : cases) {
    EXPECT_EQ(IsValidLongitude(c.text), c.valid) << c.text;
    if (c.valid) {
      EXPECT_EQ(LongitudeToInteger(c.text), c.coordinate) << c.text;
    }
  }
}

struct CoordinateCase {
  std::int32_t value;
  const char* latitude;
  const char* longitude;
};

TEST(PositionText, CoordinatesToText) {
  constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t least = std::numeric_limits<std::int32_t>::min();
  const CoordinateCase cases[] = {
      {522160, "5221.60N", "05221.60W"},  {-522160, "5221.60S", "05221.60E"},
      {-165363, "1653.63S", "01653.63E"}, {165363, "1653.63N", "01653.63W"},
      {0, "0000.00N", "00000.00W"},       {-1, "0000.01S", "00000.01E"},
      {1, "0000.01N", "00000.01W"},       {1000000, "0000.00N", "10000.00W"},
      {most, "4836.47N", "74836.47W"},    {least, "4836.48S", "74836.48E"},
  };
  for (const CoordinateCase& c : cases) {
    char latitude[9];
    char longitude[10];
    IntegerToLatitude(latitude, c.value);
    IntegerToLongitude(longitude, c.value);
    EXPECT_EQ(std::string(latitude), c.latitude) << c.value;
    EXPECT_EQ(std::string(longitude), c.longitude) << c.value;
  }
}

}  // namespace
