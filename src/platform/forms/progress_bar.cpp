#include "progress_bar.h"

#include <QProgressBar>

TProgressBar::TProgressBar(QWidget* parent, std::string name)
    : TControl(std::move(name), new QProgressBar(parent)),
      bar_(static_cast<QProgressBar*>(Widget())),
      paint_(bar_, [this] { bar_->repaint(); }) {
  bar_->setRange(0, 100);
  bar_->setValue(0);
  bar_->setTextVisible(false);
}

int TProgressBar::Position() const { return bar_->value(); }

// QProgressBar repaints at once whenever the drawn bar changes. With its
// updates blocked for the one call it only takes the change, and leaves
// nothing to paint later either; the deferred paint draws it. The updates are
// never left off, so whatever paints the window draws the bar whole.
template <class Change>
void TProgressBar::Take(Change change) {
  const bool blocked = bar_->testAttribute(Qt::WA_UpdatesDisabled);
  bar_->setAttribute(Qt::WA_UpdatesDisabled);
  change();
  bar_->setAttribute(Qt::WA_UpdatesDisabled, blocked);
  paint_.Changed();
}

void TProgressBar::SetPosition(int position) {
  Take([&] { bar_->setValue(position); });
}

int TProgressBar::Min() const { return bar_->minimum(); }
int TProgressBar::Max() const { return bar_->maximum(); }

void TProgressBar::SetRange(int min, int max) {
  Take([&] { bar_->setRange(min, max); });
}
