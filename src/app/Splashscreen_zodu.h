#pragma once
// The splash form: the product picture, shown while the forms are built.
#include "form.h"
#include "label.h"

class TSplashScreen_zodu : public TForm {
 public:
  TSplashScreen_zodu();

  TImage* Image1 = nullptr;
};
