// Every family of refusal: the exact message with the record's number, the
// encode stops at once, and the image holds only what came before.
#include <map>
#include <set>
#include <string>

#include "codec_fixture.h"

namespace {

struct RefusedInput {
  TEdit* TForm1::*edit;
  std::string text;
  const char* message;
};

void PrintTo(const RefusedInput& input, std::ostream* os) {
  *os << "'" << PrintableText(input.text) << "' " << input.message;
}

const std::string Tab = "\t";

const RefusedInput RefusedInputs[] = {
    {&TForm1::Callsign, "", "Callsign - too short (ex. NOCALL-4)."},
    {&TForm1::Callsign, "NOCALL7", "Callsign - too long (max 6 characters)."},
    {&TForm1::Ssid, "16", "Callsign - SSID range error (0 - 15)."},
    {&TForm1::Ssid, "-1", "Callsign - SSID range error (0 - 15)."},
    {&TForm1::Txdelay, "199", "TX delay - range error (200 - 1000)."},
    {&TForm1::Txdelay, "65736", "TX delay - range error (200 - 1000)."},  // low 16 bits would be 200
    {&TForm1::Quiettime, "3001", "Quiet time - range error (200 - 3000)."},
    {&TForm1::Latitude, "5221.6N", "Our latitude - syntax error (ex. 5221.60N, format: DDMM.MM)."},
    {&TForm1::Latitude, "9000.00N", "Our latitude - syntax error (ex. 5221.60N, format: DDMM.MM)."},
    {&TForm1::Longitude, "1653.63E", "Our longitude - syntax error (ex. 01653.63E, format DDDMM.MM)."},
    {&TForm1::Longitude, "18000.00E", "Our longitude - syntax error (ex. 01653.63E, format: DDDMM.MM)."},
    {&TForm1::Floodtimeout, "271", "Duplicate checking - range error (15 - 180)."},
    {&TForm1::Pathn2_lower, "0", "Path(n-N) 2, n>= value range error (1 - 7)."},
    {&TForm1::Pathn8_higher, "8", "Path(n-N) 8, n<= value range error (1 - 7)."},
    {&TForm1::Pathn3_name, "WIDEST", "Path(n-N) 3 - too long (max 5 characters)."},
    {&TForm1::Area_rad0_radius, "0", "Path filter area RAD0 distance range error (1 - 3000)."},
    {&TForm1::Area_rad1_radius, "3001", "Path filter area RAD1 distance range error (1 - 3000)."},
    {&TForm1::Area_rad1_latitude, "5221.05", "Path filter area RAD1 latitude - syntax error (ex. 5221.05N, format: DDMM.MM)."},
    {&TForm1::Area_rad1_longitude, "01643.89", "Path filter area RAD1 longitude - syntax error (ex. 01643.89E, format DDDMM.MM)."},
    {&TForm1::Area_rad1_longitude, "01660.00E", "Path filter area RAD1 longitude - syntax error (ex. 01643.89E, format: DDDMM.MM)."},
    {&TForm1::Area_rect0_nwlatitude, "5260.00N", "Path filter area RECT0 north-west latitude - syntax error (ex. 5232.05N, format: DDMM.MM)."},
    {&TForm1::Area_rect0_nwlongitude, "1633.84E", "Path filter area RECT0 north-west longitude - syntax error (ex. 01633.84E, format DDDMM.MM)."},
    {&TForm1::Area_rect0_nwlongitude, "01633.84S", "Path filter area RECT0 north-west longitude - syntax error (ex. 01643.89E, format: DDDMM.MM)."},
    {&TForm1::Area_rect0_selatitude, "5217,58N", "Path filter area RECT0 south-east latitude - syntax error (ex. 5217.58N, format: DDMM.MM)."},
    {&TForm1::Area_rect0_selongitude, "01713.955E", "Path filter area RECT0 south-east longitude - syntax error (ex. 01713.95E, format DDDMM.MM)."},
    {&TForm1::Area_rect0_selongitude, "0171A.95E", "Path filter area RECT0 south-east longitude - syntax error (ex. 01713.95E, format: DDDMM.MM)."},
    {&TForm1::Callfilter_ssid10, "16", "Callsign filter 10 - SSID range error (0 - 15, or wildcard '*')."},
    {&TForm1::Callfilter_callsign4, "SP9ABCD", "Callsign filter 4 - too long (max 6 characters)."},
    {&TForm1::Beacon3_dest_string, "", "Beacon 3 destination - too short (e.g. APZK07)."},
    {&TForm1::Beacon3_dest_ssid, "x", "Beacon 3 destination - SSID range error (0 - 15)."},
    {&TForm1::Beacon3_path_ssid, "-1", "Beacon 3 path - SSID range error (0 - 15)."},
    {&TForm1::Beacon3_txrate_rf, "4", "Beacon 3 tx rate (RF) range error (5 - 1440), or 0 to disable."},
    {&TForm1::Beacon3_txrate_aprsis, "1441", "Beacon 3 tx rate (APRSIS) range error (5 - 1440), or 0 to disable."},
    {&TForm1::Beacon3_msg, "Hi" + Tab, "Beacon 3 message - forbidden characters."},
    {&TForm1::Beacon3_msg, std::string(65, 'M'), "Beacon 3 message - too long (max 64 characters)."},
    {&TForm1::Ipaddr2, "256", "IP Address - range error (0 - 255)."},
    {&TForm1::Ipmask0, "-1", "IP Mask - range error (0 - 255)."},
    {&TForm1::Ipgate3, "256", "Gateway - range error (0 - 255)."},
    {&TForm1::Ipdns1, "999", "DNS - range error (0 - 255)."},
    {&TForm1::Aprsis2_port, "65536", "APRS-IS Server 2 Port - range error (0 - 65535)."},
    {&TForm1::Aprsis3_servername, std::string(32, 's'), "APRS-IS Server 3 - too long (max 31 characters)."},
    {&TForm1::Aprsis_user, "SP9ABCDEFGHIJKLMN", "Username - too long (max 16 characters)."},
    {&TForm1::Aprsis_timeout, "0", "APRS-IS reconnect timeout - range error (1 - 60)."},
    {&TForm1::Aprsis_heard_timeout, "241", "APRS-IS heard buffer timeout range error (1 - 240)."},
    {&TForm1::Aprsis_2rf_dest_ssid, "16", "APRS-IS to RF dest - SSID range error (0 - 15)."},
    {&TForm1::Aprsis_msg2rf_ssid, "x", "APRS-IS message path - SSID range error (0 - 15)."},
    {&TForm1::Rfheard_local_maxhops, "9", "Local RF heard max. digi-hops range error (0 - 8)."},
    {&TForm1::Rfheard_local_timeout, "0", "Local RF heard buffer timeout range error (1 - 240)."},
    {&TForm1::Aprsis_packet2rf_ssid, "", "APRS-IS non-message path - SSID range error (0 - 15)."},
    {&TForm1::Rfheard_timeout, "241", "RF heard buffer timeout range error (1 - 240)."},
    {&TForm1::Aprsis_packet2rf_1min, "0", "Max. non-message packets per 1 min range error (1 - 240)."},
    {&TForm1::Aprsis_packet2rf_2min, "241", "Max. non-message packets per 2 min range error (1 - 240)."},
    {&TForm1::Aprsis_packet2rf_3min, "256", "Max. non-message packets per 3 min range error (1 - 240)."},
    {&TForm1::www_port, "65536", "WWW port - range error (0 - 65535)."},
    {&TForm1::telnet_port, "-1", "Telnet port - range error (0 - 65535)."},
    {&TForm1::kisstcpip_port, "65536", "KISS via TCP/IP port - range error (0 - 65535)."},
    {&TForm1::Ntp_servername, std::string(32, 'n'), "NTP server - too long (max 31 characters)."},
    {&TForm1::Teledata_dest_string, "", "Telemetry data destination - too short (e.g. APZK07)."},
    {&TForm1::Teledata_dest_ssid, "16", "Telemetry data destination - SSID range error (0 - 15)."},
    {&TForm1::Teledata_path_ssid, "x", "Telemetry data path - SSID range error (0 - 15)."},
    {&TForm1::Teledata_txrate_rf, "4", "Telemetry data tx rate (RF) range error (5 - 1440)."},
    {&TForm1::Teledata_txrate_aprsis, "1441", "Telemetry data tx rate (APRSIS) range error (5 - 1440)."},
    {&TForm1::Teleparams_dest_string, "", "Telemetry parameters destination - too short (e.g. APZK07)."},
    {&TForm1::Teleparams_dest_ssid, "-1", "Telemetry parameters destination - SSID range error (0 - 15)."},
    {&TForm1::Teleparams_path_ssid, "", "Telemetry parameters path - SSID range error (0 - 15)."},
    {&TForm1::Teleparams_txrate_rf, "1", "Telemetry parameters tx rate (RF) range error (5 - 1440)."},
    {&TForm1::Teleparams_txrate_aprsis, "2000", "Telemetry parameters tx rate (APRSIS) range error (5 - 1440)."},
    {&TForm1::Teletitle, std::string(24, 't'), "Telemetry project title - too long (max 23 characters)."},
    {&TForm1::Tele_holdoff, "251", "First telemetry data packet delay range error (0 - 250)."},
    {&TForm1::Teleanalog5_coefc, "123456789", "Analog 5 coeff C - too long (max 8 characters)."},
    {&TForm1::Teledigital7_units, "ABCDEFG", "Digital 7 label - too long (max 6 characters)."},
    {&TForm1::Weather_dest_string, "", "Weather destination - too short (e.g. APZK07)."},
    {&TForm1::Weather_dest_ssid, "99", "Weather destination - SSID range error (0 - 15)."},
    {&TForm1::Weather_path_ssid, "x", "Weather path - SSID range error (0 - 15)."},
    {&TForm1::Weather_txrate_rf, "4", "Weather report tx rate (RF) range error (5 - 1440)."},
    {&TForm1::Weather_txrate_aprsis, "1441", "Weather report tx rate (APRSIS) range error (5 - 1440)."},
    {&TForm1::Weather_comment, "Pelnor\x7F", "Weather report comment - forbidden characters."},
    {&TForm1::Weather_comment, std::string(33, 'c'), "Weather report comment - too long (max 32 characters)."},
    {&TForm1::WU_rapidfireserver, std::string(40, 'r'), "\"Rapid fire\" upload server - too long (max 39 characters)."},
    {&TForm1::WU_normalrate, "0", "WeatherUnderground normal send rate range error (1 - 240)."},
    {&TForm1::WU_rapidfirerate, "61", "WeatherUnderground \"Rapid fire\" send rate range error (5 - 60)."},
};

class EncoderRefusal : public CodecTest, public testing::WithParamInterface<RefusedInput> {};

// The last number the encoder reads is set to a text that does not convert:
// reading it after the refusal would end in the conversion error instead.
TEST_P(EncoderRefusal, ShowsItsMessageAndStops) {
  const RefusedInput& input = GetParam();
  if (input.edit != &TForm1::WU_rapidfirerate) form->WU_rapidfirerate->SetText("x");
  (form.get()->*input.edit)->SetText(input.text);

  EXPECT_EQ(Encode(), 0);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{input.message});
  EXPECT_EQ(Bytes(0, 12), std::string("\0\0\0\0\0\0v1.47\0", 12));  // no stamp, no checksum
  EXPECT_EQ(Bytes(2026, 3), std::string(3, '\0'));
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, EncoderRefusal, testing::ValuesIn(RefusedInputs));

