// Encoding the controls and decoding the image again gives every carried
// setting back, with distinct values so that two swapped fields show; the
// cases that come back changed are checked one by one.
#include <set>
#include <string>

#include "codec_fixture.h"
#include "integer_conversion.h"

namespace {

struct NumberRange {
  NamePattern name;
  int min;
  int max;
};

const NumberRange NumberRanges[] = {
    {{"Txdelay"}, 200, 1000},
    {{"Quiettime"}, 200, 3000},
    {{"Floodtimeout"}, 15, 180},
    {{"Pathn#_lower", 8}, 1, 7},
    {{"Pathn#_higher", 8}, 1, 7},
    {{"Area_rad0_radius"}, 1, 3000},
    {{"Area_rad1_radius"}, 1, 3000},
    {{"Beacon#_txrate_rf", 8}, 5, 1440},
    {{"Beacon#_txrate_aprsis", 8}, 5, 1440},
    {{"Ipaddr#", 4, 0}, 0, 255},
    {{"Ipmask#", 4, 0}, 0, 255},
    {{"Ipgate#", 4, 0}, 0, 255},
    {{"Ipdns#", 4, 0}, 0, 255},
    {{"Aprsis#_port", 3}, 0, 65535},
    {{"Aprsis_timeout"}, 1, 60},
    {{"Aprsis_heard_timeout"}, 1, 240},
    {{"Rfheard_local_maxhops"}, 0, 8},
    {{"Rfheard_local_timeout"}, 1, 240},
    {{"Rfheard_timeout"}, 1, 240},
    {{"Aprsis_packet2rf_#min", 3}, 1, 240},
    {{"www_port"}, 0, 65535},
    {{"telnet_port"}, 0, 65535},
    {{"kisstcpip_port"}, 0, 65535},
    {{"Teledata_txrate_rf"}, 5, 1440},
    {{"Teledata_txrate_aprsis"}, 5, 1440},
    {{"Teleparams_txrate_rf"}, 5, 1440},
    {{"Teleparams_txrate_aprsis"}, 5, 1440},
    {{"Tele_holdoff"}, 0, 250},
    {{"Weather_txrate_rf"}, 5, 1440},
    {{"Weather_txrate_aprsis"}, 5, 1440},
    {{"WU_normalrate"}, 1, 240},
    {{"WU_rapidfirerate"}, 5, 60},
};

const NamePattern CallsignEdits[] = {
    {"Callsign"},          {"Beacon#_dest_string", 8}, {"Beacon#_path_string", 8}, {"Weather_dest_string"},
    {"Weather_path_string"}, {"Aprsis_2rf_dest"},      {"Aprsis_msg2rf_path"},     {"Aprsis_packet2rf_path"},
    {"Teledata_dest_string"}, {"Teledata_path_string"}, {"Teleparams_dest_string"}, {"Teleparams_path_string"},
    {"Callfilter_callsign#", 10}, {"Packet2rf_filter_callsign##", 12},
};

const NamePattern SsidEdits[] = {
    {"Ssid"},           {"Beacon#_dest_ssid", 8}, {"Beacon#_path_ssid", 8}, {"Weather_dest_ssid"},
    {"Weather_path_ssid"}, {"Aprsis_2rf_dest_ssid"}, {"Aprsis_msg2rf_ssid"}, {"Aprsis_packet2rf_ssid"},
    {"Teledata_dest_ssid"}, {"Teledata_path_ssid"}, {"Teleparams_dest_ssid"}, {"Teleparams_path_ssid"},
    {"Callfilter_ssid#", 10}, {"Packet2rf_filter_ssid##", 12},
};

const NamePattern LatitudeEdits[] = {{"Latitude"}, {"Area_rad1_latitude"}, {"Area_rect0_nwlatitude"},
                                     {"Area_rect0_selatitude"}};
const NamePattern LongitudeEdits[] = {{"Longitude"}, {"Area_rad1_longitude"}, {"Area_rect0_nwlongitude"},
                                      {"Area_rect0_selongitude"}};

constexpr std::size_t BeaconMessageRoom = 64;

// Gives every carried control a valid value of its own: numbers spread over
// their ranges, call signs, SSIDs (some '*' in the filter tables), positions
// on both hemispheres, texts of printable characters as long as the edit
// takes, list items and check states that vary from control to control.
class DistinctSettings {
 public:
  explicit DistinctSettings(const CarriedControls& controls) : c_(controls) {}

