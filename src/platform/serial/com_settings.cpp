#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "com_port.h"
#include "log_categories.h"

namespace {

std::vector<std::string> SplitFields(const char* text) {
  std::vector<std::string> fields(1);
  for (const char* c = text; *c; ++c) {
    if (*c == ',') fields.emplace_back();
    else if (*c != ' ') fields.back() += *c;
  }
  return fields;
}

bool ParseDecimal(const std::string& text, std::uint32_t& value) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  value = static_cast<std::uint32_t>(std::strtoul(text.c_str(), nullptr, 10));
  return true;
}

bool ParseMode(const char* mode, TComSettings& settings) {
  const std::vector<std::string> fields = SplitFields(mode);
  if (fields.size() != 4) return false;

  TComSettings parsed;
  std::uint32_t byteSize = 0;
  if (!ParseDecimal(fields[0], parsed.BaudRate) || parsed.BaudRate == 0) return false;
  if (fields[1] == "n" || fields[1] == "N") parsed.Parity = TParity::None;
  else if (fields[1] == "o" || fields[1] == "O") parsed.Parity = TParity::Odd;
  else if (fields[1] == "e" || fields[1] == "E") parsed.Parity = TParity::Even;
  else return false;
  if (!ParseDecimal(fields[2], byteSize) || byteSize < 5 || byteSize > 8) return false;
  parsed.ByteSize = static_cast<std::uint8_t>(byteSize);
  if (fields[3] == "1") parsed.StopBits = TStopBits::One;
  else if (fields[3] == "2") parsed.StopBits = TStopBits::Two;
  else return false;

  settings = parsed;
  return true;
}

}  // namespace

bool BuildComSettings(const char* mode, TComSettings& settings) {
  if (ParseMode(mode, settings)) return true;
  qCInfo(lcSerial, "mode text \"%s\" not understood (baud,parity,data bits,stop bits)", mode);
  return false;
}
