// The decoder on images that the encoder does not write: the version check
// and its message, and each kind of field at its extremes.
#include <cstring>
#include <limits>
#include <string>

#include "codec_fixture.h"

namespace {

using namespace std::string_literals;

// ReceivedImage starts as the factory image; a test changes bytes of it.
class Decoder : public CodecTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(Encode(), 1);
    std::memcpy(ReceivedImage, Image(), ConfigurationImageSize);
    controls = ControlsOfImage(*form, *filter);
  }

  int Decode() { return DecodeConfigurationImage(form.get()); }
  void Poke(std::size_t offset, const std::string& bytes) {
    std::memcpy(ReceivedImage + offset, bytes.data(), bytes.size());
  }
  void PokeI32(std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) ReceivedImage[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
  }
  std::string Text(const std::string& name) const { return controls.edits.at(name)->Text(); }
  int Index(const std::string& name) const { return controls.lists.at(name)->ItemIndex(); }

  CarriedControls controls;
};

TEST_F(Decoder, AcceptsAnyTextThatBeginsWithItsVersion) {
  for (const std::string& version : {"v1.47\0\0"s, "v1.47b\0"s, "v1.4701"s}) {
    Poke(6, version);
    form->Txdelay->SetText("");
    EXPECT_EQ(Decode(), 1);
    EXPECT_EQ(form->Txdelay->Text(), "250");
  }
  EXPECT_TRUE(dialogs.boxes.empty());
}

struct RefusedVersion {
  std::string bytes;  // from offset 6 on
  const char* device;
};

TEST_F(Decoder, RefusesOtherVersionsWithThreeLinesAndChangesNothing) {
  const RefusedVersion cases[] = {
      {"v1.26b\0"s, "v1.26b"},
      {"v1.26bxyz"s, "v1.26bx"},  // only the seven bytes before offset 13
      {"v1.46\0"s, "v1.46"},
      {"v1.4\0\0"s, "v1.4"},
      {"V1.47\0"s, "unknown, config version control started in v1.26b"},
      {std::string(9, '\0'), "unknown, config version control started in v1.26b"},
  };
  for (const RefusedVersion& c : cases) {
    Poke(6, c.bytes);
    form->Callsign->SetText("KEPT");
    const SettingValues before = CarriedSettings(*form, *filter);
    std::vector<std::uint8_t> image(ReceivedImage, ReceivedImage + ConfigurationImageSize);
    dialogs.boxes.clear();

    EXPECT_EQ(Decode(), 0) << c.device;
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Uncompatible configuration version:\nDevice: "s + c.device +
                                                   "\nDavurariruzo: v1.47"});
    EXPECT_EQ(CarriedSettings(*form, *filter), before);
    image[13] = 0;
    EXPECT_EQ(std::vector<std::uint8_t>(ReceivedImage, ReceivedImage + ConfigurationImageSize), image);
  }
}

TEST_F(Decoder, AllZeroImageIsRefusedAsUnknown) {
  std::memset(ReceivedImage, 0, ConfigurationImageSize);
  EXPECT_EQ(Decode(), 0);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Uncompatible configuration version:\nDevice: unknown, config "
                                                 "version control started in v1.26b\nDavurariruzo: v1.47"});
}

TEST_F(Decoder, ApplyingAReceivedConfigurationDecodesIt) {
  Poke(14, "SP9XYZ");
  ApplyReceivedConfiguration(form.get());
  EXPECT_EQ(form->Callsign->Text(), "SP9XYZ");
  Poke(6, "v2.00");
  ApplyReceivedConfiguration(form.get());
  EXPECT_EQ(dialogs.boxes.size(), 1u);
}

// One call sign field of each family.
const std::pair<const char*, std::size_t> CallsignFields[] = {
    {"Callsign", 14},
    {"Weather_dest_string", 53},
    {"Aprsis_packet2rf_path", 397},
    {"Beacon8_path_string", 1144 + 7},
    {"Teleparams_path_string", 1515},
    {"Callfilter_callsign10", 1329 + 63},
    {"Packet2rf_filter_callsign12", 492},
};

TEST_F(Decoder, CallsignsLoseOnlyTheirTrailingBlanks) {
  const std::pair<std::string, const char*> cases[] = {
      {"      ", ""},     {"AB    ", "AB"},   {"A B   ", "A B"}, {" A    ", " A"},
      {"AB\0CD "s, "AB"}, {"ABCDEF", "ABCDEF"}, {"ab1 \0 "s, "ab1 "}, {"\0     "s, ""},
  };
  for (const auto& [bytes, text] : cases) {
    for (const auto& [name, offset] : CallsignFields) Poke(offset, bytes);
    ASSERT_EQ(Decode(), 1);
    for (const auto& [name, offset] : CallsignFields) EXPECT_EQ(Text(name), text) << name;
  }
}

enum class SsidFamily { Station, Other, FilterTable };

struct SsidField {
  const char* name;
  std::size_t offset;
  SsidFamily family;
};

