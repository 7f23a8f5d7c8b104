// The image built from the factory settings: header, checksum, end marker,
// reserved bytes and a field of each kind at its offset.
#include <numeric>

#include "codec_fixture.h"
#include "configuration_layout.h"
#include "random_generators.h"

namespace {

using namespace std::string_literals;

class FactoryImage : public CodecTest {
 protected:
  void SetUp() override { ASSERT_EQ(Encode(), 1); }
};

TEST_F(FactoryImage, ChecksumCoversBytes4To2031) {
  const std::uint32_t sum = std::accumulate(Image() + 4, Image() + 2032, 0u);
  EXPECT_EQ(U32(0), sum);
  EXPECT_EQ(ImageChecksum(Image()), sum);
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(FactoryImage, EndMarkerAndReservedBytes) {
  EXPECT_EQ(Bytes(2026, 3), "END");
  EXPECT_TRUE(HasImageEndMarker(Image()));
  for (std::size_t offset : {12, 13, 21, 51, 67, 105, 1457, 1503}) EXPECT_EQ(Image()[offset], 0) << offset;
  for (std::size_t offset = 2029; offset < 2048; ++offset) EXPECT_EQ(Image()[offset], 0) << offset;
}

TEST_F(FactoryImage, StampIsTheSecondDrawAfterSeedingWithTheClock) {
  Random32 generator(static_cast<std::uint32_t>(FixedClock));
  EXPECT_EQ(U16(4), static_cast<unsigned>(generator.Next() % 10000));
  EXPECT_EQ(U16(4), 721u);
}

TEST_F(FactoryImage, FieldsAtTheirOffsets) {
  struct Field {
    std::size_t offset;
    std::string bytes;
  };
  const Field fields[] = {
      {6, "v1.47\0"s},
      {14, "NOCALL0"s},
      {22, "\xFA\x00\x90\x01"s},  // TX delay 250, quiet time 400
      {26, "\x03\x01\x3C"s},      // randomize, digipeater on, duplicate time 60
      {29, "5223.08N\0" "01658.14E\0"s},
      {48, "\x00\x00\x00"s},
      {52, "\x05" "APZK070WIDE2 2"s},
      {68, "\x05\x00\x05\x00" "Pelnor weather\0"s},
      {106, "NOCALL\0"s},
      {123, "83046\0"s},
      {172, "\xF4\x38"s},  // server 1 port 14580
      {242, "\x03" "m/40\0"s},
      {372, "\x1E" "APZK070" "\x01\x01" "WIDE2 1" "\x02\x1E\x01\x00\x3C\x06\x09\x0C" "WIDE2 1"s},
      {404, "      *\0"s},
      {492, "      *\0"s},
      {500, "\x01"s},
      {533, "\x01\xC0\xA8\x02\x02\xC0\xA8\x02\x01\xFF\xFF\xFF\x00\xC0\xA8\x02\x01"s},
      {550, "\xEA\x07\x01\x01\x00\x00"s},  // 2026-01-01 00:00
      {556, "APZK070WIDE2 2" "\x05\x00\x05\x00" "@<date>z<lat>/<long>-VorivuRivo\0"s},
      {639, "\x03"s},
      {640, "APZK070WIDE2 2" "\x05\x00\x05\x00" "@<gpsdate>"s},
      {723, "\x02"s},
      {1228, "WIDE\0\0\x01\x07\x15" "SP\0\0\0\0\x01\x07\x11" "\0\0\0\0\0\0\x01\x07\x10"s},
      {1300, "\x32\x00\x14\x00"s},
      {1304, "\x79\xF7\x07\x00"s},  // 522105
      {1308, "\xDB\x7D\xFD\xFF"s},  // 01643.89E as -164389
      {1328, "\x00      *"s},
      {1399, "dudid\0"s},
      {1426, "\x50\x00"s},
      {1454, "\x17\x00\x00\x00\xF4\x38\x78\x1B"s},  // telnet 23, KISS off, port 14580, debug bits
      {1462, "Telemetry test\0"s},
      {1486, "\x00\x00\x00" "APZK070WIDE2 2" "\0\x0A\x00\x05\x00" "APZK070WIDE2 2" "\x3C\x00\x0A\x00"s},
      {1526, "\x0B"s},
      {1570, "\xFF\x0D"s},  // channel 1 average (nothing selected), channel 2 source
      {1751, "\x01"s},
      {1879, "\x00\x00\x00\x00\x3C\x00"s},
      {2015, "\x00\x01\x05\x03\x00\x01\x04\x00\x01\x02\x01" "END"s},
  };
  for (const Field& field : fields) {
    EXPECT_EQ(Bytes(field.offset, field.bytes.size()), field.bytes) << "at " << field.offset;
  }
}

TEST_F(FactoryImage, ChangingOnlyTheStampChangesOnlyBytes0To5) {
  const std::vector<std::uint8_t> first(Image(), Image() + ConfigurationImageSize);
  SetCalendarClock([] { return FixedClock + 1; });
  ASSERT_EQ(Encode(), 1);
  for (std::size_t offset = 6; offset < ConfigurationImageSize; ++offset) {
    EXPECT_EQ(Image()[offset], first[offset]) << offset;
  }
  EXPECT_NE(U16(4), first[4] | (first[5] << 8));
}

// The image is written only where ConfigurationImagePtr points, so a
// transfer can send from a copy while the next encode runs.
TEST_F(FactoryImage, WritesOnlyThroughTheImagePointer) {
  const std::vector<std::uint8_t> first(Image(), Image() + ConfigurationImageSize);
  std::vector<std::uint8_t> other(ConfigurationImageSize, 0xAA);
  form->ConfigurationImagePtr = other.data();
  ASSERT_EQ(Encode(), 1);
  EXPECT_EQ(other, first);
  form->Txdelay->SetText("1");
  EXPECT_EQ(Encode(), 0);
  EXPECT_EQ(std::vector<std::uint8_t>(form->ConfigurationImage, form->ConfigurationImage + ConfigurationImageSize),
            first);
}

TEST_F(FactoryImage, AFailedEncodeLeavesNothingOfTheEarlierImage) {
  form->Weather_comment->SetText("\x01");
  EXPECT_EQ(Encode(), 0);
  EXPECT_EQ(U32(0), 0u);
  EXPECT_EQ(U16(4), 0u);
  EXPECT_EQ(Bytes(2026, 3), std::string(3, '\0'));
  EXPECT_EQ(Bytes(1883, 1), "\x3C");  // telemetry is read before the weather comment
  EXPECT_EQ(Bytes(2016, 10), std::string(10, '\0'));  // the weather service and interfaces after it
}

TEST(ImageOperations, ChecksumAndEndMarkerOfArbitraryBytes) {
  std::uint8_t image[ConfigurationImageSize];
  for (std::size_t i = 0; i < ConfigurationImageSize; ++i) image[i] = 0xFF;
  EXPECT_EQ(ImageChecksum(image), 2028u * 255u);
  EXPECT_FALSE(HasImageEndMarker(image));
  image[2026] = 'E';
  image[2027] = 'N';
  image[2028] = 'D';
  EXPECT_TRUE(HasImageEndMarker(image));
  image[2028] = 'd';
  EXPECT_FALSE(HasImageEndMarker(image));
}

}  // namespace
