#include "hex_bytes.h"

QString HexBytes(const std::uint8_t* bytes, std::size_t count) {
  static constexpr char digits[] = "0123456789ABCDEF";
  QString text;
  text.reserve(static_cast<qsizetype>(count * 3));
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) text += QLatin1Char(' ');
    text += QLatin1Char(digits[bytes[i] >> 4]);
    text += QLatin1Char(digits[bytes[i] & 0x0F]);
  }
  return text;
}
