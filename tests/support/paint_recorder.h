#pragma once
// Runs a routine at each paint event a widget gets.
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <functional>
#include <utility>

class PaintRecorder : public QObject {
 public:
  PaintRecorder(QWidget* widget, std::function<void()> record) : record_(std::move(record)) {
    widget->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) record_();
    return false;
  }

 private:
  std::function<void()> record_;
};
