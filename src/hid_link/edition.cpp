// The HID edition's hooks into the main window and its connection buttons.
#include "Unit1.h"
#include "configuration_codec.h"
#include "hid_device.h"
#include "hid_messages.h"
#include "hid_reports.h"
#include "hid_transfers.h"
#include "window_close.h"

const char* const EditionSuffix = " (HID Bootloader)";

// Distance the transfer buttons move left into the place of the port controls.
constexpr int TransferButtonShift = 160;

void EditionConstructorAdditions(TForm1& form) {
  for (TControl* control : {static_cast<TControl*>(form.Label9), static_cast<TControl*>(form.ComboBox2),
                            static_cast<TControl*>(form.Button1), static_cast<TControl*>(form.Button2)}) {
    control->SetVisible(false);
  }
  for (TButton* button : {form.Button4, form.Button5, form.Button3}) {
    button->SetLeft(button->Left() - TransferButtonShift);
  }
  // The upgrade lets window messages run; closing then would leave the
  // device half-flashed.
  form.OnCloseQuery = [] { return !FirmwareUpgradeRunning(); };
}

void TForm1::Button1Click(TObject*) {}
void TForm1::Button2Click(TObject*) {}

void TForm1::Button3Click(TObject*) { UpgradeFirmware(*this); }

void TForm1::Button4Click(TObject*) {
  std::fill(std::begin(ReceivedImage), std::end(ReceivedImage), 0);
  if (!OpenHidDevice(*this)) {
    CloseHidDevice();
    return;
  }
  ReadConfigurationPages(*this);
  CloseHidDevice();
  // A closed window shows no box: nothing is decoded or asked for.
  if (WindowClosed(*this)) return;
  if (!ReceivedImageValid()) {
    Memo1->AddLine(EepromChecksumErrorLine);
    return;
  }
  Memo1->AddLine(DecodeConfigurationImage(this) == 1 ? EepromReadSuccessLine : EepromReadErrorLine);
  if (OpenHidDevice(*this)) ShowFirmwareVersion(*this);
  CloseHidDevice();
}

void TForm1::Button5Click(TObject*) {
  if (Uploadpctime->Checked()) SetRtcFieldsFromPcClock();
  if (EncodeConfigurationImage(this) == 0) return;
  if (!OpenHidDevice(*this)) {
    CloseHidDevice();
    return;
  }
  WriteConfigurationPages(*this);
  CloseHidDevice();
}
