// Replies that come late while the port stays open: a page the running
// read did not ask for last, and replies to a transfer that has ended,
// change nothing; a page with a bad sum is named whatever its index.
#include "firmware_resource.h"
#include "link_request.h"
#include "log_capture.h"
#include "receive_parser_probe.h"
#include "resources.h"
#include "transfer_log_lines.h"
#include "worker_fixture.h"

namespace {

constexpr std::uint16_t StalledPage = 5;

class OpenPortLateReplyTest : public WorkerTest {
 protected:
  // A read whose answer to StalledPage the device holds back, stalled
  // there; the log lines it left.
  std::vector<std::string> StallReadAtHeldPage() {
    device.SetImage(ImageWithCallsign("SQ9XYZ"));
    device.FaultOnPage(StalledPage, TDeviceFault::HeldBack);
    EXPECT_TRUE(OpenPort());
    form->Button4->Click();
    const std::vector<std::string> read = ReadLog();
    const std::vector<std::string> stalled(read.begin(), read.begin() + 2 * StalledPage + 1);
    EXPECT_TRUE(ServeUntil([&] { return Log() == stalled; }));
    EXPECT_TRUE(device.WaitForCommands(StalledPage + 1u));
    return stalled;
  }

  std::size_t Decodes() const {
    std::size_t count = 0;
    for (const std::string& line : capture.Lines("pelnor.serial")) count += line.find("decoding") != std::string::npos;
    return count;
  }

  LogCapture capture{"pelnor.serial=true"};
};

}  // namespace

TEST_F(OpenPortLateReplyTest, ALatePageInTheMiddleOfANewReadIsDropped) {
  std::vector<std::string> expected = StallReadAtHeldPage();
  device.FaultOnPage(8, TDeviceFault::HeldReplyFirst);
  form->Button4->Click();
  const std::vector<std::string> read = ReadLog();
  expected.insert(expected.end(), read.begin(), read.end());
  ASSERT_TRUE(ServeUntil([&] { return form->Callsign->Text() == "SQ9XYZ"; }));

  EXPECT_EQ(Log(), expected);
  EXPECT_EQ(Decodes(), 1u);
  EXPECT_TRUE(capture.Has("pelnor.serial", {"page 5 dropped: the read awaits page 8"}));
}

TEST_F(OpenPortLateReplyTest, ALatePageAfterTheNewReadEndedLeavesTheEditedControls) {
  const std::vector<std::string> stalled = StallReadAtHeldPage();
  form->Button4->Click();
  ASSERT_TRUE(ServeUntil([&] { return form->Callsign->Text() == "SQ9XYZ"; }));
  form->Callsign->SetText("SP5EDIT");
  const std::vector<std::string> log = Log();

  ASSERT_TRUE(device.SendHeldReply());
  const auto dropped = [&] { return capture.Has("pelnor.serial", {"page 5 dropped: no read is running"}); };
  ASSERT_TRUE(ServeUntil([&] { return dropped() || Log() != log; }));

  EXPECT_TRUE(dropped());
  EXPECT_EQ(Log(), log);
  EXPECT_EQ(form->Callsign->Text(), "SP5EDIT");
  EXPECT_EQ(Decodes(), 1u);
}

TEST_F(OpenPortLateReplyTest, APageWithABadSumIsNamedWhateverItsIndexAGoodOneNotAskedForIsDropped) {
  std::vector<std::string> expected = StallReadAtHeldPage();
  const TLinkPage bytes = CountingPage(7);
  std::vector<std::uint8_t> badSum = PageReply(2, bytes);
  ++badSum[LinkFrameLength + 10];
  device.SendUnasked(badSum);
  expected.push_back(EepromPageDataChecksumErrorLine);
  ASSERT_TRUE(ServeUntil([&] { return Log() == expected; }));

  device.SendUnasked(PageReply(2, bytes));
  ASSERT_TRUE(ServeUntil([&] { return capture.Has("pelnor.serial", {"page 2 dropped: the read awaits page 5"}); }));
  ASSERT_TRUE(device.SendHeldReply());
  ASSERT_TRUE(ServeUntil([&] { return form->Callsign->Text() == "SQ9XYZ"; }));

  const std::vector<std::string> read = ReadLog();
  expected.insert(expected.end(), read.begin() + 2 * StalledPage + 1, read.end());
  EXPECT_EQ(Log(), expected);
}

namespace {

struct FinishedCase {
  const char* name;
  void (TForm1::*button)(TObject*);
  std::uint8_t ack;
  std::uint32_t lastPage;
};

const FinishedCase FinishedCases[] = {
    {"Write", &TForm1::Button5Click, ConfigPageAck, LastConfigPageIndex},
    {"Upload", &TForm1::Button3Click, FirmwarePageAck, 2},
};

void PrintTo(const FinishedCase& c, std::ostream* out) { *out << c.name; }

class FinishedTransferTest : public OpenPortLateReplyTest, public testing::WithParamInterface<FinishedCase> {};

}  // namespace

TEST_P(FinishedTransferTest, ALateAckAfterSendFinishedLogsNothing) {
  const FinishedCase& c = GetParam();
  InstallResource(FirmwareResourceId, std::vector<std::uint8_t>(2 * LinkPageLength, 0x5A));
  ASSERT_TRUE(OpenPort());
  (form.get()->*c.button)(nullptr);
  ASSERT_TRUE(ServeUntil([&] { return LogEndsWith(SendFinishedLine); }));
  const std::vector<std::string> log = Log();

  const TLinkFrame late = LinkFrame(c.ack, c.lastPage, 0);
  device.SendUnasked({late.begin(), late.end()});
  const auto dropped = [&] { return capture.Has("pelnor.serial", {"acknowledgement", "dropped: no"}); };
  ASSERT_TRUE(ServeUntil([&] { return dropped() || Log() != log; }));

  EXPECT_TRUE(dropped());
  EXPECT_EQ(Log(), log);
  EXPECT_EQ(log, c.ack == ConfigPageAck ? WriteLog() : UploadLog(c.lastPage));
}

INSTANTIATE_TEST_SUITE_P(Transfers, FinishedTransferTest, testing::ValuesIn(FinishedCases),
                         [](const testing::TestParamInfo<FinishedCase>& info) { return std::string(info.param.name); });
