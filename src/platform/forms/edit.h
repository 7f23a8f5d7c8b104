#pragma once
// Single-line edit box. The maximum length limits only what the user
// enters; text set from code is held whole (see single_line_edit.h).
#include "control.h"

class SingleLineEdit;

class TEdit : public TControl {
 public:
  TEdit(QWidget* parent, std::string name, int maxLength = 0);

  std::string Text() const;
  void SetText(const std::string& text);
  int MaxLength() const;
  void SetMaxLength(int maxLength);
  void SetReadOnly(bool readOnly);

 private:
  SingleLineEdit* edit_;
};
