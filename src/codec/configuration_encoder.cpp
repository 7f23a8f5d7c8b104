// Builds the configuration image from the settings controls, checking each
// setting right after it is read. The first refused setting ends the encode
// with its message; a number that does not convert raises EConvertError.
#include <algorithm>
#include <cstring>
#include <string>

#include "Unit1.h"
#include "Unit4.h"
#include "calendar_time.h"
#include "configuration_codec.h"
#include "encoder_messages.h"
#include "image_fields.h"
#include "integer_conversion.h"
#include "position_text.h"
#include "random_generators.h"
#include "record_controls.h"

namespace {

using namespace Layout;

constexpr std::uint8_t Blank = 0x20;
constexpr std::uint8_t SsidZero = '0';
constexpr std::uint8_t SsidWildcard = '*';
constexpr int LargestSsid = 15;
constexpr int StampModulus = 10000;

// Values a check lets through: min to max, and 0 where it turns a rate off.
struct Range {
  std::int32_t min;
  std::int32_t max;
  bool zeroTurnsOff = false;
  bool Contains(std::int32_t v) const { return (zeroTurnsOff && v == 0) || (v >= min && v <= max); }
};

constexpr Range Octet{0, 255};
constexpr Range Port{0, 65535};
constexpr Range Rate{5, 1440, true};
constexpr Range Minutes240{1, 240};

// A refused setting: its message ends the encode.
struct Refusal {
  std::string message;
};

[[noreturn]] void Refuse(std::string message) { throw Refusal{std::move(message)}; }

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

bool IsPrintable(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte <= 0x7E;
  });
}

class Encoder {
 public:
  Encoder(TForm1& form, std::uint8_t* image) : f_(form), image_(image) {}

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
  void Finish();

  // The typed number is checked before anything is stored for it.
  template <class Field>
  void Number(TEdit* edit, Field field, Range range, Message message, int record = 1) {
    const std::int32_t value = StrToInt(edit->Text());
    if (!range.Contains(value)) Refuse(MessageText(message, record));
    Put(image_, field, static_cast<std::uint32_t>(value));
  }
  // Rows that store the number's low bits first and then check the whole
  // number: a refused value stays in the partial image.
  template <class Field>
  void StoredThenChecked(TEdit* edit, Field field, Range range, Message message, int record = 1) {
    const std::int32_t value = StrToInt(edit->Text());
    Put(image_, field, static_cast<std::uint32_t>(value));
    if (!range.Contains(value)) Refuse(MessageText(message, record));
  }
  template <class Field>
  void UncheckedNumber(TEdit* edit, Field field) {
    Put(image_, field, static_cast<std::uint32_t>(StrToInt(edit->Text())));
  }
  // Text typed into an editable list counts as the item it names.
  void List(TComboBox* list, ByteField field) {
    Put(image_, field, static_cast<std::uint8_t>(list->NamedItemIndex()));
  }
  void Text(const std::string& text, TextSlot slot, Subject subject, int record = 1);
  void PrintableText(TEdit* edit, TextSlot slot, Subject subject, int record = 1);
  void Latitude(TEdit* edit, Message message);
  void Longitude(TEdit* edit, Message lengthMessage, Message formatMessage);
  void AreaLatitude(TEdit* edit, I32Field field, Message message);
  void AreaLongitude(TEdit* edit, I32Field field, Message lengthMessage, Message formatMessage);

  // The three call sign procedures.
  void Destination(CallsignControls c, CallsignSlot slot, Message tooShort, Message ssidMessage, Subject subject,
                   int record = 1);
  void OptionalPath(CallsignControls c, CallsignSlot slot, Message ssidMessage, Subject subject, int record = 1);
  void FilterEntry(CallsignControls c, CallsignSlot slot, Message ssidMessage, Subject subject, int record);
  int CaughtSsid(TEdit* edit, Message message, int record);
  void CheckCallsignLength(const std::string& callsign, Subject subject, int record);
  void WriteCallsign(CallsignSlot slot, const std::string& callsign, std::uint8_t ssidByte);

  TForm1& f_;
  std::uint8_t* image_;
};

