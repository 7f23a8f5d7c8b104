// What the encoder lets through and how it stores it: range edges, call
// signs with their SSIDs, texts, positions, and the conversion error.
#include <string>

#include "application.h"
#include "codec_fixture.h"
#include "control.h"

namespace {

using namespace std::string_literals;

struct StoredValue {
  TEdit* TForm1::*edit;
  std::string text;
  std::size_t offset;
  std::string bytes;  // empty: the value is refused
};

void PrintTo(const StoredValue& value, std::ostream* os) {
  *os << "'" << PrintableText(value.text) << "' at " << value.offset << (value.bytes.empty() ? " refused" : "");
}

class EncoderValues : public CodecTest, public testing::WithParamInterface<StoredValue> {};

TEST_P(EncoderValues, AcceptedAndStoredOrRefused) {
  const StoredValue& c = GetParam();
  (form.get()->*c.edit)->SetText(c.text);
  if (c.bytes.empty()) {
    EXPECT_EQ(Encode(), 0);
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    return;
  }
  EXPECT_EQ(Encode(), 1);
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(Bytes(c.offset, c.bytes.size()), c.bytes);
}

const std::string Refused;

const StoredValue StoredValues[] = {
    {&TForm1::Floodtimeout, "180", 28, "\xB4"s},
    {&TForm1::Floodtimeout, "15", 28, "\x0F"s},
    {&TForm1::Floodtimeout, "14", 28, Refused},
    {&TForm1::Floodtimeout, "256", 28, Refused},
    {&TForm1::Floodtimeout, "271", 28, Refused},
    {&TForm1::Txdelay, "1000", 22, "\xE8\x03"s},
    {&TForm1::Txdelay, " $3E8", 22, "\xE8\x03"s},  // leading blanks and hexadecimal
    {&TForm1::Txdelay, "+0200", 22, "\xC8\x00"s},
    {&TForm1::Pathn1_lower, "7", 1234, "\x07"s},
    {&TForm1::Pathn1_higher, "1", 1235, "\x01"s},  // no lower <= higher check
    {&TForm1::Pathn1_lower, "263", 1234, Refused},
    {&TForm1::Area_rad0_radius, "3000", 1300, "\xB8\x0B"s},
    {&TForm1::Aprsis_timeout, "0", 242, Refused},
    {&TForm1::Aprsis_timeout, "60", 242, "\x3C"s},
    {&TForm1::Rfheard_local_maxhops, "0", 389, "\x00"s},
    {&TForm1::Rfheard_local_maxhops, "8", 389, "\x08"s},
    {&TForm1::Rfheard_local_maxhops, "-1", 389, Refused},
    {&TForm1::Aprsis1_port, "65535", 172, "\xFF\xFF"s},
    {&TForm1::Aprsis1_port, "0", 172, "\x00\x00"s},
    {&TForm1::Aprsis2_port, "", 206, "\x00\x00"s},  // an empty port is skipped
    {&TForm1::Aprsis3_port, "65536", 240, Refused},
    {&TForm1::Aprsis3_port, "-1", 240, Refused},
    {&TForm1::www_port, "65535", 1426, "\xFF\xFF"s},
    {&TForm1::www_port, "65536", 1426, Refused},
    {&TForm1::telnet_port, "65535", 1454, "\xFF\xFF"s},
    {&TForm1::telnet_port, "65536", 1454, Refused},
    {&TForm1::kisstcpip_port, "0", 1458, "\x00\x00"s},
    {&TForm1::kisstcpip_port, "65536", 1458, Refused},
    {&TForm1::kisstcpip_port, "-1", 1458, Refused},
    {&TForm1::Ipaddr3, "255", 537, "\xFF"s},
    {&TForm1::Ipaddr3, "0", 537, "\x00"s},
    {&TForm1::Tele_holdoff, "250", 1883, "\xFA"s},
    {&TForm1::Tele_holdoff, "0", 1883, "\x00"s},
    {&TForm1::Tele_holdoff, "251", 1883, Refused},
    {&TForm1::Tele_holdoff, "-1", 1883, Refused},
    {&TForm1::Beacon1_txrate_rf, "0", 570, "\x00\x00"s},
    {&TForm1::Beacon1_txrate_rf, "5", 570, "\x05\x00"s},
    {&TForm1::Beacon1_txrate_rf, "1440", 570, "\xA0\x05"s},
    {&TForm1::Beacon1_txrate_rf, "4", 570, Refused},
    {&TForm1::Beacon1_txrate_rf, "1441", 570, Refused},
    {&TForm1::Beacon1_txrate_rf, "65536", 570, Refused},  // low 16 bits would be 0
    {&TForm1::Beacon8_txrate_aprsis, "1440", 1144 + 16, "\xA0\x05"s},
    {&TForm1::Weather_txrate_rf, "0", 68, "\x00\x00"s},
    {&TForm1::Weather_txrate_aprsis, "1441", 70, Refused},
    {&TForm1::Teledata_txrate_aprsis, "0", 1506, "\x00\x00"s},
    {&TForm1::Teleparams_txrate_rf, "1440", 1522, "\xA0\x05"s},
    {&TForm1::WU_normalrate, "0", 2016, Refused},
    {&TForm1::WU_normalrate, "240", 2016, "\xF0"s},
    {&TForm1::WU_normalrate, "241", 2016, Refused},
    {&TForm1::WU_rapidfirerate, "4", 2017, Refused},
    {&TForm1::WU_rapidfirerate, "5", 2017, "\x05"s},
    {&TForm1::WU_rapidfirerate, "60", 2017, "\x3C"s},
    {&TForm1::WU_rapidfirerate, "61", 2017, Refused},
    {&TForm1::Rtcyear, "2099", 550, "\x33\x08"s},  // the clock fields are not checked
    {&TForm1::Rtcmin, "99", 555, "\x63"s},
    // Positions.
    {&TForm1::Latitude, "5221.60N", 29, "5221.60N\0"s},
    {&TForm1::Latitude, "8959.99S", 29, "8959.99S\0"s},
    {&TForm1::Latitude, "5221.60n", 29, Refused},
    {&TForm1::Longitude, "17959.99W", 38, "17959.99W\0"s},
    {&TForm1::Longitude, "18000.00E", 38, Refused},
    {&TForm1::Area_rad1_latitude, "5221.05S", 1304, "\x87\x08\xF8\xFF"s},
    {&TForm1::Area_rad1_longitude, "01643.89E", 1308, "\xDB\x7D\xFD\xFF"s},
    {&TForm1::Area_rad1_longitude, "01643.89W", 1308, "\x25\x82\x02\x00"s},
    {&TForm1::Area_rect0_nwlatitude, "0000.00S", 1312, "\0\0\0\0"s},
    {&TForm1::Area_rect0_selongitude, "17959.99E", 1324, "\x61\x98\xE4\xFF"s},
    // Texts.
    {&TForm1::Beacon1_msg, std::string(64, '~'), 574, std::string(64, '~') + '\0'},
    {&TForm1::Beacon1_msg, " !}~", 574, " !}~\0"s},
    {&TForm1::Beacon1_msg, "", 574, "\0"s},
    {&TForm1::Beacon1_msg, "a\x1F", 574, Refused},
    {&TForm1::Beacon1_msg, "a\x7F", 574, Refused},
    {&TForm1::Beacon1_msg, "a\x80", 574, Refused},
    {&TForm1::Beacon1_msg, "\xFF", 574, Refused},
    {&TForm1::Beacon1_msg, "a\0b"s, 574, Refused},
    {&TForm1::Weather_comment, "\t", 72, Refused},
    {&TForm1::Weather_comment, std::string(32, 'w'), 72, std::string(32, 'w') + '\0'},
    {&TForm1::Aprsis_filter, std::string(128, 'f'), 243, std::string(128, 'f') + '\0'},
    {&TForm1::Aprsis_filter, std::string(129, 'f'), 243, Refused},
    {&TForm1::Aprsis_user, "sp9xyz-1", 106, "SP9XYZ-1\0"s},
    {&TForm1::Aprsis_pass, "abc", 123, "abc\0"s},  // only the login is upper-cased
    {&TForm1::Pathn4_name, "wide", 1228 + 27, "wide\0\0"s},
    {&TForm1::www_password, "Secret12345", 1412, "Secret12345\0"s},  // more than the edit takes, fits the slot
    {&TForm1::WU_stationid, "\xE9t\xE9", 1885, "\xE9t\xE9\0"s},  // no character check
    // Call signs with their SSIDs.
    {&TForm1::Callsign, "nocall", 14, "NOCALL0"s},
    {&TForm1::Callsign, "a\xE9" "b", 14, "A\xE9" "B   0"s},  // only a to z are upper-cased
    {&TForm1::Ssid, "15", 20, "?"s},
    {&TForm1::Beacon1_path_string, "", 563, "      0"s},
    {&TForm1::Beacon1_dest_ssid, "0x0F", 562, "?"s},
    {&TForm1::Aprsis_2rf_dest, "", 373, "      0"s},
    {&TForm1::Callfilter_ssid1, "*", 1335, "*"s},
    {&TForm1::Callfilter_ssid1, "15", 1335, "?"s},
    {&TForm1::Callfilter_ssid1, "**", 1335, Refused},
    {&TForm1::Callfilter_ssid1, "-1", 1335, Refused},
    {&TForm1::Callfilter_ssid1, "16", 1335, Refused},
    {&TForm1::Callfilter_ssid1, "", 1335, Refused},  // refused although its call sign is empty
    {&TForm1::Callfilter_ssid1, " *", 1335, Refused},
};

INSTANTIATE_TEST_SUITE_P(Table, EncoderValues, testing::ValuesIn(StoredValues));

using EncoderCallsigns = CodecTest;

TEST_F(EncoderCallsigns, StationCallsignAndSsidBytes) {
  struct Case {
    const char* callsign;
    const char* ssid;
    std::string bytes;  // 14 to 20
  };
  const Case cases[] = {{"nocall", "4", "NOCALL4"}, {"ab1", "15", "AB1   ?"}, {" a b", "0", " A B  0"}};
  for (const Case& c : cases) {
    form->Callsign->SetText(c.callsign);
    form->Ssid->SetText(c.ssid);
    ASSERT_EQ(Encode(), 1) << c.callsign;
    EXPECT_EQ(Bytes(14, 7), c.bytes);
    EXPECT_EQ(Image()[21], 0);
  }
}

TEST_F(EncoderCallsigns, EmptyOptionalPathIsNotReadForItsSsid) {
  form->Beacon3_path_string->SetText("");
  form->Beacon3_path_ssid->SetText("x");
  form->Weather_path_string->SetText("");
  form->Weather_path_ssid->SetText("");
  ASSERT_EQ(Encode(), 1);
  EXPECT_EQ(Bytes(556 + 2 * 84 + 7, 7), "      0");
  EXPECT_EQ(Bytes(60, 7), "      0");
}

TEST_F(EncoderCallsigns, CallsignIsCheckedBeforeItsSsid) {
  form->Callsign->SetText("");
  form->Ssid->SetText("99");
  EXPECT_EQ(Encode(), 0);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Callsign - too short (ex. NOCALL-4)."});
}

TEST_F(EncoderCallsigns, FilterEntriesStoreWildcardsAndUpperCase) {
  form->Callfilter_callsign10->SetText("sp9*");
  form->Callfilter_ssid10->SetText("3");
  filter->Packet2rf_filter_callsign12->SetText("dx?");
  filter->Packet2rf_filter_ssid12->SetText("*");
  filter->Packet2rf_filter_type12->SetItemIndex(6);
  ASSERT_EQ(Encode(), 1);
  EXPECT_EQ(Bytes(1329 + 9 * 7, 7), "SP9*  3");
  EXPECT_EQ(Bytes(492, 8), "DX?   *\x06"s);
}

// A number that does not convert ends the encode through the application's
// error box, even where a range check follows.
using EncoderConversionError = CodecTest;

TEST_F(EncoderConversionError, EndsInTheApplicationsErrorBox) {
  Application->SetTitle("Pelnor Rudi Davurariruzo");
  struct Case {
    TEdit* TForm1::*edit;
    const char* text;
    const char* shown;
  };
  const Case cases[] = {
      {&TForm1::Ssid, "x", "'x' is not a valid integer value."},
      {&TForm1::Floodtimeout, "", "'' is not a valid integer value."},
      {&TForm1::Ipaddr1, "1 ", "'1 ' is not a valid integer value."},
      {&TForm1::Rtcday, "-0x1", "'-0x1' is not a valid integer value."},
      {&TForm1::kisstcpip_port, "2147483648", "'2147483648' is not a valid integer value."},
  };
  for (const Case& c : cases) {
    auto fresh = std::make_unique<TForm1>();
    form.swap(fresh);
    dialogs.boxes.clear();
    (form.get()->*c.edit)->SetText(c.text);
    bool returned = false;
    DispatchEvent([&] {
      Encode();
      returned = true;
    });
    EXPECT_FALSE(returned) << c.text;
    ASSERT_EQ(dialogs.boxes.size(), 1u) << c.text;
    EXPECT_EQ(dialogs.boxes[0].Kind, TMessageBoxKind::Error);
    EXPECT_EQ(dialogs.boxes[0].Caption, "Pelnor Rudi Davurariruzo");
    EXPECT_EQ(dialogs.boxes[0].Text, c.shown);
    EXPECT_EQ(Bytes(2026, 3), std::string(3, '\0'));
  }
}

TEST_F(EncoderCallsigns, EncoderChangesNoControl) {
  form->Beacon2_path_string->SetText("wide2");
  const SettingValues before = CarriedSettings(*form, *filter);
  ASSERT_EQ(Encode(), 1);
  EXPECT_EQ(CarriedSettings(*form, *filter), before);
}

}  // namespace
