// Sets the settings controls from a received configuration image, once its
// version is the configurator's own. Nothing in it fails after that check.
#include <cstring>
#include <string>

#include "Unit1.h"
#include "Unit4.h"
#include "configuration_codec.h"
#include "image_fields.h"
#include "integer_conversion.h"
#include "position_text.h"
#include "record_controls.h"

namespace {

using namespace Layout;

constexpr std::uint8_t SsidZero = '0';
constexpr std::uint8_t SsidWildcard = '*';
constexpr char UnknownDeviceVersion[] = "unknown, config version control started in v1.26b";

bool IsOwnVersion(const std::uint8_t* image) {
  const std::size_t length = std::strlen(ConfigurationVersion);
  for (std::size_t i = 0; i < length; ++i) {
    const std::uint8_t byte = image[Version.offset + i];
    if (byte == 0 || byte != static_cast<std::uint8_t>(ConfigurationVersion[i])) return false;
  }
  return true;
}

// Marks the image's version text as ended and tells the user which
// versions differ.
void RefuseVersion(std::uint8_t* image) {
  image[VersionNulGuard] = 0;
  const char* deviceText = reinterpret_cast<const char*>(image + Version.offset);
  const std::string device = image[Version.offset] == 'v' ? std::string(deviceText) : UnknownDeviceVersion;
  InformationBox("Uncompatible configuration version:\nDevice: " + device + "\nDavurariruzo: " +
                 ConfigurationVersion);
}

class Decoder {
 public:
  Decoder(TForm1& form, const std::uint8_t* image) : f_(form), image_(image) {}

  void Run();

 private:
  void Station();
  void Digipeater();
  void Areas();
  void CallFilter();
  void Beacons();
  void Network();
  void Aprsis();
  void Gateway();
  void PacketFilter();
  void TimeAndRemoteAccess();
  void Telemetry();
  void Weather();
  void WeatherService();
  void ExternalInterfaces();

  template <class Field>
  void Number(TEdit* edit, Field field) {
    edit->SetText(IntToStr(Get(image_, field)));
  }
  void List(TComboBox* list, ByteField field) { list->SetItemIndex(Get(image_, field)); }
  void Text(TEdit* edit, TextSlot slot);
  void Callsign(TEdit* edit, CallsignSlot slot);
  // SSID byte read as signed, less '0'.
  void Ssid(TEdit* edit, CallsignSlot slot);
  void Pair(CallsignControls c, CallsignSlot slot);
  void FilterEntry(CallsignControls c, CallsignSlot slot);
  void AreaLatitude(TEdit* edit, I32Field field);
  void AreaLongitude(TEdit* edit, I32Field field);

