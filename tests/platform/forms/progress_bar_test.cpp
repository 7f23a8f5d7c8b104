// The progress bar takes every change at once but draws at most once a
// tick: never on every change, never without its latest state, with or
// without a message loop; between changes it is drawn with the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include <time.h>

#include "deferred_paint.h"
#include "form.h"
#include "paint_recorder.h"
#include "progress_bar.h"

namespace {

class ProgressBar : public ::testing::Test {
 protected:
  ProgressBar() {
    form.SetClientSize(400, 60);
    bar = form.Add<TProgressBar>("ProgressBar1");
    bar->SetBounds(0, 40, 400, 20);
    recorder = std::make_unique<PaintRecorder>(bar->Widget(), [this] {
      drawn.push_back(Widget()->value());
      drawnAt.push_back(clock.elapsed());
    });
    clock.start();
    form.Show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
    QApplication::processEvents();
    bar->SetRange(0, 1000);
  }

  QProgressBar* Widget() const { return static_cast<QProgressBar*>(bar->Widget()); }

  TForm form{"Form"};
  TProgressBar* bar = nullptr;
  std::vector<int> drawn;         // the position at each drawing
  QElapsedTimer clock;
  std::vector<qint64> drawnAt;  // and its time on clock, in ms
  std::unique_ptr<PaintRecorder> recorder;
};

// The tick is read on the coarse clock, which may run this much behind.
qint64 CoarseClockStep() {
  timespec step{};
  clock_getres(CLOCK_MONOTONIC_COARSE, &step);
  return step.tv_sec * 1000 + (step.tv_nsec + 999999) / 1000000;
}

TEST_F(ProgressBar, ChangesComingFastAreDrawnAtMostOnceATickAndAtTheirLatest) {
  const std::size_t before = drawnAt.size();
  for (int position = 1; position <= 1000; ++position) {
    bar->SetPosition(position);
    ASSERT_EQ(bar->Position(), position);
  }
  const std::vector<qint64> duringChanges(drawnAt.begin() + static_cast<std::ptrdiff_t>(before), drawnAt.end());
  for (std::size_t i = 1; i < duringChanges.size(); ++i) {
    EXPECT_GE(duringChanges[i] - duringChanges[i - 1], DeferredPaintMilliseconds - CoarseClockStep())
        << "drawings " << i - 1 << " and " << i << " of " << duringChanges.size();
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return !drawn.empty() && drawn.back() == 1000; }, 2000))
      << "the latest position is never drawn";
}

// Changes 20 ms apart with no message loop: at least every third is drawn.
TEST_F(ProgressBar, ChangesComingWithoutAMessageLoopAreDrawnWhileTheyCome) {
  for (int position = 1; position <= 12; ++position) {
    bar->SetPosition(position);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_GE(drawn.size(), 11u / 3);
  EXPECT_TRUE(std::is_sorted(drawn.begin(), drawn.end()));
}

// A wait with no message loop draws the change that falls due during it.
TEST_F(ProgressBar, AChangeJustBeforeAWaitIsDrawnDuringIt) {
  bar->SetPosition(1);
  bar->SetPosition(2);
  std::vector<int> drawnAtSlice;
  WaitDrawingOnTime(300, [&](int milliseconds) {
    drawnAtSlice.push_back(drawn.empty() ? 0 : drawn.back());
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    return false;
  });
  ASSERT_FALSE(drawnAtSlice.empty());
  EXPECT_EQ(drawnAtSlice.back(), 2);
}

// Once its change is drawn the bar is drawn whenever the window is.
TEST_F(ProgressBar, IsDrawnWithTheWindowOnceItsChangeIsDrawn) {
  bar->SetPosition(500);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !drawn.empty() && drawn.back() == 500; }, 2000));
  drawn.clear();
  form.Widget()->repaint();
  EXPECT_EQ(drawn, std::vector<int>{500});
}

}  // namespace