using EncoderRefusalOfRecords = CodecTest;

TEST_F(EncoderRefusalOfRecords, PacketFilterRowsNameTheirRow) {
  form->WU_rapidfirerate->SetText("x");
  filter->Packet2rf_filter_ssid12->SetText("**");
  EXPECT_EQ(Encode(), 0);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{
                            "APRS-IS packets to RF filter 12 - SSID range error (0 - 15, or wildcard '*')."});
  EXPECT_EQ(Image()[492 + 6], 0);  // row 12's SSID byte
  EXPECT_EQ(Image()[484 + 6], '*');  // row 11 is complete
  filter->Packet2rf_filter_ssid12->SetText("*");
  filter->Packet2rf_filter_callsign03->SetText("SP9ABCD");
  dialogs.boxes.clear();
  EXPECT_EQ(Encode(), 0);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"APRS-IS packets to RF filter 3 - too long (max 6 characters)."});
}

struct PartialImage {
  TEdit* TForm1::*edit;
  const char* text;
  std::size_t offset;
  std::string bytes;
};

// What a refused encode leaves: everything before the refused setting, the
// rows that store before they check, and nothing of the rest.
using EncoderPartialImage = CodecTest;

TEST_F(EncoderPartialImage, HoldsWhatCameBeforeTheRefusal) {
  const PartialImage cases[] = {
      {&TForm1::Ssid, "16", 14, std::string(8, '\0')},                  // call sign not yet written
      {&TForm1::Floodtimeout, "271", 26, std::string("\x03\x01\x00", 3)},  // 271 is not stored as 15
      {&TForm1::Ipaddr2, "256", 533, std::string("\x01\xC0\xA8\x00\x00", 5)},
      {&TForm1::Ipaddr2, "257", 533, std::string("\x01\xC0\xA8\x01\x00", 5)},  // stored, then checked
      {&TForm1::Aprsis2_port, "65537", 206, std::string("\x01\x00\0\0", 4)},  // server 3 not yet read
      {&TForm1::WU_rapidfirerate, "300", 2015, std::string("\x00\x01\x2C\x00", 4)},
      {&TForm1::Tele_holdoff, "-1", 1883, std::string(1, '\0')},  // checked before it is stored
      {&TForm1::Beacon2_msg, "Caf\xE9", 640 + 18, std::string("Caf\xE9\0", 5)},  // copied, then checked
  };
  for (const PartialImage& c : cases) {
    auto fresh = std::make_unique<TForm1>();
    form.swap(fresh);
    (form.get()->*c.edit)->SetText(c.text);
    EXPECT_EQ(Encode(), 0) << c.text;
    EXPECT_EQ(Bytes(c.offset, c.bytes.size()), c.bytes) << c.text;
  }
}

}  // namespace

