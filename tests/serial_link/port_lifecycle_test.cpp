// "Open port" and "Close port" around the worker: one worker at a time, a
// transfer stopped by a close, a port that is lost, and transfers that
// stall on a bad or missing reply.
#include <algorithm>

#include "communication.h"
#include "firmware_resource.h"
#include "link_request.h"
#include "log_capture.h"
#include "resources.h"
#include "serial_port.h"
#include "transfer_log_lines.h"
#include "worker_fixture.h"

namespace {

using PortLifecycleTest = WorkerTest;

bool PortIsFree(const std::string& name) {
  const TComHandle probe = OpenComPort(name);
  CloseComPort(probe);
  return probe != InvalidComHandle;
}

}  // namespace

TEST_F(PortLifecycleTest, CloseBeforeAnyOpenDoesNothing) {
  form->Button2->Click();
  EXPECT_EQ(CommThread, nullptr);
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(PortLifecycleTest, OpenWhileTheWorkerRunsShowsTheFailureBoxLogsWhyAndLeavesTheWorker) {
  LogCapture capture("pelnor.serial=true");
  TPseudoTerminal otherLine;
  links.Link(3, otherLine.DevicePath());
  ASSERT_TRUE(OpenPort());
  const TCommThread* worker = CommThread.get();

  form->Button1->Click();  // the port the worker holds
  form->ComboBox2->SetItemIndex(2);
  form->Button1->Click();  // another port

  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{SerialPortOpenedText, SerialPortOpenErrorText,
                                                   SerialPortOpenErrorText}));
  int refusals = 0;
  for (const std::string& line : capture.Lines("pelnor.serial")) {
    refusals += line == "Open port: refused, this program's port is open; click Close port first";
  }
  EXPECT_EQ(refusals, 2);
  EXPECT_EQ(CommThread.get(), worker);
  EXPECT_TRUE(PortIsFree("COM3"));
  form->Button5->Click();
  EXPECT_TRUE(ServeUntil([&] { return LogEndsWith(SendFinishedLine); }));
}

TEST_F(PortLifecycleTest, CloseInTheMiddleOfAReadAbandonsItAndFreesThePort) {
  device.SetImage(ImageWithCallsign("SQ9XYZ"));
  device.FaultOnPage(5, TDeviceFault::MissingReply);
  ASSERT_TRUE(OpenPort());
  form->Button4->Click();
  ASSERT_TRUE(ServeUntil([&] { return LogEndsWith(PageLine(EepromReadRequestLine, 5)); }));

  std::vector<std::string> log = Log();
  ASSERT_TRUE(ClosePort());

  EXPECT_TRUE(PortIsFree("COM2"));
  log.push_back(EepromReadStoppedLine);
  ServeFor(std::chrono::milliseconds(100));
  EXPECT_EQ(Log(), log);
  EXPECT_EQ(form->Callsign->Text(), "NOCALL");

  // A new worker does not resume the read.
  ASSERT_TRUE(OpenPort());
  ServeFor(std::chrono::milliseconds(300));
  EXPECT_EQ(device.Commands().size(), 6u);
  EXPECT_EQ(Log(), log);
}

TEST_F(PortLifecycleTest, HalfAPageBeforeCloseDoesNotSpoilTheFirstReadAfterTheNextOpen) {
  LogCapture capture("pelnor.serial.trace=true");
  device.SetImage(ImageWithCallsign("SQ9XYZ"));
  device.FaultOnPage(3, TDeviceFault::HalfPage);
  ASSERT_TRUE(OpenPort());
  form->Button4->Click();
  ASSERT_TRUE(ServeUntil([&] { return capture.Has("pelnor.serial.trace", {"received frame FF 91 00 03"}); }));
  ASSERT_TRUE(ClosePort());
  std::vector<std::string> expected = Log();

  ASSERT_TRUE(OpenPort());
  form->Button4->Click();
  ASSERT_TRUE(ServeUntil([&] { return form->Callsign->Text() == "SQ9XYZ"; }));

  const std::vector<std::string> read = ReadLog();
  expected.insert(expected.end(), read.begin(), read.end());
  EXPECT_EQ(Log(), expected);
}

TEST_F(PortLifecycleTest, ARequestPostedTwiceIsStartedOnceAsTheLaterPost) {
  device.SetImage(ImageWithCallsign("SQ9XYZ"));
  ASSERT_TRUE(OpenPort());
  form->Button4->Click();
  // The worker now waits in its hand-over after the request for page 1.
  ASSERT_TRUE(device.WaitForCommands(2));
  form->Button5->Click();
  form->Button4->Click();
  form->Button4->Click();
  ASSERT_TRUE(ServeUntil([&] { return form->Callsign->Text() == "SQ9XYZ"; }));
  ServeFor(std::chrono::milliseconds(300));

  const std::vector<std::string> read = ReadLog();
  std::vector<std::string> expected(read.begin(), read.begin() + 3);  // up to the request for page 1
  expected.insert(expected.end(), read.begin(), read.end());
  EXPECT_EQ(Log(), expected);
  EXPECT_EQ(device.Commands().size(), 18u);
  for (const TDeviceCommand& command : device.Commands()) EXPECT_EQ(command.Code, 0x90);
}

