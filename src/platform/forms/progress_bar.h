#pragma once
// Progress bar. The widget takes each change at once; the bar is drawn at
// its latest position at most once a tick (a transfer that moves it page by
// page would otherwise wait for a repaint on every page), and at least once
// a tick while positions keep coming, with or without a message loop.
#include "control.h"
#include "deferred_paint.h"

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
  template <class Change>
  void Take(Change change);
  void Draw();

  QProgressBar* bar_;
  TDeferredPaint paint_;
};