void Encoder::Text(const std::string& text, TextSlot slot, Subject subject, int record) {
  if (text.size() > slot.size - 1) Refuse(TooLongText(subject, record, slot.size - 1));
  std::memset(image_ + slot.offset, 0, slot.size);
  std::memcpy(image_ + slot.offset, text.data(), text.size());
}

void Encoder::PrintableText(TEdit* edit, TextSlot slot, Subject subject, int record) {
  const std::string text = edit->Text();
  Text(text, slot, subject, record);
  if (!IsPrintable(text)) Refuse(ForbiddenCharactersText(subject, record));
}

void Encoder::Latitude(TEdit* edit, Message message) {
  const std::string text = edit->Text();
  if (text.size() != LatitudeLength || !IsValidLatitude(text.c_str())) Refuse(MessageText(message));
  std::memcpy(image_ + Layout::Latitude.offset, text.data(), text.size());
}

void Encoder::Longitude(TEdit* edit, Message lengthMessage, Message formatMessage) {
  const std::string text = edit->Text();
  if (text.size() != LongitudeLength) Refuse(MessageText(lengthMessage));
  if (!IsValidLongitude(text.c_str())) Refuse(MessageText(formatMessage));
  std::memcpy(image_ + Layout::Longitude.offset, text.data(), text.size());
}

void Encoder::AreaLatitude(TEdit* edit, I32Field field, Message message) {
  const std::string text = edit->Text();
  if (text.size() != LatitudeLength || !IsValidLatitude(text.c_str())) Refuse(MessageText(message));
  Put(image_, field, LatitudeToInteger(text.c_str()));
}

void Encoder::AreaLongitude(TEdit* edit, I32Field field, Message lengthMessage, Message formatMessage) {
  const std::string text = edit->Text();
  if (text.size() != LongitudeLength) Refuse(MessageText(lengthMessage));
  if (!IsValidLongitude(text.c_str())) Refuse(MessageText(formatMessage));
  Put(image_, field, LongitudeToInteger(text.c_str()));
}

int Encoder::CaughtSsid(TEdit* edit, Message message, int record) {
  const auto ssid = TryStrToInt(edit->Text());
  if (!ssid || *ssid < 0 || *ssid > LargestSsid) Refuse(MessageText(message, record));
  return *ssid;
}

void Encoder::CheckCallsignLength(const std::string& callsign, Subject subject, int record) {
  if (callsign.size() > CallsignLength) Refuse(TooLongText(subject, record, CallsignLength));
}

void Encoder::WriteCallsign(CallsignSlot slot, const std::string& callsign, std::uint8_t ssidByte) {
  std::memset(image_ + slot.callsign, Blank, CallsignLength);
  const std::string upper = Upper(callsign);
  std::memcpy(image_ + slot.callsign, upper.data(), upper.size());
  image_[slot.ssid] = ssidByte;
}

void Encoder::Destination(CallsignControls c, CallsignSlot slot, Message tooShort, Message ssidMessage,
                          Subject subject, int record) {
  const std::string callsign = c.callsign->Text();
  if (callsign.empty()) Refuse(MessageText(tooShort, record));
  CheckCallsignLength(callsign, subject, record);
  const int ssid = CaughtSsid(c.ssid, ssidMessage, record);
  WriteCallsign(slot, callsign, static_cast<std::uint8_t>(SsidZero + ssid));
}

void Encoder::OptionalPath(CallsignControls c, CallsignSlot slot, Message ssidMessage, Subject subject,
                           int record) {
  const std::string callsign = c.callsign->Text();
  if (callsign.empty()) {
    WriteCallsign(slot, "", SsidZero);
    return;
  }
  CheckCallsignLength(callsign, subject, record);
  const int ssid = CaughtSsid(c.ssid, ssidMessage, record);
  WriteCallsign(slot, callsign, static_cast<std::uint8_t>(SsidZero + ssid));
}

void Encoder::FilterEntry(CallsignControls c, CallsignSlot slot, Message ssidMessage, Subject subject,
                          int record) {
  const std::uint8_t ssidByte = c.ssid->Text() == "*"
                                    ? SsidWildcard
                                    : static_cast<std::uint8_t>(SsidZero + CaughtSsid(c.ssid, ssidMessage, record));
  const std::string callsign = c.callsign->Text();
  CheckCallsignLength(callsign, subject, record);
  WriteCallsign(slot, callsign, ssidByte);
}

