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
    recorder = std::make_unique<PaintRecorder>(bar->Widget(), [this] { drawn.push_back(Widget()->value()); });
    form.Show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
    QApplication::processEvents();
    bar->SetRange(0, 1000);
  }

  QProgressBar* Widget() const { return static_cast<QProgressBar*>(bar->Widget()); }

  TForm form{"Form"};
  TProgressBar* bar = nullptr;
  std::vector<int> drawn;  // the position at each drawing
  std::unique_ptr<PaintRecorder> recorder;
};

TEST_F(ProgressBar, ChangesComingFastAreDrawnAtMostOnceATickAndAtTheirLatest) {
  QElapsedTimer clock;
  clock.start();
  for (int position = 1; position <= 1000; ++position) {
    bar->SetPosition(position);
    ASSERT_EQ(bar->Position(), position);
  }
  const qint64 took = clock.elapsed();
  EXPECT_LE(drawn.size(), static_cast<std::size_t>(1 + took / DeferredPaintMilliseconds));
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
