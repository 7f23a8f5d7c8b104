// A report wait blocks the user-interface thread with no message loop; what
// the log box and the progress bar hold is on the screen during the wait,
// also what was added within the tick before it. Under X: the pixels are
// read by a client of its own while the wait runs, as any other program on
// the display would see them.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <thread>

#include <xcb/xcb.h>

#include "bounded_report_writer.h"
#include "fake_hidapi.h"
#include "form.h"
#include "hidapi_system.h"
#include "memo.h"
#include "progress_bar.h"

namespace {

using namespace std::chrono_literals;

// The pixels of a window's area as the X server holds them.
QImage ScreenPixels(xcb_window_t window, const QRect& area) {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  QImage pixels;
  const auto cookie = xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, static_cast<int16_t>(area.x()),
                                    static_cast<int16_t>(area.y()), static_cast<uint16_t>(area.width()),
                                    static_cast<uint16_t>(area.height()), ~0u);
  if (xcb_get_image_reply_t* reply = xcb_get_image_reply(connection, cookie, nullptr)) {
    // Depth 24 at 32 bits a pixel, rows without padding.
    pixels = QImage(xcb_get_image_data(reply), area.width(), area.height(), QImage::Format_RGB32).copy();
    std::free(reply);
  }
  xcb_disconnect(connection);
  return pixels;
}

struct TReportWait {
  const char* name;
  std::function<void()> wait;  // about a second, with no message loop
};

const TReportWait reportWaits[] = {
    {"ReadWithNoReportComing",
     [] {
       Fake = FakeHidapi{};
       Fake.readsWaitTheirTime = true;
       HidapiSystem system;
       THidReport report;
       EXPECT_EQ(system.Open("/dev/hidraw0", THidAccess::Read)->ReadReport(report), 0u);
     }},
    {"WriteThatTakesItsTime",
     [] {
       BoundedReportWriter writer([](const THidReport& report) {
         std::this_thread::sleep_for(900ms);
         return static_cast<int>(report.size());
       });
       EXPECT_EQ(writer.Write(THidReport{}), HidReportSize);
     }},
};

void PrintTo(const TReportWait& wait, std::ostream* out) { *out << wait.name; }

class ReportWaitDrawing : public testing::TestWithParam<TReportWait> {};

TEST_P(ReportWaitDrawing, WhatTheLogAndTheBarHoldIsOnTheScreenDuringTheWait) {
  if (QGuiApplication::platformName() != QStringLiteral("xcb")) GTEST_SKIP() << "the screen is read from X";
  TForm form("Form");
  form.SetClientSize(400, 160);
  auto* memo = form.Add<TMemo>("Memo1");
  memo->SetBounds(8, 8, 384, 100);
  auto* bar = form.Add<TProgressBar>("ProgressBar1");
  bar->SetBounds(0, 140, 400, 20);
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
  const xcb_window_t window = static_cast<xcb_window_t>(form.Widget()->winId());
  const QRect area = form.Widget()->rect();

  // Past a tick since the last drawing, the first line and position are
  // drawn at once, the next ones within the same tick wait for it.
  QTest::qWait(2 * DeferredPaintMilliseconds);
  memo->AddLine("Pelnor Rudi found, vid: Vid_0483, pid: A04C");
  bar->SetRange(0, 16);
  bar->SetPosition(1);
  const QImage before = ScreenPixels(window, area);
  memo->AddLine("Page read: 1/64");
  bar->SetPosition(2);

  QImage during;
  std::thread reader([&] {
    std::this_thread::sleep_for(300ms);
    during = ScreenPixels(window, area);
  });
  GetParam().wait();
  reader.join();

  QTest::qWait(2 * DeferredPaintMilliseconds);
  const QImage after = ScreenPixels(window, area);
  ASSERT_FALSE(after.isNull());
  EXPECT_NE(before, after) << "the second line and position change nothing on the screen";
  EXPECT_EQ(during, after) << "the screen during the wait is not what the log box and the bar hold";
}

INSTANTIATE_TEST_SUITE_P(Waits, ReportWaitDrawing, testing::ValuesIn(reportWaits),
                         [](const testing::TestParamInfo<TReportWait>& info) { return info.param.name; });

}  // namespace