const SsidField SsidFields[] = {
    {"Ssid", 20, SsidFamily::Station},
    {"Beacon1_dest_ssid", 562, SsidFamily::Other},
    {"Beacon8_path_ssid", 1144 + 13, SsidFamily::Other},
    {"Weather_path_ssid", 66, SsidFamily::Other},
    {"Aprsis_2rf_dest_ssid", 379, SsidFamily::Other},
    {"Teledata_dest_ssid", 1495, SsidFamily::Other},
    {"Callfilter_ssid1", 1335, SsidFamily::FilterTable},
    {"Packet2rf_filter_ssid12", 498, SsidFamily::FilterTable},
};

TEST_F(Decoder, SsidBytesByFamily) {
  struct Case {
    std::uint8_t byte;
    const char* station;
    const char* other;
    const char* filterTable;
  };
  const Case cases[] = {
      {0x30, "0", "0", "0"},          {0x3F, "15", "15", "15"},       {0x2A, "250", "-6", "*"},
      {0x20, "240", "-16", "-16"},    {0x00, "208", "-48", "-48"},    {0xFF, "207", "-49", "-49"},
      {0x80, "80", "-176", "-176"},   {0x7F, "79", "79", "79"},
  };
  for (const Case& c : cases) {
    for (const SsidField& field : SsidFields) ReceivedImage[field.offset] = c.byte;
    ASSERT_EQ(Decode(), 1);
    for (const SsidField& field : SsidFields) {
      const char* expected = field.family == SsidFamily::Station ? c.station
                             : field.family == SsidFamily::Other ? c.other
                                                                  : c.filterTable;
      EXPECT_EQ(Text(field.name), expected) << field.name << " byte " << int(c.byte);
    }
  }
}

TEST_F(Decoder, PathFlagsSetTheListsAndBoxesOfTheirPath) {
  for (const int path : {1, 8}) {
    const std::size_t flags = 1228 + 9 * (path - 1) + 8;
    const std::string p = "Pathn" + std::to_string(path) + "_";
    ReceivedImage[flags] = 0xFF;
    ASSERT_EQ(Decode(), 1);
    EXPECT_EQ(Index(p + "active"), -1);  // 3 is past "Never", "Always", "No APRS-IS"
    EXPECT_EQ(Index(p + "traceable"), 1);
    for (const char* box : {"directonly", "areaall", "arearad0", "arearad1", "arearect0"}) {
      EXPECT_TRUE(controls.checks.at(p + box)->Checked()) << p + box;
    }
    ReceivedImage[flags] = 0x00;
    ASSERT_EQ(Decode(), 1);
    EXPECT_EQ(Index(p + "active"), 0);
    EXPECT_EQ(Index(p + "traceable"), 0);
    for (const char* box : {"directonly", "areaall", "arearad0", "arearad1", "arearect0"}) {
      EXPECT_FALSE(controls.checks.at(p + box)->Checked()) << p + box;
    }
    ReceivedImage[flags] = 0x02 | 0x08 | 0x40;
    ASSERT_EQ(Decode(), 1);
    EXPECT_EQ(Index(p + "active"), 2);
    EXPECT_TRUE(controls.checks.at(p + "directonly")->Checked());
    EXPECT_TRUE(controls.checks.at(p + "arearad1")->Checked());
    EXPECT_FALSE(controls.checks.at(p + "arearect0")->Checked());
  }
}

TEST_F(Decoder, DebugFlagsIgnoreTheirLastThreeBits) {
  Poke(1460, "\xFF\xE0"s);
  ASSERT_EQ(Decode(), 1);
  EXPECT_EQ(Index("Debug_weather"), 1);
  EXPECT_EQ(Index("Debug_wunderground"), 0);
  EXPECT_EQ(Index("Debug_kiss"), 0);
  Poke(1460, "\x00\x1F"s);
  ASSERT_EQ(Decode(), 1);
  EXPECT_EQ(Index("Debug_aprsis"), 0);
  EXPECT_EQ(Index("Debug_kiss"), 1);
}

TEST_F(Decoder, TextSlotsWithoutNulStopAtTheirEnd) {
  struct Slot {
    const char* name;
    std::size_t offset;
    std::size_t size;
  };
  const Slot slots[] = {
      {"Beacon1_msg", 574, 65},       {"Weather_comment", 72, 33},   {"Pathn1_name", 1228, 6},
      {"Aprsis_filter", 243, 129},    {"WU_rapidfireserver", 1975, 40}, {"Teledigital8_units", 1751 + 7 * 16 + 8, 7},
      {"Latitude", 29, 9},            {"Longitude", 38, 10},
  };
  for (const Slot& slot : slots) Poke(slot.offset, std::string(slot.size, 'x'));
  ASSERT_EQ(Decode(), 1);
  for (const Slot& slot : slots) EXPECT_EQ(Text(slot.name), std::string(slot.size - 1, 'x')) << slot.name;
}

