#include "progress_bar.h"

#include <QProgressBar>

TProgressBar::TProgressBar(QWidget* parent, std::string name)
    : TControl(std::move(name), new QProgressBar(parent)) {
  bar_ = static_cast<QProgressBar*>(Widget());
  bar_->setRange(0, 100);
  bar_->setValue(0);
  bar_->setTextVisible(false);
}

int TProgressBar::Position() const { return bar_->value(); }
void TProgressBar::SetPosition(int position) { bar_->setValue(position); }
int TProgressBar::Min() const { return bar_->minimum(); }
int TProgressBar::Max() const { return bar_->maximum(); }
void TProgressBar::SetRange(int min, int max) { bar_->setRange(min, max); }
