#include <gtest/gtest.h>

#include "Unit1.h"
#include "scripted_dialogs.h"

TEST(FactoryState, RightAfterConstruction) {
  ScriptedDialogs dialogs;
  auto form = std::make_unique<TForm1>();
  EXPECT_EQ(form->Callsign->Text(), "NOCALL");
  EXPECT_EQ(form->Teleanalog1_source->ItemIndex(), 11);
  EXPECT_EQ(form->Teledigital8_source->ItemIndex(), 8);
  EXPECT_EQ(form->Teleanalog1_average->ItemIndex(), -1);
  EXPECT_EQ(form->Teledigital1_inverted->ItemIndex(), -1);
  EXPECT_TRUE(form->Uploadpctime->Checked());
  EXPECT_FALSE(form->Rtcyear->Enabled());
  EXPECT_EQ(form->Caption(), "PELNOR Rudi Davurariruzo v1.47 (COM Bootloader)");
  EXPECT_TRUE(dialogs.boxes.empty());
}
