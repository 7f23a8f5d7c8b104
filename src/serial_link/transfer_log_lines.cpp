#include "transfer_log_lines.h"

#include <cstdio>

std::string PageLine(const char* format, std::uint32_t page) {
  char line[64];
  std::snprintf(line, sizeof line, format, static_cast<int>(page));
  return line;
}