void Encoder::Station() {
  const std::string callsign = f_.Callsign->Text();
  if (callsign.empty()) Refuse(MessageText(Message::CallsignTooShort));
  CheckCallsignLength(callsign, Subject::Callsign, 1);
  const std::int32_t ssid = StrToInt(f_.Ssid->Text());
  if (ssid < 0 || ssid > LargestSsid) Refuse(MessageText(Message::CallsignSsid));
  WriteCallsign(Layout::Station, callsign, static_cast<std::uint8_t>(SsidZero + ssid));
  Number(f_.Txdelay, Layout::Txdelay, {200, 1000}, Message::Txdelay);
  Number(f_.Quiettime, Layout::Quiettime, {200, 3000}, Message::Quiettime);
  List(f_.Quiettime_randomize, QuiettimeRandomize);
  List(f_.Ptt, Layout::Ptt);
  List(f_.Busydetect, Layout::Busydetect);
  List(f_.Consecutive_packets, ConsecutivePackets);
  Latitude(f_.Latitude, Message::Latitude);
  Longitude(f_.Longitude, Message::LongitudeLength, Message::LongitudeFormat);
}

void Encoder::Digipeater() {
  List(f_.Digion, Layout::Digion);
  Number(f_.Floodtimeout, Layout::Floodtimeout, {15, 180}, Message::Floodtimeout);
  int n = 1;
  for (const PathControls& path : PathRecords(f_)) {
    const std::size_t entry = DigiPaths.At(n);
    Text(path.name->Text(), Shifted(DigiPathEntry::Name, entry), Subject::PathName, n);
    Number(path.lower, Shifted(DigiPathEntry::Lower, entry), {1, 7}, Message::PathLower, n);
    Number(path.higher, Shifted(DigiPathEntry::Higher, entry), {1, 7}, Message::PathHigher, n);
    const auto bit = [](bool set, int position) { return set ? 1u << position : 0u; };
    const std::uint32_t flags =
        ((static_cast<std::uint32_t>(path.traceable->ItemIndex()) & 1u) << PathFlags::TraceableBit) |
        (static_cast<std::uint32_t>(path.active->ItemIndex()) & PathFlags::ActiveMask) |
        bit(path.directonly->Checked(), PathFlags::DirectonlyBit) | bit(path.areaall->Checked(), PathFlags::AreaallBit) |
        bit(path.arearad0->Checked(), PathFlags::Arearad0Bit) | bit(path.arearad1->Checked(), PathFlags::Arearad1Bit) |
        bit(path.arearect0->Checked(), PathFlags::Arearect0Bit);
    Put(image_, Shifted(DigiPathEntry::Flags, entry), flags);
    ++n;
  }
}

void Encoder::Areas() {
  Number(f_.Area_rad0_radius, AreaRad0Radius, {1, 3000}, Message::AreaRad0Radius);
  Number(f_.Area_rad1_radius, AreaRad1Radius, {1, 3000}, Message::AreaRad1Radius);
  AreaLatitude(f_.Area_rad1_latitude, AreaRad1Latitude, Message::AreaRad1Latitude);
  AreaLongitude(f_.Area_rad1_longitude, AreaRad1Longitude, Message::AreaRad1LongitudeLength,
                Message::AreaRad1LongitudeFormat);
  AreaLatitude(f_.Area_rect0_nwlatitude, AreaRect0NwLatitude, Message::AreaRect0NwLatitude);
  AreaLongitude(f_.Area_rect0_nwlongitude, AreaRect0NwLongitude, Message::AreaRect0NwLongitudeLength,
                Message::AreaRect0NwLongitudeFormat);
  AreaLatitude(f_.Area_rect0_selatitude, AreaRect0SeLatitude, Message::AreaRect0SeLatitude);
  AreaLongitude(f_.Area_rect0_selongitude, AreaRect0SeLongitude, Message::AreaRect0SeLongitudeLength,
                Message::AreaRect0SeLongitudeFormat);
}

void Encoder::CallFilter() {
  List(f_.Callfilter_rule, CallfilterRule);
  int n = 1;
  for (const CallsignControls& entry : CallFilterRecords(f_)) {
    FilterEntry(entry, Shifted(CallFilterEntry::Callsign, CallFilters.At(n)), Message::CallfilterSsid,
                Subject::CallfilterCallsign, n);
    ++n;
  }
}

