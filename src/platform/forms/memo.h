#pragma once
// Read-only multi-line log box. Lines are gathered and shown together on a
// short timer tick; reading the text gives every line added so far.
#include "control.h"

class QPlainTextEdit;

class TMemo : public TControl {
 public:
  TMemo(QWidget* parent, std::string name);

  void AddLine(const std::string& line);
  int LineCount() const { return static_cast<int>(lines_.size()); }
  const std::string& Line(int index) const { return lines_.at(static_cast<size_t>(index)); }
  const std::vector<std::string>& Lines() const { return lines_; }
  std::string Text() const;
  void Clear();

 private:
  void Flush();

  QPlainTextEdit* edit_;
  std::vector<std::string> lines_;
  size_t shown_ = 0;
  bool flushPending_ = false;
};