  TForm1& f_;
  const std::uint8_t* image_;
};

void Decoder::Text(TEdit* edit, TextSlot slot) {
  const char* start = reinterpret_cast<const char*>(image_ + slot.offset);
  edit->SetText(std::string(start, strnlen(start, slot.size - 1)));
}

void Decoder::Callsign(TEdit* edit, CallsignSlot slot) {
  char field[CallsignLength + 1] = {};
  std::memcpy(field, image_ + slot.callsign, CallsignLength);
  for (int i = CallsignLength - 1; i >= 0 && field[i] == ' '; --i) field[i] = '\0';
  edit->SetText(field);
}

void Decoder::Ssid(TEdit* edit, CallsignSlot slot) {
  edit->SetText(IntToStr(static_cast<std::int8_t>(image_[slot.ssid]) - SsidZero));
}

void Decoder::Pair(CallsignControls c, CallsignSlot slot) {
  Callsign(c.callsign, slot);
  Ssid(c.ssid, slot);
}

void Decoder::FilterEntry(CallsignControls c, CallsignSlot slot) {
  Callsign(c.callsign, slot);
  if (image_[slot.ssid] == SsidWildcard) {
    c.ssid->SetText("*");
  } else {
    Ssid(c.ssid, slot);
  }
}

void Decoder::AreaLatitude(TEdit* edit, I32Field field) {
  char text[LatitudeLength + 1];
  IntegerToLatitude(text, Get(image_, field));
  edit->SetText(text);
}

void Decoder::AreaLongitude(TEdit* edit, I32Field field) {
  char text[LongitudeLength + 1];
  IntegerToLongitude(text, Get(image_, field));
  edit->SetText(text);
}

void Decoder::Station() {
  Callsign(f_.Callsign, Layout::Station);
  f_.Ssid->SetText(IntToStr(static_cast<std::uint8_t>(image_[Layout::Station.ssid] - SsidZero)));
  Number(f_.Txdelay, Layout::Txdelay);
  Number(f_.Quiettime, Layout::Quiettime);
  List(f_.Quiettime_randomize, QuiettimeRandomize);
  List(f_.Ptt, Layout::Ptt);
  List(f_.Busydetect, Layout::Busydetect);
  List(f_.Consecutive_packets, ConsecutivePackets);
  Text(f_.Latitude, Layout::Latitude);
  Text(f_.Longitude, Layout::Longitude);
}

void Decoder::Digipeater() {
  List(f_.Digion, Layout::Digion);
  Number(f_.Floodtimeout, Layout::Floodtimeout);
  int n = 1;
  for (const PathControls& path : PathRecords(f_)) {
    const std::size_t entry = DigiPaths.At(n++);
    Text(path.name, Shifted(DigiPathEntry::Name, entry));
    Number(path.lower, Shifted(DigiPathEntry::Lower, entry));
    Number(path.higher, Shifted(DigiPathEntry::Higher, entry));
    const std::uint8_t flags = Get(image_, Shifted(DigiPathEntry::Flags, entry));
    const auto bit = [flags](int position) { return ((flags >> position) & 1) != 0; };
    path.traceable->SetItemIndex(bit(PathFlags::TraceableBit) ? 1 : 0);
    path.active->SetItemIndex(flags & PathFlags::ActiveMask);
    path.directonly->SetChecked(bit(PathFlags::DirectonlyBit));
    path.areaall->SetChecked(bit(PathFlags::AreaallBit));
    path.arearad0->SetChecked(bit(PathFlags::Arearad0Bit));
    path.arearad1->SetChecked(bit(PathFlags::Arearad1Bit));
    path.arearect0->SetChecked(bit(PathFlags::Arearect0Bit));
  }
}

void Decoder::Areas() {
  Number(f_.Area_rad0_radius, AreaRad0Radius);
  Number(f_.Area_rad1_radius, AreaRad1Radius);
  AreaLatitude(f_.Area_rad1_latitude, AreaRad1Latitude);
  AreaLongitude(f_.Area_rad1_longitude, AreaRad1Longitude);
  AreaLatitude(f_.Area_rect0_nwlatitude, AreaRect0NwLatitude);
  AreaLongitude(f_.Area_rect0_nwlongitude, AreaRect0NwLongitude);
  AreaLatitude(f_.Area_rect0_selatitude, AreaRect0SeLatitude);
  AreaLongitude(f_.Area_rect0_selongitude, AreaRect0SeLongitude);
}

void Decoder::CallFilter() {
  List(f_.Callfilter_rule, CallfilterRule);
  int n = 1;
  for (const CallsignControls& entry : CallFilterRecords(f_)) {
    FilterEntry(entry, Shifted(CallFilterEntry::Callsign, CallFilters.At(n++)));
  }
}

void Decoder::Beacons() {
  int n = 1;
  for (const BeaconControls& beacon : BeaconRecords(f_)) {
    const std::size_t slot = Layout::Beacons.At(n++);
    Pair(beacon.dest, Shifted(BeaconSlot::Dest, slot));
    Pair(beacon.path, Shifted(BeaconSlot::Path, slot));
    Number(beacon.txrateRf, Shifted(BeaconSlot::TxrateRf, slot));
    Number(beacon.txrateAprsis, Shifted(BeaconSlot::TxrateAprsis, slot));
    List(beacon.enable, Shifted(BeaconSlot::Enable, slot));
    Text(beacon.msg, Shifted(BeaconSlot::Message, slot));
  }
}

void Decoder::Network() {
  List(f_.Netconfig, Layout::Netconfig);
  const auto octets = [this](const OctetEdits& edits, std::size_t first) {
    for (std::size_t i = 0; i < edits.size(); ++i) Number(edits[i], U8Field{first + i});
  };
  octets(IpAddressOctets(f_), IpAddress);
  octets(IpMaskOctets(f_), IpMask);
  octets(IpGatewayOctets(f_), IpGateway);
  octets(IpDnsOctets(f_), IpDns);
}

void Decoder::Aprsis() {
  int n = 1;
  for (const AprsisServerControls& server : AprsisServerRecords(f_)) {
    const std::size_t slot = AprsisServers.At(n++);
    Text(server.servername, Shifted(AprsisServer::Name, slot));
    Number(server.port, Shifted(AprsisServer::Port, slot));
  }
  Text(f_.Aprsis_user, AprsisUser);
  Text(f_.Aprsis_pass, AprsisPass);
  Text(f_.Aprsis_filter, AprsisFilter);
  Number(f_.Aprsis_timeout, AprsisTimeout);
}

void Decoder::Gateway() {
  Number(f_.Aprsis_heard_timeout, AprsisHeardTimeout);
  Pair({f_.Aprsis_2rf_dest, f_.Aprsis_2rf_dest_ssid}, Aprsis2rfDest);
  List(f_.Aprsis_fromrf, AprsisFromrf);
  List(f_.Aprsis_msg2rf, AprsisMsg2rf);
  Pair({f_.Aprsis_msg2rf_path, f_.Aprsis_msg2rf_ssid}, AprsisMsg2rfPath);
  Number(f_.Rfheard_local_maxhops, RfheardLocalMaxhops);
  Number(f_.Rfheard_local_timeout, RfheardLocalTimeout);
  List(f_.Aprsis_packet2rf, AprsisPacket2rf);
  Pair({f_.Aprsis_packet2rf_path, f_.Aprsis_packet2rf_ssid}, AprsisPacket2rfPath);
  List(f_.Aprsis_packet2rf_ifheard, AprsisPacket2rfIfheard);
  Number(f_.Rfheard_timeout, RfheardTimeout);
  Number(f_.Aprsis_packet2rf_1min, AprsisPacket2rf1min);
  Number(f_.Aprsis_packet2rf_2min, AprsisPacket2rf2min);
  Number(f_.Aprsis_packet2rf_3min, AprsisPacket2rf3min);
}

void Decoder::PacketFilter() {
  for (int n = 1; n <= PacketFilters.count; ++n) {
    const TFilterRow row = Form4->FilterRow(n - 1);
    const std::size_t entry = PacketFilters.At(n);
    FilterEntry({row.Callsign, row.Ssid}, Shifted(PacketFilterEntry::Callsign, entry));
    List(row.Type, Shifted(PacketFilterEntry::Type, entry));
  }
}

void Decoder::TimeAndRemoteAccess() {
  f_.Ntp_enable->SetChecked(Get(image_, NtpEnable) != 0);
  Text(f_.Ntp_servername, NtpServername);
  Text(f_.www_user, WwwUser);
  Text(f_.www_password, WwwPassword);
  Number(f_.www_port, WwwPort);
  Text(f_.telnet_user, TelnetUser);
  Text(f_.telnet_password, TelnetPassword);
  Number(f_.telnet_port, TelnetPort);
  const std::uint16_t debugBits = Get(image_, U16Field{DebugFlags});
  int bit = 0;
  for (TComboBox* list : DebugLists(f_)) list->SetItemIndex((debugBits >> bit++) & 1);
  List(f_.kisstcpip_enable, KisstcpipEnable);
  Number(f_.kisstcpip_port, KisstcpipPort);
}

void Decoder::Telemetry() {
  Pair({f_.Teledata_dest_string, f_.Teledata_dest_ssid}, TeledataDest);
  Pair({f_.Teledata_path_string, f_.Teledata_path_ssid}, TeledataPath);
  Number(f_.Teledata_txrate_rf, TeledataTxrateRf);
  Number(f_.Teledata_txrate_aprsis, TeledataTxrateAprsis);
  Pair({f_.Teleparams_dest_string, f_.Teleparams_dest_ssid}, TeleparamsDest);
  Pair({f_.Teleparams_path_string, f_.Teleparams_path_ssid}, TeleparamsPath);
  Number(f_.Teleparams_txrate_rf, TeleparamsTxrateRf);
  Number(f_.Teleparams_txrate_aprsis, TeleparamsTxrateAprsis);
  Text(f_.Teletitle, Layout::Teletitle);
  List(f_.Tele_enable, TeleEnable);
  Number(f_.Tele_holdoff, TeleHoldoff);
  int n = 1;
  for (const AnalogChannelControls& channel : AnalogChannelRecords(f_)) {
    const std::size_t slot = AnalogChannels.At(n++);
    List(channel.source, Shifted(AnalogChannelSlot::Source, slot));
    Text(channel.name, Shifted(AnalogChannelSlot::Name, slot));
    Text(channel.units, Shifted(AnalogChannelSlot::Units, slot));
    Text(channel.coefa, Shifted(AnalogChannelSlot::Coefa, slot));
    Text(channel.coefb, Shifted(AnalogChannelSlot::Coefb, slot));
    Text(channel.coefc, Shifted(AnalogChannelSlot::Coefc, slot));
    List(channel.average, Shifted(AnalogChannelSlot::Average, slot));
  }
  n = 1;
  for (const DigitalChannelControls& channel : DigitalChannelRecords(f_)) {
    const std::size_t slot = DigitalChannels.At(n++);
    List(channel.source, Shifted(DigitalChannelSlot::Source, slot));
    Text(channel.name, Shifted(DigitalChannelSlot::Name, slot));
    Text(channel.units, Shifted(DigitalChannelSlot::Units, slot));
    List(channel.inverted, Shifted(DigitalChannelSlot::Inverted, slot));
  }
  n = 1;
  for (TComboBox* output : BrenvikOutputLists(f_)) List(output, ByteField{BrenvikOutputs.At(n++)});
}

void Decoder::Weather() {
  Pair({f_.Weather_dest_string, f_.Weather_dest_ssid}, WeatherDest);
  Pair({f_.Weather_path_string, f_.Weather_path_ssid}, WeatherPath);
  Number(f_.Weather_txrate_rf, WeatherTxrateRf);
  Number(f_.Weather_txrate_aprsis, WeatherTxrateAprsis);
  Text(f_.Weather_comment, WeatherComment);
}

void Decoder::WeatherService() {
  List(f_.WU_enable, WuEnable);
  Text(f_.WU_stationid, WuStationid);
  Text(f_.WU_password, WuPassword);
  Text(f_.WU_normalserver, WuNormalserver);
  Text(f_.WU_rapidfireserver, WuRapidfireserver);
  List(f_.WU_sendmethod, WuSendmethod);
  Number(f_.WU_normalrate, WuNormalrate);
  Number(f_.WU_rapidfirerate, WuRapidfirerate);
}

void Decoder::ExternalInterfaces() {
  for (const ListField& entry : ExternalInterfaceLists(f_)) List(entry.list, entry.field);
}

void Decoder::Run() {
  Station();
  Digipeater();
  Areas();
  CallFilter();
  Beacons();
  Network();
  Aprsis();
  Gateway();
  PacketFilter();
  TimeAndRemoteAccess();
  Telemetry();
  Weather();
  WeatherService();
  ExternalInterfaces();
}

}  // namespace

int DecodeConfigurationImage(TForm1* form) {
  if (!IsOwnVersion(ReceivedImage)) {
    RefuseVersion(ReceivedImage);
    return 0;
  }
  Decoder(*form, ReceivedImage).Run();
  return 1;
}

void ApplyReceivedConfiguration(TForm1* form) { DecodeConfigurationImage(form); }
