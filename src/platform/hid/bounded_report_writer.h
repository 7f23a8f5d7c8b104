#pragma once
// Report writes with a bounded wait. A hidraw write blocks until the
// kernel's USB transfer has ended (the kernel's own time-out is 5 s), so
// each write runs on the writer's thread and the caller waits at most the
// writer's bound for it, drawing what falls due meanwhile (WaitDrawingOnTime).
#include <functional>
#include <memory>
#include <thread>

#include "hid_system.h"

class BoundedReportWriter {
 public:
  // A blocking write of one report: bytes written, negative on failure.
  using TWrite = std::function<int(const THidReport& report)>;

  // write (and whatever it holds, such as the device) is released with the
  // writer, or, after a wait that ran out, once the stalled write has ended.
  explicit BoundedReportWriter(TWrite write, int waitMilliseconds = HidReportWaitMilliseconds);
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
  int waitMilliseconds_;
  std::thread thread_;
};
