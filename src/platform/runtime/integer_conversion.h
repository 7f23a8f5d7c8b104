#pragma once
// The runtime's text to signed 32-bit integer conversion.
#include <cstdint>
#include <optional>
#include <string>

// Leading spaces, then an optional sign and decimal digits (-2147483648 to
// 2147483647), or a prefix "$", "x", "X", "0x", "0X" and up to 32 bits of
// hexadecimal digits taken as a signed pattern. Nothing may follow.
std::optional<std::int32_t> TryStrToInt(const std::string& text);

// As TryStrToInt; a refused text raises EConvertError with the message
// "'<text>' is not a valid integer value".
std::int32_t StrToInt(const std::string& text);

// Plain decimal text, as the runtime formats an integer.
std::string IntToStr(long long value);
