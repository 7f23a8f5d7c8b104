// Tab "Radio".
#include "form1_placement.h"

const TTabPlaces RadioPlaces = {
    {PageRadio,
     {{.items = {
           Label("Callsign:", 8, 8), Control("Callsign", 165, 8, 58), Label("-", 227, 8), Control("Ssid", 236, 8, 26),
           Label("TX delay [ms]:", 400, 8), Control("Txdelay", 540, 8, 42),
           Label("Latitude:", 8, 32), Control("Latitude", 165, 32, 72),
           Label("Quiet time [ms]:", 400, 32), Control("Quiettime", 540, 32, 42),
           Label("Longitude:", 8, 56), Control("Longitude", 165, 56, 80),
           Label("Randomize quiet time:", 400, 56), Control("Quiettime_randomize", 540, 56, 100),
           Label("PTT:", 8, 80), Control("Ptt", 165, 80, 145),
           Label("Channel busy detect:", 8, 104), Control("Busydetect", 165, 104, 145),
           Label("Consecutive packets send:", 8, 128), Control("Consecutive_packets", 165, 128, 145),
       }}}},
};
