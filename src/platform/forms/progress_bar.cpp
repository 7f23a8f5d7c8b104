#include "progress_bar.h"

#include <QProgressBar>
#include <QTimer>

TProgressBar::TProgressBar(QWidget* parent, std::string name)
    : TControl(std::move(name), new QProgressBar(parent)) {
  bar_ = static_cast<QProgressBar*>(Widget());
  bar_->setRange(0, 100);
  bar_->setValue(0);
  bar_->setTextVisible(false);
}

int TProgressBar::Position() const { return bar_->value(); }

void TProgressBar::SetPosition(int position) {
  DeferRepaint();
  bar_->setValue(position);
}

int TProgressBar::Min() const { return bar_->minimum(); }
int TProgressBar::Max() const { return bar_->maximum(); }

void TProgressBar::SetRange(int min, int max) {
  DeferRepaint();
  bar_->setRange(min, max);
}

// QProgressBar repaints at once whenever the drawn bar changes; with its
// updates off it only takes the value. Turning them on again at the tick
// draws the latest state once.
void TProgressBar::DeferRepaint() {
  if (repaintPending_) return;
  repaintPending_ = true;
  bar_->setUpdatesEnabled(false);
  QTimer::singleShot(DeferredPaintMilliseconds, bar_, [this] {
    repaintPending_ = false;
    bar_->setUpdatesEnabled(true);
  });
}
