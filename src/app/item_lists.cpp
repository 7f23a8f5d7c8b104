#include "item_lists.h"

const TItemList NoYesList = {"No", "Yes"};
const TItemList DisabledEnabledList = {"Disabled", "Enabled"};
const TItemList OffOnList = {"Off", "On"};
const TItemList PathActiveList = {"Never", "Always", "No APRS-IS"};
const TItemList BeaconEnableList = {"Never", "Always", "GPS fixed", "GPS not fixed", "No APRS-IS"};
const TItemList PacketFilterTypeList = {"Not used",    "Allow all", "Deny all", "Beacons",
                                        "Destination", "Telemetry", "Bulletins"};
const TItemList AnalogSourceList = {
    "Not used",
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
    "(I) Decode efficiency (1 hour)",
};
const TItemList DigitalSourceList = {"Not used",    "(M) Output 1", "(M) Output 2", "(M) Output 3", "(M) Output 4",
                                     "(M) Input 1", "(M) Input 2",  "(M) Input 3",  "(M) Input 4"};

const TItemList QuiettimeRandomizeList = {"No", "+/- 16 ms", "+/- 32 ms", "+/- 64 ms", "+/- 128 ms"};
const TItemList PttList = {"separate output", "2k2 resistor"};
const TItemList BusydetectList = {"analog signal level", "digital detect"};
const TItemList ConsecutivePacketsList = {"in bursts", "separately"};
const TItemList CallfilterRuleList = {"Allow all, except below", "Deny all, except below"};
const TItemList PositionReportEncodingList = {"Mic-E", "Plain text", "Base-91"};
const TItemList MiceMessageList = {"Off Duty", "En Route", "In Service", "Returning",
                                   "Committed", "Special", "Priority", "Emergency"};
const TItemList PositionTimeList = {"None", "Hour, min, sec", "Day, hour, min"};
const TItemList NetconfigList = {"Static IP", "DHCP"};
const TItemList WuSendmethodList = {"Normal", "\"Rapid fire\""};
const TItemList Serial1ModeList = {"None", "Weather station", "GPS", "RSS-131 gamma monitor", "KISS"};
const TItemList WeatherStationtypeList = {"None",
                                          "Peet Bros Ultimeter 100",
                                          "Peet Bros Ultimeter 800",
                                          "Peet Bros Ultimeter 2000",
                                          "Peet Bros Ultimeter 2100",
                                          "WS-2300",
                                          "WS-2350",
                                          "Davis Vantage Pro",
                                          "Davis Vantage Pro2",
                                          "Davis Vantage Pro Rudi",
                                          "Davis Vantage Pro2 Rudi"};
const TItemList GpsBaudrateList = {"1200", "2400", "4800", "9600", "19200"};
const TItemList KissBaudrateList = {"9600", "19200", "38400", "57600", "115200"};
const TItemList KissDirectionList = {"RF->serial", "both"};
const TItemList GammaBaudrateList = {"2400", "4800", "9600", "19200"};
const TItemList GammaUnitsList = {"1.000 = 1u", "1.000 = 10u", "1.000 = 100u",
                                  "1.000 = 1m", "1.000 = 10m", "1.000 = 100m"};
const TItemList PortList = {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "COM9"};
