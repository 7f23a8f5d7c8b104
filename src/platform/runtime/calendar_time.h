#pragma once
// The runtime's calendar time (seconds since 1970-01-01 00:00 UTC) and its
// UTC breakdown. Tests can fix the clock.
#include <cstdint>
#include <functional>

std::int64_t CalendarTime();

struct UtcTime {
  int Year;    // full year
  int Month;   // 1 to 12
  int Day;     // 1 to 31
  int Hour;    // 0 to 23
  int Minute;  // 0 to 59
  int Second;  // 0 to 60
};

UtcTime BreakDownUtc(std::int64_t calendarTime);

// Replaces the clock; an empty function restores the system clock.
void SetCalendarClock(std::function<std::int64_t()> clock);
