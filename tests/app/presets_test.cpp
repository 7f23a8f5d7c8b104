// Telemetry channel presets: what each one writes by the channel's source,
// run through its published operation and through its "Default parameters"
// button, and that nothing outside its own channel changes.
#include <gtest/gtest.h>

#include <QTest>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>

#include "Unit1.h"
#include "scripted_dialogs.h"

namespace {

// Every settings control of the main window by name.
std::map<std::string, TControl*> SettingsControls(const TForm1& form) {
  return {
#define CONTROL(name, ...) {#name, form.name},
#define EDIT CONTROL
#define LIST CONTROL
#define EDITABLE_LIST CONTROL
#define SOURCE_LIST CONTROL
#define CHECK CONTROL
#include "form1_controls.def"
#undef EDIT
#undef LIST
#undef EDITABLE_LIST
#undef SOURCE_LIST
#undef CHECK
#undef CONTROL
  };
}

// Every settings control's state as text: the edit's text, the item index
// or 1 and 0 for a check box.
using WindowState = std::map<std::string, std::string>;

WindowState StateOf(const TForm1& form) {
  WindowState state;
  for (const auto& [name, control] : SettingsControls(form)) {
    if (const auto* edit = dynamic_cast<const TEdit*>(control)) {
      state[name] = edit->Text();
    } else if (const auto* list = dynamic_cast<const TComboBox*>(control)) {
      state[name] = std::to_string(list->ItemIndex());
    } else {
      state[name] = static_cast<const TCheckBox*>(control)->Checked() ? "1" : "0";
    }
  }
  return state;
}

// The differences of after against before, as "name: before -> after".
std::string Changes(const WindowState& before, const WindowState& after) {
  std::string changes;
  for (const auto& [name, value] : after) {
    if (before.at(name) != value) changes += name + ": \"" + before.at(name) + "\" -> \"" + value + "\"\n";
  }
  return changes;
}

enum class Way { Operation, Button };

struct Channel {
  bool analog;
  int number;
};

std::string Prefix(Channel channel) {
  return (channel.analog ? "Teleanalog" : "Teledigital") + std::to_string(channel.number) + "_";
}

// Runs the channel's preset as the chosen way gives it.
void RunPreset(TForm1& form, Channel channel, Way way) {
  using Operation = void (TForm1::*)(TObject*);
  static const Operation analogOperations[] = {&TForm1::Button6Click, &TForm1::Button7Click, &TForm1::Button8Click,
                                               &TForm1::Button9Click, &TForm1::Button10Click};
  static const Operation digitalOperations[] = {&TForm1::Button13Click, &TForm1::Button12Click,
                                                &TForm1::Button14Click, &TForm1::Button15Click,
                                                &TForm1::Button16Click, &TForm1::Button17Click,
                                                &TForm1::Button18Click, &TForm1::Button19Click};
  const TButton* const analogButtons[] = {form.Button_teleanalog1_default, form.Button_teleanalog2_default,
                                          form.Button_teleanalog3_default, form.Button_teleanalog4_default,
                                          form.Button_teleanalog5_default};
  const TButton* const digitalButtons[] = {form.Button_teledigital1_default, form.Button_teledigital2_default,
                                           form.Button_teledigital3_default, form.Button_teledigital4_default,
                                           form.Button_teledigital5_default, form.Button_teledigital6_default,
                                           form.Button_teledigital7_default, form.Button_teledigital8_default};
  const int index = channel.number - 1;
  if (way == Way::Operation) {
    (form.*(channel.analog ? analogOperations : digitalOperations)[index])(nullptr);
  } else {
    const TButton* button = (channel.analog ? analogButtons : digitalButtons)[index];
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
  }
}

// A window whose telemetry channels hold texts a user typed and lists a
// user chose, so that every write of a preset shows.
class Presets : public ::testing::Test {
 protected:
  Presets() {
    form->Show();
    for (int n = 1; n <= 5; ++n) {
      for (const char* field : {"name", "units", "coefa", "coefb", "coefc"}) {
        TypeInto(Edit(Prefix({true, n}) + field), "t" + std::to_string(n));
      }
      List(Prefix({true, n}) + "average")->SetItemIndex(1);
    }
    for (int n = 1; n <= 8; ++n) {
      TypeInto(Edit(Prefix({false, n}) + "name"), "t" + std::to_string(n));
      TypeInto(Edit(Prefix({false, n}) + "units"), "u" + std::to_string(n));
      List(Prefix({false, n}) + "inverted")->SetItemIndex(1);
    }
  }

  TEdit* Edit(const std::string& name) const { return dynamic_cast<TEdit*>(SettingsControls(*form).at(name)); }
  TComboBox* List(const std::string& name) const {
    return dynamic_cast<TComboBox*>(SettingsControls(*form).at(name));
  }
  static void TypeInto(TEdit* edit, const std::string& text) {
    QTest::keyClicks(edit->Widget(), QString::fromLatin1(text.c_str()));
  }

