// The hidapi system over a stand-in for the library: the interface list,
// the two opens and the report-ID byte in front of every report.
#include <gtest/gtest.h>

#include <algorithm>

#include "fake_hidapi.h"
#include "hidapi_system.h"
#include "log_capture.h"

namespace {

class HidapiSystemTest : public testing::Test {
 protected:
  HidapiSystemTest() { Fake = FakeHidapi{}; }
  ~HidapiSystemTest() override { EXPECT_EQ(Fake.openDevices, 0); }

  HidapiSystem system;
};

TEST_F(HidapiSystemTest, ListsEachPathOnceInPathOrderWithItsHardwareIds) {
  Fake.devices = {
      {"/dev/hidraw10", 0x0483, 0xa04c, 0x0200, 0xff00, 0x0001},
      {"/dev/hidraw2", 0x046d, 0xc52b, 0x1211, 0x0001, 0x0002},
      {"/dev/hidraw10", 0x0483, 0xa04c, 0x0200, 0x0001, 0x0006},
      {"", 0x1234, 0x5678, 0x0100, 0x0001, 0x0002},
  };
  const auto interfaces = system.PresentInterfaces();
  ASSERT_EQ(interfaces.size(), 2u);
  EXPECT_EQ(interfaces[0].DevicePath, "/dev/hidraw2");
  EXPECT_EQ(interfaces[0].HardwareIds.front(), "HID\\VID_046D&PID_C52B&REV_1211");
  EXPECT_EQ(interfaces[1].DevicePath, "/dev/hidraw10");
  EXPECT_EQ(interfaces[1].HardwareIds,
            (std::vector<std::string>{"HID\\VID_0483&PID_A04C&REV_0200", "HID\\VID_0483&PID_A04C",
                                      "HID_DEVICE_UP:FF00_U:0001", "HID_DEVICE"}));
}

TEST_F(HidapiSystemTest, NothingPresentIsAnEmptyList) { EXPECT_TRUE(system.PresentInterfaces().empty()); }

TEST_F(HidapiSystemTest, AnOpenThatFailsLeavesItsReason) {
  Fake.unopenable = {"/dev/hidraw3"};
  EXPECT_EQ(system.Open("/dev/hidraw3", THidAccess::Write), nullptr);
  EXPECT_EQ(system.LastError(), "Permission denied");
  EXPECT_NE(system.Open("/dev/hidraw4", THidAccess::Read), nullptr);
  EXPECT_EQ(system.LastError(), "");
}

TEST_F(HidapiSystemTest, WritesTheWholeReportWithItsIdByte) {
  auto handle = system.Open("/dev/hidraw0", THidAccess::Write);
  ASSERT_TRUE(handle);
  THidReport report{};
  for (std::size_t i = 1; i < report.size(); ++i) report[i] = static_cast<std::uint8_t>(i);
  EXPECT_EQ(handle->WriteReport(report), 65u);
  ASSERT_EQ(Fake.written.size(), 1u);
  EXPECT_EQ(Fake.written[0], std::vector<std::uint8_t>(report.begin(), report.end()));

  Fake.writeResult = -1;
  EXPECT_EQ(handle->WriteReport(report), 0u);
  THidReport reply{};
  EXPECT_EQ(handle->ReadReport(reply), 0u);  // opened for writing
  EXPECT_TRUE(Fake.readWaits.empty());
}

TEST_F(HidapiSystemTest, ReadPutsTheIdByteInFrontAndWaitsBoundedly) {
  auto handle = system.Open("/dev/hidraw0", THidAccess::Read);
  ASSERT_TRUE(handle);
  std::vector<std::uint8_t> input(64);
  for (std::size_t i = 0; i < input.size(); ++i) input[i] = static_cast<std::uint8_t>(0xF0 - i);
  Fake.inputReports = {input, std::vector<std::uint8_t>(63, 0xAA)};

  THidReport reply;
  reply.fill(0x77);
  EXPECT_EQ(handle->ReadReport(reply), 65u);
  EXPECT_EQ(reply[0], 0);
  EXPECT_TRUE(std::equal(input.begin(), input.end(), reply.begin() + 1));
  EXPECT_EQ(handle->ReadReport(reply), 64u);  // a short report is not whole

  for (const int result : {0, -1}) {  // the wait ran out; a failed read
    Fake.readResult = result;
    EXPECT_EQ(handle->ReadReport(reply), 0u);
  }
  EXPECT_EQ(Fake.readWaits, std::vector<int>(4, HidReportWaitMilliseconds));
  EXPECT_EQ(handle->WriteReport(reply), 0u);  // opened for reading
  EXPECT_TRUE(Fake.written.empty());
}

TEST_F(HidapiSystemTest, AQueuedReportIsTakenWithoutWaiting) {
  auto read = system.Open("/dev/hidraw0", THidAccess::Read);
  auto write = system.Open("/dev/hidraw0", THidAccess::Write);
  Fake.inputReports = {std::vector<std::uint8_t>(64, 0x5C)};

  THidReport report;
  report.fill(0x77);
  EXPECT_EQ(read->ReadQueuedReport(report), 65u);
  EXPECT_EQ(report[0], 0);
  EXPECT_TRUE(std::all_of(report.begin() + 1, report.end(), [](std::uint8_t b) { return b == 0x5C; }));
  EXPECT_EQ(read->ReadQueuedReport(report), 0u);
  EXPECT_EQ(Fake.readWaits, (std::vector<int>{0, 0}));

  Fake.inputReports = {std::vector<std::uint8_t>(64, 0x5C)};
  EXPECT_EQ(write->ReadQueuedReport(report), 0u);  // opened for writing
  EXPECT_EQ(Fake.inputReports.size(), 1u);
}

TEST_F(HidapiSystemTest, AFailedTransferLogsTheLibrarysReason) {
  LogCapture capture;
  auto read = system.Open("/dev/hidraw0", THidAccess::Read);
  auto write = system.Open("/dev/hidraw0", THidAccess::Write);
  THidReport report{};
  Fake.readResult = 0;
  EXPECT_EQ(read->ReadReport(report), 0u);  // nothing came: no failure to log
  EXPECT_TRUE(capture.Lines().empty());

  Fake.readResult = -1;
  Fake.writeResult = -1;
  EXPECT_EQ(read->ReadReport(report), 0u);
  EXPECT_EQ(write->WriteReport(report), 0u);
  EXPECT_EQ(capture.Lines("pelnor.hid"),
            (std::vector<std::string>{"report read failed: Permission denied",
                                      "report write failed: Permission denied"}));
}

TEST_F(HidapiSystemTest, EachHandleIsItsOwnOpen) {
  auto write = system.Open("/dev/hidraw0", THidAccess::Write);
  auto read = system.Open("/dev/hidraw0", THidAccess::Read);
  EXPECT_EQ(Fake.openDevices, 2);
  write.reset();
  read.reset();
}

}  // namespace
