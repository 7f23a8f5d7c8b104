// Telemetry channel presets, the dialogs, and the "Default parameters"
// handlers.
#include <string>

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"

namespace {

// What an analog channel preset writes, by the item index of the channel's
// source. The "Not used" name is followed by the channel number.
struct AnalogPresetRow {
  int Source;
  const char* Name;
  bool NumberedName;
  const char* Units;
  const char* CoefA;
  const char* CoefB;
  const char* CoefC;
};

constexpr AnalogPresetRow AnalogChannelPreset[] = {
    {0, "A", true, "None", "0", "0", "0"},
    {11, "Rx1h", false, "Pkt", "0", "10", "0"},
    {12, "Rx10m", false, "Pkt", "0", "1", "0"},
    {13, "Dg1h", false, "Pkt", "0", "10", "0"},
    {14, "Dg10m", false, "Pkt", "0", "1", "0"},
    {15, "Eff", false, "Pcnt", "0", "1", "0"},
    {16, "Eff1h", false, "Pcnt", "0", "1", "0"},
};

// A digital channel preset writes only for the "Not used" source.
constexpr int DigitalPresetSource = 0;
constexpr int InvertedNo = 0;

struct AnalogChannelControls {
  TComboBox* TForm1::*Source;
  TEdit* TForm1::*Name;
  TEdit* TForm1::*Units;
  TEdit* TForm1::*CoefA;
  TEdit* TForm1::*CoefB;
  TEdit* TForm1::*CoefC;
};

struct DigitalChannelControls {
  TComboBox* TForm1::*Source;
  TEdit* TForm1::*Name;
  TEdit* TForm1::*Units;
  TComboBox* TForm1::*Inverted;
  const char* PresetUnits;  // fits the units edit of the channel
};

#define ANALOG_CHANNEL(n)                                                                        \
  {&TForm1::Teleanalog##n##_source, &TForm1::Teleanalog##n##_name, &TForm1::Teleanalog##n##_units, \
   &TForm1::Teleanalog##n##_coefa, &TForm1::Teleanalog##n##_coefb, &TForm1::Teleanalog##n##_coefc}
#define DIGITAL_CHANNEL(n, units)                                                                     \
  {&TForm1::Teledigital##n##_source, &TForm1::Teledigital##n##_name, &TForm1::Teledigital##n##_units, \
   &TForm1::Teledigital##n##_inverted, units}

const AnalogChannelControls AnalogChannels[] = {
    ANALOG_CHANNEL(1), ANALOG_CHANNEL(2), ANALOG_CHANNEL(3), ANALOG_CHANNEL(4), ANALOG_CHANNEL(5),
};

const DigitalChannelControls DigitalChannels[] = {
    DIGITAL_CHANNEL(1, "None"), DIGITAL_CHANNEL(2, "None"), DIGITAL_CHANNEL(3, "None"),
    DIGITAL_CHANNEL(4, "None"), DIGITAL_CHANNEL(5, "None"), DIGITAL_CHANNEL(6, "Non"),
    DIGITAL_CHANNEL(7, "Non"),  DIGITAL_CHANNEL(8, "Non"),
};

#undef ANALOG_CHANNEL
#undef DIGITAL_CHANNEL

// Channel numbers count from 1.
void ApplyAnalogChannelPreset(TForm1& form, int channel) {
  const AnalogChannelControls& controls = AnalogChannels[channel - 1];
  const int source = (form.*controls.Source)->ItemIndex();
  for (const AnalogPresetRow& row : AnalogChannelPreset) {
    if (row.Source != source) continue;
    (form.*controls.Name)->SetText(row.NumberedName ? row.Name + std::to_string(channel) : row.Name);
    (form.*controls.Units)->SetText(row.Units);
    (form.*controls.CoefA)->SetText(row.CoefA);
    (form.*controls.CoefB)->SetText(row.CoefB);
    (form.*controls.CoefC)->SetText(row.CoefC);
    return;
  }
}

void ApplyDigitalChannelPreset(TForm1& form, int channel) {
  const DigitalChannelControls& controls = DigitalChannels[channel - 1];
  if ((form.*controls.Source)->ItemIndex() != DigitalPresetSource) return;
  (form.*controls.Name)->SetText("B" + std::to_string(channel));
  (form.*controls.Units)->SetText(controls.PresetUnits);
  (form.*controls.Inverted)->SetItemIndex(InvertedNo);
}

}  // namespace

void TForm1::Button6Click(TObject*) { ApplyAnalogChannelPreset(*this, 1); }
void TForm1::Button7Click(TObject*) { ApplyAnalogChannelPreset(*this, 2); }
void TForm1::Button8Click(TObject*) { ApplyAnalogChannelPreset(*this, 3); }
void TForm1::Button9Click(TObject*) { ApplyAnalogChannelPreset(*this, 4); }
void TForm1::Button10Click(TObject*) { ApplyAnalogChannelPreset(*this, 5); }
void TForm1::Button13Click(TObject*) { ApplyDigitalChannelPreset(*this, 1); }
void TForm1::Button12Click(TObject*) { ApplyDigitalChannelPreset(*this, 2); }
void TForm1::Button14Click(TObject*) { ApplyDigitalChannelPreset(*this, 3); }
void TForm1::Button15Click(TObject*) { ApplyDigitalChannelPreset(*this, 4); }
void TForm1::Button16Click(TObject*) { ApplyDigitalChannelPreset(*this, 5); }
void TForm1::Button17Click(TObject*) { ApplyDigitalChannelPreset(*this, 6); }
void TForm1::Button18Click(TObject*) { ApplyDigitalChannelPreset(*this, 7); }
void TForm1::Button19Click(TObject*) { ApplyDigitalChannelPreset(*this, 8); }

// The dialogs are the ones built at start-up; their result is not looked at.
void TForm1::Button11Click(TObject*) { Form2->ShowModal(); }
void TForm1::README1Click(TObject*) { Form3->ShowModal(); }
void TForm1::Button20Click(TObject*) { Form4->ShowModal(); }

// Each "Default parameters" button runs its own channel's preset.
void TForm1::Button_teleanalog1_defaultClick(TObject* Sender) { Button6Click(Sender); }
void TForm1::Button_teleanalog2_defaultClick(TObject* Sender) { Button7Click(Sender); }
void TForm1::Button_teleanalog3_defaultClick(TObject* Sender) { Button8Click(Sender); }
void TForm1::Button_teleanalog4_defaultClick(TObject* Sender) { Button9Click(Sender); }
void TForm1::Button_teleanalog5_defaultClick(TObject* Sender) { Button10Click(Sender); }
void TForm1::Button_teledigital1_defaultClick(TObject* Sender) { Button13Click(Sender); }
void TForm1::Button_teledigital2_defaultClick(TObject* Sender) { Button12Click(Sender); }
void TForm1::Button_teledigital3_defaultClick(TObject* Sender) { Button14Click(Sender); }
void TForm1::Button_teledigital4_defaultClick(TObject* Sender) { Button15Click(Sender); }
void TForm1::Button_teledigital5_defaultClick(TObject* Sender) { Button16Click(Sender); }
void TForm1::Button_teledigital6_defaultClick(TObject* Sender) { Button17Click(Sender); }
void TForm1::Button_teledigital7_defaultClick(TObject* Sender) { Button18Click(Sender); }
void TForm1::Button_teledigital8_defaultClick(TObject* Sender) { Button19Click(Sender); }
