#pragma once
// Single-line edit box. The maximum length limits only what the user types,
// pastes or drops; text set from code is held whole.
#include "control.h"

class LengthLimitValidator;
class QLineEdit;

class TEdit : public TControl {
 public:
  TEdit(QWidget* parent, std::string name, int maxLength = 0);

  std::string Text() const;
  void SetText(const std::string& text);
  int MaxLength() const;
  void SetMaxLength(int maxLength);
  void SetReadOnly(bool readOnly);

 private:
  QLineEdit* edit_;
  LengthLimitValidator* limit_;  // owned by edit_
};
