#pragma once
// Read-only multi-line log box. Lines are gathered and shown together, at
// most and at least once a tick while lines keep coming, with or without a
// message loop; reading gives every line added so far. Each line is held
// once: in the text widget once shown, in the gathered list until then.
#include "control.h"
#include "deferred_paint.h"

class QPlainTextEdit;

class TMemo : public TControl {
 public:
  TMemo(QWidget* parent, std::string name);

  void AddLine(std::string line);
  int LineCount() const { return shown_ + static_cast<int>(gathered_.size()); }
  // Throws std::out_of_range outside 0 to LineCount() - 1.
  std::string Line(int index) const;
  std::vector<std::string> Lines() const;
  std::string Text() const;
  void Clear();

 private:
  void Flush();

  QPlainTextEdit* edit_;
  int shown_ = 0;                       // lines in the widget
  std::vector<std::string> gathered_;  // lines for the next tick
  TDeferredPaint paint_;
};