void Encoder::Beacons() {
  int n = 1;
  for (const BeaconControls& beacon : BeaconRecords(f_)) {
    const std::size_t slot = Layout::Beacons.At(n);
    Destination(beacon.dest, Shifted(BeaconSlot::Dest, slot), Message::BeaconDestTooShort, Message::BeaconDestSsid,
                Subject::BeaconDest, n);
    OptionalPath(beacon.path, Shifted(BeaconSlot::Path, slot), Message::BeaconPathSsid, Subject::BeaconPath, n);
    Number(beacon.txrateRf, Shifted(BeaconSlot::TxrateRf, slot), Rate, Message::BeaconTxrateRf, n);
    Number(beacon.txrateAprsis, Shifted(BeaconSlot::TxrateAprsis, slot), Rate, Message::BeaconTxrateAprsis, n);
    List(beacon.enable, Shifted(BeaconSlot::Enable, slot));
    PrintableText(beacon.msg, Shifted(BeaconSlot::Message, slot), Subject::BeaconMessage, n);
    ++n;
  }
}

void Encoder::Network() {
  List(f_.Netconfig, Layout::Netconfig);
  const auto octets = [this](const OctetEdits& edits, std::size_t first, Message message) {
    for (std::size_t i = 0; i < edits.size(); ++i) StoredThenChecked(edits[i], U8Field{first + i}, Octet, message);
  };
  octets(IpAddressOctets(f_), IpAddress, Message::IpAddress);
  octets(IpMaskOctets(f_), IpMask, Message::IpMask);
  octets(IpGatewayOctets(f_), IpGateway, Message::IpGateway);
  octets(IpDnsOctets(f_), IpDns, Message::IpDns);
}

void Encoder::Aprsis() {
  int n = 1;
  for (const AprsisServerControls& server : AprsisServerRecords(f_)) {
    const std::size_t slot = AprsisServers.At(n);
    Text(server.servername->Text(), Shifted(AprsisServer::Name, slot), Subject::AprsisServername, n);
    if (!server.port->Text().empty()) {
      StoredThenChecked(server.port, Shifted(AprsisServer::Port, slot), Port, Message::AprsisServerPort, n);
    }
    ++n;
  }
  Text(Upper(f_.Aprsis_user->Text()), AprsisUser, Subject::AprsisUser);
  Text(f_.Aprsis_pass->Text(), AprsisPass, Subject::AprsisPass);
  Text(f_.Aprsis_filter->Text(), AprsisFilter, Subject::AprsisFilter);
  Number(f_.Aprsis_timeout, AprsisTimeout, {1, 60}, Message::AprsisTimeout);
}

void Encoder::Gateway() {
  Number(f_.Aprsis_heard_timeout, AprsisHeardTimeout, Minutes240, Message::AprsisHeardTimeout);
  OptionalPath({f_.Aprsis_2rf_dest, f_.Aprsis_2rf_dest_ssid}, Aprsis2rfDest, Message::Aprsis2rfDestSsid,
               Subject::Aprsis2rfDest);
  List(f_.Aprsis_fromrf, AprsisFromrf);
  List(f_.Aprsis_msg2rf, AprsisMsg2rf);
  OptionalPath({f_.Aprsis_msg2rf_path, f_.Aprsis_msg2rf_ssid}, AprsisMsg2rfPath, Message::AprsisMsg2rfPathSsid,
               Subject::AprsisMsg2rfPath);
  Number(f_.Rfheard_local_maxhops, RfheardLocalMaxhops, {0, 8}, Message::RfheardLocalMaxhops);
  Number(f_.Rfheard_local_timeout, RfheardLocalTimeout, Minutes240, Message::RfheardLocalTimeout);
  List(f_.Aprsis_packet2rf, AprsisPacket2rf);
  OptionalPath({f_.Aprsis_packet2rf_path, f_.Aprsis_packet2rf_ssid}, AprsisPacket2rfPath,
               Message::AprsisPacket2rfPathSsid, Subject::AprsisPacket2rfPath);
  List(f_.Aprsis_packet2rf_ifheard, AprsisPacket2rfIfheard);
  Number(f_.Rfheard_timeout, RfheardTimeout, Minutes240, Message::RfheardTimeout);
  Number(f_.Aprsis_packet2rf_1min, AprsisPacket2rf1min, Minutes240, Message::AprsisPacket2rf1min);
  Number(f_.Aprsis_packet2rf_2min, AprsisPacket2rf2min, Minutes240, Message::AprsisPacket2rf2min);
  Number(f_.Aprsis_packet2rf_3min, AprsisPacket2rf3min, Minutes240, Message::AprsisPacket2rf3min);
}