TEST_F(PortLifecycleTest, ALaterTransferEndsNothingAStalledWriteGoesOnWhenItsAckComes) {
  device.SetImage(ImageWithCallsign("SQ9XYZ"));
  device.FaultOnPage(3, TDeviceFault::MissingReply);
  ASSERT_TRUE(OpenPort());
  form->Button5->Click();
  const std::vector<std::uint8_t> written(std::begin(form->ConfigurationImage), std::end(form->ConfigurationImage));
  ASSERT_TRUE(ServeUntil([&] { return device.Commands().size() == 4; }));

  form->Button4->Click();
  ASSERT_TRUE(ServeUntil([&] { return form->Callsign->Text() == "SQ9XYZ"; }));
  const TLinkFrame lateAck = LinkFrame(ConfigPageAck, 3, 0);
  device.SendUnasked({lateAck.begin(), lateAck.end()});
  ASSERT_TRUE(ServeUntil([&] { return LogEndsWith(SendFinishedLine); }));

  const std::vector<std::string> write = WriteLog();
  const std::vector<std::string> read = ReadLog();
  std::vector<std::string> expected(write.begin(), write.begin() + 7);  // up to "Eeprom page sent [3]."
  expected.insert(expected.end(), read.begin(), read.end());
  expected.insert(expected.end(), write.begin() + 7, write.end());
  EXPECT_EQ(Log(), expected);
  EXPECT_EQ(device.ReceivedConfiguration(), written);
}

TEST_F(PortLifecycleTest, ALostPortIsReportedOnceAndAReopenedPortReadsAgain) {
  LogCapture capture("pelnor.serial=true");
  device.FaultOnPage(2, TDeviceFault::HangUp);
  ASSERT_TRUE(OpenPort());
  form->Button4->Click();
  const std::vector<std::string> read = ReadLog();
  std::vector<std::string> expected(read.begin(), read.begin() + 5);  // up to the request for page 2
  expected.push_back(SerialPortLostLine);
  ASSERT_TRUE(ServeUntil([&] { return Log() == expected; }));

  // The request cannot be written: it is not logged as sent.
  form->Button4->Click();
  ASSERT_TRUE(ServeUntil([&] { return capture.Has("pelnor.serial", {"write to the port failed"}); }));
  ServeFor(std::chrono::milliseconds(300));
  EXPECT_EQ(Log(), expected);

  // The read ended with its write: "Close port" has nothing to stop.
  ASSERT_TRUE(ClosePort());
  EXPECT_EQ(Log(), expected);

  TSimulatedSerialDevice pluggedIn;
  pluggedIn.SetImage(ImageWithCallsign("SQ9XYZ"));
  links.Link(2, pluggedIn.DevicePath());
  ASSERT_TRUE(OpenPort());
  form->Button4->Click();
  ASSERT_TRUE(ServeUntil([&] { return form->Callsign->Text() == "SQ9XYZ"; }));
  expected.insert(expected.end(), read.begin(), read.end());
  EXPECT_EQ(Log(), expected);
  ASSERT_TRUE(ClosePort());
}

namespace {

// A transfer running at page 3, the device's answer to it held back or
// spoiled.
struct TransferCase {
  const char* name;
  void (TForm1::*button)(TObject*);
  std::vector<std::string> (*log)();
  const char* stoppedLine;
};

const TransferCase TransferCases[] = {
    {"Upload", &TForm1::Button3Click, [] { return UploadLog(8); }, FirmwareUploadStoppedLine},
    {"Write", &TForm1::Button5Click, WriteLog, EepromWriteStoppedLine},
    {"Read", &TForm1::Button4Click, ReadLog, EepromReadStoppedLine},
};

void PrintTo(const TransferCase& c, std::ostream* out) { *out << c.name; }

class TransferAtPage3Test : public WorkerTest, public testing::WithParamInterface<TransferCase> {
 protected:
  TransferAtPage3Test() {
    InstallResource(FirmwareResourceId, std::vector<std::uint8_t>(1000, 0x5A));  // 8 pages
    device.SetImage(ImageWithCallsign("SQ9XYZ"));
  }

