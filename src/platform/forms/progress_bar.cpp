#include "progress_bar.h"

#include <QProgressBar>

TProgressBar::TProgressBar(QWidget* parent, std::string name)
    : TControl(std::move(name), new QProgressBar(parent)),
      bar_(static_cast<QProgressBar*>(Widget())),
      paint_(bar_, [this] { Draw(); }) {
  bar_->setRange(0, 100);
  bar_->setValue(0);
  bar_->setTextVisible(false);
}

int TProgressBar::Position() const { return bar_->value(); }

// QProgressBar repaints at once whenever the drawn bar changes; with its
// updates off it only takes the change. They stay off until the change is
// drawn, at most a tick later.
template <class Change>
void TProgressBar::Take(Change change) {
  bar_->setUpdatesEnabled(false);
  change();
  paint_.Changed();
}

void TProgressBar::Draw() {
  bar_->setUpdatesEnabled(true);
  bar_->repaint();
}

void TProgressBar::SetPosition(int position) {
  Take([&] { bar_->setValue(position); });
}

int TProgressBar::Min() const { return bar_->minimum(); }
int TProgressBar::Max() const { return bar_->maximum(); }

void TProgressBar::SetRange(int min, int max) {
  Take([&] { bar_->setRange(min, max); });
}