void Encoder::PacketFilter() {
  for (int n = 1; n <= PacketFilters.count; ++n) {
    const TFilterRow row = Form4->FilterRow(n - 1);
    const std::size_t entry = PacketFilters.At(n);
    FilterEntry({row.Callsign, row.Ssid}, Shifted(PacketFilterEntry::Callsign, entry), Message::PacketFilterSsid,
                Subject::PacketFilterCallsign, n);
    List(row.Type, Shifted(PacketFilterEntry::Type, entry));
  }
}

void Encoder::TimeAndRemoteAccess() {
  UncheckedNumber(f_.Rtcyear, RtcYear);
  UncheckedNumber(f_.Rtcmonth, RtcMonth);
  UncheckedNumber(f_.Rtcday, RtcDay);
  UncheckedNumber(f_.Rtchour, RtcHour);
  UncheckedNumber(f_.Rtcmin, RtcMinute);
  Put(image_, NtpEnable, f_.Ntp_enable->Checked() ? 1u : 0u);
  Text(f_.Ntp_servername->Text(), NtpServername, Subject::NtpServername);
  Text(f_.www_user->Text(), WwwUser, Subject::WwwUser);
  Text(f_.www_password->Text(), WwwPassword, Subject::WwwPassword);
  Number(f_.www_port, WwwPort, Port, Message::WwwPort);
  Text(f_.telnet_user->Text(), TelnetUser, Subject::TelnetUser);
  Text(f_.telnet_password->Text(), TelnetPassword, Subject::TelnetPassword);
  Number(f_.telnet_port, TelnetPort, Port, Message::TelnetPort);
  std::uint32_t debugBits = 0;
  int bit = 0;
  for (TComboBox* list : DebugLists(f_)) debugBits |= (static_cast<std::uint32_t>(list->ItemIndex()) & 1u) << bit++;
  Put(image_, U16Field{DebugFlags}, debugBits);
  List(f_.kisstcpip_enable, KisstcpipEnable);
  Number(f_.kisstcpip_port, KisstcpipPort, Port, Message::KisstcpipPort);
}

void Encoder::Telemetry() {
  Destination({f_.Teledata_dest_string, f_.Teledata_dest_ssid}, TeledataDest, Message::TeledataDestTooShort,
              Message::TeledataDestSsid, Subject::TeledataDest);
  OptionalPath({f_.Teledata_path_string, f_.Teledata_path_ssid}, TeledataPath, Message::TeledataPathSsid,
               Subject::TeledataPath);
  Number(f_.Teledata_txrate_rf, TeledataTxrateRf, Rate, Message::TeledataTxrateRf);
  Number(f_.Teledata_txrate_aprsis, TeledataTxrateAprsis, Rate, Message::TeledataTxrateAprsis);
  Destination({f_.Teleparams_dest_string, f_.Teleparams_dest_ssid}, TeleparamsDest, Message::TeleparamsDestTooShort,
              Message::TeleparamsDestSsid, Subject::TeleparamsDest);
  OptionalPath({f_.Teleparams_path_string, f_.Teleparams_path_ssid}, TeleparamsPath, Message::TeleparamsPathSsid,
               Subject::TeleparamsPath);
  Number(f_.Teleparams_txrate_rf, TeleparamsTxrateRf, Rate, Message::TeleparamsTxrateRf);
  Number(f_.Teleparams_txrate_aprsis, TeleparamsTxrateAprsis, Rate, Message::TeleparamsTxrateAprsis);
  Text(f_.Teletitle->Text(), Layout::Teletitle, Subject::Teletitle);
  List(f_.Tele_enable, TeleEnable);
  Number(f_.Tele_holdoff, TeleHoldoff, {0, 250}, Message::TeleHoldoff);
  int n = 1;
  for (const AnalogChannelControls& channel : AnalogChannelRecords(f_)) {
    const std::size_t slot = AnalogChannels.At(n);
    List(channel.source, Shifted(AnalogChannelSlot::Source, slot));
    Text(channel.name->Text(), Shifted(AnalogChannelSlot::Name, slot), Subject::AnalogName, n);
    Text(channel.units->Text(), Shifted(AnalogChannelSlot::Units, slot), Subject::AnalogUnits, n);
    Text(channel.coefa->Text(), Shifted(AnalogChannelSlot::Coefa, slot), Subject::AnalogCoefa, n);
    Text(channel.coefb->Text(), Shifted(AnalogChannelSlot::Coefb, slot), Subject::AnalogCoefb, n);
    Text(channel.coefc->Text(), Shifted(AnalogChannelSlot::Coefc, slot), Subject::AnalogCoefc, n);
    List(channel.average, Shifted(AnalogChannelSlot::Average, slot));
    ++n;
  }
  n = 1;
  for (const DigitalChannelControls& channel : DigitalChannelRecords(f_)) {
    const std::size_t slot = DigitalChannels.At(n);
    List(channel.source, Shifted(DigitalChannelSlot::Source, slot));
    Text(channel.name->Text(), Shifted(DigitalChannelSlot::Name, slot), Subject::DigitalName, n);
    Text(channel.units->Text(), Shifted(DigitalChannelSlot::Units, slot), Subject::DigitalUnits, n);
    List(channel.inverted, Shifted(DigitalChannelSlot::Inverted, slot));
    ++n;
  }
  n = 1;
  for (TComboBox* output : BrenvikOutputLists(f_)) List(output, ByteField{BrenvikOutputs.At(n++)});
}

