// The control rules on the window's own settings controls: maximum lengths
// that hold only for typing, item indexes outside a list, and setting from
// code that runs no handler.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Unit1.h"
#include "Unit4.h"
#include "configuration_codec.h"
#include "scripted_dialogs.h"

namespace {

class ControlRules : public ::testing::Test {
 protected:
  ControlRules() { form->Show(); }

  static void Type(TEdit* edit, const std::string& keys) {
    edit->Widget()->setFocus();
    QTest::keyClick(edit->Widget(), Qt::Key_End);
    QTest::keyClicks(edit->Widget(), QString::fromLatin1(keys.c_str()));
  }

  ScriptedDialogs dialogs;
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>();
};

// One member of each family with its maximum length, the lengths that
// differ within a family member by member.
TEST_F(ControlRules, MaximumLengthsOfTheEditFamilies) {
  struct LengthCase {
    TEdit* edit;
    int length;
  };
  const LengthCase cases[] = {
      {form->Callsign, 6},
      {form->Ssid, 2},
      {form->Latitude, 8},
      {form->Longitude, 9},
      {form->Txdelay, 4},
      {form->Floodtimeout, 3},
      {form->Pathn5_name, 5},
      {form->Pathn5_lower, 1},
      {form->Area_rad1_radius, 4},
      {form->Callfilter_callsign7, 6},
      {form->Callfilter_ssid7, 2},
      {form->Beacon6_msg, 95},
      {form->Beacon6_txrate_rf, 4},
      {form->Smartbeaconing_turn_slope, 4},
      {form->Position_status_text, 40},
      {form->Ipgate2, 3},
      {form->Aprsis2_servername, 31},
      {form->Aprsis_user, 16},
      {form->Aprsis_timeout, 2},
      {form->Aprsis_filter, 128},
      {form->Rtcyear, 4},
      {form->Rtcmin, 2},
      {form->Ntp_servername, 31},
      {form->www_password, 12},
      {form->telnet_port, 5},
      {form->Teleparams_txrate_rf, 3},
      {form->Teletitle, 23},
      {form->Teleanalog1_name, 7},
      {form->Teleanalog2_units, 7},
      {form->Teleanalog3_name, 6},
      {form->Teleanalog4_units, 6},
      {form->Teleanalog5_name, 5},
      {form->Teleanalog5_coefc, 8},
      {form->Teledigital1_name, 6},
      {form->Teledigital2_units, 5},
      {form->Teledigital5_name, 4},
      {form->Teledigital6_units, 3},
      {form->Teledigital8_name, 3},
      {form->Weather_comment, 32},
      {form->WU_password, 24},
      {form->WU_rapidfireserver, 39},
  };
  for (const LengthCase& c : cases) EXPECT_EQ(c.edit->MaxLength(), c.length) << c.edit->Name();
}

struct TypingCase {
  const char* name;
  TEdit* TForm1::*edit;
  const char* before;  // set from code
  const char* typed;
  const char* after;
};

void PrintTo(const TypingCase& c, std::ostream* out) { *out << c.name; }

class Typing : public ControlRules, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(Typing, StopsAtTheMaximumLength) {
  const TypingCase& c = GetParam();
  TEdit* edit = form.get()->*c.edit;
  edit->SetText(c.before);
  Type(edit, c.typed);
  EXPECT_EQ(edit->Text(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Typing,
    ::testing::Values(TypingCase{"CallsignPastSix", &TForm1::Callsign, "", "SP3ABCDEF", "SP3ABC"},
                      TypingCase{"CallsignUpToSix", &TForm1::Callsign, "SP3", "XYZ", "SP3XYZ"},
                      TypingCase{"SsidPastTwo", &TForm1::Ssid, "", "123", "12"},
                      TypingCase{"DigitalUnitsPastThree", &TForm1::Teledigital7_units, "", "Pcnt", "Pcn"},
                      TypingCase{"OverlongFromCodeTakesNoMore", &TForm1::Callsign, "ABCDEFGHIJ", "K", "ABCDEFGHIJ"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlRules, BeaconMessageTakesNinetyFiveTypedCharacters) {
  form->Beacon1_msg->SetText("");
  Type(form->Beacon1_msg, std::string(100, 'x'));
  EXPECT_EQ(form->Beacon1_msg->Text(), std::string(95, 'x'));
}

// A paste takes as much as fits and drops the rest.
TEST_F(ControlRules, PasteIsCutToTheRoomLeft) {
  QApplication::clipboard()->setText("SP3XYZ-12");
  form->Callsign->Widget()->setFocus();
  for (const auto& [before, after] : {std::pair{"", "SP3XYZ"}, std::pair{"AB", "ABSP3X"}}) {
    form->Callsign->SetText(before);
    static_cast<QLineEdit*>(form->Callsign->Widget())->end(false);
    QTest::keyClick(form->Callsign->Widget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->Callsign->Text(), after) << before;
  }
}

// A line break pasted with a call sign or a number stays out of the edit,
// so the configuration written is that of the text without it.
TEST_F(ControlRules, PastedLineBreaksNeverReachTheImage) {
  const auto filter = std::make_unique<TForm4>();
  TForm4* const previousForm4 = std::exchange(Form4, filter.get());
  // Bytes 0 to 5 are the stamp drawn at each encode and the checksum.
  const auto encode = [this] {
    EXPECT_EQ(EncodeConfigurationImage(form.get()), 1);
    return std::vector<std::uint8_t>(std::begin(form->ConfigurationImage) + 6, std::end(form->ConfigurationImage));
  };
  form->Callsign->SetText("SQ2AB");
  form->Txdelay->SetText("300");
  const std::vector<std::uint8_t> typed = encode();
  for (const auto& [edit, pasted] : {std::pair{form->Callsign, "SQ2AB\n"}, std::pair{form->Txdelay, "300\r\n"}}) {
    edit->SetText("");
    edit->Widget()->setFocus();
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(edit->Widget(), Qt::Key_V, Qt::ControlModifier);
  }
  EXPECT_EQ(encode(), typed);
  EXPECT_TRUE(dialogs.boxes.empty());
  Form4 = previousForm4;
}

// Text set from code (an import, a decode) is held whole.
TEST_F(ControlRules, TextFromCodeIsHeldWhole) {
  struct CodeCase {
    TEdit* edit;
    std::string text;
  };
  const CodeCase cases[] = {
      {form->Callsign, "ABCDEFGHIJ"},
      {form->Ssid, "12345"},
      {form->Teledigital8_units, "Pcnt1h"},
      {form->Beacon1_msg, std::string(120, 'm')},
  };
  for (const CodeCase& c : cases) {
    c.edit->SetText(c.text);
    EXPECT_EQ(c.edit->Text(), c.text) << c.edit->Name();
  }
}

// An index outside the list leaves nothing selected; nothing else happens.
TEST_F(ControlRules, IndexOutsideTheListReadsMinusOne) {
  struct IndexCase {
    TComboBox* list;
    int index;
    int reads;
  };
  const IndexCase cases[] = {
      {form->Ptt, 5, -1},
      {form->Ptt, 2, -1},
      {form->Ptt, 1, 1},
      {form->Ptt, -1, -1},
      {form->Beacon4_enable, 5, -1},
      {form->Beacon4_enable, 4, 4},
      {form->Teleanalog2_source, 17, -1},
      {form->Teleanalog2_source, 16, 16},
      {form->Teledigital3_source, 9, -1},
      {form->Quiettime_randomize, 100, -1},
      {form->WU_sendmethod, 2, -1},
      {form->Gamma_units, 6, -1},
  };
  for (const IndexCase& c : cases) {
    const int items = c.list->ItemCount();
    c.list->SetItemIndex(c.index);
    EXPECT_EQ(c.list->ItemIndex(), c.reads) << c.list->Name() << " set to " << c.index;
    EXPECT_EQ(c.list->ItemCount(), items) << c.list->Name();
  }
  EXPECT_TRUE(dialogs.boxes.empty());
}

// Setting edits and lists from code runs no handler: the RTC edits keep
// the enabled state that only the two check boxes change.
TEST_F(ControlRules, SettingEditsAndListsFromCodeRunsNothing) {
  form->Uploadpctime->SetChecked(false);
  form->Rtcyear->SetText("2030");
  form->Rtcmonth->SetText("");
  form->Netconfig->SetItemIndex(0);
  form->Tele_enable->SetItemIndex(1);
  for (TEdit* rtc : {form->Rtcyear, form->Rtcmonth, form->Rtcday, form->Rtchour, form->Rtcmin}) {
    EXPECT_TRUE(rtc->Enabled()) << rtc->Name();
  }
  EXPECT_FALSE(form->Uploadpctime->Checked());
  EXPECT_TRUE(form->Ntp_enable->Checked());
  EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
