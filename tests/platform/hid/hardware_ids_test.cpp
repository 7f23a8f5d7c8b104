// The hardware-ID list a Windows HID device would carry, and the stable
// order of the interface list.
#include <gtest/gtest.h>

#include <algorithm>

#include "hardware_ids.h"

namespace {

TEST(HardwareIds, MostSpecificFirstWithUpperCaseHexDigits) {
  EXPECT_EQ(HardwareIdList({0x0483, 0xA04C, 0x0200, 0xFF00, 0x0001}),
            (std::vector<std::string>{"HID\\VID_0483&PID_A04C&REV_0200", "HID\\VID_0483&PID_A04C",
                                      "HID_DEVICE_UP:FF00_U:0001", "HID_DEVICE"}));
  const std::pair<THidIdentity, const char*> firsts[] = {
      {{0x046d, 0xc52b, 0x1211, 1, 2}, "HID\\VID_046D&PID_C52B&REV_1211"},
      {{0, 0, 0, 0, 0}, "HID\\VID_0000&PID_0000&REV_0000"},
      {{0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF}, "HID\\VID_FFFF&PID_FFFF&REV_FFFF"},
  };
  for (const auto& [identity, first] : firsts) EXPECT_EQ(HardwareIdList(identity).front(), first);
}

std::vector<std::string> Paths(const std::vector<THidInterface>& interfaces) {
  std::vector<std::string> paths;
  for (const auto& i : interfaces) paths.push_back(i.DevicePath);
  return paths;
}

TEST(HardwareIds, InterfacesOrderedByPathNumbersByValueEachPathOnce) {
  std::vector<THidInterface> interfaces = {
      {{"first collection"}, "/dev/hidraw10"}, {{"a"}, "/dev/hidraw2"},
      {{"second collection"}, "/dev/hidraw10"}, {{"b"}, "/dev/hidraw1"},
      {{"c"}, "/dev/hidraw02"},  {{"d"}, "/dev/hidraw"},
  };
  PutInStableOrder(interfaces);
  EXPECT_EQ(Paths(interfaces),
            (std::vector<std::string>{"/dev/hidraw", "/dev/hidraw1", "/dev/hidraw02", "/dev/hidraw2", "/dev/hidraw10"}));
  EXPECT_EQ(interfaces.back().HardwareIds.front(), "first collection");

  auto again = interfaces;
  std::reverse(again.begin(), again.end());
  PutInStableOrder(again);
  EXPECT_EQ(Paths(again), Paths(interfaces));
}

}  // namespace
