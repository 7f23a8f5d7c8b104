#pragma once
// USB HID access: the list of present HID interfaces, each with the
// hardware-ID list a Windows device would carry and its device path; opens
// of a path for writing or for reading; 65-byte reports with the report-ID
// byte in front. Tests replace the whole system with a simulated one.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

constexpr std::size_t HidReportSize = 65;
using THidReport = std::array<std::uint8_t, HidReportSize>;

// Longest wait for one report, written or read. A wait draws the controls'
// changes that fall due meanwhile (WaitDrawingOnTime).
constexpr int HidReportWaitMilliseconds = 1000;

struct THidInterface {
  // First string "HID\VID_xxxx&PID_xxxx&REV_xxxx", hex digits upper case.
  std::vector<std::string> HardwareIds;
  std::string DevicePath;
};

enum class THidAccess { Write, Read };

// One open of a device path, for the access it was opened with.
class THidHandle {
 public:
  virtual ~THidHandle() = default;
  // Bytes moved, the report-ID byte included: HidReportSize when the whole
  // report went or came; fewer (0) on failure, when HidReportWaitMilliseconds
  // ran out, or on a handle opened for the other direction.
  virtual std::size_t WriteReport(const THidReport& report) = 0;
  virtual std::size_t ReadReport(THidReport& report) = 0;
  // A report already queued on the handle, taken without waiting: its
  // bytes as ReadReport counts them, 0 when none is queued.
  virtual std::size_t ReadQueuedReport(THidReport& report) = 0;
};

class THidSystem {
 public:
  virtual ~THidSystem() = default;
  // The present interfaces in a stable order (by device path). Empty when
  // nothing is present or the list can't be had; std::bad_alloc when its
  // records can't be allocated.
  virtual std::vector<THidInterface> PresentInterfaces() = 0;
  // Nothing when the path can't be opened; LastError() then says why.
  virtual std::unique_ptr<THidHandle> Open(const std::string& path, THidAccess access) = 0;
  virtual std::string LastError() const = 0;
};

THidSystem& HidSystem();
// Installs a system (not owned); nullptr restores the hidapi one.
void SetHidSystem(THidSystem* system);