void Encoder::Weather() {
  Destination({f_.Weather_dest_string, f_.Weather_dest_ssid}, WeatherDest, Message::WeatherDestTooShort,
              Message::WeatherDestSsid, Subject::WeatherDest);
  OptionalPath({f_.Weather_path_string, f_.Weather_path_ssid}, WeatherPath, Message::WeatherPathSsid,
               Subject::WeatherPath);
  Number(f_.Weather_txrate_rf, WeatherTxrateRf, Rate, Message::WeatherTxrateRf);
  Number(f_.Weather_txrate_aprsis, WeatherTxrateAprsis, Rate, Message::WeatherTxrateAprsis);
  PrintableText(f_.Weather_comment, WeatherComment, Subject::WeatherComment);
}

void Encoder::WeatherService() {
  List(f_.WU_enable, WuEnable);
  Text(f_.WU_stationid->Text(), WuStationid, Subject::WuStationid);
  Text(f_.WU_password->Text(), WuPassword, Subject::WuPassword);
  Text(f_.WU_normalserver->Text(), WuNormalserver, Subject::WuNormalserver);
  Text(f_.WU_rapidfireserver->Text(), WuRapidfireserver, Subject::WuRapidfireserver);
  List(f_.WU_sendmethod, WuSendmethod);
  StoredThenChecked(f_.WU_normalrate, WuNormalrate, Minutes240, Message::WuNormalrate);
  StoredThenChecked(f_.WU_rapidfirerate, WuRapidfirerate, {5, 60}, Message::WuRapidfirerate);
}

void Encoder::ExternalInterfaces() {
  for (const ListField& entry : ExternalInterfaceLists(f_)) List(entry.list, entry.field);
}

void Encoder::Finish() {
  std::memcpy(image_ + EndMarker, EndMarkerText, EndMarkerLength);
  Random32 generator(static_cast<std::uint32_t>(CalendarTime()));
  Put(image_, Stamp, static_cast<std::uint32_t>(generator.Next() % StampModulus));
  PutU32(image_, Checksum, ImageChecksum(image_));
}

void Encoder::Run() {
  std::memset(image_, 0, ConfigurationImageSize);
  std::memcpy(image_ + Version.offset, ConfigurationVersion, std::strlen(ConfigurationVersion));
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
  Finish();
}

}  // namespace

int EncodeConfigurationImage(TForm1* form) {
  try {
    Encoder(*form, form->ConfigurationImagePtr).Run();
  } catch (const Refusal& refusal) {
    InformationBox(refusal.message);
    return 0;
  }
  return 1;
}
