// The main window's settings right after construction.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Unit1.h"
#include "Unit4.h"
#include "scripted_dialogs.h"

namespace {

using Items = std::vector<std::string>;

Items ItemsOf(const TComboBox* list) {
  Items items;
  for (int i = 0; i < list->ItemCount(); ++i) items.push_back(list->Item(i));
  return items;
}

// The telemetry source lists, whose order the image and the settings file
// rely on.
const Items AnalogSources = {"Not used",
                             "(M) Current1 (5A fullscale)",
                             "(M) Current1 (2.5A fullscale)",
                             "(M) Current1 (1.25A fullscale)",
                             "(M) Current2 (5A fullscale)",
                             "(M) Current2 (2.5A fullscale)",
                             "(M) Current2 (1.25A fullscale)",
                             "(M) Voltage1",
                             "(M) Voltage2",
                             "(M) Temperature (DS18B20)",
                             "(M) Temperature (DS18S20)",
                             "(I) RX'ed packets (1 hour)",
                             "(I) RX'ed packets (10 min)",
                             "(I) DIGI'ed packets (1 hour)",
                             "(I) DIGI'ed packets (10 min)",
                             "(I) Decode efficiency (total)",
                             "(I) Decode efficiency (1 hour)"};
const Items DigitalSources = {"Not used",    "(M) Output 1", "(M) Output 2", "(M) Output 3", "(M) Output 4",
                              "(M) Input 1", "(M) Input 2",  "(M) Input 3",  "(M) Input 4"};

class FactoryState : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>();
};

TEST_F(FactoryState, EdgeCasesRightAfterConstruction) {
  EXPECT_EQ(form->Callsign->Text(), "NOCALL");
  EXPECT_EQ(form->Teleanalog1_source->ItemIndex(), 11);
  EXPECT_EQ(form->Teledigital8_source->ItemIndex(), 8);
  EXPECT_EQ(form->Teleanalog1_average->ItemIndex(), -1);
  EXPECT_EQ(form->Teledigital1_inverted->ItemIndex(), -1);
  EXPECT_TRUE(form->Uploadpctime->Checked());
  EXPECT_TRUE(form->Ntp_enable->Checked());
  for (TEdit* rtc : {form->Rtcyear, form->Rtcmonth, form->Rtcday, form->Rtchour, form->Rtcmin}) {
    EXPECT_FALSE(rtc->Enabled()) << rtc->Name();
    EXPECT_FALSE(rtc->Text().empty()) << rtc->Name();
  }
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(form->ConfigurationImagePtr, form->ConfigurationImage);
}

TEST_F(FactoryState, HiddenPageControlsKeepTheLayoutState) {
  for (TEdit* edit : {form->Smartbeaconing_min_turn_angle, form->Smartbeaconing_fast_period,
                      form->Position_symbol_table, form->Position_status_text, form->Position_path3,
                      form->Position_ssid1, form->Position_fixlost_interval}) {
    EXPECT_EQ(edit->Text(), "") << edit->Name();
  }
  for (TComboBox* list : {form->Position_report_mode, form->Position_report_encoding, form->Mice_message,
                          form->Position_time, form->Position_coursespeed, form->Position_altitude,
                          form->Position_reportonfixlost}) {
    EXPECT_EQ(list->ItemIndex(), -1) << list->Name();
    EXPECT_GT(list->ItemCount(), 0) << list->Name();
  }
}