namespace {

// Each repeated record names itself: n in place of the first 1.
struct RecordFamily {
  NamePattern edit;
  std::string refused;
  const char* message;  // '#' for the record's number
};

const RecordFamily RecordFamilies[] = {
    {{"Pathn#_lower", 8}, "0", "Path(n-N) #, n>= value range error (1 - 7)."},
    {{"Pathn#_higher", 8}, "8", "Path(n-N) #, n<= value range error (1 - 7)."},
    {{"Callfilter_ssid#", 10}, "x", "Callsign filter # - SSID range error (0 - 15, or wildcard '*')."},
    {{"Beacon#_dest_string", 8}, "", "Beacon # destination - too short (e.g. APZK07)."},
    {{"Beacon#_dest_ssid", 8}, "16", "Beacon # destination - SSID range error (0 - 15)."},
    {{"Beacon#_path_ssid", 8}, "x", "Beacon # path - SSID range error (0 - 15)."},
    {{"Beacon#_txrate_rf", 8}, "4", "Beacon # tx rate (RF) range error (5 - 1440), or 0 to disable."},
    {{"Beacon#_txrate_aprsis", 8}, "1441", "Beacon # tx rate (APRSIS) range error (5 - 1440), or 0 to disable."},
    {{"Beacon#_msg", 8}, "\x01", "Beacon # message - forbidden characters."},
    {{"Aprsis#_port", 3}, "65536", "APRS-IS Server # Port - range error (0 - 65535)."},
    {{"Packet2rf_filter_ssid##", 12}, "16", "APRS-IS packets to RF filter # - SSID range error (0 - 15, or wildcard '*')."},
};

std::string WithNumber(const char* message, int n) {
  std::string text = message;
  return text.replace(text.find('#'), 1, std::to_string(n));
}

using EncoderRecordMessages = CodecTest;

TEST_F(EncoderRecordMessages, EveryRecordShowsItsNumber) {
  const CarriedControls controls = ControlsOfImage(*form, *filter);
  for (const std::string& path : ExpandNames({"Beacon#_path_string", 8})) controls.edits.at(path)->SetText("WIDE1");
  ASSERT_EQ(Encode(), 1);
  std::set<std::string> shown;
  for (const RecordFamily& family : RecordFamilies) {
    int n = family.edit.first;
    for (const std::string& name : ExpandNames(family.edit)) {
      TEdit* edit = controls.edits.at(name);
      const std::string kept = edit->Text();
      edit->SetText(family.refused);
      dialogs.boxes.clear();
      EXPECT_EQ(Encode(), 0) << name;
      EXPECT_EQ(BoxTexts(), std::vector<std::string>{WithNumber(family.message, n)}) << name;
      shown.insert(BoxTexts().empty() ? "" : BoxTexts()[0]);
      edit->SetText(kept);
      ++n;
    }
  }
  EXPECT_EQ(shown.size(), 89u);  // with the 53 texts of the settings that do not repeat: 142
}

}  // namespace

