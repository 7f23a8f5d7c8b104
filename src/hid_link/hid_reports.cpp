#include "hid_reports.h"

#include <locale.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "dialogs.h"
#include "hex_bytes.h"
#include "hid_device.h"
#include "hid_messages.h"
#include "image_fields.h"
#include "log_categories.h"
#include "window_close.h"

namespace {

std::uint16_t PageSum(const std::uint8_t* page) {
  std::uint16_t sum = 0;
  for (std::size_t i = 0; i < HidPageSize; ++i) sum = static_cast<std::uint16_t>(sum + page[i]);
  return sum;
}

// Why the exchange of this request failed, for the diagnostic log.
void LogFailure(const THidReport& request, const QString& reason) {
  qCInfo(lcHid).noquote() << "command" << HexBytes(&request[HidReport::Command], 1) << "page index"
                          << Get(request.data(), HidReport::PageIndex) << "failed:" << reason;
}

QString ShortReport(const char* what, std::size_t moved) {
  return QStringLiteral("short %1: %2 of %3 bytes").arg(what).arg(moved).arg(HidReportSize);
}

// Sends the request and returns the reply when whole reports moved both
// ways and the reply names the request's command.
std::optional<THidReport> Exchange(const THidReport& request) {
  if (!HidWriteHandle) {
    LogFailure(request, QStringLiteral("the device is not open for writing"));
    return std::nullopt;
  }
  qCDebug(lcHidTrace).noquote() << "sent" << HexBytes(request.data(), request.size());
  const std::size_t written = HidWriteHandle->WriteReport(request);
  if (written != HidReportSize) {
    LogFailure(request, ShortReport("write", written));
    return std::nullopt;
  }
  if (!HidReadHandle) {
    LogFailure(request, QStringLiteral("the device is not open for reading"));
    return std::nullopt;
  }
  THidReport reply{};
  const std::size_t read = HidReadHandle->ReadReport(reply);
  if (read == 0) {
    LogFailure(request, QStringLiteral("no report within %1 ms").arg(HidReportWaitMilliseconds));
    return std::nullopt;
  }
  qCDebug(lcHidTrace).noquote() << "received" << HexBytes(reply.data(), read);
  if (read != HidReportSize) {
    LogFailure(request, ShortReport("read", read));
    return std::nullopt;
  }
  if (reply[HidReport::Command] != request[HidReport::Command]) {
    LogFailure(request, "wrong command byte in the reply: " + HexBytes(&reply[HidReport::Command], 1));
    return std::nullopt;
  }
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
  const THidReport request = HidRequest(HidConfigPageRead, pageIndex, nullptr);
  const auto reply = Exchange(request);
  if (!reply) return false;
  const std::uint8_t* page = reply->data() + HidReport::PageBytes;
  if (PageSum(page) != Get(reply->data(), HidReport::PageSum)) {
    LogFailure(request, QStringLiteral("bad sum: the reply gives %1, its page bytes add to %2")
                           .arg(Get(reply->data(), HidReport::PageSum))
                           .arg(PageSum(page)));
    return false;
  }
  std::copy(page, page + HidPageSize, destination);
  return true;
}

bool ShowFirmwareVersion(TForm& form) {
  const auto reply = Exchange(HidRequest(HidFirmwareVersion, 0, nullptr));
  if (!reply || WindowClosed(form)) return false;
  PlainMessageBox(FirmwareVersionText(GetU32(reply->data(), HidReport::Version)));
  return true;
}
