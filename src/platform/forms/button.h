#pragma once
// Push button. Click() presses it as the user would.
#include "control.h"

class QPushButton;
class TForm;

class TButton : public TControl {
 public:
  TButton(QWidget* parent, std::string name, const std::string& caption);

  std::string Caption() const;
  void Click();

  TNotifyEvent OnClick;

 private:
  QPushButton* button_;
};

// The library's standard OK button: closes its form with the OK result.
class TBitBtn : public TButton {
 public:
  TBitBtn(QWidget* parent, std::string name, TForm& form);
};
