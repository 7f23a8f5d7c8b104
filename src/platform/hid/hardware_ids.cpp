#include "hardware_ids.h"

#include <algorithm>
#include <cstdio>

std::vector<std::string> HardwareIdList(const THidIdentity& identity) {
  char device[64];
  std::snprintf(device, sizeof device, "HID\\VID_%04X&PID_%04X", identity.VendorId, identity.ProductId);
  char revision[16];
  std::snprintf(revision, sizeof revision, "&REV_%04X", identity.ReleaseNumber);
  char usage[48];
  std::snprintf(usage, sizeof usage, "HID_DEVICE_UP:%04X_U:%04X", identity.UsagePage, identity.Usage);
  return {std::string(device) + revision, device, usage, "HID_DEVICE"};
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Natural order: runs of digits compare by value. Negative, zero or
// positive as a sorts before, with or after b.
int NaturalCompare(const std::string& a, const std::string& b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      std::size_t endA = i, endB = j;
      while (endA < a.size() && IsDigit(a[endA])) ++endA;
      while (endB < b.size() && IsDigit(b[endB])) ++endB;
      while (i + 1 < endA && a[i] == '0') ++i;
      while (j + 1 < endB && b[j] == '0') ++j;
      if (endA - i != endB - j) return endA - i < endB - j ? -1 : 1;
      const int order = a.compare(i, endA - i, b, j, endB - j);
      if (order != 0) return order;
      i = endA;
      j = endB;
    } else {
      if (a[i] != b[j]) return a[i] < b[j] ? -1 : 1;
      ++i;
      ++j;
    }
  }
  return static_cast<int>(a.size() - i) - static_cast<int>(b.size() - j);
}

// Paths equal by value ("hidraw2", "hidraw02") fall back to their bytes, so
// the order never depends on the order the list came in.
bool PathBefore(const std::string& a, const std::string& b) {
  const int order = NaturalCompare(a, b);
  return order != 0 ? order < 0 : a < b;
}

}  // namespace

void PutInStableOrder(std::vector<THidInterface>& interfaces) {
  std::stable_sort(interfaces.begin(), interfaces.end(),
                   [](const THidInterface& a, const THidInterface& b) { return PathBefore(a.DevicePath, b.DevicePath); });
  const auto samePath = [](const THidInterface& a, const THidInterface& b) { return a.DevicePath == b.DevicePath; };
  interfaces.erase(std::unique(interfaces.begin(), interfaces.end(), samePath), interfaces.end());
}
