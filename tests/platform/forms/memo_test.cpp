// The log box: lines are gathered and shown together, at most once a tick,
// with or without a message loop; every reader gets each line appended so
// far, shown yet or not, and the box shows exactly the lines the readers get.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "form.h"
#include "memo.h"
#include "paint_recorder.h"

namespace {

class LogBox : public ::testing::Test {
 protected:
  LogBox() {
    form.SetClientSize(400, 200);
    memo = form.Add<TMemo>("Memo1");
    memo->SetBounds(8, 8, 380, 100);
    form.Show();
  }

  QPlainTextEdit* Box() const { return static_cast<QPlainTextEdit*>(memo->Widget()); }

  // Waits for the tick that shows the lines appended so far.
  bool ShownAre(const std::vector<std::string>& lines) {
    QString text;
    for (size_t i = 0; i < lines.size(); ++i) text += (i ? "\n" : "") + QString::fromLatin1(lines[i].c_str());
    return QTest::qWaitFor([&] { return Box()->toPlainText() == text; }, 2000);
  }

  // Every way of reading the box gives the lines.
  void ExpectRead(const std::vector<std::string>& lines) {
    EXPECT_EQ(memo->LineCount(), static_cast<int>(lines.size()));
    EXPECT_EQ(memo->Lines(), lines);
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(memo->Line(static_cast<int>(i)), lines[i]) << i;
      text += lines[i] + "\r\n";
    }
    EXPECT_EQ(memo->Text(), text);
    EXPECT_THROW(memo->Line(static_cast<int>(lines.size())), std::out_of_range);
    EXPECT_THROW(memo->Line(-1), std::out_of_range);
  }

  TForm form{"Form"};
  TMemo* memo = nullptr;
};

TEST_F(LogBox, ReadersGetEveryLineShownOrNot) {
  std::vector<std::string> lines = {"Eeprom page received.", "", "Page receive ack. \xE9"};
  for (const auto& line : lines) memo->AddLine(line);
  ExpectRead(lines);  // before the tick
  ASSERT_TRUE(ShownAre(lines));
  ExpectRead(lines);

  memo->AddLine("Send finished.");
  lines.push_back("Send finished.");
  ExpectRead(lines);  // partly shown
  ASSERT_TRUE(ShownAre(lines));
  ExpectRead(lines);
}

TEST_F(LogBox, AnEmptyFirstLineShowsAsALineOfItsOwn) {
  memo->AddLine("");
  QTest::qWait(100);  // past its tick
  memo->AddLine("Send finished.");
  EXPECT_TRUE(ShownAre({"", "Send finished."}));
  ExpectRead({"", "Send finished."});
}

TEST_F(LogBox, LinesOfOneTickAreAppendedInOneGo) {
  QElapsedTimer clock;
  clock.start();
  memo->AddLine("Eeprom page sent [start].");
  ASSERT_TRUE(ShownAre({"Eeprom page sent [start]."}));
  QSignalSpy appended(Box(), &QPlainTextEdit::textChanged);
  std::vector<std::string> lines = {"Eeprom page sent [start]."};
  for (int i = 0; i < 500; ++i) lines.push_back("Eeprom page sent [" + std::to_string(i) + "].");
  for (size_t i = 1; i < lines.size(); ++i) memo->AddLine(lines[i]);
  const qint64 took = clock.elapsed();
  ASSERT_TRUE(ShownAre(lines));
  // One append for the lines of a tick, whatever the machine's speed.
  EXPECT_LE(appended.count(), 1 + took / DeferredPaintMilliseconds);
}

// Without a message loop the box is drawn from the appends themselves: of
// lines 20 ms apart, at least every third is drawn.
TEST_F(LogBox, LinesComingWithoutAMessageLoopAreDrawnWhileTheyCome) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
  QApplication::processEvents();
  std::vector<int> drawnLines;  // lines in the box at each draw
  PaintRecorder recorder(Box()->viewport(), [&] { drawnLines.push_back(Box()->document()->blockCount()); });
  constexpr int count = 12;
  for (int i = 0; i < count; ++i) {
    memo->AddLine("Page read: " + std::to_string(i + 1) + "/12");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_GE(drawnLines.size(), static_cast<size_t>((count - 1) / 3));
  EXPECT_TRUE(std::is_sorted(drawnLines.begin(), drawnLines.end()));
}

// Two lines within one tick, then a wait of a second with no message loop:
// both are drawn once the first part of the wait has run out, and the
// parts add up to the whole wait.
TEST_F(LogBox, LinesAddedJustBeforeAWaitAreDrawnDuringIt) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
  QTest::qWait(2 * DeferredPaintMilliseconds);
  int drawnLines = 0;
  PaintRecorder recorder(Box()->viewport(), [&] { drawnLines = Box()->document()->blockCount(); });
  memo->AddLine("Pelnor Rudi found, vid: Vid_0483, pid: A04C");
  memo->AddLine("Page read: 1/64");
  std::vector<int> drawnAtPart;
  int waited = 0;
  EXPECT_FALSE(WaitDrawingOnTime(1000, [&](int milliseconds) {
    drawnAtPart.push_back(drawnLines);
    waited += milliseconds;
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    return false;
  }));
  ASSERT_GE(drawnAtPart.size(), 2u);
  EXPECT_EQ(drawnAtPart.back(), 2);
  EXPECT_GE(waited, 990);
  EXPECT_LE(waited, 1000);
}

TEST_F(LogBox, ClearEmptiesWhatIsShownAndWhatIsGathered) {
  memo->AddLine("Eeprom page received.");
  ASSERT_TRUE(ShownAre({"Eeprom page received."}));
  memo->AddLine("Page receive ack.");
  memo->Clear();
  ExpectRead({});
  EXPECT_TRUE(Box()->toPlainText().isEmpty());
  QTest::qWait(100);  // the gathered line's tick shows nothing
  EXPECT_TRUE(Box()->toPlainText().isEmpty());

  memo->AddLine("Send finished.");
  ASSERT_TRUE(ShownAre({"Send finished."}));
  ExpectRead({"Send finished."});
}

}  // namespace
