// Frame building: big-endian page index and sum, checksum of bytes 1 to 6
// modulo 256, and pages cut from a buffer.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "link_frame.h"

namespace {

struct FrameCase {
  const char* name;
  std::uint8_t code;
  std::uint32_t page;
  std::uint16_t sum;
  TLinkFrame bytes;
};

void PrintTo(const FrameCase& c, std::ostream* out) { *out << c.name; }

class LinkFrameBytes : public ::testing::TestWithParam<FrameCase> {};

TEST_P(LinkFrameBytes, AreTheWorkedExample) {
  const FrameCase& c = GetParam();
  EXPECT_EQ(LinkFrame(c.code, c.page, c.sum), c.bytes);
  EXPECT_EQ(FrameChecksum(c.bytes), c.bytes[7]);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LinkFrameBytes,
    ::testing::Values(
        FrameCase{"ReadRequestPage15", ConfigPageRead, 15, 0, {0xFF, 0x90, 0x00, 0x0F, 0x00, 0x00, 0x00, 0x9F}},
        FrameCase{"ConfigWritePage3", ConfigPageWrite, 3, 0x1234, {0xFF, 0x80, 0x00, 0x03, 0x12, 0x34, 0x00, 0xC9}},
        // 0x40 + 0x01 + 0x7F + 0x80 = 0x140: the checksum wraps.
        FrameCase{"FirmwarePage256AllFF", FirmwarePageWrite, 256, 0x7F80,
                  {0xFF, 0x40, 0x01, 0x00, 0x7F, 0x80, 0x00, 0x40}},
        // Only the low 16 bits of a page number go into the frame.
        FrameCase{"PageAbove16Bits", FirmwarePageWrite, 0x10002, 0, {0xFF, 0x40, 0x00, 0x02, 0x00, 0x00, 0x00, 0x42}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageSum, IsTheUnsignedSumOfThePage) {
  TLinkPage page;
  page.fill(0xFF);
  EXPECT_EQ(PageSum(page), 32640);
  page.fill(0);
  page[0] = 0x12;
  page[127] = 0x34;
  EXPECT_EQ(PageSum(page), 0x46);
}

TEST(BufferPage, CutsThePageAndFillsPastTheEndWithZeros) {
  std::vector<std::uint8_t> buffer(200);
  for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<std::uint8_t>(i + 1);

  const TLinkPage first = BufferPage(buffer, 0);
  EXPECT_EQ(first[0], 1);
  EXPECT_EQ(first[127], 128);

  const TLinkPage partial = BufferPage(buffer, 1);
  EXPECT_EQ(partial[0], 129);
  EXPECT_EQ(partial[71], 200);
  for (std::size_t i = 72; i < LinkPageLength; ++i) EXPECT_EQ(partial[i], 0) << i;

  for (std::uint32_t page : {2u, 0xFFFFFFFFu}) {
    const TLinkPage past = BufferPage(buffer, page);
    EXPECT_EQ(PageSum(past), 0) << page;
  }
}

}  // namespace
