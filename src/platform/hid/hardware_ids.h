#pragma once
// The hardware-ID list and the stable order of the HID interface list.
#include <string>
#include <vector>

#include "hid_system.h"

struct THidIdentity {
  unsigned short VendorId;
  unsigned short ProductId;
  unsigned short ReleaseNumber;
  unsigned short UsagePage;
  unsigned short Usage;
};

// Most specific first: "HID\VID_0483&PID_A04C&REV_0200",
// "HID\VID_0483&PID_A04C", "HID_DEVICE_UP:FF00_U:0001", "HID_DEVICE".
std::vector<std::string> HardwareIdList(const THidIdentity& identity);

// Sorts by device path, numbers in the path compared by value
// (/dev/hidraw2 before /dev/hidraw10), and keeps the first entry of each
// path (hidapi lists a device once for each of its top-level collections,
// all on the same path).
void PutInStableOrder(std::vector<THidInterface>& interfaces);
