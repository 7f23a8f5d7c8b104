#pragma once
// The log lines of the three transfers; "%d" is a page index.
#include <cstdint>
#include <string>

inline constexpr char FirmwarePageSentLine[] = "Firmware page sent [%d].";
inline constexpr char EepromPageSentLine[] = "Eeprom page sent [%d].";
inline constexpr char EepromReadRequestLine[] = "Eeprom read request, page [%d].";
inline constexpr char PageReceiveAckLine[] = "Page receive ack.";
inline constexpr char SendFinishedLine[] = "Send finished.";
inline constexpr char EepromPageReceivedLine[] = "Eeprom page received.";
inline constexpr char EepromReadFinishedLine[] = "Eeprom read finished.";
inline constexpr char EepromReadChecksumErrorLine[] =
    "Eeprom read checksum error. Please upload new eeprom data to device.";

// A transfer button pressed while no port is open.
inline constexpr char NoPortOpenLine[] = "No port open. Press Open port first.";
// The first read or write of the port that fails, once for each open.
inline constexpr char SerialPortLostLine[] = "Serial port lost. Press Close port, then Open port.";
// "Close port" ending a transfer before its end line.
inline constexpr char FirmwareUploadStoppedLine[] = "Firmware upload stopped before it finished.";
inline constexpr char EepromWriteStoppedLine[] = "Eeprom write stopped before it finished.";
inline constexpr char EepromReadStoppedLine[] = "Eeprom read stopped before it finished.";

// One of the "%d" lines with the page index put in.
std::string PageLine(const char* format, std::uint32_t page);
