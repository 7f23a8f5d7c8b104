#pragma once
// Progress bar. A change is read back at once, but the bar is drawn on a
// short timer tick, not on each step: a transfer that moves it page by page
// would otherwise wait for a repaint on every page.
#include "control.h"

class QProgressBar;

class TProgressBar : public TControl {
 public:
  TProgressBar(QWidget* parent, std::string name);
  int Position() const;
  void SetPosition(int position);
  int Min() const;
  int Max() const;
  void SetRange(int min, int max);

 private:
  void DeferRepaint();

  QProgressBar* bar_;
  bool repaintPending_ = false;
};
