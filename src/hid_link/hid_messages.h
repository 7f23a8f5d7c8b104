#pragma once
// The HID edition's texts: log lines and boxes.

inline constexpr char RudiFoundLine[] = "Pelnor Rudi found, vid: Vid_0483, pid: A04C";
inline constexpr char RudiNotFoundLine[] = "Pelnor Rudi not found.";
inline constexpr char AllocationFailureText[] = "Allocation PropertyValueBuffer impossible";
inline constexpr char FirmwareVersionFormat[] = "Firmware version: %.2f";

// Page lines: the prefix, then "page/total" counted from 1.
inline constexpr char PageWrittenPrefix[] = "Page written: ";
inline constexpr char PageWriteErrorPrefix[] = "Page write error: ";
inline constexpr char PageReadPrefix[] = "Page read: ";
inline constexpr char PageReadErrorPrefix[] = "Page read error: ";

inline constexpr char EepromWriteSuccessLine[] = "Eeprom write success";
inline constexpr char EepromReadSuccessLine[] = "Eeprom read success.";
inline constexpr char EepromChecksumErrorLine[] = "Eeprom checksum error. Please reload configuration.";
inline constexpr char EepromReadErrorLine[] = "Eeprom read error. Please reload configuration.";
inline constexpr char FirmwareUpgradeSuccessLine[] = "Firmware upgrade success";

// Diagnostic log only: what to check when the device is not found or does
// not open.
inline constexpr char NotFoundHint[] =
    "check that the device is plugged in and in its USB mode: lsusb (in the package usbutils) lists it as "
    "0483:a04c; see TROUBLESHOOTING in pelnor_configurator_hid(1)";
inline constexpr char OpenFailureHint[] =
    "check that the udev rule 70-pelnor-rudi.rules is installed, then unplug the device and plug it in again; "
    "see TROUBLESHOOTING in pelnor_configurator_hid(1)";
