#pragma once
// Check box. Its click handler runs on a user's click and whenever code
// changes its state, at once; setting the state it already has runs nothing.
#include "control.h"

class QCheckBox;

class TCheckBox : public TControl {
 public:
  TCheckBox(QWidget* parent, std::string name, const std::string& caption = "");

  bool Checked() const;
  void SetChecked(bool checked);
  std::string Caption() const;

  TNotifyEvent OnClick;

 private:
  QCheckBox* box_;
};
