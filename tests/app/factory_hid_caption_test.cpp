// The USB HID program's caption.
#include <gtest/gtest.h>

#include "Unit1.h"
#include "scripted_dialogs.h"

TEST(Caption, HidEdition) {
  ScriptedDialogs dialogs;
  TForm1 form;
  EXPECT_EQ(form.Caption(), "PELNOR Rudi Davurariruzo v1.47 (HID Bootloader)");
}