  void Apply() {
    std::set<std::string> done;
    const auto each = [&](const NamePattern& p, auto set) {
      for (const std::string& name : ExpandNames(p)) {
        set(c_.edits.at(name));
        done.insert(name);
        ++i_;
      }
    };
    for (const NumberRange& r : NumberRanges) {
      each(r.name, [&](TEdit* e) { e->SetText(IntToStr(r.min + (i_ * 37) % (r.max - r.min + 1))); });
    }
    for (const NamePattern& p : CallsignEdits) {
      each(p, [&](TEdit* e) { e->SetText(std::string("K") + char('A' + i_ % 26) + IntToStr(i_ % 10) + "XY"); });
    }
    for (const NamePattern& p : SsidEdits) {
      each(p, [&](TEdit* e) {
        const bool table = e->Name().find("filter") != std::string::npos;
        e->SetText(table && i_ % 3 == 0 ? "*" : IntToStr(i_ % 16));
      });
    }
    for (const NamePattern& p : LatitudeEdits) {
      each(p, [&](TEdit* e) {
        e->SetText(TwoDigits(i_ % 90) + TwoDigits(i_ % 60) + ".5" + IntToStr(i_ % 10) + "NS"[i_ % 2]);
      });
    }
    for (const NamePattern& p : LongitudeEdits) {
      each(p, [&](TEdit* e) {
        e->SetText("1" + TwoDigits(i_ % 80) + TwoDigits(i_ % 60) + ".2" + IntToStr(i_ % 10) + "EW"[i_ % 2]);
      });
    }
    for (const auto& [name, edit] : c_.edits) {
      if (done.count(name) == 0) edit->SetText(PrintableText(name, edit->MaxLength()));
      ++i_;
    }
    for (const auto& [name, list] : c_.lists) list->SetItemIndex(i_++ % list->ItemCount());
    for (const auto& [name, check] : c_.checks) check->SetChecked(i_++ % 2 == 0);
  }

 private:
  std::string PrintableText(const std::string& name, int maxLength) const {
    const std::size_t length = std::min<std::size_t>(maxLength, BeaconMessageRoom);
    std::string text;
    for (std::size_t k = 0; text.size() < length; ++k) text += static_cast<char>(0x20 + (i_ * 13 + k) % 95);
    return name == "Aprsis_user" ? UpperCase(text) : text;
  }
  static std::string UpperCase(std::string text) {
    for (char& ch : text) ch = (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 32) : ch;
    return text;
  }

  const CarriedControls& c_;
  int i_ = 0;
};

// Every carried control of the target holds something else than the
// source's before the decode.
void Scramble(const CarriedControls& target, const SettingValues& source) {
  for (const auto& [name, edit] : target.edits) edit->SetText("scrambled");
  for (const auto& [name, list] : target.lists) {
    const int index = std::stoi(source.at(name).substr(1));
    list->SetItemIndex(list->ItemCount() > 1 ? (index + 1) % list->ItemCount() : -1);
  }
  for (const auto& [name, check] : target.checks) check->SetChecked(source.at(name) == "unchecked");
}

class RoundTrip : public CodecTest {
 protected:
  RoundTrip() : target(std::make_unique<TForm1>()) {}

  // Encodes form and filter, decodes into target and Form4, and returns
  // the settings before the encode and after the decode.
  std::pair<SettingValues, SettingValues> EncodeAndDecode() {
    const SettingValues before = CarriedSettings(*form, *filter);
    EXPECT_EQ(Encode(), 1);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
    Scramble(ControlsOfImage(*target, *filter), before);
    EXPECT_EQ(DecodeInto(*target), 1);
    return {before, CarriedSettings(*target, *filter)};
  }

