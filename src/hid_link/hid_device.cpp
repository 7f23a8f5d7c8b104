#include "hid_device.h"

#include <algorithm>
#include <cctype>
#include <new>
#include <string>

#include "Unit1.h"
#include "hid_messages.h"

std::unique_ptr<THidHandle> HidWriteHandle;
std::unique_ptr<THidHandle> HidReadHandle;

namespace {

std::string LowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// A reply that came after its wait ran out is still handed to the next
// open; an operation must see only replies to its own requests.
void DiscardQueuedReports(THidHandle& handle) {
  THidReport report;
  while (handle.ReadQueuedReport(report) > 0) {
  }
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
  const auto match = std::find_if(interfaces.begin(), interfaces.end(), MatchesHidDevice);
  if (match == interfaces.end()) {
    form.Memo1->AddLine(RudiNotFoundLine);
    return false;
  }
  // The read handle is opened only when the write handle opened; a handle
  // that did not open fails the operation's first exchange.
  HidWriteHandle = system.Open(match->DevicePath, THidAccess::Write);
  HidReadHandle = HidWriteHandle ? system.Open(match->DevicePath, THidAccess::Read) : nullptr;
  if (HidReadHandle) DiscardQueuedReports(*HidReadHandle);
  form.Memo1->AddLine(RudiFoundLine);
  return true;
}

void CloseHidDevice() {
  HidWriteHandle.reset();
  HidReadHandle.reset();
}
