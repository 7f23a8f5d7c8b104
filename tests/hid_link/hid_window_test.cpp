// The HID edition's main window: the port controls hidden, the transfer
// buttons moved left, the port handlers inert, the settings file shared
// with the serial edition.
#include "hid_link_fixture.h"
#include "settings_file_fixture.h"

namespace {

using HidWindow = HidLinkTest;

TEST_F(HidWindow, NoPortControlsAndTheTransferButtonsMovedLeft) {
  EXPECT_FALSE(form->Label9->Visible());
  EXPECT_FALSE(form->ComboBox2->Visible());
  EXPECT_FALSE(form->Button1->Visible());
  EXPECT_FALSE(form->Button2->Visible());

  const std::tuple<TButton*, const char*, int> buttons[] = {
      {form->Button4, "Read config", 224},
      {form->Button5, "Write config", 336},
      {form->Button3, "Upload firmware", 448},
  };
  for (const auto& [button, caption, left] : buttons) {
    SCOPED_TRACE(caption);
    EXPECT_TRUE(button->Visible());
    EXPECT_EQ(button->Caption(), caption);
    EXPECT_EQ(button->Left(), left);
    EXPECT_EQ(button->Top(), 14);
  }
}

TEST_F(HidWindow, PortButtonHandlersDoNothing) {
  form->Button1Click(form->Button1);
  form->Button2Click(form->Button2);
  EXPECT_TRUE(Log().empty());
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_TRUE(device.openedPaths.empty());
}

using HidEditionSettingsFile = SettingsFileTest;

// The serial edition's export of this state is the same fixture file.
TEST_F(HidEditionSettingsFile, WritesAndReadsTheSerialEditionsFile) {
  form->Rtcyear->SetText("1999");
  form->Position_status_text->SetText("hidden");
  Export(folder.File("pelnor.cfg"));
  const std::string expected = Text(PELNOR_FIXTURES "/settings/factory.cfg");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(Text(folder.File("pelnor.cfg")), expected);

  form->Callsign->SetText("SP3XYZ");
  form->Ptt->SetItemIndex(1);
  filter->Packet2rf_filter_callsign03->SetText("SR3ABC");
  Import(PELNOR_FIXTURES "/settings/factory.cfg");
  EXPECT_TRUE(dialogs.boxes.empty());
  ScriptedDialogs quiet;
  TForm1 factory;
  TForm4 factoryFilter;
  for (const auto& row : SettingsKeys()) {
    EXPECT_EQ(ControlState(row, Forms()), ControlState(row, {factory, factoryFilter})) << row.Section << "/" << row.Key;
  }
}

}  // namespace
