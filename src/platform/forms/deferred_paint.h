#pragma once
// Draws a control that changes often at most once per
// DeferredPaintMilliseconds, with or without a message loop: a change is
// drawn at once when the last drawing is that old, otherwise by a tick when
// it will be. A wait that blocks the user-interface thread without a
// message loop draws at that time too (WaitDrawingOnTime).
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
  TDeferredPaint(const TDeferredPaint&) = delete;
  TDeferredPaint& operator=(const TDeferredPaint&) = delete;
  void Changed();

 private:
  friend bool WaitDrawingOnTime(int milliseconds, const std::function<bool(int milliseconds)>& wait);
  void Draw();

  std::function<void()> draw_;
  std::int64_t lastDraw_;  // milliseconds on the coarse clock
  std::unique_ptr<QTimer> tick_;
};

// A wait of up to milliseconds on the user-interface thread with no
// message loop: wait(ms) waits at most ms and returns true once what it
// waits for has come (or failed); its result is returned. A drawing that
// falls due meanwhile is done at its time, between two parts of the wait.
bool WaitDrawingOnTime(int milliseconds, const std::function<bool(int milliseconds)>& wait);
