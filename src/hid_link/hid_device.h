#pragma once
// Finding the device among the present HID interfaces, and its two handles:
// one carries every request report, the other every reply.
#include <memory>

#include "hid_system.h"

class TForm1;

// A device matches when the first string of its hardware-ID list,
// lower-cased, contains this text lower-cased.
inline constexpr char HidDeviceMatch[] = "Vid_0483&Pid_a04c";

// Empty while no operation runs.
extern std::unique_ptr<THidHandle> HidWriteHandle;
extern std::unique_ptr<THidHandle> HidReadHandle;

bool MatchesHidDevice(const THidInterface& hidInterface);

// Opens both handles on the first matching interface and logs the found
// line; true even when an open failed (the first exchange then fails).
// Logs the not-found line and returns false when nothing matches.
bool OpenHidDevice(TForm1& form);
// Closes whatever is open; harmless when nothing is.
void CloseHidDevice();
