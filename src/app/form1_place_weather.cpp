// Tab "Weather reports".
#include "form1_placement.h"

const TTabPlaces WeatherPlaces = {
    {PageWeatherBeacon,
     {{.items = {Heading("Dest:", 110, 8), Heading("Path:", 212, 8), Heading("RF[min]:", 314, 8),
                 Heading("IS[min]:", 372, 8), Heading("Comment:", 428, 8),
                 Label("Weather report:", 8, 24), Control("Weather_dest_string", 110, 24, 58), Label("-", 171, 24),
                 Control("Weather_dest_ssid", 180, 24, 26), Control("Weather_path_string", 212, 24, 58),
                 Label("-", 273, 24), Control("Weather_path_ssid", 282, 24, 26),
                 Control("Weather_txrate_rf", 314, 24, 34), Control("Weather_txrate_aprsis", 372, 24, 34),
                 Control("Weather_comment", 428, 24, 240)}}}},
    {PageWeatherUnderground,
     {{.items = {Label("Weather reports to Weather Underground:", 8, 6), Control("WU_enable", 272, 6, 80),
                 Label("Station ID:", 8, 29), Control("WU_stationid", 272, 29, 175),
                 Label("Password:", 8, 52), Control("WU_password", 272, 52, 175),
                 Label("Normal upload server:", 8, 75), Control("WU_normalserver", 272, 75, 270),
                 Label("\"Rapid fire\" upload server:", 8, 98), Control("WU_rapidfireserver", 272, 98, 270),
                 Label("Weather send method:", 8, 121), Control("WU_sendmethod", 272, 121, 100),
                 Label("Normal weather send rate [min]:", 8, 144), Control("WU_normalrate", 272, 144, 34),
                 Label("\"Rapid fire\" weather send rate [sec]:", 8, 167), Control("WU_rapidfirerate", 272, 167, 34)}}}},
};
