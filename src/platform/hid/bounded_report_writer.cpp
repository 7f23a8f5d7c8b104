#include "bounded_report_writer.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "deferred_paint.h"
#include "log_categories.h"

struct BoundedReportWriter::Shared {
  explicit Shared(TWrite write) : write(std::move(write)) {}

  const TWrite write;
  std::mutex mutex;
  std::condition_variable changed;
  THidReport report{};
  bool pending = false;  // a report waits for the thread or is being written
  bool stalled = false;  // a wait ran out
  bool closing = false;
  int written = 0;
};

BoundedReportWriter::BoundedReportWriter(TWrite write, int waitMilliseconds)
    : shared_(std::make_shared<Shared>(std::move(write))),
      waitMilliseconds_(waitMilliseconds),
      thread_(Run, shared_) {}

// Without a stalled write the thread ends at once and takes the write
// function with it; a stalled one is left to end by itself.
BoundedReportWriter::~BoundedReportWriter() {
  bool stalled;
  {
    const std::lock_guard lock(shared_->mutex);
    shared_->closing = true;
    stalled = shared_->stalled;
    shared_->changed.notify_all();
  }
  shared_.reset();
  if (stalled) {
    thread_.detach();
  } else {
    thread_.join();
  }
}

std::size_t BoundedReportWriter::Write(const THidReport& report) {
  Shared& shared = *shared_;
  std::unique_lock lock(shared.mutex);
  if (shared.stalled) return 0;
  shared.report = report;
  shared.pending = true;
  shared.changed.notify_all();
  const bool ended = WaitDrawingOnTime(waitMilliseconds_, [&](int milliseconds) {
    return shared.changed.wait_for(lock, std::chrono::milliseconds(milliseconds), [&] { return !shared.pending; });
  });
  if (!ended) {
    shared.stalled = true;
    qCInfo(lcHid) << "report write did not end within" << waitMilliseconds_ << "ms";
    return 0;
  }
  return shared.written < 0 ? 0 : static_cast<std::size_t>(shared.written);
}

void BoundedReportWriter::Run(std::shared_ptr<Shared> shared) {
  std::unique_lock lock(shared->mutex);
  for (;;) {
    shared->changed.wait(lock, [&] { return shared->pending || shared->closing; });
    // A report the caller gave up on before it was taken is not sent.
    if (shared->closing) return;
    const THidReport report = shared->report;
    lock.unlock();
    const int written = shared->write(report);
    lock.lock();
    shared->written = written;
    shared->pending = false;
    shared->changed.notify_all();
  }
}
