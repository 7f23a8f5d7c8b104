// The senders and ReadPort on the real termios code over a pseudo-terminal.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "link_senders.h"
#include "pseudo_terminal.h"
#include "read_port.h"
#include "receive_parser_probe.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class LinkOnPty : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.Link(4, line.DevicePath());
    port = OpenComPort("COM4");
    ASSERT_NE(port, InvalidComHandle);
    TComSettings settings;
    ASSERT_TRUE(BuildComSettings("115200,n,8,1", settings));
    ASSERT_TRUE(SetComState(port, settings));
    ASSERT_TRUE(SetComTimeouts(port, TComTimeouts{1, 1, 1, 1, 1}));
  }
  void TearDown() override { CloseComPort(port); }

  Bytes Sent(std::size_t size) { return line.Read(size, 1000); }

  TComLinkFolder folder;
  TPseudoTerminal line;
  TComHandle port = InvalidComHandle;
};

Bytes Concat(const Bytes& head, const Bytes& tail) {
  Bytes all(head.size() + tail.size());
  std::copy(tail.begin(), tail.end(), std::copy(head.begin(), head.end(), all.begin()));
  return all;
}

TEST_F(LinkOnPty, ConfigPageGoesOutAsHeaderThenPage) {
  std::vector<std::uint8_t> image(ConfigurationImageSize);
  image[3 * 128] = 0x12;
  image[3 * 128 + 127] = 0x22;
  image[3 * 128 + 64] = 0x12;  // page 3 sums to 0x46: 0x12 + 0x22 + 0x12
  SendConfigPageHeader(port, image, 3);
  SendConfigPageData(port, image, 3);
  const Bytes page(image.begin() + 384, image.begin() + 512);
  EXPECT_EQ(Sent(136), Concat({0xFF, 0x80, 0x00, 0x03, 0x00, 0x46, 0x00, 0xC9}, page));
}

TEST_F(LinkOnPty, ReadRequestIsTheWorkedExample) {
  EXPECT_TRUE(SendConfigReadRequest(port, 15));
  EXPECT_EQ(Sent(8), (Bytes{0xFF, 0x90, 0x00, 0x0F, 0x00, 0x00, 0x00, 0x9F}));
}

TEST_F(LinkOnPty, FirmwarePage256OfAllFF) {
  std::vector<std::uint8_t> firmware(257 * 128, 0x00);
  std::fill(firmware.begin() + 256 * 128, firmware.end(), 0xFF);
  SendFirmwarePageHeader(port, firmware, 256);
  SendFirmwarePageData(port, firmware, 256);
  EXPECT_EQ(Sent(136), Concat({0xFF, 0x40, 0x01, 0x00, 0x7F, 0x80, 0x00, 0x40}, Bytes(128, 0xFF)));
}

TEST_F(LinkOnPty, PagePastTheBufferGoesOutAsZeros) {
  const std::vector<std::uint8_t> firmware(200, 0x01);
  SendFirmwarePageHeader(port, firmware, 2);
  SendFirmwarePageData(port, firmware, 2);
  EXPECT_EQ(Sent(136), Concat({0xFF, 0x40, 0x00, 0x02, 0x00, 0x00, 0x00, 0x42}, Bytes(128, 0x00)));
}

TEST_F(LinkOnPty, ReadPortTakesAtMost128BytesAPass) {
  TLinkReceiver receiver;
  TGuardedImage guarded;
  TRecordedEvents events;
  const Bytes ack = Frame(ConfigPageAck);
  line.Write(Concat(Concat(Concat(ack, ack), ack), PageReply(5, CountingPage(7))));
  int passes = 0;
  while (events.Events.size() < 4 && passes < 100) {
    ReadPort(port, receiver, guarded.Image(), events);
    ++passes;
  }
  EXPECT_GE(passes, 2);  // 160 bytes do not fit one read
  EXPECT_EQ(events.Events, (std::vector<std::string>{ConfigAckEvent, ConfigAckEvent, ConfigAckEvent, PageEvent}));
  EXPECT_EQ(guarded.Image()[5 * 128], 7);
}

TEST_F(LinkOnPty, ReadPortAfterHangUpAddsNothing) {
  TLinkReceiver receiver;
  TGuardedImage guarded;
  TRecordedEvents events;
  line.HangUp();
  EXPECT_FALSE(ReadPort(port, receiver, guarded.Image(), events));
  EXPECT_EQ(receiver.Ring.Available(), 0u);
  EXPECT_TRUE(events.Events.empty());
}

// Every sender on a line that hung up, and on one that XOFF stopped.
TEST_F(LinkOnPty, ASenderWhoseBytesThePortDoesNotTakeSaysSo) {
  const std::vector<std::uint8_t> buffer(ConfigurationImageSize, 0x01);
  const std::function<bool()> senders[] = {
      [&] { return SendFirmwarePageHeader(port, buffer, 1); }, [&] { return SendFirmwarePageData(port, buffer, 1); },
      [&] { return SendConfigPageHeader(port, buffer, 1); },   [&] { return SendConfigPageData(port, buffer, 1); },
      [&] { return SendConfigReadRequest(port, 1); },
  };
  line.StopNearEndOutput();
  // A byte sent after the XOFF arrives only once the XOFF has been taken.
  line.Write({0x00});
  std::uint8_t byte;
  std::uint32_t count = 0;
  for (int pass = 0; pass < 100 && count == 0; ++pass) ASSERT_TRUE(ReadComPort(port, &byte, 1, count));
  ASSERT_EQ(count, 1u);
  for (const auto& send : senders) EXPECT_FALSE(send());
  line.HangUp();
  for (const auto& send : senders) EXPECT_FALSE(send());
}

}  // namespace
