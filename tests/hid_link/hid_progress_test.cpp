// The progress bar during the transfers: every position is taken in order
// and read back at once; the bar is drawn at its latest position at least
// every tick while positions keep coming, with or without a message loop,
// and not for each page in between.
#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QTest>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "control.h"
#include "firmware_resource.h"
#include "hid_link_fixture.h"
#include "paint_recorder.h"
#include "resources.h"

namespace {

using namespace std::chrono_literals;

// The same picture, but for the rounding of the fill's shading.
bool Alike(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return false;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) > 4 || std::abs(qGreen(p) - qGreen(q)) > 4 || std::abs(qBlue(p) - qBlue(q)) > 4) {
        return false;
      }
    }
  }
  return true;
}

class HidProgress : public HidLinkTest {
 protected:
  HidProgress() {
    form->Show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form->Widget()));
    QApplication::processEvents();
  }
  ~HidProgress() override { RemoveResource(FirmwareResourceId); }
  QProgressBar* Bar() const { return static_cast<QProgressBar*>(form->ProgressBar1->Widget()); }

  // What the screen shows where the bar stands.
  QImage BarOnScreen() const {
    QWidget* window = form->Widget();
    const QPoint at = Bar()->mapTo(window, QPoint());
    return window->screen()
        ->grabWindow(window->winId(), at.x(), at.y(), Bar()->width(), Bar()->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }
  QImage BarDrawnAt(int position, int max) const {
    Bar()->setRange(0, max);
    Bar()->setValue(position);
    return Bar()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
};

TEST_F(HidProgress, EveryPositionInOrderWithoutADrawPerPage) {
  std::vector<int> expected;
  for (int position = 1; position <= 64; ++position) expected.push_back(position);
  expected.push_back(0);
  for (TButton* button : {form->Button5, form->Button4}) {
    SCOPED_TRACE(button->Caption());
    std::vector<int> positions;
    const auto connection = QObject::connect(Bar(), &QProgressBar::valueChanged, [&](int position) {
      positions.push_back(position);
      EXPECT_EQ(form->ProgressBar1->Position(), position);
    });
    int paints = 0;
    const PaintRecorder recorder(Bar(), [&] { ++paints; });
    QElapsedTimer clock;
    clock.start();
    button->Click();
    const qint64 took = clock.elapsed();
    QObject::disconnect(connection);
    EXPECT_EQ(positions, expected);
    // At most one draw a tick, whatever the machine's speed.
    EXPECT_LE(paints, 1 + took / DeferredPaintMilliseconds);

    // The bar shows where it stands once the window gets to paint.
    const int paintsDuringTheClick = paints;
    const QDeadlineTimer deadline(5000);
    while (paints == paintsDuringTheClick && !deadline.hasExpired()) {
      QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_GT(paints, paintsDuringTheClick);
    EXPECT_EQ(form->ProgressBar1->Position(), 0);
  }
}

// A configuration transfer lets no message run: the bar is drawn from the
// steps themselves. Pages at least 20 ms apart put at most three steps
// between two draws.
TEST_F(HidProgress, AConfigurationReadOfSlowPagesDrawsTheBarWhileItRuns) {
  StoreDeviceImage(ValidConfigurationImage());
  device.alter = [](std::size_t, const THidReport& request, SimulatedHidDevice::Exchange&) {
    if (request[1] == 0xFC) std::this_thread::sleep_for(20ms);
  };
  std::vector<int> drawn;
  const PaintRecorder recorder(Bar(), [&] { drawn.push_back(Bar()->value()); });
  form->Button4->Click();
  EXPECT_EQ(Log().back(), "Pelnor Rudi found, vid: Vid_0483, pid: A04C");
  std::vector<int> whileRunning;
  for (int position : drawn) {
    if (position > 0 && position <= 64) whileRunning.push_back(position);
  }
  EXPECT_GE(whileRunning.size(), 64u / 3);
  EXPECT_TRUE(std::is_sorted(whileRunning.begin(), whileRunning.end()));
}

// The upgrade lets the messages run once a page; a grab of the screen half
// way finds the bar with its frame, drawn part-filled.
TEST_F(HidProgress, AnUpgradeShowsTheBarPartFilledWhileItRuns) {
  constexpr int pages = 300;
  InstallResource(FirmwareResourceId, std::vector<std::uint8_t>(pages * 32, 0x5A));
  QImage halfWay;
  device.alter = [&](std::size_t request, const THidReport&, SimulatedHidDevice::Exchange&) {
    std::this_thread::sleep_for(1500us);
    if (request == pages / 2) halfWay = BarOnScreen();
  };
  form->Button3->Click();
  EXPECT_EQ(Log().back(), "Firmware upgrade success");
  ASSERT_FALSE(halfWay.isNull());
  int drawnAt = -1;
  for (int position = 1; position < pages && drawnAt < 0; ++position) {
    if (Alike(BarDrawnAt(position, pages), halfWay)) drawnAt = position;
  }
  EXPECT_GT(drawnAt, 0) << "the bar on screen is not the bar at any position between the first and the last page";
}

}  // namespace
