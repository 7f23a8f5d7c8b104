#pragma once
// Draws a control that changes often at most once per
// DeferredPaintMilliseconds, with or without a message loop: a change is
// drawn at once when the last drawing is that old, otherwise by a tick when
// it will be.
#include <cstdint>
#include <functional>
#include <memory>

class QObject;
class QTimer;

class TDeferredPaint {
 public:
  // draw shows the control's latest state; the tick stops with context.
  TDeferredPaint(QObject* context, std::function<void()> draw);
  ~TDeferredPaint();
  void Changed();

 private:
  void Draw();

  std::function<void()> draw_;
  std::int64_t lastDraw_;  // milliseconds on the coarse clock
  std::unique_ptr<QTimer> tick_;
  bool tickPending_ = false;
};
