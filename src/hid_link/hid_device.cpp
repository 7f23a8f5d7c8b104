#include "hid_device.h"

#include <algorithm>
#include <cctype>
#include <new>
#include <string>

#include "Unit1.h"
#include "hex_bytes.h"
#include "hid_messages.h"
#include "log_categories.h"

std::unique_ptr<THidHandle> HidWriteHandle;
std::unique_ptr<THidHandle> HidReadHandle;

namespace {

std::string LowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// As many reports as hidraw queues for one handle; a device that keeps
// sending cannot hold the open longer than that.
constexpr int MostQueuedReports = 64;

// A reply that came after its wait ran out is still handed to the next
// open; an operation must see only replies to its own requests.
void DiscardQueuedReports(THidHandle& handle) {
  THidReport report;
  for (int discarded = 0; discarded < MostQueuedReports; ++discarded) {
    const std::size_t length = handle.ReadQueuedReport(report);
    if (length == 0) return;
    qCInfo(lcHid).noquote() << "discarded a report queued before this operation:" << HexBytes(report.data(), length);
  }
}

void LogSeenInterfaces(const std::vector<THidInterface>& interfaces) {
  for (const THidInterface& seen : interfaces) {
    const std::string firstId = seen.HardwareIds.empty() ? "(no hardware ID)" : seen.HardwareIds.front();
    qCInfo(lcHid).noquote() << "interface" << QString::fromStdString(seen.DevicePath)
                            << QString::fromStdString(firstId);
  }
}

std::unique_ptr<THidHandle> OpenLogged(THidSystem& system, const std::string& path, THidAccess access) {
  auto handle = system.Open(path, access);
  if (!handle) {
    qCInfo(lcHid).noquote() << "cannot open" << QString::fromStdString(path)
                            << (access == THidAccess::Write ? "for writing:" : "for reading:")
                            << QString::fromStdString(system.LastError()) << "-" << OpenFailureHint;
  }
  return handle;
}

}  // namespace

bool MatchesHidDevice(const THidInterface& hidInterface) {
  if (hidInterface.HardwareIds.empty()) return false;
  return LowerCase(hidInterface.HardwareIds.front()).find(LowerCase(HidDeviceMatch)) != std::string::npos;
}

bool OpenHidDevice(TForm1& form) {
  THidSystem& system = HidSystem();
  std::vector<THidInterface> interfaces;
  try {
    interfaces = system.PresentInterfaces();
  } catch (const std::bad_alloc&) {
    PlainMessageBox(AllocationFailureText);
    return false;
  }
  LogSeenInterfaces(interfaces);
  const auto match = std::find_if(interfaces.begin(), interfaces.end(), MatchesHidDevice);
  if (match == interfaces.end()) {
    qCInfo(lcHid).noquote() << "none of" << interfaces.size() << "interfaces matches"
                            << LowerCase(HidDeviceMatch).c_str() << "-" << NotFoundHint;
    form.Memo1->AddLine(RudiNotFoundLine);
    return false;
  }
  qCInfo(lcHid).noquote() << "matched" << QString::fromStdString(match->DevicePath);
  // The read handle is opened only when the write handle opened; a handle
  // that did not open fails the operation's first exchange.
  HidWriteHandle = OpenLogged(system, match->DevicePath, THidAccess::Write);
  HidReadHandle = HidWriteHandle ? OpenLogged(system, match->DevicePath, THidAccess::Read) : nullptr;
  if (HidReadHandle) DiscardQueuedReports(*HidReadHandle);
  form.Memo1->AddLine(RudiFoundLine);
  return true;
}

void CloseHidDevice() {
  HidWriteHandle.reset();
  HidReadHandle.reset();
}
