#include "hid_reports.h"

#include <locale.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "dialogs.h"
#include "hid_device.h"
#include "hid_messages.h"
#include "image_fields.h"

namespace {

std::uint16_t PageSum(const std::uint8_t* page) {
  std::uint16_t sum = 0;
  for (std::size_t i = 0; i < HidPageSize; ++i) sum = static_cast<std::uint16_t>(sum + page[i]);
  return sum;
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

// The version text with a full stop for the decimal point, whatever the
// locale the user runs in.
std::string FirmwareVersionText(std::uint32_t version) {
  const locale_t c = newlocale(LC_NUMERIC_MASK, "C", nullptr);
  const locale_t previous = c ? uselocale(c) : nullptr;
  char text[64];
  std::snprintf(text, sizeof text, FirmwareVersionFormat, version / 100.0);
  if (c) {
    uselocale(previous);
    freelocale(c);
  }
  return text;
}

}  // namespace

THidReport HidRequest(THidCommand command, std::uint16_t pageIndex, const std::uint8_t* page) {
  THidReport request{};
  request[HidReport::Command] = command;
  Put(request.data(), HidReport::PageIndex, pageIndex);
  if (page) {
    std::copy(page, page + HidPageSize, request.begin() + HidReport::PageBytes);
    Put(request.data(), HidReport::PageSum, PageSum(page));
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
  if (PageSum(page) != Get(reply->data(), HidReport::PageSum)) return false;
  std::copy(page, page + HidPageSize, destination);
  return true;
}

bool ShowFirmwareVersion() {
  const auto reply = Exchange(HidRequest(HidFirmwareVersion, 0, nullptr));
  if (!reply) return false;
  PlainMessageBox(FirmwareVersionText(GetU32(reply->data(), HidReport::Version)));
  return true;
}
