// A report write that does not end within the bound fails, and so does
// every write after it; the blocked write is released safely.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "bounded_report_writer.h"
#include "log_capture.h"

namespace {

THidReport NumberedReport(std::uint8_t first) {
  THidReport report{};
  report[1] = first;
  return report;
}

TEST(BoundedReportWriter, GivesWhatTheWriteMoved) {
  for (const int moved : {65, 64, 0, -1}) {
    SCOPED_TRACE(moved);
    BoundedReportWriter writer([moved](const THidReport&) { return moved; });
    EXPECT_EQ(writer.Write(NumberedReport(1)), static_cast<std::size_t>(std::max(moved, 0)));
  }
}

// A write that blocks until the test lets it go.
struct Gate {
  std::mutex mutex;
  std::condition_variable changed;
  bool open = false;
  int calls = 0;
  void Open() {
    const std::lock_guard lock(mutex);
    open = true;
    changed.notify_all();
  }
};

TEST(BoundedReportWriter, AStalledWriteFailsWithinTheBoundAndStaysFailed) {
  auto gate = std::make_shared<Gate>();
  std::weak_ptr<Gate> held = gate;
  {
    BoundedReportWriter writer(
        [gate](const THidReport&) {
          std::unique_lock lock(gate->mutex);
          ++gate->calls;
          gate->changed.wait(lock, [&] { return gate->open; });
          return 65;
        },
        20);
    EXPECT_EQ(writer.Write(NumberedReport(1)), 0u);
    EXPECT_EQ(writer.Write(NumberedReport(2)), 0u);
    const std::lock_guard lock(gate->mutex);
    EXPECT_EQ(gate->calls, 1);
  }
  // The writer is gone while its write still blocks; letting it go ends
  // the thread, which then releases the write function.
  gate->Open();
  gate.reset();
  for (int i = 0; i < 500 && !held.expired(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  EXPECT_TRUE(held.expired());
}

TEST(BoundedReportWriter, AStalledWriteIsLogged) {
  LogCapture capture;
  auto gate = std::make_shared<Gate>();
  {
    BoundedReportWriter writer(
        [gate](const THidReport&) {
          std::unique_lock lock(gate->mutex);
          gate->changed.wait(lock, [&] { return gate->open; });
          return 65;
        },
        20);
    EXPECT_EQ(writer.Write(NumberedReport(1)), 0u);
  }
  gate->Open();
  EXPECT_EQ(capture.Lines("pelnor.hid"), std::vector<std::string>{"report write did not end within 20 ms"});
}

TEST(BoundedReportWriter, WritesInOrderOneAtATime) {
  std::vector<std::uint8_t> seen;
  {
    BoundedReportWriter writer([&seen](const THidReport& report) {
      seen.push_back(report[1]);
      return 65;
    });
    for (std::uint8_t i = 0; i < 100; ++i) ASSERT_EQ(writer.Write(NumberedReport(i)), 65u);
  }
  ASSERT_EQ(seen.size(), 100u);
  for (std::uint8_t i = 0; i < 100; ++i) EXPECT_EQ(seen[i], i);
}

}  // namespace
