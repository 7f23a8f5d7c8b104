// Finding the device among the present HID interfaces, and its two handles.
#include "hid_link_fixture.h"

namespace {

using HidSearch = HidLinkTest;

THidInterface WithIds(std::vector<std::string> ids, std::string path) { return {std::move(ids), std::move(path)}; }

TEST_F(HidSearch, NoDevicePresent) {
  device.interfaces.clear();
  EXPECT_FALSE(OpenHidDevice(*form));
  EXPECT_EQ(Log(), std::vector<std::string>{NotFoundLine});
  EXPECT_FALSE(HidWriteHandle);
  EXPECT_FALSE(HidReadHandle);
  EXPECT_TRUE(device.openedPaths.empty());
  EXPECT_TRUE(dialogs.boxes.empty());
}

struct MatchCase {
  std::vector<std::string> hardwareIds;
  bool matches;
};

TEST_F(HidSearch, OnlyTheFirstHardwareIdDecidesWithoutRegardToCase) {
  const MatchCase cases[] = {
      {{"HID\\VID_0483&PID_A04C&REV_0200", "HID\\VID_0483&PID_A04C"}, true},
      {{"hid\\vid_0483&pid_a04c&rev_0200"}, true},
      {{"HID\\Vid_0483&Pid_a04C&REV_0200"}, true},
      {{"HID\\VID_0483&PID_A04D&REV_0200", "HID\\VID_0483&PID_A04D"}, false},
      {{"HID\\VID_0484&PID_A04C&REV_0200"}, false},
      {{"HID_DEVICE_UP:FF00_U:0001", "HID\\VID_0483&PID_A04C&REV_0200"}, false},
      {{"", "HID\\VID_0483&PID_A04C"}, false},
      {{}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hardwareIds.empty() ? "no hardware IDs" : c.hardwareIds.front());
    form->Memo1->Clear();
    device.openedPaths.clear();
    device.interfaces = {WithIds(c.hardwareIds, "/dev/hidraw4")};
    EXPECT_EQ(OpenHidDevice(*form), c.matches);
    EXPECT_EQ(Log(), std::vector<std::string>{c.matches ? FoundLine : NotFoundLine});
    EXPECT_EQ(device.openedPaths.size(), c.matches ? 2u : 0u);
    CloseHidDevice();
  }
}

TEST_F(HidSearch, SkipsOtherDevicesAndOpensTheFirstMatchTwice) {
  device.interfaces = {SimulatedHidDevice::OtherDevice("/dev/hidraw0"), SimulatedHidDevice::OtherDevice("/dev/hidraw1"),
                       SimulatedHidDevice::OtherDevice("/dev/hidraw2"), SimulatedHidDevice::Rudi("/dev/hidraw3"),
                       SimulatedHidDevice::Rudi("/dev/hidraw4")};
  EXPECT_TRUE(OpenHidDevice(*form));
  EXPECT_EQ(Log(), std::vector<std::string>{FoundLine});
  EXPECT_EQ(device.openedPaths, (std::vector<std::string>{"/dev/hidraw3", "/dev/hidraw3"}));
  EXPECT_TRUE(HidWriteHandle);
  EXPECT_TRUE(HidReadHandle);
  EXPECT_EQ(device.openHandles, 2);
  CloseHidDevice();
}

TEST_F(HidSearch, AllocationFailureShowsAPlainBoxAndLogsNothing) {
  device.searchAllocationFails = true;
  EXPECT_FALSE(OpenHidDevice(*form));
  EXPECT_TRUE(Log().empty());
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].Kind, TMessageBoxKind::Plain);
  EXPECT_EQ(dialogs.boxes[0].Text, "Allocation PropertyValueBuffer impossible");
  EXPECT_TRUE(device.openedPaths.empty());
}

// Success is the write handle having opened; the read handle is opened
// only then. Either way the device counts as found.
TEST_F(HidSearch, AHandleThatDoesNotOpenStillCountsAsFound) {
  struct Case {
    bool writeOpenFails, readOpenFails;
    std::size_t opens;
    bool writeOpen, readOpen;
  };
  const Case cases[] = {{true, false, 0, false, false}, {false, true, 1, true, false}, {true, true, 0, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "write fails " << c.writeOpenFails << ", read fails " << c.readOpenFails);
    form->Memo1->Clear();
    device.openedPaths.clear();
    device.writeOpenFails = c.writeOpenFails;
    device.readOpenFails = c.readOpenFails;
    EXPECT_TRUE(OpenHidDevice(*form));
    EXPECT_EQ(Log(), std::vector<std::string>{FoundLine});
    EXPECT_EQ(device.openedPaths.size(), c.opens);
    EXPECT_EQ(static_cast<bool>(HidWriteHandle), c.writeOpen);
    EXPECT_EQ(static_cast<bool>(HidReadHandle), c.readOpen);
    CloseHidDevice();
  }
}

TEST_F(HidSearch, CloseIsHarmlessWhenNothingIsOpen) {
  CloseHidDevice();
  ASSERT_TRUE(OpenHidDevice(*form));
  CloseHidDevice();
  EXPECT_EQ(device.openHandles, 0);
  CloseHidDevice();
  device.interfaces.clear();
  EXPECT_FALSE(OpenHidDevice(*form));
  CloseHidDevice();
  EXPECT_FALSE(HidWriteHandle);
  EXPECT_FALSE(HidReadHandle);
}

TEST_F(HidSearch, EveryOpenStartsAFreshSearch) {
  ASSERT_TRUE(OpenHidDevice(*form));
  CloseHidDevice();
  device.interfaces = {SimulatedHidDevice::OtherDevice("/dev/hidraw0"), SimulatedHidDevice::Rudi("/dev/hidraw7")};
  ASSERT_TRUE(OpenHidDevice(*form));
  CloseHidDevice();
  EXPECT_EQ(device.openedPaths.back(), "/dev/hidraw7");
}

}  // namespace
