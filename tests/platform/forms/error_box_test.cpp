// The application's error box: error icon, the title as caption, and a full
// stop appended only when the message's last character sorts after ".".
#include <gtest/gtest.h>

#include <stdexcept>

#include "application.h"
#include "button.h"
#include "exception.h"
#include "form.h"
#include "scripted_dialogs.h"

namespace {

struct TextCase {
  const char* message;
  const char* shown;
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << '"' << c.message << '"'; }

class ErrorBoxTextRule : public ::testing::TestWithParam<TextCase> {};

TEST_P(ErrorBoxTextRule, FullStopOnlyAfterDot) {
  EXPECT_EQ(ErrorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, ErrorBoxTextRule,
                         ::testing::Values(TextCase{"Port busy", "Port busy."},
                                           TextCase{"Done.", "Done."},            // the dot itself
                                           TextCase{"Stop!", "Stop!"},            // '!' sorts before '.'
                                           TextCase{"range -", "range -"},        // '-' just before '.'
                                           TextCase{"path /", "path /."},         // '/' just after '.'
                                           TextCase{"'x' is not a valid integer value",
                                                    "'x' is not a valid integer value."},
                                           TextCase{"value 5", "value 5."},
                                           TextCase{"(none)", "(none)"},
                                           TextCase{"caf\xE9", "caf\xE9."},       // a byte above 127
                                           TextCase{"", ""}));

TEST(ErrorBox, IsCaptionedWithTheTitle) {
  ScriptedDialogs dialogs;
  Application->SetTitle("Pelnor Rudi Davurariruzo");
  Application->ShowException(Exception("No answer"));
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].Kind, TMessageBoxKind::Error);
  EXPECT_EQ(dialogs.boxes[0].Caption, "Pelnor Rudi Davurariruzo");
  EXPECT_EQ(dialogs.boxes[0].Text, "No answer.");
}

TEST(ErrorBox, ShowsWhatLeavesAButtonHandlerAndTheProgramGoesOn) {
  ScriptedDialogs dialogs;
  TForm form("Form");
  auto* button = form.Add<TButton>("Button1", "Go");
  int runs = 0;
  button->OnClick = [&](TObject*) {
    if (++runs == 1) throw Exception("First press fails");
    throw 42;  // not an exception class: shown without a message
  };
  button->Click();
  button->Click();
  ASSERT_EQ(dialogs.boxes.size(), 2u);
  EXPECT_EQ(dialogs.boxes[0].Text, "First press fails.");
  EXPECT_EQ(dialogs.boxes[1].Text, "");
  EXPECT_EQ(dialogs.boxes[1].Kind, TMessageBoxKind::Error);
}

TEST(Button, ADisabledButtonCannotBePressed) {
  TForm form("Form");
  auto* button = form.Add<TButton>("Button1", "Go");
  int runs = 0;
  button->OnClick = [&](TObject*) { ++runs; };
  button->Click();
  button->SetEnabled(false);
  button->Click();
  EXPECT_EQ(runs, 1);
}

}  // namespace
