#pragma once
// Report writes with a bounded wait. A hidraw write blocks until the
// kernel's USB transfer has ended (the kernel's own time-out is 5 s), so
// each write runs on the writer's thread and the caller waits at most
// HidReportWaitMilliseconds for it.
#include <memory>

#include "hid_system.h"

typedef struct hid_device_ hid_device;

class BoundedReportWriter {
 public:
  // Takes the device over; it is closed once neither the writer nor a write
  // still running uses it.
  explicit BoundedReportWriter(hid_device* device);
  ~BoundedReportWriter();
  BoundedReportWriter(const BoundedReportWriter&) = delete;
  BoundedReportWriter& operator=(const BoundedReportWriter&) = delete;

  // Bytes written, report-ID byte included; 0 on failure or when the wait
  // ran out. After a wait that ran out every further write fails at once.
  std::size_t Write(const THidReport& report);

 private:
  struct Shared;
  static void Run(std::shared_ptr<Shared> shared);

  std::shared_ptr<Shared> shared_;
};
