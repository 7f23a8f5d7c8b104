#include "hidapi_system.h"

#include <hidapi/hidapi.h>

#include <memory>

#include "bounded_report_writer.h"
#include "deferred_paint.h"
#include "hardware_ids.h"
#include "log_categories.h"

namespace {

std::string Narrow(const wchar_t* text) {
  std::string narrow;
  for (; text && *text; ++text) narrow += *text < 0x80 ? static_cast<char>(*text) : '?';
  return narrow;
}

// One hid_open_path of a device path for each handle. hidapi takes the
// report-ID byte in front of a written report and counts it; it returns an
// unnumbered report without it, so the read handle puts the byte back.
class HidapiWriteHandle : public THidHandle {
 public:
  explicit HidapiWriteHandle(hid_device* device)
      : writer_([owned = std::shared_ptr<hid_device>(device, hid_close)](const THidReport& report) {
          const int written = hid_write(owned.get(), report.data(), report.size());
          if (written < 0) qCInfo(lcHid).noquote() << "report write failed:" << Narrow(hid_error(owned.get())).c_str();
          return written;
        }) {}
  std::size_t WriteReport(const THidReport& report) override { return writer_.Write(report); }
  std::size_t ReadReport(THidReport&) override { return 0; }
  std::size_t ReadQueuedReport(THidReport&) override { return 0; }

 private:
  BoundedReportWriter writer_;
};

class HidapiReadHandle : public THidHandle {
 public:
  explicit HidapiReadHandle(hid_device* device) : device_(device) {}
  ~HidapiReadHandle() override { hid_close(device_); }
  HidapiReadHandle(const HidapiReadHandle&) = delete;
  HidapiReadHandle& operator=(const HidapiReadHandle&) = delete;

  std::size_t WriteReport(const THidReport&) override { return 0; }
  std::size_t ReadReport(THidReport& report) override { return Read(report, HidReportWaitMilliseconds); }
  std::size_t ReadQueuedReport(THidReport& report) override { return Read(report, 0); }

 private:
  std::size_t Read(THidReport& report, int waitMilliseconds) {
    report.fill(0);
    int read = 0;
    WaitDrawingOnTime(waitMilliseconds, [&](int milliseconds) {
      read = hid_read_timeout(device_, report.data() + 1, report.size() - 1, milliseconds);
      return read != 0;
    });
    if (read < 0) qCInfo(lcHid).noquote() << "report read failed:" << Narrow(hid_error(device_)).c_str();
    return read <= 0 ? 0 : static_cast<std::size_t>(read) + 1;
  }

  hid_device* device_;
};

}  // namespace

std::vector<THidInterface> HidapiSystem::PresentInterfaces() {
  std::vector<THidInterface> interfaces;
  // NULL stands both for "no device" and for a failure: an empty list.
  hid_device_info* list = hid_enumerate(0, 0);
  try {
    for (const hid_device_info* info = list; info; info = info->next) {
      if (!info->path) continue;
      const THidIdentity identity{info->vendor_id, info->product_id, info->release_number, info->usage_page,
                                  info->usage};
      interfaces.push_back({HardwareIdList(identity), info->path});
    }
  } catch (...) {
    hid_free_enumeration(list);
    throw;
  }
  hid_free_enumeration(list);
  PutInStableOrder(interfaces);
  return interfaces;
}

std::unique_ptr<THidHandle> HidapiSystem::Open(const std::string& path, THidAccess access) {
  hid_device* device = hid_open_path(path.c_str());
  if (!device) {
    lastError_ = Narrow(hid_error(nullptr));
    if (lastError_.empty()) lastError_ = "cannot open " + path;
    return nullptr;
  }
  lastError_.clear();
  if (access == THidAccess::Write) return std::make_unique<HidapiWriteHandle>(device);
  return std::make_unique<HidapiReadHandle>(device);
}
