#include "deferred_paint.h"

#include <QTimer>

#include <time.h>

#include "control.h"

namespace {

// Precise to a few milliseconds, which is plenty for the tick, and read in a
// few nanoseconds: a change comes with every page.
std::int64_t CoarseMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
  return std::int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1000000;
}

}  // namespace

TDeferredPaint::TDeferredPaint(QObject* context, std::function<void()> draw)
    : draw_(std::move(draw)), lastDraw_(CoarseMilliseconds()), tick_(std::make_unique<QTimer>()) {
  tick_->setSingleShot(true);
  QObject::connect(tick_.get(), &QTimer::timeout, context, [this] { Draw(); });
}

TDeferredPaint::~TDeferredPaint() = default;

void TDeferredPaint::Changed() {
  const std::int64_t age = CoarseMilliseconds() - lastDraw_;
  if (age >= DeferredPaintMilliseconds) {
    Draw();
  } else if (!tickPending_) {
    tickPending_ = true;
    tick_->start(static_cast<int>(DeferredPaintMilliseconds - age));
  }
}

void TDeferredPaint::Draw() {
  if (tickPending_) {
    tickPending_ = false;
    tick_->stop();
  }
  lastDraw_ = CoarseMilliseconds();
  draw_();
}
