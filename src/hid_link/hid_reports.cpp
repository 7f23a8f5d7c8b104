#include "hid_reports.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "dialogs.h"
#include "hid_device.h"
#include "hid_messages.h"

namespace {

std::uint16_t PageSum(const std::uint8_t* page) {
  std::uint16_t sum = 0;
  for (std::size_t i = 0; i < HidPageSize; ++i) sum = static_cast<std::uint16_t>(sum + page[i]);
  return sum;
}

void PutU16(THidReport& report, std::size_t offset, std::uint16_t value) {
  report[offset] = static_cast<std::uint8_t>(value);
  report[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint16_t GetU16(const THidReport& report, std::size_t offset) {
  return static_cast<std::uint16_t>(report[offset] | report[offset + 1] << 8);
}

std::uint32_t GetU32(const THidReport& report, std::size_t offset) {
  return static_cast<std::uint32_t>(report[offset]) | static_cast<std::uint32_t>(report[offset + 1]) << 8 |
         static_cast<std::uint32_t>(report[offset + 2]) << 16 | static_cast<std::uint32_t>(report[offset + 3]) << 24;
}

// Sends the request and returns the reply when whole reports moved both
// ways and the reply names the request's command.
std::optional<THidReport> Exchange(const THidReport& request) {
  if (!HidWriteHandle || HidWriteHandle->WriteReport(request) != HidReportSize) return std::nullopt;
  THidReport reply{};
  if (!HidReadHandle || HidReadHandle->ReadReport(reply) != HidReportSize) return std::nullopt;
  if (reply[HidReport::Command] != request[HidReport::Command]) return std::nullopt;
  return reply;
}

}  // namespace

THidReport HidRequest(THidCommand command, std::uint16_t pageIndex, const std::uint8_t* page) {
  THidReport request{};
  request[HidReport::Command] = command;
  PutU16(request, HidReport::PageIndex, pageIndex);
  if (page) {
    std::copy(page, page + HidPageSize, request.begin() + HidReport::PageBytes);
    PutU16(request, HidReport::PageSum, PageSum(page));
  }
  return request;
}

bool WriteFirmwarePage(const std::uint8_t* page, std::uint16_t pageIndex) {
  return Exchange(HidRequest(HidFirmwarePageWrite, pageIndex, page)).has_value();
}

bool WriteConfigurationPage(const std::uint8_t* page, std::uint16_t pageIndex) {
  return Exchange(HidRequest(HidConfigPageWrite, pageIndex, page)).has_value();
}

bool ReadConfigurationPage(std::uint8_t* destination, std::uint16_t pageIndex) {
  const auto reply = Exchange(HidRequest(HidConfigPageRead, pageIndex, nullptr));
  if (!reply) return false;
  const std::uint8_t* page = reply->data() + HidReport::PageBytes;
  if (PageSum(page) != GetU16(*reply, HidReport::PageSum)) return false;
  std::copy(page, page + HidPageSize, destination);
  return true;
}

bool ShowFirmwareVersion() {
  const auto reply = Exchange(HidRequest(HidFirmwareVersion, 0, nullptr));
  if (!reply) return false;
  char text[64];
  std::snprintf(text, sizeof text, FirmwareVersionFormat, GetU32(*reply, HidReport::Version) / 100.0);
  PlainMessageBox(text);
  return true;
}