TEST_F(Decoder, TextsAreTakenAsTheyAre) {
  Poke(501, "pool\x01\xFF\x80 \0rest"s);
  Poke(29, "garbage\0"s);
  ASSERT_EQ(Decode(), 1);
  EXPECT_EQ(Text("Ntp_servername"), "pool\x01\xFF\x80 ");
  EXPECT_EQ(Text("Latitude"), "garbage");
}

TEST_F(Decoder, AreaCoordinatesAsTexts) {
  constexpr std::int32_t least = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();
  const struct {
    std::size_t offset;
    const char* name;
    std::int32_t value;
    const char* text;
  } cases[] = {
      {1304, "Area_rad1_latitude", -1, "0000.01S"},      {1308, "Area_rad1_longitude", 1, "00000.01W"},
      {1312, "Area_rect0_nwlatitude", 1000000, "0000.00N"}, {1316, "Area_rect0_nwlongitude", -165363, "01653.63E"},
      {1320, "Area_rect0_selatitude", least, "4836.48S"}, {1324, "Area_rect0_selongitude", least, "74836.48E"},
  };
  for (const auto& c : cases) PokeI32(c.offset, c.value);
  ASSERT_EQ(Decode(), 1);
  for (const auto& c : cases) EXPECT_EQ(Text(c.name), c.text) << c.value;
  PokeI32(1304, most);
  PokeI32(1308, 0);
  ASSERT_EQ(Decode(), 1);
  EXPECT_EQ(Text("Area_rad1_latitude"), "4836.47N");
  EXPECT_EQ(Text("Area_rad1_longitude"), "00000.00W");
}

TEST_F(Decoder, NumbersAreUnsignedDecimal) {
  Poke(28, "\xFF"s);         // duplicate checking time
  Poke(22, "\xFF\xFF"s);     // TX delay
  Poke(240, "\x00\x00"s);    // server 3 port
  Poke(1883, "\x80"s);       // first telemetry delay
  Poke(1458, "\x01\x80"s);   // KISS port
  ASSERT_EQ(Decode(), 1);
  EXPECT_EQ(Text("Floodtimeout"), "255");
  EXPECT_EQ(Text("Txdelay"), "65535");
  EXPECT_EQ(Text("Aprsis3_port"), "0");
  EXPECT_EQ(Text("Tele_holdoff"), "128");
  EXPECT_EQ(Text("kisstcpip_port"), "32769");
}

TEST_F(Decoder, DropDownBytesPastTheListLeaveItEmpty) {
  Poke(48, "\xFF"s);          // Ptt
  Poke(27, "\x02"s);          // Digion: No, Yes
  Poke(492 + 7, "\x07"s);     // packet filter row 12: types 0 to 6
  Poke(1526, "\xFE"s);        // analog channel 1 source
  ASSERT_EQ(Decode(), 1);
  EXPECT_EQ(Index("Ptt"), -1);
  EXPECT_EQ(Index("Digion"), -1);
  EXPECT_EQ(Index("Packet2rf_filter_type12"), -1);
  EXPECT_EQ(Index("Teleanalog1_source"), -1);
  Poke(48, "\x01"s);
  ASSERT_EQ(Decode(), 1);
  EXPECT_EQ(Index("Ptt"), 1);
}

// Ntp_enable runs its click handler only when its state changes; decoding
// the same image again changes nothing.
TEST_F(Decoder, NtpEnableRunsItsHandlerOnlyOnAChange) {
  int runs = 0;
  const TNotifyEvent handler = form->Ntp_enable->OnClick;
  ASSERT_TRUE(handler);
  form->Ntp_enable->OnClick = [&](TObject* sender) {
    ++runs;
    handler(sender);
  };
  form->Uploadpctime->SetChecked(false);
  ASSERT_TRUE(form->Ntp_enable->Checked());

  const struct {
    std::uint8_t byte;
    bool checked;
    int runs;
  } steps[] = {{1, true, 0}, {0, false, 1}, {0, false, 1}, {0x80, true, 2}, {1, true, 2}, {0, false, 3}};
  for (const auto& step : steps) {
    ReceivedImage[500] = step.byte;
    ASSERT_EQ(Decode(), 1);
    EXPECT_EQ(form->Ntp_enable->Checked(), step.checked) << int(step.byte);
    EXPECT_EQ(runs, step.runs) << int(step.byte);
    EXPECT_TRUE(form->Rtcyear->Enabled());  // the handler follows Uploadpctime, which is cleared
  }
}

TEST_F(Decoder, DecodingTwiceGivesTheSameControls) {
  Poke(14, "TWICE ");
  ReceivedImage[500] = 0;
  ReceivedImage[48] = 0xFF;
  ASSERT_EQ(Decode(), 1);
  const SettingValues first = CarriedSettings(*form, *filter);
  int runs = 0;
  form->Ntp_enable->OnClick = [&](TObject*) { ++runs; };
  ASSERT_EQ(Decode(), 1);
  EXPECT_EQ(CarriedSettings(*form, *filter), first);
  EXPECT_EQ(runs, 0);
  EXPECT_EQ(first.at("Callsign"), "TWICE");
}

}  // namespace
