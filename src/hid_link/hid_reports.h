#pragma once
// The four exchanges with the device: one request report out on
// HidWriteHandle, one reply report back on HidReadHandle. None of them logs.
#include <cstddef>
#include <cstdint>

#include "configuration_layout.h"
#include "hid_system.h"

class TForm;

constexpr std::size_t HidPageSize = 32;

enum THidCommand : std::uint8_t {
  HidFirmwarePageWrite = 0xFE,
  HidConfigPageWrite = 0xFD,
  HidConfigPageRead = 0xFC,
  HidFirmwareVersion = 0xFB,
};

// Report layout (byte 0 is the report ID, always 0; numbers little-endian).
namespace HidReport {
constexpr std::size_t Command = 1;
constexpr U16Field PageIndex{2};
constexpr std::size_t PageBytes = 4;  // HidPageSize bytes
constexpr U16Field PageSum{36};       // the page bytes added
constexpr std::size_t Version = 2;    // u32, firmware version times 100
}  // namespace HidReport

// The request report; page may be null (no page bytes, no sum).
THidReport HidRequest(THidCommand command, std::uint16_t pageIndex, const std::uint8_t* page);

bool WriteFirmwarePage(const std::uint8_t* page, std::uint16_t pageIndex);
bool WriteConfigurationPage(const std::uint8_t* page, std::uint16_t pageIndex);
// Copies the page to destination only when a good page arrived.
bool ReadConfigurationPage(std::uint8_t* destination, std::uint16_t pageIndex);
// Shows "Firmware version: x.xx" in a plain box once the version arrived,
// unless the form's window has closed meanwhile.
bool ShowFirmwareVersion(TForm& form);
