// The receive ring and the frame parser: frames found across the ring's end
// and in garbage, pages assembled over several reads, each check's log
// line, the reset, the ring's size and pages that name no place in the image.
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "read_port.h"
#include "receive_parser_probe.h"

namespace {

using Events = std::vector<std::string>;

class ReceiveParser : public ::testing::Test {
 protected:
  // Stores bytes as one read would, then parses.
  void Feed(const std::vector<std::uint8_t>& bytes) {
    StoreReceived(receiver.Ring, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    ParseReceived(receiver, guarded.Image(), events);
  }
  const std::uint8_t* ImagePage(std::uint16_t page) { return guarded.Image().data() + page * LinkPageLength; }

  TLinkReceiver receiver;
  TGuardedImage guarded;
  TRecordedEvents events;
};

TEST_F(ReceiveParser, AcksHandedOnInOrder) {
  std::vector<std::uint8_t> bytes = Frame(FirmwarePageAck);
  const auto configAck = Frame(ConfigPageAck, 0x1234, 0xBEEF);  // bytes 2 to 6 count only in the checksum
  bytes.insert(bytes.end(), configAck.begin(), configAck.end());
  Feed(bytes);
  EXPECT_EQ(events.Events, (Events{FirmwareAckEvent, ConfigAckEvent}));
  EXPECT_EQ(receiver.Ring.Available(), 0u);
}

TEST_F(ReceiveParser, FrameStraddlingRingEndFoundOnceComplete) {
  Feed(std::vector<std::uint8_t>(2045, 0x00));
  ASSERT_EQ(receiver.Ring.ReadIndex(), 2045u);
  const auto ack = Frame(ConfigPageAck);
  Feed({ack.begin(), ack.end() - 1});
  EXPECT_TRUE(events.Events.empty());
  EXPECT_EQ(receiver.Ring.ReadIndex(), 2045u);  // the 0xFF waits for the rest
  Feed({ack.back()});
  EXPECT_EQ(events.Events, (Events{ConfigAckEvent}));
  EXPECT_EQ(receiver.Ring.ReadIndex(), 5u);
}

TEST_F(ReceiveParser, PageStraddlingRingEndStoredWhole) {
  Feed(std::vector<std::uint8_t>(2000, 0x00));
  Feed(PageReply(9, CountingPage(3)));
  EXPECT_EQ(events.Events, (Events{PageEvent}));
  const TLinkPage expected = CountingPage(3);
  EXPECT_EQ(std::memcmp(ImagePage(9), expected.data(), LinkPageLength), 0);
}

TEST_F(ReceiveParser, GarbageBeforeFrameSkipped) {
  // A stray 0xFF before a command code, one before a frame's own 0xFF, and
  // reply codes without a frame start.
  std::vector<std::uint8_t> bytes = {0x00, 0x41, 0x81, 0x91, 0xFF, 0x90, 0x12, 0xFF};
  const auto ack = Frame(FirmwarePageAck);
  bytes.insert(bytes.end(), ack.begin(), ack.end());
  Feed(bytes);
  EXPECT_EQ(events.Events, (Events{FirmwareAckEvent}));
}

TEST_F(ReceiveParser, StrayFrameStartCostsOneByte) {
  // The stray 0xFF is followed by a frame whose start lies inside the 8
  // bytes it would cover: skipping more than one byte would lose it.
  std::vector<std::uint8_t> bytes = {0xFF, 0x12};
  const auto ack = Frame(ConfigPageAck);
  bytes.insert(bytes.end(), ack.begin(), ack.end());
  Feed(bytes);
  EXPECT_EQ(events.Events, (Events{ConfigAckEvent}));
}

TEST_F(ReceiveParser, AckWithWrongChecksumSkippedSilently) {
  for (std::uint8_t code : {FirmwarePageAck, ConfigPageAck}) {
    auto bad = Frame(code);
    ++bad[7];
    Feed(bad);
  }
  EXPECT_TRUE(events.Events.empty());
  // A spoiled ack right before a good one costs one byte too, not eight.
  std::vector<std::uint8_t> bytes = {0xFF, ConfigPageAck};
  const auto ack = Frame(ConfigPageAck);
  bytes.insert(bytes.end(), ack.begin(), ack.end());
  Feed(bytes);
  EXPECT_EQ(events.Events, (Events{ConfigAckEvent}));
}

TEST_F(ReceiveParser, PageReplyWithWrongChecksumLoggedAndSkipped) {
  auto reply = PageReply(2, CountingPage(0));
  ++reply[7];
  Feed(reply);
  Feed(Frame(ConfigPageAck));
  EXPECT_EQ(events.Events, (Events{EepromFrameChecksumErrorLine, ConfigAckEvent}));
  EXPECT_TRUE(guarded.GuardsIntact());
}

TEST_F(ReceiveParser, PageOverSeveralReadsStoredOnlyWhenComplete) {
  const TLinkPage page = CountingPage(0x40);
  const auto reply = PageReply(15, page);
  const std::vector<std::uint8_t> before(ImagePage(15), ImagePage(15) + LinkPageLength);
  std::size_t at = 0;
  for (std::size_t chunk : {1u, 6u, 4u, 50u, 70u}) {
    Feed({reply.begin() + at, reply.begin() + at + chunk});
    at += chunk;
    EXPECT_TRUE(events.Events.empty()) << at;
    EXPECT_EQ(std::memcmp(ImagePage(15), before.data(), LinkPageLength), 0) << at;
  }
  Feed({reply.begin() + at, reply.end()});
  EXPECT_EQ(events.Events, (Events{PageEvent}));
  EXPECT_EQ(std::memcmp(ImagePage(15), page.data(), LinkPageLength), 0);
  EXPECT_EQ(receiver.State, TParserState::FrameSearch);
}

TEST_F(ReceiveParser, PageStoredAtTheIndexItCarries) {
  Feed(PageReply(7, CountingPage(1)));
  Feed(PageReply(0, CountingPage(2)));
  EXPECT_EQ(events.Events, (Events{PageEvent, PageEvent}));
  EXPECT_EQ(ImagePage(7)[0], 1);
  EXPECT_EQ(ImagePage(0)[0], 2);
  EXPECT_EQ(ImagePage(1)[0], 0xA5);
}

TEST_F(ReceiveParser, ABadSumIsNamedWhateverTheIndexAGoodPageNotTakenIsDroppedSilently) {
  events.Refused = 6;
  const auto spoiled = [](std::uint16_t page) {
    auto reply = PageReply(page, CountingPage(4));
    reply[8 + 3] ^= 0x01;
    return reply;
  };
  Feed(PageReply(6, CountingPage(4)));
  Feed(spoiled(6));
  Feed(spoiled(16));
  Feed(PageReply(2, CountingPage(5)));
  EXPECT_EQ(events.Events, (Events{EepromPageDataChecksumErrorLine, EepromPageDataChecksumErrorLine, PageEvent}));
  EXPECT_EQ(ImagePage(6)[0], 0xA5);
  EXPECT_EQ(ImagePage(2)[0], 5);
  EXPECT_TRUE(guarded.GuardsIntact());
  EXPECT_EQ(receiver.State, TParserState::FrameSearch);
}

TEST_F(ReceiveParser, PageSumMismatchLoggedOnceAndNothingStored) {
  auto reply = PageReply(4, CountingPage(9));
  reply[8 + 17] ^= 0x01;
  Feed(reply);
  Feed(Frame(FirmwarePageAck));
  EXPECT_EQ(events.Events, (Events{EepromPageDataChecksumErrorLine, FirmwareAckEvent}));
  EXPECT_EQ(ImagePage(4)[0], 0xA5);
}

TEST_F(ReceiveParser, ResetWhileWaitingForPageData) {
  const auto reply = PageReply(1, CountingPage(0));
  Feed({reply.begin(), reply.begin() + 60});
  ASSERT_EQ(receiver.State, TParserState::PageData);
  ResetReceiveRing(receiver);
  EXPECT_EQ(receiver.State, TParserState::FrameSearch);
  EXPECT_EQ(receiver.Ring.Available(), 0u);
  EXPECT_EQ(receiver.Ring.ReadIndex(), 0u);
  Feed(Frame(ConfigPageAck));
  EXPECT_EQ(events.Events, (Events{ConfigAckEvent}));
}

TEST(ReceiveRing, Holds2047Bytes) {
  TReceiveRing ring;
  for (std::uint32_t i = 0; i < 2047; ++i) ASSERT_TRUE(ring.Store(static_cast<std::uint8_t>(i))) << i;
  EXPECT_FALSE(ring.Store(0xEE));
  EXPECT_EQ(ring.Available(), 2047u);
  EXPECT_EQ(ring.At(2046), static_cast<std::uint8_t>(2046));
  ring.Advance(1);
  EXPECT_TRUE(ring.Store(0xEE));
  EXPECT_EQ(ring.At(2046), 0xEE);
}

TEST_F(ReceiveParser, FullRingDropsAndParsesOn) {
  // More than the ring holds in one go: what fits is parsed, the rest is gone.
  std::vector<std::uint8_t> flood;
  while (flood.size() < 3000) {
    const auto ack = Frame(FirmwarePageAck);
    flood.insert(flood.end(), ack.begin(), ack.end());
  }
  Feed(flood);
  EXPECT_EQ(events.Events.size(), 2047u / LinkFrameLength);
  EXPECT_EQ(receiver.Ring.Available(), 2047u % LinkFrameLength);
}

struct IndexCase {
  std::uint16_t page;
  bool stored;
};

void PrintTo(const IndexCase& c, std::ostream* out) { *out << "page " << c.page; }

class ReceivedPageIndex : public ReceiveParser, public ::testing::WithParamInterface<IndexCase> {};

TEST_P(ReceivedPageIndex, OnlyPagesInsideTheImageAreStored) {
  const TLinkPage page = CountingPage(0x10);
  Feed(PageReply(GetParam().page, page));
  Feed(Frame(ConfigPageAck));
  EXPECT_TRUE(guarded.GuardsIntact());
  if (GetParam().stored) {
    EXPECT_EQ(events.Events, (Events{PageEvent, ConfigAckEvent}));
    EXPECT_EQ(std::memcmp(ImagePage(GetParam().page), page.data(), LinkPageLength), 0);
  } else {
    EXPECT_EQ(events.Events, (Events{EepromPageIndexErrorLine, ConfigAckEvent}));
    const auto image = guarded.Image();
    EXPECT_TRUE(std::all_of(image.begin(), image.end(), [](std::uint8_t b) { return b == 0xA5; }));
  }
}

INSTANTIATE_TEST_SUITE_P(Indexes, ReceivedPageIndex,
                         ::testing::Values(IndexCase{15, true}, IndexCase{16, false}, IndexCase{0x0100, false},
                                           IndexCase{0xFFFF, false}),
                         [](const auto& info) { return "Page" + std::to_string(info.param.page); });

}  // namespace
