#include "deferred_paint.h"

#include <QTimer>

#include <time.h>

#include <algorithm>
#include <vector>

#include "control.h"

namespace {

// Precise to a few milliseconds, which is plenty for the tick, and read in a
// few nanoseconds: a change comes with every page.
std::int64_t CoarseMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
  return std::int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1000000;
}

// The controls whose drawing waits for its tick.
std::vector<TDeferredPaint*> pending;

bool Pending(const TDeferredPaint* paint) { return std::find(pending.begin(), pending.end(), paint) != pending.end(); }

}  // namespace

TDeferredPaint::TDeferredPaint(QObject* context, std::function<void()> draw)
    : draw_(std::move(draw)), lastDraw_(CoarseMilliseconds()), tick_(std::make_unique<QTimer>()) {
  tick_->setSingleShot(true);
  QObject::connect(tick_.get(), &QTimer::timeout, context, [this] { Draw(); });
}

TDeferredPaint::~TDeferredPaint() { std::erase(pending, this); }

void TDeferredPaint::Changed() {
  const std::int64_t age = CoarseMilliseconds() - lastDraw_;
  if (age >= DeferredPaintMilliseconds) {
    Draw();
  } else if (!Pending(this)) {
    pending.push_back(this);
    tick_->start(static_cast<int>(DeferredPaintMilliseconds - age));
  }
}

void TDeferredPaint::Draw() {
  if (Pending(this)) {
    tick_->stop();
    std::erase(pending, this);
  }
  lastDraw_ = CoarseMilliseconds();
  draw_();
}

// Waits until the earliest pending drawing is due, draws what is due then,
// and so on; the rest of the wait has nothing left to draw. Without a
// pending drawing this is the one wait and a clock read.
bool WaitDrawingOnTime(int milliseconds, const std::function<bool(int milliseconds)>& wait) {
  std::int64_t now = CoarseMilliseconds();
  const std::int64_t end = now + milliseconds;
  while (!pending.empty()) {
    std::int64_t due = end;
    for (const TDeferredPaint* paint : pending) due = std::min(due, paint->lastDraw_ + DeferredPaintMilliseconds);
    if (due >= end) break;
    if (due > now && wait(static_cast<int>(due - now))) return true;
    now = CoarseMilliseconds();
    for (TDeferredPaint* paint : std::vector(pending)) {
      if (paint->lastDraw_ + DeferredPaintMilliseconds <= now) paint->Draw();
    }
    now = CoarseMilliseconds();
  }
  return wait(static_cast<int>(std::max<std::int64_t>(end - now, 0)));
}