// One control of each kind and family, with its factory value.
TEST_F(FactoryState, OneControlOfEachFamily) {
  struct TextCase {
    TEdit* edit;
    const char* text;
  };
  const TextCase texts[] = {
      {form->Ssid, "0"},
      {form->Longitude, "01658.14E"},
      {form->Floodtimeout, "60"},
      {form->Pathn2_name, "SP"},
      {form->Pathn3_name, ""},
      {form->Pathn8_higher, "7"},
      {form->Area_rect0_selongitude, "01713.95E"},
      {form->Callfilter_callsign10, ""},
      {form->Callfilter_ssid10, "*"},
      {form->Beacon2_msg, "@<gpsdate>z<gpslat>/<gpslong>-VorivuRivo"},
      {form->Beacon2_txrate_aprsis, "5"},
      {form->Beacon3_txrate_rf, "0"},
      {form->Beacon8_path_ssid, "2"},
      {form->Ipaddr3, "2"},
      {form->Ipmask3, "0"},
      {form->Ipdns3, "1"},
      {form->Aprsis1_servername, "rotate.aprs2.net"},
      {form->Aprsis3_servername, ""},
      {form->Aprsis3_port, "14580"},
      {form->Aprsis_packet2rf_3min, "12"},
      {form->Ntp_servername, "pool.ntp.org"},
      {form->telnet_port, "23"},
      {form->kisstcpip_port, "14580"},
      {form->Teledata_txrate_rf, "10"},
      {form->Teleanalog3_coefb, ""},
      {form->Teledigital6_units, ""},
      {form->Weather_comment, "Pelnor weather"},
      {form->WU_normalserver, "weatherstation.wunderground.com"},
      {form->WU_rapidfireserver, "rtupdate.wunderground.com"},
      {form->WU_rapidfirerate, "5"},
  };
  for (const TextCase& c : texts) EXPECT_EQ(c.edit->Text(), c.text) << c.edit->Name();

  struct IndexCase {
    TComboBox* list;
    int index;
  };
  const IndexCase indexes[] = {
      {form->Quiettime_randomize, 3}, {form->Digion, 1},          {form->Pathn1_traceable, 1},
      {form->Pathn2_traceable, 0},    {form->Pathn2_active, 1},    {form->Pathn3_active, 0},
      {form->Callfilter_rule, 0},     {form->Beacon1_enable, 3},   {form->Beacon2_enable, 2},
      {form->Beacon8_enable, 0},      {form->Netconfig, 1},        {form->Aprsis_packet2rf_ifheard, 0},
      {form->Aprsis_fromrf, 1},       {form->Debug_aprsis, 0},     {form->Debug_kiss, 1},
      {form->kisstcpip_enable, 0},    {form->Tele_enable, 0},      {form->Teleanalog2_source, 13},
      {form->Teleanalog3_source, 16}, {form->Teleanalog5_source, 0}, {form->Teledigital1_source, 1},
      {form->Teleanalog5_average, -1}, {form->Teledigital8_inverted, -1}, {form->Brenvik_output4, 0},
      {form->WU_enable, 0},           {form->WU_sendmethod, 0},    {form->Serial1_mode, 1},
      {form->Weather_stationtype, 5}, {form->GPS_baudrate, 3},     {form->Kiss_baudrate, 4},
      {form->Kiss_check, 1},          {form->Gamma_baudrate, 2},   {form->Gamma_units, 1},
  };
  for (const IndexCase& c : indexes) EXPECT_EQ(c.list->ItemIndex(), c.index) << c.list->Name();

  struct CheckCase {
    TCheckBox* box;
    bool checked;
  };
  const CheckCase checks[] = {{form->Pathn1_directonly, false}, {form->Pathn8_areaall, true},
                              {form->Pathn4_arearad0, false},   {form->Pathn6_arearad1, false},
                              {form->Pathn7_arearect0, false}};
  for (const CheckCase& c : checks) EXPECT_EQ(c.box->Checked(), c.checked) << c.box->Name();
}

// A hint that states a unit, a range or a rule states it.
TEST_F(FactoryState, HintsStateTheirUnitRangeOrRule) {
  struct HintCase {
    TControl* control;
    const char* states;
  };
  const HintCase cases[] = {
      {form->Txdelay, "[ms]"},
      {form->Quiettime, "[ms]"},
      {form->Ssid, "0 - 15"},
      {form->Latitude, "DDMM.MM"},
      {form->Longitude, "DDDMM.MM"},
      {form->Busydetect, "digital detect"},
      {form->Floodtimeout, "[s]"},
      {form->Pathn3_name, "WIDE2-2"},
      {form->Callfilter_callsign4, "\"?\""},
      {form->Callfilter_ssid4, "\"*\""},
      {form->Beacon7_txrate_aprsis, "0 turns it off"},
      {form->Aprsis_timeout, "[min]"},
      {form->Teleanalog4_coefa, "A*x*x+B*x+C"},
      {form->WU_rapidfirerate, "[s]"},
  };
  for (const HintCase& c : cases) {
    EXPECT_NE(c.control->Hint().find(c.states), std::string::npos) << c.control->Name() << ": " << c.control->Hint();
  }
}

