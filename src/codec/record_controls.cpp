#include "record_controls.h"

std::array<PathControls, 8> PathRecords(TForm1& f) {
#define PATH(n)                                                                                  \
  PathControls {                                                                                 \
    f.Pathn##n##_name, f.Pathn##n##_lower, f.Pathn##n##_higher, f.Pathn##n##_traceable,         \
        f.Pathn##n##_active, f.Pathn##n##_directonly, f.Pathn##n##_areaall, f.Pathn##n##_arearad0, \
        f.Pathn##n##_arearad1, f.Pathn##n##_arearect0                                            \
  }
  return {PATH(1), PATH(2), PATH(3), PATH(4), PATH(5), PATH(6), PATH(7), PATH(8)};
#undef PATH
}

std::array<CallsignControls, 10> CallFilterRecords(TForm1& f) {
#define ENTRY(n) CallsignControls{f.Callfilter_callsign##n, f.Callfilter_ssid##n}
  return {ENTRY(1), ENTRY(2), ENTRY(3), ENTRY(4), ENTRY(5), ENTRY(6), ENTRY(7), ENTRY(8), ENTRY(9), ENTRY(10)};
#undef ENTRY
}

std::array<BeaconControls, 8> BeaconRecords(TForm1& f) {
#define BEACON(n)                                                                      \
  BeaconControls {                                                                     \
    {f.Beacon##n##_dest_string, f.Beacon##n##_dest_ssid},                              \
        {f.Beacon##n##_path_string, f.Beacon##n##_path_ssid}, f.Beacon##n##_txrate_rf, \
        f.Beacon##n##_txrate_aprsis, f.Beacon##n##_enable, f.Beacon##n##_msg           \
  }
  return {BEACON(1), BEACON(2), BEACON(3), BEACON(4), BEACON(5), BEACON(6), BEACON(7), BEACON(8)};
#undef BEACON
}

std::array<AprsisServerControls, 3> AprsisServerRecords(TForm1& f) {
  return {{{f.Aprsis1_servername, f.Aprsis1_port},
           {f.Aprsis2_servername, f.Aprsis2_port},
           {f.Aprsis3_servername, f.Aprsis3_port}}};
}

std::array<AnalogChannelControls, 5> AnalogChannelRecords(TForm1& f) {
#define CHANNEL(n)                                                                                     \
  AnalogChannelControls {                                                                              \
    f.Teleanalog##n##_source, f.Teleanalog##n##_name, f.Teleanalog##n##_units, f.Teleanalog##n##_coefa, \
        f.Teleanalog##n##_coefb, f.Teleanalog##n##_coefc, f.Teleanalog##n##_average                    \
  }
  return {CHANNEL(1), CHANNEL(2), CHANNEL(3), CHANNEL(4), CHANNEL(5)};
#undef CHANNEL
}

std::array<DigitalChannelControls, 8> DigitalChannelRecords(TForm1& f) {
#define CHANNEL(n)                                                                                 \
  DigitalChannelControls {                                                                         \
    f.Teledigital##n##_source, f.Teledigital##n##_name, f.Teledigital##n##_units, f.Teledigital##n##_inverted \
  }
  return {CHANNEL(1), CHANNEL(2), CHANNEL(3), CHANNEL(4), CHANNEL(5), CHANNEL(6), CHANNEL(7), CHANNEL(8)};
#undef CHANNEL
}

std::array<TComboBox*, 4> BrenvikOutputLists(TForm1& f) {
  return {f.Brenvik_output1, f.Brenvik_output2, f.Brenvik_output3, f.Brenvik_output4};
}

OctetEdits IpAddressOctets(TForm1& f) { return {f.Ipaddr0, f.Ipaddr1, f.Ipaddr2, f.Ipaddr3}; }
OctetEdits IpMaskOctets(TForm1& f) { return {f.Ipmask0, f.Ipmask1, f.Ipmask2, f.Ipmask3}; }
OctetEdits IpGatewayOctets(TForm1& f) { return {f.Ipgate0, f.Ipgate1, f.Ipgate2, f.Ipgate3}; }
OctetEdits IpDnsOctets(TForm1& f) { return {f.Ipdns0, f.Ipdns1, f.Ipdns2, f.Ipdns3}; }

std::array<TComboBox*, 13> DebugLists(TForm1& f) {
  return {f.Debug_aprsis, f.Debug_aprsismsgs, f.Debug_telemetry, f.Debug_ntp,  f.Debug_dns,
          f.Debug_rf,     f.Debug_ax25,       f.Debug_weather,   f.Debug_wunderground, f.Debug_digi,
          f.Debug_gps,    f.Debug_dhcp,       f.Debug_kiss};
}

std::array<ListField, 11> ExternalInterfaceLists(TForm1& f) {
  return {{{f.Bluetooth_connected, Layout::BluetoothConnected},
           {f.Serial1_mode, Layout::Serial1Mode},
           {f.Telemodule_enable, Layout::TelemoduleEnable},
           {f.Bitsmodule_enable, Layout::BitsmoduleEnable},
           {f.Weather_stationtype, Layout::WeatherStationtype},
           {f.GPS_baudrate, Layout::GpsBaudrate},
           {f.Kiss_baudrate, Layout::KissBaudrate},
           {f.Kiss_direction, Layout::KissDirection},
           {f.Kiss_check, Layout::KissCheck},
           {f.Gamma_baudrate, Layout::GammaBaudrate},
           {f.Gamma_units, Layout::GammaUnits}}};
}
