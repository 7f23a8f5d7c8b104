#include "calendar_time.h"

#include <ctime>

namespace {
std::function<std::int64_t()>& Clock() {
  static std::function<std::int64_t()> clock;
  return clock;
}
}  // namespace

std::int64_t CalendarTime() {
  if (Clock()) return Clock()();
  return static_cast<std::int64_t>(std::time(nullptr));
}

UtcTime BreakDownUtc(std::int64_t calendarTime) {
  const std::time_t t = static_cast<std::time_t>(calendarTime);
  std::tm parts{};
  gmtime_r(&t, &parts);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

void SetCalendarClock(std::function<std::int64_t()> clock) { Clock() = std::move(clock); }
