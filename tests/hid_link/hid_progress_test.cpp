// The progress bar during a configuration transfer: every position is set
// in order, and no page waits for the bar to be drawn.
#include <QApplication>
#include <QDeadlineTimer>
#include <QProgressBar>

#include "hid_link_fixture.h"

namespace {

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;
};

class HidProgress : public HidLinkTest {
 protected:
  HidProgress() {
    form->Show();
    QApplication::processEvents();
  }
  QProgressBar* Bar() const { return static_cast<QProgressBar*>(form->ProgressBar1->Widget()); }
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
    PaintCounter counter(Bar());
    button->Click();
    QObject::disconnect(connection);
    EXPECT_EQ(positions, expected);
    EXPECT_EQ(counter.paints, 0);

    // The bar shows where it stands once the window gets to paint.
    const QDeadlineTimer deadline(5000);
    while (counter.paints == 0 && !deadline.hasExpired()) QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_GT(counter.paints, 0);
    EXPECT_EQ(form->ProgressBar1->Position(), 0);
  }
}

}  // namespace
