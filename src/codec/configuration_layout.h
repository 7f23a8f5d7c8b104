#pragma once
// The configuration image as it lies in the device's EEPROM: every field's
// place, defined once. Numbers are little-endian.
#include <cstddef>
#include <cstdint>

constexpr std::size_t ConfigurationImageSize = 2048;

// Field kinds, each holding its offset in the image (or in its record).
struct U8Field { std::size_t offset; };
struct U16Field { std::size_t offset; };
struct I32Field { std::size_t offset; };
struct ByteField { std::size_t offset; };  // item index, flag bits, check flag
struct TextSlot { std::size_t offset; std::size_t size; };  // text, NUL, zeros
struct CallsignSlot { std::size_t callsign; std::size_t ssid; };  // 6 bytes, SSID byte
constexpr std::size_t CallsignLength = 6;

// A repeated record: record n (counted from 1) starts at start + stride * (n - 1).
struct RecordLayout {
  std::size_t start;
  std::size_t stride;
  int count;
  constexpr std::size_t At(int n) const { return start + stride * static_cast<std::size_t>(n - 1); }
};

constexpr U8Field Shifted(U8Field f, std::size_t base) { return {base + f.offset}; }
constexpr U16Field Shifted(U16Field f, std::size_t base) { return {base + f.offset}; }
constexpr I32Field Shifted(I32Field f, std::size_t base) { return {base + f.offset}; }
constexpr ByteField Shifted(ByteField f, std::size_t base) { return {base + f.offset}; }
constexpr TextSlot Shifted(TextSlot f, std::size_t base) { return {base + f.offset, f.size}; }
constexpr CallsignSlot Shifted(CallsignSlot f, std::size_t base) { return {base + f.callsign, base + f.ssid}; }

