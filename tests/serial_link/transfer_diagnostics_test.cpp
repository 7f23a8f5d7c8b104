// The pelnor.serial log of the transfers and the pelnor.serial.trace of
// the bytes, against the simulated device.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>

#include "communication.h"
#include "hex_bytes.h"
#include "link_frame.h"
#include "log_capture.h"
#include "transfer_log_lines.h"
#include "worker_fixture.h"

namespace {

// Captures from before the worker starts until after it has ended.
class TransferDiagnosticsTest : public WorkerTest {
 protected:
  ~TransferDiagnosticsTest() override { ClosePort(); }

  LogCapture capture;
};

std::string Hex(std::span<const std::uint8_t> bytes) { return HexBytes(bytes.data(), bytes.size()).toStdString(); }

}  // namespace

TEST_F(TransferDiagnosticsTest, AFullReadTracesEveryRequestFrameAndPageReplyInHex) {
  const std::vector<std::uint8_t> image = ImageWithCallsign("SQ9XYZ");
  device.SetImage(image);
  ASSERT_TRUE(OpenPort());
  form->Button4->Click();
  ASSERT_TRUE(ServeUntil([&] { return form->Callsign->Text() == "SQ9XYZ"; }));

  std::vector<std::string> expected;
  for (std::uint32_t page = 0; page < 16; ++page) {
    const std::span<const std::uint8_t> bytes(image.data() + page * LinkPageLength, LinkPageLength);
    expected.push_back("sent frame " + Hex(LinkFrame(ConfigPageRead, page, 0)));
    expected.push_back("received frame " + Hex(LinkFrame(ConfigPageData, page, PageSum(bytes))));
    expected.push_back("received page " + Hex(bytes));
  }
  EXPECT_EQ(capture.Lines("pelnor.serial.trace"), expected);
  EXPECT_EQ(expected[0], "sent frame FF 90 00 00 00 00 00 90");
  EXPECT_TRUE(capture.Has("pelnor.serial", {"configuration read started: pages 0 to 15"}));
  EXPECT_TRUE(capture.Has("pelnor.serial", {"configuration read finished; image checksum good"}));

  ASSERT_TRUE(ClosePort());
  EXPECT_EQ(capture.Lines("pelnor.serial").back(), "worker ended; port closed");
}

namespace {

std::string heldPath;
std::atomic<bool> freeAtTheEndLine{false};
QtMessageHandler capturing = nullptr;

// At the worker's last line, whether another open could lock the port.
void NoteWhetherThePortIsFree(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message == "worker ended; port closed") {
    const int fd = open(heldPath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    freeAtTheEndLine = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (fd >= 0) close(fd);
  }
  capturing(type, context, message);
}

}  // namespace

TEST_F(TransferDiagnosticsTest, TheWorkersEndIsLoggedOnceItsPortIsClosed) {
  heldPath = device.DevicePath();
  capturing = qInstallMessageHandler(NoteWhetherThePortIsFree);
  const bool opened = OpenPort();
  const bool closed = ClosePort();
  qInstallMessageHandler(capturing);

  ASSERT_TRUE(opened && closed);
  EXPECT_EQ(capture.Lines("pelnor.serial").back(), "worker ended; port closed");
  EXPECT_TRUE(freeAtTheEndLine);
}

TEST_F(TransferDiagnosticsTest, AWriteTracesEachFrameWithItsPageAndEachAck) {
  ASSERT_TRUE(OpenPort());
  form->Button5->Click();
  ASSERT_TRUE(ServeUntil([&] { return LogEndsWith(SendFinishedLine); }));

  const std::vector<std::string> trace = capture.Lines("pelnor.serial.trace");
  ASSERT_EQ(trace.size(), 16u * 3);
  const std::span<const std::uint8_t> first(form->ConfigurationImage, LinkPageLength);
  EXPECT_EQ(trace[0], "sent frame " + Hex(LinkFrame(ConfigPageWrite, 0, PageSum(first))));
  EXPECT_EQ(trace[1], "sent page " + Hex(first));
  EXPECT_EQ(trace[2], "received frame " + Hex(LinkFrame(ConfigPageAck, 0, 0)));
  EXPECT_TRUE(capture.Has("pelnor.serial", {"configuration write finished"}));
}

namespace {

struct FaultCase {
  const char* name;
  TDeviceFault fault;
  const char* logged;
};

const FaultCase FaultCases[] = {
    {"PageSum", TDeviceFault::WrongPageSum, "page 3: page sum 0x"},
    {"FrameChecksum", TDeviceFault::WrongFrameChecksum, "page reply with a bad frame checksum"},
    {"PageIndex", TDeviceFault::PageIndex16, "page index 16 refused"},
    {"NoAnswer", TDeviceFault::MissingReply, "no answer to the configuration read request for page 3 within 1 s"},
};

void PrintTo(const FaultCase& c, std::ostream* out) { *out << c.name; }

class ReadFaultDiagnosticsTest : public TransferDiagnosticsTest, public testing::WithParamInterface<FaultCase> {};

}  // namespace

TEST_P(ReadFaultDiagnosticsTest, AReadThatStallsSaysWhy) {
  const FaultCase& c = GetParam();
  device.FaultOnPage(3, c.fault);
  ASSERT_TRUE(OpenPort());
  form->Button4->Click();

  EXPECT_TRUE(ServeUntil([&] { return capture.Has("pelnor.serial", {c.logged}); }));
  EXPECT_FALSE(capture.Has("pelnor.serial", {"finished"}));
}

INSTANTIATE_TEST_SUITE_P(Faults, ReadFaultDiagnosticsTest, testing::ValuesIn(FaultCases),
                         [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST_F(TransferDiagnosticsTest, ThePortGoingAwayIsLoggedOnce) {
  device.FaultOnPage(2, TDeviceFault::HangUp);
  ASSERT_TRUE(OpenPort());
  form->Button4->Click();
  ASSERT_TRUE(ServeUntil([&] { return capture.Has("pelnor.serial", {"the port no longer reads"}); }));
  ServeFor(std::chrono::milliseconds(300));

  int count = 0;
  for (const std::string& line : capture.Lines("pelnor.serial")) count += line.find("no longer reads") != std::string::npos;
  EXPECT_EQ(count, 1);
}