  // Starts the transfer; true once page 3 has gone out and been logged.
  bool RunToPage3() {
    if (!OpenPort()) return false;
    (form.get()->*GetParam().button)(nullptr);
    return ServeUntil([&] { return device.Commands().size() >= 4 && Log().size() >= 7; });
  }
  // The transfer's log up to the line for page 3 (7 lines) and count lines after it.
  std::vector<std::string> LogBeyondPage3(std::size_t count) const {
    const std::vector<std::string> whole = GetParam().log();
    return {whole.begin(), whole.begin() + 7 + static_cast<std::ptrdiff_t>(count)};
  }
};

}  // namespace

TEST_P(TransferAtPage3Test, CloseSaysWhichTransferStoppedAndEmptiesTheBar) {
  device.FaultOnPage(3, TDeviceFault::HeldBack);
  ASSERT_TRUE(RunToPage3());
  if (GetParam().button == &TForm1::Button3Click) {
    EXPECT_EQ(form->ProgressBar1->Position(), 3);
  }

  ASSERT_TRUE(ClosePort());

  std::vector<std::string> expected = LogBeyondPage3(0);
  expected.push_back(GetParam().stoppedLine);
  EXPECT_EQ(Log(), expected);
  EXPECT_EQ(form->ProgressBar1->Position(), 0);
}

TEST_P(TransferAtPage3Test, AFrameThatCannotBeWrittenEndsTheTransferUnloggedAndSaysThePortIsLost) {
  LogCapture capture("pelnor.serial=true");
  if (GetParam().button == &TForm1::Button4Click) {
    const TLinkPage page3 = BufferPage(ImageWithCallsign("SQ9XYZ"), 3);
    const TLinkFrame reply3 = LinkFrame(ConfigPageData, 3, PageSum(page3));
    for (const std::uint8_t byte : {std::uint8_t{0x11}, std::uint8_t{0x13}}) {
      ASSERT_EQ(std::count(page3.begin(), page3.end(), byte) + std::count(reply3.begin(), reply3.end(), byte), 0)
          << "the line would take this byte of the reply to page 3 as flow control";
    }
  }
  device.FaultOnPage(3, TDeviceFault::XoffBefore);
  ASSERT_TRUE(RunToPage3());
  ASSERT_TRUE(ServeUntil([&] { return capture.Has("pelnor.serial", {"write to the port failed"}); }));
  ServeFor(std::chrono::milliseconds(300));

  // The reply to page 3 is logged; the next page is not.
  std::vector<std::string> expected = LogBeyondPage3(1);
  expected.push_back(SerialPortLostLine);
  EXPECT_EQ(Log(), expected);
  EXPECT_EQ(form->ProgressBar1->Position(), 0);
  EXPECT_EQ(device.Commands().size(), 4u);
  EXPECT_EQ(form->Callsign->Text(), "NOCALL");

  ASSERT_TRUE(ClosePort());
  EXPECT_EQ(Log(), expected);
  EXPECT_TRUE(PortIsFree("COM2"));
}

INSTANTIATE_TEST_SUITE_P(Transfers, TransferAtPage3Test, testing::ValuesIn(TransferCases),
                         [](const testing::TestParamInfo<TransferCase>& info) { return std::string(info.param.name); });

TEST_F(PortLifecycleTest, ClosingTheWindowStopsTheWorker) {
  ASSERT_TRUE(OpenPort());
  EXPECT_TRUE(form->CanClose());
  EXPECT_EQ(CommThread, nullptr);
  EXPECT_TRUE(PortIsFree("COM2"));
}

namespace {

struct StallCase {
  const char* name;
  TDeviceFault fault;
  void (TForm1::*button)(TObject*);
  const char* lastLine;  // "%d" for page 3
};

const StallCase StallCases[] = {
    {"ReadPageSum", TDeviceFault::WrongPageSum, &TForm1::Button4Click, EepromPageDataChecksumErrorLine},
    {"ReadFrameChecksum", TDeviceFault::WrongFrameChecksum, &TForm1::Button4Click, EepromFrameChecksumErrorLine},
    {"ReadPageIndex16", TDeviceFault::PageIndex16, &TForm1::Button4Click, EepromPageIndexErrorLine},
    {"ReadMissingReply", TDeviceFault::MissingReply, &TForm1::Button4Click, EepromReadRequestLine},
    {"WriteAckChecksum", TDeviceFault::WrongFrameChecksum, &TForm1::Button5Click, EepromPageSentLine},
    {"WriteMissingAck", TDeviceFault::MissingReply, &TForm1::Button5Click, EepromPageSentLine},
};

void PrintTo(const StallCase& c, std::ostream* out) { *out << c.name; }

class StallTest : public WorkerTest, public testing::WithParamInterface<StallCase> {};

}  // namespace

