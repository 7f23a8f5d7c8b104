// Tab "Telemetry reports".
#include "form1_placement.h"

namespace {

TPlaceBlock DigitalChannels(int first) {
  return {.items = {Label("Digital #:", 8, 20), Control("Teledigital#_name", 70, 20, 52),
                    Control("Teledigital#_units", 126, 20, 52), Control("Teledigital#_source", 182, 20, 125),
                    Control("Teledigital#_inverted", 315, 20, 60),
                    Control("Button_teledigital#_default", 512, 20, 126, 20)},
          .first = first,
          .rows = 4,
          .pitch = 24};
}

const TPlaceBlock DigitalHeadings = {.items = {Heading("Name:", 70, 4), Heading("Label", 126, 4),
                                               Heading("Source", 182, 4), Heading("Inverted:", 315, 4)}};

}  // namespace

const TTabPlaces TelemetryPlaces = {
    {PageReportSettings,
     {{.items = {Heading("Dest:", 150, 4), Heading("Path:", 250, 4), Heading("RF[min]:", 350, 4),
                 Heading("IS[min]:", 410, 4),
                 Label("Telemetry parameters:", 8, 20), Control("Teleparams_dest_string", 150, 20, 58),
                 Label("-", 211, 20), Control("Teleparams_dest_ssid", 220, 20, 26),
                 Control("Teleparams_path_string", 250, 20, 58), Label("-", 311, 20),
                 Control("Teleparams_path_ssid", 320, 20, 26), Control("Teleparams_txrate_rf", 350, 20, 34),
                 Control("Teleparams_txrate_aprsis", 410, 20, 34),
                 Label("Telemetry data:", 8, 44), Control("Teledata_dest_string", 150, 44, 58),
                 Label("-", 211, 44), Control("Teledata_dest_ssid", 220, 44, 26),
                 Control("Teledata_path_string", 250, 44, 58), Label("-", 311, 44),
                 Control("Teledata_path_ssid", 320, 44, 26), Control("Teledata_txrate_rf", 350, 44, 34),
                 Control("Teledata_txrate_aprsis", 410, 44, 34),
                 Label("Telemetry project title:", 8, 72), Control("Teletitle", 150, 72, 170),
                 Label("First telemetry data packet delay [min]:", 8, 96), Control("Tele_holdoff", 254, 96, 34),
                 Label("Telemetry reports:", 8, 120), Control("Tele_enable", 150, 120, 80),
                 Note("Please refer to APRS protocol reference v1.0.1, chapter 13, for more info about telemetry "
                      "reports, messages, and protocol limitations (\"aprs protocol reference\" in google).",
                      8, 160, 760)}}}},
    {PageAnalog,
     {{.items = {Heading("Name:", 70, 4), Heading("Units:", 126, 4), Heading("Source:", 182, 4),
                 Heading("Coeff A:", 391, 4), Heading("Coeff B:", 453, 4), Heading("Coeff C:", 515, 4),
                 Heading("1 min average:", 577, 4)}},
      {.items = {Label("Analog #:", 8, 20), Control("Teleanalog#_name", 70, 20, 52),
                 Control("Teleanalog#_units", 126, 20, 52), Control("Teleanalog#_source", 182, 20, 205),
                 Control("Teleanalog#_coefa", 391, 20, 58), Control("Teleanalog#_coefb", 453, 20, 58),
                 Control("Teleanalog#_coefc", 515, 20, 58), Control("Teleanalog#_average", 577, 20, 58),
                 Control("Button_teleanalog#_default", 640, 20, 126, 20)},
       .first = 1,
       .rows = 5,
       .pitch = 24}}},
    {PageDigital1, {DigitalHeadings, DigitalChannels(1)}},
    {PageDigital5, {DigitalHeadings, DigitalChannels(5)}},
    {PageBrenvik,
     {{.items = {Label("Output # default state:", 8, 8), Control("Brenvik_output#", 150, 8, 60)},
       .first = 1,
       .rows = 4,
       .pitch = 24}}},
};
