#include "bounded_report_writer.h"

#include <hidapi/hidapi.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

struct BoundedReportWriter::Shared {
  explicit Shared(hid_device* device) : device(device) {}
  ~Shared() { hid_close(device); }

  hid_device* const device;
  std::mutex mutex;
  std::condition_variable changed;
  THidReport report{};
  bool pending = false;  // a report waits for the thread or is being written
  bool stalled = false;  // a wait ran out
  bool closing = false;
  int written = 0;
};

BoundedReportWriter::BoundedReportWriter(hid_device* device) : shared_(std::make_shared<Shared>(device)) {
  std::thread(Run, shared_).detach();
}

BoundedReportWriter::~BoundedReportWriter() {
  const std::lock_guard lock(shared_->mutex);
  shared_->closing = true;
  shared_->changed.notify_all();
}

std::size_t BoundedReportWriter::Write(const THidReport& report) {
  Shared& shared = *shared_;
  std::unique_lock lock(shared.mutex);
  if (shared.stalled) return 0;
  shared.report = report;
  shared.pending = true;
  shared.changed.notify_all();
  if (!shared.changed.wait_for(lock, std::chrono::milliseconds(HidReportWaitMilliseconds),
                               [&] { return !shared.pending; })) {
    shared.stalled = true;
    return 0;
  }
  return shared.written < 0 ? 0 : static_cast<std::size_t>(shared.written);
}

void BoundedReportWriter::Run(std::shared_ptr<Shared> shared) {
  std::unique_lock lock(shared->mutex);
  for (;;) {
    shared->changed.wait(lock, [&] { return shared->pending || shared->closing; });
    if (!shared->pending) return;
    const THidReport report = shared->report;
    lock.unlock();
    const int written = hid_write(shared->device, report.data(), report.size());
    lock.lock();
    shared->written = written;
    shared->pending = false;
    shared->changed.notify_all();
  }
}
