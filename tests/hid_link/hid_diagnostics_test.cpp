// The HID diagnostic log: what the search saw, why an open or an exchange
// failed, and every report in hex. Silent unless switched on; the window's
// log is the same either way.
#include <functional>

#include "hid_link_fixture.h"
#include "log_capture.h"

namespace {

constexpr char Hid[] = "pelnor.hid";
constexpr char Trace[] = "pelnor.hid.trace";

using HidDiagnostics = HidLinkTest;

TEST_F(HidDiagnostics, ASearchWithoutTheDeviceListsWhatItSaw) {
  LogCapture capture;
  device.interfaces = {SimulatedHidDevice::OtherDevice("/dev/hidraw0"), {{}, "/dev/hidraw1"}};
  form->Button5->Click();
  EXPECT_EQ(Log(), std::vector<std::string>{NotFoundLine});
  const std::vector<std::string> lines = capture.Lines(Hid);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "interface /dev/hidraw0 HID\\VID_046D&PID_C52B&REV_1211");
  EXPECT_EQ(lines[1], "interface /dev/hidraw1 (no hardware ID)");
  EXPECT_TRUE(capture.Has(Hid, {"none of 2 interfaces matches vid_0483&pid_a04c - ", "lsusb", "package usbutils",
                                "see TROUBLESHOOTING in pelnor_configurator_hid(1)"}))
      << lines[2];
}

TEST_F(HidDiagnostics, AnOpenThatFailsGivesTheSystemsReasonAndTheUdevHint) {
  for (const bool writeFails : {true, false}) {
    SCOPED_TRACE(writeFails ? "write" : "read");
    LogCapture capture;
    device.writeOpenFails = writeFails;
    device.readOpenFails = !writeFails;
    form->Memo1->Clear();
    form->Button5->Click();
    EXPECT_EQ(Log(), (std::vector<std::string>{FoundLine, "Page write error: 1/64"}));
    EXPECT_TRUE(capture.Has(Hid, {"matched /dev/hidraw0"}));
    EXPECT_TRUE(capture.Has(Hid, {"cannot open /dev/hidraw0 for", writeFails ? "writing" : "reading",
                                  "Permission denied: /dev/hidraw0", "udev rule 70-pelnor-rudi.rules", "plug it in again",
                                  "see TROUBLESHOOTING in pelnor_configurator_hid(1)"}));
    EXPECT_TRUE(capture.Has(Hid, {"command FD page index 0 failed: the device is not open for"}));
  }
}

TEST_F(HidDiagnostics, EachFailedExchangeSaysWhy) {
  using TAlter = std::function<void(SimulatedHidDevice::Exchange&)>;
  const struct {
    const char* reason;
    TAlter alter;
  } cases[] = {
      {"no report within 1000 ms", [](auto& e) { e.replyLength = 0; }},
      {"short write: 40 of 65 bytes", [](auto& e) { e.accepted = 40; }},
      {"short read: 33 of 65 bytes", [](auto& e) { e.replyLength = 33; }},
      {"wrong command byte in the reply: FD", [](auto& e) { e.reply[1] = 0xFD; }},
      {"bad sum: the reply gives 1, its page bytes add to 0", [](auto& e) { e.reply[36] = 1; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    LogCapture capture;
    device.requests.clear();
    device.alter = [&c](std::size_t request, const THidReport&, SimulatedHidDevice::Exchange& exchange) {
      if (request == 9) c.alter(exchange);
    };
    form->Memo1->Clear();
    form->Button4->Click();
    EXPECT_EQ(Log().at(10), "Page read error: 10/64");
    EXPECT_EQ(capture.Lines(Hid).back(), std::string("command FC page index 9 failed: ") + c.reason);
  }
}

TEST_F(HidDiagnostics, TheTraceHasEveryReportInHex) {
  LogCapture capture;
  StopAnsweringAt(2);
  form->Button4->Click();
  const std::string zeros61 = [] {
    std::string text;
    for (int i = 0; i < 61; ++i) text += " 00";
    return text;
  }();
  const auto trace = capture.Lines(Trace);
  ASSERT_EQ(trace.size(), 5u);
  EXPECT_EQ(trace[0], "sent 00 FC 00 00" + zeros61);
  EXPECT_EQ(trace[1], "received 00 FC 00 00" + zeros61);
  EXPECT_EQ(trace[2], "sent 00 FC 01 00" + zeros61);
  EXPECT_EQ(trace[4], "sent 00 FC 02 00" + zeros61);
}

TEST_F(HidDiagnostics, AReportLeftFromAnEarlierOperationIsLoggedAsDiscarded) {
  device.alter = [](std::size_t request, const THidReport&, SimulatedHidDevice::Exchange& exchange) {
    exchange.late = request == 0;
  };
  form->Button5->Click();
  LogCapture capture;
  form->Button5->Click();
  EXPECT_TRUE(capture.Has(Hid, {"discarded a report queued before this operation: 00 FD 00"}));
}

TEST_F(HidDiagnostics, NothingIsLoggedWithoutARule) {
  LogCapture capture("");
  device.alter = [](std::size_t request, const THidReport&, SimulatedHidDevice::Exchange& exchange) {
    if (request == 3) exchange.replyLength = 0;
  };
  form->Button4->Click();
  device.writeOpenFails = true;
  form->Button5->Click();
  device.interfaces.clear();
  form->Button5->Click();
  EXPECT_TRUE(capture.Lines().empty());
}

}  // namespace
