#pragma once
// The remote update procedure help: how to build a remote update file and
// bring it onto the device.
#include "form.h"
#include "label.h"

class TForm3 : public TForm {
 public:
  TForm3();

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TLabel* Label5 = nullptr;
  TLabel* Label6 = nullptr;
  TLabel* Label7 = nullptr;
  TLabel* Label8 = nullptr;
  TLabel* Label9 = nullptr;
  TLabel* Label10 = nullptr;
  TLabel* Label11 = nullptr;
  TLabel* Label12 = nullptr;
  TLabel* Label13 = nullptr;
  TLabel* Label14 = nullptr;
  TLabel* Label15 = nullptr;
  TLabel* Label16 = nullptr;
  TLabel* Label17 = nullptr;
  TLabel* Label18 = nullptr;
};

extern TForm3* Form3;
