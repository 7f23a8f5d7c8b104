#include "position_text.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// DD..MM.mmH with `degreeDigits` digits of degrees; the digits' value or -1.
std::int32_t PositionDigits(const char* text, int degreeDigits) {
  const int point = degreeDigits + 2;
  std::int32_t value = 0;
  for (int i = 0; i < point + 3; ++i) {
    if (i == point) {
      if (text[i] != '.') return -1;
      continue;
    }
    if (!IsDigit(text[i])) return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

bool IsValidPosition(const char* text, int degreeDigits, std::int32_t largest, char first, char second) {
  const std::int32_t value = PositionDigits(text, degreeDigits);
  const char hemisphere = text[degreeDigits + 5];
  if (value < 0 || (hemisphere != first && hemisphere != second)) return false;
  return value <= largest && value % 10000 < 6000;
}

void IntegerToPosition(char* buffer, std::int32_t value, int degreeDigits, char negative, char positive) {
  const int length = degreeDigits + 6;
  buffer[length] = '\0';
  buffer[length - 1] = value < 0 ? negative : positive;
  std::uint32_t magnitude = value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
  for (int i = length - 2; i >= 0; --i) {
    if (i == degreeDigits + 2) {
      buffer[i] = '.';
      continue;
    }
    buffer[i] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  }
}

}  // namespace

bool IsValidLatitude(const char* text) { return IsValidPosition(text, 2, 895999, 'N', 'S'); }
bool IsValidLongitude(const char* text) { return IsValidPosition(text, 3, 1795999, 'E', 'W'); }

std::int32_t LatitudeToInteger(const char* text) {
  const std::int32_t value = PositionDigits(text, 2);
  return text[7] == 'S' ? -value : value;
}

std::int32_t LongitudeToInteger(const char* text) {
  const std::int32_t value = PositionDigits(text, 3);
  return text[8] == 'E' ? -value : value;
}

void IntegerToLatitude(char* buffer, std::int32_t value) { IntegerToPosition(buffer, value, 2, 'S', 'N'); }
void IntegerToLongitude(char* buffer, std::int32_t value) { IntegerToPosition(buffer, value, 3, 'E', 'W'); }
