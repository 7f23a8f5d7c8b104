#pragma once
#include "control.h"

class QProgressBar;

class TProgressBar : public TControl {
 public:
  TProgressBar(QWidget* parent, std::string name);
  int Position() const;
  void SetPosition(int position);
  int Min() const;
  int Max() const;
  void SetRange(int min, int max);

 private:
  QProgressBar* bar_;
};
