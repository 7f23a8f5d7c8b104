// Tab "RTC/NTP time".
#include "form1_placement.h"

const TTabPlaces RtcPlaces = {
    {PageRtc,
     {{.items = {Control("Uploadpctime", 8, 8, 280, 17),
                 Label("Year:", 8, 32), Control("Rtcyear", 50, 32, 42),
                 Label("Month:", 104, 32), Control("Rtcmonth", 150, 32, 26),
                 Label("Day:", 188, 32), Control("Rtcday", 220, 32, 26),
                 Label("Hour:", 8, 56), Control("Rtchour", 50, 56, 26),
                 Label("Minute:", 104, 56), Control("Rtcmin", 150, 56, 26),
                 Control("Ntp_enable", 8, 90, 200, 17),
                 Label("NTP server:", 8, 114), Control("Ntp_servername", 80, 114, 195),
                 Note("Internal Real Time Clock is updated when the device exits config mode and enters normal mode. "
                      "To get exact time please change to normal mode quickly after config write.",
                      8, 190, 770)}}}},
};
