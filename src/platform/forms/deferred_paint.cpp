#include "deferred_paint.h"

#include <QTimer>

#include "control.h"

TDeferredPaint::TDeferredPaint(QObject* context, std::function<void()> draw)
    : draw_(std::move(draw)), tick_(std::make_unique<QTimer>()) {
  lastDraw_.start();
  tick_->setSingleShot(true);
  QObject::connect(tick_.get(), &QTimer::timeout, context, [this] { Draw(); });
}

TDeferredPaint::~TDeferredPaint() = default;

void TDeferredPaint::Changed() {
  const qint64 age = lastDraw_.elapsed();
  if (age >= DeferredPaintMilliseconds) {
    Draw();
  } else if (!tick_->isActive()) {
    tick_->start(static_cast<int>(DeferredPaintMilliseconds - age));
  }
}

void TDeferredPaint::Draw() {
  tick_->stop();
  lastDraw_.restart();
  draw_();
}