  std::unique_ptr<TForm1> target;
};

TEST_F(RoundTrip, EveryCarriedControlComesBackFromItsOwnField) {
  DistinctSettings(ControlsOfImage(*form, *filter)).Apply();
  const auto [before, after] = EncodeAndDecode();
  EXPECT_EQ(after, before);
  EXPECT_EQ(before.size(), 400u);  // the decoder sets every carried control
}

TEST_F(RoundTrip, FactorySettingsComeBackButTheirLowerCaseLoginAndUnselectedLists) {
  const auto [before, after] = EncodeAndDecode();
  SettingValues expected = before;
  expected["Aprsis_user"] = "NOCALL";
  EXPECT_EQ(after, expected);
}

// The cases that come back changed: what is typed and what the decode gives.
struct ChangedCase {
  const char* name;
  std::string typed;
  std::string decoded;
};

TEST_F(RoundTrip, CasesThatComeBackChanged) {
  const ChangedCase cases[] = {
      {"Callsign", "sp9abc", "SP9ABC"},
      {"Teledata_dest_string", "apzk0", "APZK0"},
      {"Packet2rf_filter_callsign05", "dx", "DX"},
      {"Beacon2_path_string", "AB  ", "AB"},
      {"Weather_path_string", " A B ", " A B"},
      {"Beacon4_path_string", "", ""},
      {"Beacon4_path_ssid", "7", "0"},  // not read for an empty path
      {"Aprsis_msg2rf_path", "", ""},
      {"Aprsis_msg2rf_ssid", "x", "0"},
      {"Callfilter_callsign3", "", ""},
      {"Callfilter_ssid3", "12", "12"},  // a filter row keeps its SSID
      {"Aprsis_user", "sp9abc-10", "SP9ABC-10"},
      {"Txdelay", "0300", "300"},
      {"Quiettime", "+500", "500"},
      {"Floodtimeout", "  $3C", "60"},
      {"Ssid", "0x0F", "15"},
      {"Beacon1_dest_ssid", "+03", "3"},
      {"Ipaddr3", "x0A", "10"},
      {"Aprsis1_port", "", "0"},
      {"Aprsis3_port", "", "0"},
      {"Area_rad1_latitude", "0000.00S", "0000.00N"},
      {"Area_rect0_selongitude", "00000.00E", "00000.00W"},
  };
  const CarriedControls source = ControlsOfImage(*form, *filter);
  for (const ChangedCase& c : cases) source.edits.at(c.name)->SetText(c.typed);
  const auto [before, after] = EncodeAndDecode();
  for (const ChangedCase& c : cases) EXPECT_EQ(after.at(c.name), c.decoded) << c.name << " typed '" << c.typed << "'";
}

// A list with nothing selected is stored as 0xFF: most lists come back
// empty, a path's active list too (3 is past its items), while the lists
// that give only their low bit come back as item 1.
TEST_F(RoundTrip, ListsWithNothingSelected) {
  const CarriedControls source = ControlsOfImage(*form, *filter);
  const std::pair<const char*, const char*> cases[] = {
      {"Ptt", "#-1"},        {"Beacon5_enable", "#-1"},     {"Packet2rf_filter_type07", "#-1"},
      {"Gamma_units", "#-1"}, {"Pathn3_active", "#-1"},     {"Pathn3_traceable", "#1"},
      {"Debug_kiss", "#1"},  {"Debug_aprsis", "#1"},
  };
  for (const auto& [name, decoded] : cases) source.lists.at(name)->SetItemIndex(-1);
  const auto [before, after] = EncodeAndDecode();
  for (const auto& [name, decoded] : cases) EXPECT_EQ(after.at(name), decoded) << name;
  EXPECT_EQ(Image()[1228 + 2 * 9 + 8] & 0x07, 0x07);  // path 3: active bits and traceable bit
}

TEST_F(RoundTrip, ControlsOutsideTheImageKeepWhatTheyHeld) {
  const std::pair<TEdit* TForm1::*, const char*> edits[] = {
      {&TForm1::Rtcyear, "1999"}, {&TForm1::Rtcmonth, "7"}, {&TForm1::Rtcday, "9"},
      {&TForm1::Rtchour, "3"},    {&TForm1::Rtcmin, "5"},   {&TForm1::Smartbeaconing_turn_slope, "255"},
  };
  for (const auto& [edit, text] : edits) (target.get()->*edit)->SetText(text);
  target->Uploadpctime->SetChecked(false);
  target->Position_time->SetItemIndex(1);
  EncodeAndDecode();
  for (const auto& [edit, text] : edits) EXPECT_EQ((target.get()->*edit)->Text(), text);
  EXPECT_FALSE(target->Uploadpctime->Checked());
  EXPECT_EQ(target->Position_time->ItemIndex(), 1);
}

}  // namespace
