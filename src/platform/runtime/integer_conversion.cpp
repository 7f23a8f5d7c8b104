#include "integer_conversion.h"

#include "exception.h"

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::int32_t> ParseHex(const std::string& text, size_t pos) {
  if (pos >= text.size()) return std::nullopt;
  std::uint64_t value = 0;
  for (; pos < text.size(); ++pos) {
    const int digit = HexDigit(text[pos]);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(digit);
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> ParseDecimal(const std::string& text, size_t pos) {
  bool negative = false;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
    negative = text[pos] == '-';
    ++pos;
  }
  if (pos >= text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > 2147483648LL) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > 2147483647LL) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::optional<std::int32_t> TryStrToInt(const std::string& text) {
  size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  if (pos >= text.size()) return std::nullopt;
  if (text[pos] == '$' || text[pos] == 'x' || text[pos] == 'X') return ParseHex(text, pos + 1);
  if (text[pos] == '0' && pos + 1 < text.size() && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
    return ParseHex(text, pos + 2);
  }
  return ParseDecimal(text, pos);
}

std::int32_t StrToInt(const std::string& text) {
  if (auto value = TryStrToInt(text)) return *value;
  throw EConvertError("'" + text + "' is not a valid integer value");
}

std::string IntToStr(long long value) { return std::to_string(value); }