TEST_P(StallTest, AReplyThatFailsOrNeverComesStallsTheTransferAtItsPage) {
  const StallCase& c = GetParam();
  device.SetImage(ImageWithCallsign("SQ9XYZ"));
  device.FaultOnPage(3, c.fault);
  ASSERT_TRUE(OpenPort());
  (form.get()->*c.button)(nullptr);
  const std::string last = PageLine(c.lastLine, 3);
  ASSERT_TRUE(ServeUntil([&] { return LogEndsWith(last); }));
  ServeFor(std::chrono::milliseconds(300));

  EXPECT_EQ(Log().back(), last);
  EXPECT_EQ(device.Commands().size(), 4u);
  EXPECT_EQ(form->Callsign->Text(), "NOCALL");
}

INSTANTIATE_TEST_SUITE_P(Faults, StallTest, testing::ValuesIn(StallCases),
                         [](const testing::TestParamInfo<StallCase>& info) { return std::string(info.param.name); });

TEST_F(PortLifecycleTest, GarbageBeforeAReplyDoesNotStopTheRead) {
  device.SetImage(ImageWithCallsign("SQ9XYZ"));
  device.FaultOnPage(3, TDeviceFault::GarbageBefore);
  ASSERT_TRUE(OpenPort());
  form->Button4->Click();
  EXPECT_TRUE(ServeUntil([&] { return form->Callsign->Text() == "SQ9XYZ"; }));
  EXPECT_EQ(Log(), ReadLog());
}

namespace {

// A transfer abandoned by "Close port" while the device still owes its
// reply to the last page.
struct AbandonedCase {
  const char* name;
  void (TForm1::*button)(TObject*);
  std::uint16_t heldPage;
  bool readFirst;  // a good read first leaves a valid received image
};

const AbandonedCase AbandonedCases[] = {
    {"Write", &TForm1::Button5Click, 3, false},
    {"Read", &TForm1::Button4Click, 5, false},
    {"SecondRead", &TForm1::Button4Click, 15, true},
};

void PrintTo(const AbandonedCase& c, std::ostream* out) { *out << c.name; }

// The late reply comes while the port is closed (and waits in it) or after
// the next "Open port".
class LateReplyTest : public WorkerTest, public testing::WithParamInterface<std::tuple<AbandonedCase, bool>> {};

}  // namespace

TEST_P(LateReplyTest, ALateReplyToAnAbandonedTransferChangesNothingAfterTheNextOpen) {
  const auto& [c, waitsInPort] = GetParam();
  device.SetImage(ImageWithCallsign("SQ9XYZ"));
  ASSERT_TRUE(OpenPort());
  if (c.readFirst) {
    form->Button4->Click();
    ASSERT_TRUE(ServeUntil([&] { return form->Callsign->Text() == "SQ9XYZ"; }));
    form->Callsign->SetText("SP5EDIT");
  }
  const std::size_t commandsBefore = device.Commands().size();
  device.FaultOnPage(c.heldPage, TDeviceFault::HeldBack);
  (form.get()->*c.button)(nullptr);
  const std::size_t logLength = (c.readFirst ? ReadLog().size() : 0) + 2 * c.heldPage + 1u;
  ASSERT_TRUE(ServeUntil([&] { return device.Commands().size() == commandsBefore + c.heldPage + 1u; }));
  ASSERT_TRUE(ServeUntil([&] { return Log().size() == logLength; }));
  ASSERT_TRUE(ClosePort());
  const std::string callsign = form->Callsign->Text();

  if (waitsInPort) {
    ASSERT_TRUE(device.SendHeldReply());
  }
  ASSERT_TRUE(OpenPort());
  if (!waitsInPort) {
    ASSERT_TRUE(device.SendHeldReply());
  }
  const std::vector<std::string> log = Log();
  ServeFor(std::chrono::milliseconds(300));

  EXPECT_EQ(Log(), log);
  EXPECT_EQ(form->Callsign->Text(), callsign);

  // A new transfer of the same kind runs from page 0 to its end.
  (form.get()->*c.button)(nullptr);
  std::vector<std::string> expected = log;
  const std::vector<std::string> whole = c.button == &TForm1::Button5Click ? WriteLog() : ReadLog();
  expected.insert(expected.end(), whole.begin(), whole.end());
  EXPECT_TRUE(ServeUntil([&] { return Log() == expected; }));
}

INSTANTIATE_TEST_SUITE_P(Transfers, LateReplyTest, testing::Combine(testing::ValuesIn(AbandonedCases), testing::Bool()),
                         [](const testing::TestParamInfo<LateReplyTest::ParamType>& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "WaitingInThePort" : "AfterTheOpen");
                         });
