// Tab "Beacons", with the hidden page "GPS SmartBeaconing".
#include "form1_placement.h"

namespace {

const TPlaceBlock BeaconHeadings = {
    .items = {Heading("Dest:", 8, 8), Heading("Path:", 110, 8), Heading("RF[min]:", 212, 8),
              Heading("IS[min]:", 270, 8), Heading("Enable if:", 326, 8),
              Heading("Message (empty fields are ignored):", 442, 8)}};

TPlaceBlock BeaconRows(int first) {
  return {.items = {Control("Beacon#_dest_string", 8, 26, 58), Label("-", 69, 26), Control("Beacon#_dest_ssid", 78, 26, 26),
                    Control("Beacon#_path_string", 110, 26, 58), Label("-", 171, 26),
                    Control("Beacon#_path_ssid", 180, 26, 26), Control("Beacon#_txrate_rf", 212, 26, 42),
                    Control("Beacon#_txrate_aprsis", 270, 26, 42), Control("Beacon#_enable", 326, 26, 110),
                    Control("Beacon#_msg", 442, 26, 327)},
          .first = first,
          .rows = 4,
          .pitch = 24};
}

}  // namespace

const TTabPlaces BeaconsPlaces = {
    {PageBeacons1, {{.items = {Control("Button_special_strings", 686, 2, 94, 20)}}, BeaconHeadings, BeaconRows(1)}},
    {PageBeacons5, {{.items = {Control("Button_special_strings2", 686, 2, 94, 20)}}, BeaconHeadings, BeaconRows(5)}},
    {PageSmartBeaconing,
     {{.items = {Label("SmartBeaconing:", 8, 8), Control("Position_report_mode", 180, 8, 90),
                 Label("Position encoding protocol:", 8, 32), Control("Position_report_encoding", 180, 32, 90)}},
      {.items = {Label("Min Turn Angle [deg]:", 8, 18), Control("Smartbeaconing_min_turn_angle", 142, 18, 34),
                 Label("Slow Speed [km/h]:", 182, 18), Control("Smartbeaconing_slow_speed", 304, 18, 34),
                 Label("Turn Slope:", 8, 42), Control("Smartbeaconing_turn_slope", 142, 42, 40),
                 Label("Slow Period [s]:", 182, 42), Control("Smartbeaconing_slow_period", 304, 42, 34),
                 Label("Min Turn Time [s]:", 8, 66), Control("Smartbeaconing_min_turn_time", 142, 66, 34),
                 Label("Fast Speed [km/h]:", 182, 66), Control("Smartbeaconing_fast_speed", 304, 66, 34),
                 Label("Fast Period [s]:", 8, 90), Control("Smartbeaconing_fast_period", 142, 90, 34)},
       .group = {"SmartBeaconing settings:", 24, 58, 345, 130}},
      {.items = {Label("Symbol code:", 6, 18), Control("Position_symbol_code", 94, 18, 16),
                 Label("Symbol table:", 116, 18), Control("Position_symbol_table", 206, 18, 16),
                 Heading("Mic-E", 6, 39), Heading("message:", 6, 53), Control("Mice_message", 70, 44, 110),
                 Label("Path:", 6, 68), Control("Position_path1", 42, 68, 48), Label("-", 93, 68),
                 Control("Position_ssid1", 102, 68, 22), Label(",", 127, 68), Control("Position_path2", 136, 68, 48),
                 Label("-", 187, 68), Control("Position_ssid2", 196, 68, 22), Label(",", 221, 68),
                 Control("Position_path3", 230, 68, 48), Label("-", 281, 68), Control("Position_ssid3", 290, 68, 22),
                 Label("Status text:", 6, 91), Control("Position_status_text", 82, 91, 256),
                 Label("Time:", 6, 114), Control("Position_time", 44, 114, 116),
                 Label("Course/Speed:", 166, 114), Control("Position_coursespeed", 288, 114, 50),
                 Label("Send last position if fix lost:", 6, 137), Control("Position_reportonfixlost", 180, 137, 50),
                 Label("Altitude:", 234, 137), Control("Position_altitude", 290, 137, 50),
                 Label("Send interval on fix lost (s):", 6, 160), Control("Position_fixlost_interval", 180, 160, 42)},
       .group = {"Report encoding settings:", 392, 3, 345, 185}}}},
};