  ScriptedDialogs dialogs;
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>();
};

TEST_F(Presets, TypedTextsAreInPlace) {
  EXPECT_EQ(form->Teleanalog2_coefb->Text(), "t2");
  EXPECT_EQ(form->Teledigital7_units->Text(), "u7");
}

// An analog channel's name, units and coefficients A, B, C after its
// preset; nothing for "keeps what it held".
using AnalogTexts = std::optional<std::array<const char*, 5>>;
// A digital channel's name, units and inverted index after its preset.
struct DigitalTexts {
  const char* name;
  const char* units;
  const char* inverted;
};

struct PresetCase {
  const char* name;
  Channel channel;
  int source;
  AnalogTexts analog;                   // analog channels
  std::optional<DigitalTexts> digital;  // digital channels
};

void PrintTo(const PresetCase& c, std::ostream* out) { *out << c.name; }

const PresetCase PresetCases[] = {
    {"Analog3NotUsed", {true, 3}, 0, {{"A3", "None", "0", "0", "0"}}, {}},
    {"Analog5NotUsed", {true, 5}, 0, {{"A5", "None", "0", "0", "0"}}, {}},
    {"Analog1RxedPackets1h", {true, 1}, 11, {{"Rx1h", "Pkt", "0", "10", "0"}}, {}},
    {"Analog4RxedPackets10min", {true, 4}, 12, {{"Rx10m", "Pkt", "0", "1", "0"}}, {}},
    {"Analog2DigiedPackets1h", {true, 2}, 13, {{"Dg1h", "Pkt", "0", "10", "0"}}, {}},
    {"Analog5DigiedPackets10min", {true, 5}, 14, {{"Dg10m", "Pkt", "0", "1", "0"}}, {}},
    {"Analog3DecodeEfficiency", {true, 3}, 15, {{"Eff", "Pcnt", "0", "1", "0"}}, {}},
    {"Analog1DecodeEfficiency1h", {true, 1}, 16, {{"Eff1h", "Pcnt", "0", "1", "0"}}, {}},
    {"Analog2Voltage1KeepsTypedTexts", {true, 2}, 7, {}, {}},
    {"Digital7NotUsed", {false, 7}, 0, {}, {{"B7", "Non", "0"}}},
    {"Digital6NotUsed", {false, 6}, 0, {}, {{"B6", "Non", "0"}}},
    {"Digital5NotUsed", {false, 5}, 0, {}, {{"B5", "None", "0"}}},
    {"Digital1NotUsed", {false, 1}, 0, {}, {{"B1", "None", "0"}}},
    {"Digital2NotUsed", {false, 2}, 0, {}, {{"B2", "None", "0"}}},
    {"Digital1Input1ChangesNothing", {false, 1}, 5, {}, {}},
};

class PresetTable : public Presets, public ::testing::WithParamInterface<std::tuple<PresetCase, Way>> {};

TEST_P(PresetTable, WritesItsRowAndTouchesNothingElse) {
  const auto& [c, way] = GetParam();
  const std::string prefix = Prefix(c.channel);
  List(prefix + "source")->SetItemIndex(c.source);
  WindowState expected = StateOf(*form);
  if (c.analog) {
    const char* const fields[] = {"name", "units", "coefa", "coefb", "coefc"};
    for (int i = 0; i < 5; ++i) expected[prefix + fields[i]] = (*c.analog)[i];
  }
  if (c.digital) {
    expected[prefix + "name"] = c.digital->name;
    expected[prefix + "units"] = c.digital->units;
    expected[prefix + "inverted"] = c.digital->inverted;
  }
  RunPreset(*form, c.channel, way);
  EXPECT_EQ(Changes(expected, StateOf(*form)), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, PresetTable,
                         ::testing::Combine(::testing::ValuesIn(PresetCases),
                                            ::testing::Values(Way::Operation, Way::Button)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) == Way::Button ? "ByButton" : "ByOperation");
                         });

// Measured sources and no source at all: every channel keeps everything.
TEST_F(Presets, MeasuredOrNoSourceChangesNothingOnAnyChannel) {
  for (const bool analog : {true, false}) {
    const int channels = analog ? 5 : 8;
    const int lastMeasured = analog ? 10 : 8;
    for (int n = 1; n <= channels; ++n) {
      for (int source = -1; source <= lastMeasured; ++source) {
        if (source == 0) continue;
        List(Prefix({analog, n}) + "source")->SetItemIndex(source);
        const WindowState before = StateOf(*form);
        RunPreset(*form, {analog, n}, Way::Operation);
        EXPECT_EQ(Changes(before, StateOf(*form)), "") << Prefix({analog, n}) << " source " << source;
      }
    }
  }
}

// A preset sets its texts whole, whatever the edit held, and again on
// every run.
TEST_F(Presets, RunsAgainOverWhatTheUserChanged) {
  form->Teleanalog1_source->SetItemIndex(11);
  form->Button6Click(nullptr);
  form->Teleanalog1_name->SetText("");
  TypeInto(form->Teleanalog1_coefb, "9");
  form->Button6Click(nullptr);
  EXPECT_EQ(form->Teleanalog1_name->Text(), "Rx1h");
  EXPECT_EQ(form->Teleanalog1_coefb->Text(), "10");
}

// The window's constructor applies no preset.
TEST(PresetsAtStart, ChannelTextsEmptyAndListsUnselected) {
  ScriptedDialogs dialogs;
  const TForm1 form;
  const WindowState state = StateOf(form);
  for (int n = 1; n <= 5; ++n) {
    const std::string prefix = Prefix({true, n});
    for (const char* field : {"name", "units", "coefa", "coefb", "coefc"}) EXPECT_EQ(state.at(prefix + field), "");
    EXPECT_EQ(state.at(prefix + "average"), "-1");
  }
  for (int n = 1; n <= 8; ++n) {
    const std::string prefix = Prefix({false, n});
    EXPECT_EQ(state.at(prefix + "name"), "");
    EXPECT_EQ(state.at(prefix + "units"), "");
    EXPECT_EQ(state.at(prefix + "inverted"), "-1");
  }
}

}  // namespace