namespace {

// Every checked setting, in the order the encoder reads them, refused at
// once: each encode shows the first one left, which is then set back.
struct OrderedRefusal {
  const char* name;
  std::string text;
  const char* message;
};

const OrderedRefusal CheckOrder[] = {
    {"Callsign", "", "Callsign - too short (ex. NOCALL-4)."},
    {"Ssid", "16", "Callsign - SSID range error (0 - 15)."},
    {"Txdelay", "199", "TX delay - range error (200 - 1000)."},
    {"Quiettime", "199", "Quiet time - range error (200 - 3000)."},
    {"Latitude", "x", "Our latitude - syntax error (ex. 5221.60N, format: DDMM.MM)."},
    {"Longitude", "x", "Our longitude - syntax error (ex. 01653.63E, format DDDMM.MM)."},
    {"Floodtimeout", "14", "Duplicate checking - range error (15 - 180)."},
    {"Pathn1_name", "WIDEST", "Path(n-N) 1 - too long (max 5 characters)."},
    {"Pathn1_lower", "0", "Path(n-N) 1, n>= value range error (1 - 7)."},
    {"Pathn1_higher", "0", "Path(n-N) 1, n<= value range error (1 - 7)."},
    {"Pathn2_lower", "0", "Path(n-N) 2, n>= value range error (1 - 7)."},
    {"Pathn8_higher", "0", "Path(n-N) 8, n<= value range error (1 - 7)."},
    {"Area_rad0_radius", "0", "Path filter area RAD0 distance range error (1 - 3000)."},
    {"Area_rad1_radius", "0", "Path filter area RAD1 distance range error (1 - 3000)."},
    {"Area_rad1_latitude", "x", "Path filter area RAD1 latitude - syntax error (ex. 5221.05N, format: DDMM.MM)."},
    {"Area_rad1_longitude", "x", "Path filter area RAD1 longitude - syntax error (ex. 01643.89E, format DDDMM.MM)."},
    {"Area_rect0_nwlatitude", "x",
     "Path filter area RECT0 north-west latitude - syntax error (ex. 5232.05N, format: DDMM.MM)."},
    {"Area_rect0_nwlongitude", "01633.84S",
     "Path filter area RECT0 north-west longitude - syntax error (ex. 01643.89E, format: DDDMM.MM)."},
    {"Area_rect0_selatitude", "x",
     "Path filter area RECT0 south-east latitude - syntax error (ex. 5217.58N, format: DDMM.MM)."},
    {"Area_rect0_selongitude", "x",
     "Path filter area RECT0 south-east longitude - syntax error (ex. 01713.95E, format DDDMM.MM)."},
    {"Callfilter_ssid1", "x", "Callsign filter 1 - SSID range error (0 - 15, or wildcard '*')."},
    {"Callfilter_callsign1", "SP9ABCD", "Callsign filter 1 - too long (max 6 characters)."},
    {"Callfilter_ssid10", "x", "Callsign filter 10 - SSID range error (0 - 15, or wildcard '*')."},
    {"Beacon1_dest_string", "", "Beacon 1 destination - too short (e.g. APZK07)."},
    {"Beacon1_dest_ssid", "x", "Beacon 1 destination - SSID range error (0 - 15)."},
    {"Beacon1_path_ssid", "x", "Beacon 1 path - SSID range error (0 - 15)."},
    {"Beacon1_txrate_rf", "4", "Beacon 1 tx rate (RF) range error (5 - 1440), or 0 to disable."},
    {"Beacon1_txrate_aprsis", "4", "Beacon 1 tx rate (APRSIS) range error (5 - 1440), or 0 to disable."},
    {"Beacon1_msg", "\t", "Beacon 1 message - forbidden characters."},
    {"Beacon2_dest_string", "", "Beacon 2 destination - too short (e.g. APZK07)."},
    {"Beacon8_msg", "\t", "Beacon 8 message - forbidden characters."},
    {"Ipaddr0", "256", "IP Address - range error (0 - 255)."},
    {"Ipaddr3", "256", "IP Address - range error (0 - 255)."},
    {"Ipmask0", "256", "IP Mask - range error (0 - 255)."},
    {"Ipgate0", "256", "Gateway - range error (0 - 255)."},
    {"Ipdns3", "256", "DNS - range error (0 - 255)."},
    {"Aprsis1_servername", std::string(32, 's'), "APRS-IS Server 1 - too long (max 31 characters)."},
    {"Aprsis1_port", "65536", "APRS-IS Server 1 Port - range error (0 - 65535)."},
    {"Aprsis3_port", "65536", "APRS-IS Server 3 Port - range error (0 - 65535)."},
    {"Aprsis_user", std::string(17, 'u'), "Username - too long (max 16 characters)."},
    {"Aprsis_pass", std::string(17, 'p'), "Password - too long (max 16 characters)."},
    {"Aprsis_filter", std::string(129, 'f'), "APRS-IS server filter settings - too long (max 128 characters)."},
    {"Aprsis_timeout", "0", "APRS-IS reconnect timeout - range error (1 - 60)."},
    {"Aprsis_heard_timeout", "0", "APRS-IS heard buffer timeout range error (1 - 240)."},
    {"Aprsis_2rf_dest_ssid", "x", "APRS-IS to RF dest - SSID range error (0 - 15)."},
    {"Aprsis_msg2rf_ssid", "x", "APRS-IS message path - SSID range error (0 - 15)."},
    {"Rfheard_local_maxhops", "9", "Local RF heard max. digi-hops range error (0 - 8)."},
    {"Rfheard_local_timeout", "0", "Local RF heard buffer timeout range error (1 - 240)."},
    {"Aprsis_packet2rf_ssid", "x", "APRS-IS non-message path - SSID range error (0 - 15)."},
    {"Rfheard_timeout", "0", "RF heard buffer timeout range error (1 - 240)."},
    {"Aprsis_packet2rf_1min", "0", "Max. non-message packets per 1 min range error (1 - 240)."},
    {"Aprsis_packet2rf_2min", "0", "Max. non-message packets per 2 min range error (1 - 240)."},
    {"Aprsis_packet2rf_3min", "0", "Max. non-message packets per 3 min range error (1 - 240)."},
    {"Packet2rf_filter_ssid01", "x", "APRS-IS packets to RF filter 1 - SSID range error (0 - 15, or wildcard '*')."},
    {"Packet2rf_filter_callsign01", "SP9ABCD", "APRS-IS packets to RF filter 1 - too long (max 6 characters)."},
    {"Packet2rf_filter_ssid12", "x", "APRS-IS packets to RF filter 12 - SSID range error (0 - 15, or wildcard '*')."},
    {"Ntp_servername", std::string(32, 'n'), "NTP server - too long (max 31 characters)."},
    {"www_user", std::string(13, 'w'), "WWW user - too long (max 12 characters)."},
    {"www_password", std::string(14, 'w'), "WWW password - too long (max 13 characters)."},
    {"www_port", "65536", "WWW port - range error (0 - 65535)."},
    {"telnet_user", std::string(13, 't'), "Telnet user - too long (max 12 characters)."},
    {"telnet_password", std::string(13, 't'), "Telnet password - too long (max 12 characters)."},
    {"telnet_port", "65536", "Telnet port - range error (0 - 65535)."},
    {"kisstcpip_port", "65536", "KISS via TCP/IP port - range error (0 - 65535)."},
    {"Teledata_dest_string", "", "Telemetry data destination - too short (e.g. APZK07)."},
    {"Teledata_dest_ssid", "x", "Telemetry data destination - SSID range error (0 - 15)."},
    {"Teledata_path_ssid", "x", "Telemetry data path - SSID range error (0 - 15)."},
    {"Teledata_txrate_rf", "4", "Telemetry data tx rate (RF) range error (5 - 1440)."},
    {"Teledata_txrate_aprsis", "4", "Telemetry data tx rate (APRSIS) range error (5 - 1440)."},
    {"Teleparams_dest_string", "", "Telemetry parameters destination - too short (e.g. APZK07)."},
    {"Teleparams_dest_ssid", "x", "Telemetry parameters destination - SSID range error (0 - 15)."},
    {"Teleparams_path_ssid", "x", "Telemetry parameters path - SSID range error (0 - 15)."},
    {"Teleparams_txrate_rf", "4", "Telemetry parameters tx rate (RF) range error (5 - 1440)."},
    {"Teleparams_txrate_aprsis", "4", "Telemetry parameters tx rate (APRSIS) range error (5 - 1440)."},
    {"Teletitle", std::string(24, 't'), "Telemetry project title - too long (max 23 characters)."},
    {"Tele_holdoff", "251", "First telemetry data packet delay range error (0 - 250)."},
    {"Teleanalog1_name", std::string(8, 'a'), "Analog 1 name - too long (max 7 characters)."},
    {"Teleanalog1_units", std::string(8, 'a'), "Analog 1 units - too long (max 7 characters)."},
    {"Teleanalog1_coefa", std::string(9, '1'), "Analog 1 coeff A - too long (max 8 characters)."},
    {"Teleanalog1_coefb", std::string(9, '1'), "Analog 1 coeff B - too long (max 8 characters)."},
    {"Teleanalog1_coefc", std::string(9, '1'), "Analog 1 coeff C - too long (max 8 characters)."},
    {"Teleanalog5_coefc", std::string(9, '1'), "Analog 5 coeff C - too long (max 8 characters)."},
    {"Teledigital1_name", std::string(7, 'd'), "Digital 1 name - too long (max 6 characters)."},
    {"Teledigital1_units", std::string(7, 'd'), "Digital 1 label - too long (max 6 characters)."},
    {"Teledigital8_units", std::string(7, 'd'), "Digital 8 label - too long (max 6 characters)."},
    {"Weather_dest_string", "", "Weather destination - too short (e.g. APZK07)."},
    {"Weather_dest_ssid", "x", "Weather destination - SSID range error (0 - 15)."},
    {"Weather_path_ssid", "x", "Weather path - SSID range error (0 - 15)."},
    {"Weather_txrate_rf", "4", "Weather report tx rate (RF) range error (5 - 1440)."},
    {"Weather_txrate_aprsis", "4", "Weather report tx rate (APRSIS) range error (5 - 1440)."},
    {"Weather_comment", "\t", "Weather report comment - forbidden characters."},
    {"WU_stationid", std::string(25, 'i'), "Station ID - too long (max 24 characters)."},
    {"WU_password", std::string(25, 'p'), "Password - too long (max 24 characters)."},
    {"WU_normalserver", std::string(40, 'n'), "Normal upload server - too long (max 39 characters)."},
    {"WU_rapidfireserver", std::string(40, 'r'), "\"Rapid fire\" upload server - too long (max 39 characters)."},
    {"WU_normalrate", "0", "WeatherUnderground normal send rate range error (1 - 240)."},
    {"WU_rapidfirerate", "4", "WeatherUnderground \"Rapid fire\" send rate range error (5 - 60)."},
};

using EncoderCheckOrder = CodecTest;

TEST_F(EncoderCheckOrder, FirstRefusedSettingInReadingOrderIsShown) {
  const CarriedControls controls = ControlsOfImage(*form, *filter);
  std::map<std::string, std::string> kept;
  for (const OrderedRefusal& r : CheckOrder) {
    TEdit* edit = controls.edits.at(r.name);
    kept[r.name] = edit->Text();
    edit->SetText(r.text);
  }
  for (const OrderedRefusal& r : CheckOrder) {
    dialogs.boxes.clear();
    EXPECT_EQ(Encode(), 0) << r.name;
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{r.message}) << r.name;
    controls.edits.at(r.name)->SetText(kept[r.name]);
  }
  dialogs.boxes.clear();
  EXPECT_EQ(Encode(), 1);
  EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
