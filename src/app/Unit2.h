#pragma once
// The beacon special strings help: the placeholders a beacon message may
// hold.
#include "form.h"
#include "label.h"

class TForm2 : public TForm {
 public:
  TForm2();

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TLabel* Label5 = nullptr;
};

extern TForm2* Form2;