namespace Layout {

// Header.
constexpr std::size_t Checksum = 0;
constexpr std::size_t ChecksumFirst = 4;
constexpr std::size_t ChecksumLength = 2028;
constexpr U16Field Stamp{4};
constexpr TextSlot Version{6, 6};
constexpr std::size_t VersionNulGuard = 13;  // a refused image gets a NUL here
constexpr std::size_t EndMarker = 2026;
constexpr char EndMarkerText[] = "END";
constexpr std::size_t EndMarkerLength = 3;

// Station and radio.
constexpr CallsignSlot Station{14, 20};
constexpr U16Field Txdelay{22};
constexpr U16Field Quiettime{24};
constexpr ByteField QuiettimeRandomize{26};
constexpr ByteField Digion{27};
constexpr U8Field Floodtimeout{28};
constexpr TextSlot Latitude{29, 9};
constexpr TextSlot Longitude{38, 10};
constexpr ByteField Ptt{48};
constexpr ByteField Busydetect{49};
constexpr ByteField ConsecutivePackets{50};

// Weather report.
constexpr ByteField WeatherStationtype{52};
constexpr CallsignSlot WeatherDest{53, 59};
constexpr CallsignSlot WeatherPath{60, 66};
constexpr U16Field WeatherTxrateRf{68};
constexpr U16Field WeatherTxrateAprsis{70};
constexpr TextSlot WeatherComment{72, 33};

// APRS-IS.
constexpr TextSlot AprsisUser{106, 17};
constexpr TextSlot AprsisPass{123, 17};
constexpr RecordLayout AprsisServers{140, 34, 3};
namespace AprsisServer {
constexpr TextSlot Name{0, 32};
constexpr U16Field Port{32};
}  // namespace AprsisServer
constexpr U8Field AprsisTimeout{242};
constexpr TextSlot AprsisFilter{243, 129};
constexpr U8Field AprsisHeardTimeout{372};
constexpr CallsignSlot Aprsis2rfDest{373, 379};
constexpr ByteField AprsisFromrf{380};
constexpr ByteField AprsisMsg2rf{381};
constexpr CallsignSlot AprsisMsg2rfPath{382, 388};
constexpr U8Field RfheardLocalMaxhops{389};
constexpr U8Field RfheardLocalTimeout{390};
constexpr ByteField AprsisPacket2rf{391};
constexpr ByteField AprsisPacket2rfIfheard{392};
constexpr U8Field RfheardTimeout{393};
constexpr U8Field AprsisPacket2rf1min{394};
constexpr U8Field AprsisPacket2rf2min{395};
constexpr U8Field AprsisPacket2rf3min{396};
constexpr CallsignSlot AprsisPacket2rfPath{397, 403};
constexpr RecordLayout PacketFilters{404, 8, 12};
namespace PacketFilterEntry {
constexpr CallsignSlot Callsign{0, 6};
constexpr ByteField Type{7};
}  // namespace PacketFilterEntry

// Time and network.
constexpr ByteField NtpEnable{500};
constexpr TextSlot NtpServername{501, 32};
constexpr ByteField Netconfig{533};
constexpr std::size_t IpAddress = 534;  // four octets each, first octet first
constexpr std::size_t IpGateway = 538;
constexpr std::size_t IpMask = 542;
constexpr std::size_t IpDns = 546;
constexpr U16Field RtcYear{550};
constexpr U8Field RtcMonth{552};
constexpr U8Field RtcDay{553};
constexpr U8Field RtcHour{554};
constexpr U8Field RtcMinute{555};

// Beacons.
constexpr RecordLayout Beacons{556, 84, 8};
namespace BeaconSlot {
constexpr CallsignSlot Dest{0, 6};
constexpr CallsignSlot Path{7, 13};
constexpr U16Field TxrateRf{14};
constexpr U16Field TxrateAprsis{16};
constexpr TextSlot Message{18, 65};
constexpr ByteField Enable{83};
}  // namespace BeaconSlot

// Digipeater paths and areas.
constexpr RecordLayout DigiPaths{1228, 9, 8};
namespace DigiPathEntry {
constexpr TextSlot Name{0, 6};
constexpr U8Field Lower{6};
constexpr U8Field Higher{7};
constexpr ByteField Flags{8};
}  // namespace DigiPathEntry
namespace PathFlags {
constexpr std::uint8_t ActiveMask = 0x03;
constexpr int TraceableBit = 2;
constexpr int DirectonlyBit = 3;
constexpr int AreaallBit = 4;
constexpr int Arearad0Bit = 5;
constexpr int Arearad1Bit = 6;
constexpr int Arearect0Bit = 7;
}  // namespace PathFlags
constexpr U16Field AreaRad0Radius{1300};
constexpr U16Field AreaRad1Radius{1302};
constexpr I32Field AreaRad1Latitude{1304};
constexpr I32Field AreaRad1Longitude{1308};
constexpr I32Field AreaRect0NwLatitude{1312};
constexpr I32Field AreaRect0NwLongitude{1316};
constexpr I32Field AreaRect0SeLatitude{1320};
constexpr I32Field AreaRect0SeLongitude{1324};
constexpr ByteField CallfilterRule{1328};
constexpr RecordLayout CallFilters{1329, 7, 10};
namespace CallFilterEntry {
constexpr CallsignSlot Callsign{0, 6};
}  // namespace CallFilterEntry

// Remote access.
constexpr TextSlot WwwUser{1399, 13};
constexpr TextSlot WwwPassword{1412, 14};
constexpr U16Field WwwPort{1426};
constexpr TextSlot TelnetUser{1428, 13};
constexpr TextSlot TelnetPassword{1441, 13};
constexpr U16Field TelnetPort{1454};
constexpr ByteField KisstcpipEnable{1456};
constexpr U16Field KisstcpipPort{1458};
constexpr std::size_t DebugFlags = 1460;  // 13 bits over two bytes

// Telemetry.
constexpr TextSlot Teletitle{1462, 24};
constexpr ByteField TeleEnable{1486};
constexpr ByteField TelemoduleEnable{1487};
constexpr ByteField BitsmoduleEnable{1488};
constexpr CallsignSlot TeledataDest{1489, 1495};
constexpr CallsignSlot TeledataPath{1496, 1502};
constexpr U16Field TeledataTxrateRf{1504};
constexpr U16Field TeledataTxrateAprsis{1506};
constexpr CallsignSlot TeleparamsDest{1508, 1514};
constexpr CallsignSlot TeleparamsPath{1515, 1521};
constexpr U16Field TeleparamsTxrateRf{1522};
constexpr U16Field TeleparamsTxrateAprsis{1524};
constexpr RecordLayout AnalogChannels{1526, 45, 5};
namespace AnalogChannelSlot {
constexpr ByteField Source{0};
constexpr TextSlot Name{1, 8};
constexpr TextSlot Units{9, 8};
constexpr TextSlot Coefa{17, 9};
constexpr TextSlot Coefb{26, 9};
constexpr TextSlot Coefc{35, 9};
constexpr ByteField Average{44};
}  // namespace AnalogChannelSlot
constexpr RecordLayout DigitalChannels{1751, 16, 8};
namespace DigitalChannelSlot {
constexpr ByteField Source{0};
constexpr TextSlot Name{1, 7};
constexpr TextSlot Units{8, 7};
constexpr ByteField Inverted{15};
}  // namespace DigitalChannelSlot
constexpr RecordLayout BrenvikOutputs{1879, 1, 4};
constexpr U8Field TeleHoldoff{1883};

// Weather service.
constexpr ByteField WuEnable{1884};
constexpr TextSlot WuStationid{1885, 25};
constexpr TextSlot WuPassword{1910, 25};
constexpr TextSlot WuNormalserver{1935, 40};
constexpr TextSlot WuRapidfireserver{1975, 40};
constexpr ByteField WuSendmethod{2015};
constexpr U8Field WuNormalrate{2016};
constexpr U8Field WuRapidfirerate{2017};

// External interfaces.
constexpr ByteField GpsBaudrate{2018};
constexpr ByteField BluetoothConnected{2019};
constexpr ByteField Serial1Mode{2020};
constexpr ByteField KissBaudrate{2021};
constexpr ByteField KissDirection{2022};
constexpr ByteField KissCheck{2023};
constexpr ByteField GammaBaudrate{2024};
constexpr ByteField GammaUnits{2025};

}  // namespace Layout

// Sum of the bytes of the checksum range, as stored at offset 0.
std::uint32_t ImageChecksum(const std::uint8_t* image);
// True when the image carries "END" at its end marker position.
bool HasImageEndMarker(const std::uint8_t* image);
