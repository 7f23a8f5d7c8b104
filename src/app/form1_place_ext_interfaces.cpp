// Tab "Ext. interfaces".
#include "form1_placement.h"

const TTabPlaces ExtInterfacesPlaces = {
    {PageRs232,
     {{.items = {Label("BT/Kalvoria Bluetooth connected:", 8, 8), Control("Bluetooth_connected", 218, 8, 55),
                 Note("If you enable support for Bluetooth module connected to serial port, then port 1 is "
                      "operational in Bluetooth mode).",
                      8, 38, 760),
                 Label("RS-232 port 1:", 8, 60), Control("Serial1_mode", 218, 60, 180)}}}},
    {PageRs485,
     {{.items = {Label("Halvane module (RS-485):", 8, 8), Control("Telemodule_enable", 175, 8, 80),
                 Label("Brenvik module (RS-485):", 8, 32), Control("Bitsmodule_enable", 175, 32, 80)}}}},
    {PageWeatherStation,
     {{.items = {Label("Weather station model:", 8, 8), Control("Weather_stationtype", 158, 8, 180)}}}},
    {PageGps, {{.items = {Label("GPS module baudrate:", 8, 8), Control("GPS_baudrate", 152, 8, 70)}}}},
    {PageKiss,
     {{.items = {Label("KISS baudrate:", 8, 8), Control("Kiss_baudrate", 262, 8, 75),
                 Label("KISS direction:", 8, 32), Control("Kiss_direction", 262, 32, 95),
                 Label("Check for serial->RF packet correctness:", 8, 56), Control("Kiss_check", 262, 56, 55)}}}},
    {PageGamma,
     {{.items = {Label("RSS-131 baudrate:", 8, 8), Control("Gamma_baudrate", 130, 8, 70),
                 Label("Units range:", 8, 32), Control("Gamma_units", 130, 32, 115)}}}},
};