TEST_F(FactoryState, PortSelectorShowsComOneSelected) {
  EXPECT_EQ(ItemsOf(form->ComboBox2), (Items{"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "COM9"}));
  EXPECT_EQ(form->ComboBox2->ItemIndex(), 0);
  EXPECT_EQ(form->ComboBox2->Text(), "COM1");
}

// An item's index is its value in the image and the settings file.
TEST_F(FactoryState, NamedItemListsInTheirOrder) {
  struct ListCase {
    TComboBox* list;
    Items items;
  };
  const ListCase lists[] = {
      {form->Digion, {"No", "Yes"}},
      {form->Position_altitude, {"No", "Yes"}},
      {form->Tele_enable, {"Disabled", "Enabled"}},
      {form->Position_report_mode, {"Disabled", "Enabled"}},
      {form->Teleanalog4_average, {"Off", "On"}},
      {form->Brenvik_output1, {"Off", "On"}},
      {form->Pathn6_active, {"Never", "Always", "No APRS-IS"}},
      {form->Beacon7_enable, {"Never", "Always", "GPS fixed", "GPS not fixed", "No APRS-IS"}},
      {form->Quiettime_randomize, {"No", "+/- 16 ms", "+/- 32 ms", "+/- 64 ms", "+/- 128 ms"}},
      {form->Callfilter_rule, {"Allow all, except below", "Deny all, except below"}},
      {form->Serial1_mode, {"None", "Weather station", "GPS", "RSS-131 gamma monitor", "KISS"}},
      {form->Weather_stationtype,
       {"None", "Peet Bros Ultimeter 100", "Peet Bros Ultimeter 800", "Peet Bros Ultimeter 2000",
        "Peet Bros Ultimeter 2100", "WS-2300", "WS-2350", "Davis Vantage Pro", "Davis Vantage Pro2",
        "Davis Vantage Pro Rudi", "Davis Vantage Pro2 Rudi"}},
      {form->Gamma_units, {"1.000 = 1u", "1.000 = 10u", "1.000 = 100u", "1.000 = 1m", "1.000 = 10m", "1.000 = 100m"}},
      {form->Kiss_baudrate, {"9600", "19200", "38400", "57600", "115200"}},
  };
  for (const ListCase& c : lists) EXPECT_EQ(ItemsOf(c.list), c.items) << c.list->Name();
}

// The constructor adds the source items; a second fill would double them.
TEST_F(FactoryState, TelemetrySourceListsFilledExactlyOnceInOrder) {
  for (TComboBox* list : {form->Teleanalog1_source, form->Teleanalog2_source, form->Teleanalog3_source,
                          form->Teleanalog4_source, form->Teleanalog5_source}) {
    EXPECT_EQ(ItemsOf(list), AnalogSources) << list->Name();
  }
  for (TComboBox* list : {form->Teledigital1_source, form->Teledigital2_source, form->Teledigital3_source,
                          form->Teledigital4_source, form->Teledigital5_source, form->Teledigital6_source,
                          form->Teledigital7_source, form->Teledigital8_source}) {
    EXPECT_EQ(ItemsOf(list), DigitalSources) << list->Name();
  }
}

TEST_F(FactoryState, WeatherSendMethodKeepsItsQuotes) {
  ASSERT_EQ(form->WU_sendmethod->ItemCount(), 2);
  EXPECT_EQ(form->WU_sendmethod->Item(0), "Normal");
  EXPECT_EQ(form->WU_sendmethod->Item(1), "\"Rapid fire\"");
  EXPECT_EQ(form->WU_sendmethod->Item(1).size(), 12u);
}

TEST_F(FactoryState, ValuesSetLaterFollowTheControlRules) {
  form->Ptt->SetItemIndex(5);
  EXPECT_EQ(form->Ptt->ItemIndex(), -1);
  form->Callsign->SetText("ABCDEFGHIJ");
  EXPECT_EQ(form->Callsign->Text(), "ABCDEFGHIJ");
  EXPECT_EQ(form->Callsign->MaxLength(), 6);
}

TEST(PacketFilterDialog, RowsStartNotUsedWithAnySsid) {
  ScriptedDialogs dialogs;
  TForm4 form;
  EXPECT_EQ(form.Packet2rf_filter_type07->ItemIndex(), 0);
  EXPECT_EQ(form.Packet2rf_filter_ssid07->Text(), "*");
  EXPECT_EQ(form.Packet2rf_filter_callsign07->Text(), "");
  EXPECT_EQ(ItemsOf(form.Packet2rf_filter_type12),
            (Items{"Not used", "Allow all", "Deny all", "Beacons", "Destination", "Telemetry", "Bulletins"}));
  for (int row = 0; row < TForm4::FilterRowCount; ++row) {
    EXPECT_EQ(form.FilterRow(row).Type->ItemIndex(), 0) << row;
    EXPECT_EQ(form.FilterRow(row).Ssid->Text(), "*") << row;
  }
}

TEST(Caption, SerialEdition) {
  ScriptedDialogs dialogs;
  TForm1 form;
  EXPECT_EQ(form.Caption(), "PELNOR Rudi Davurariruzo v1.47 (COM Bootloader)");
}

}  // namespace
