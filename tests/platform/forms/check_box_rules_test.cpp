// A check box's click handler runs at once, and only when its state
// changes, whether code or the user changes it.
#include <gtest/gtest.h>

#include <QTest>

#include "check_box.h"
#include "exception.h"
#include "form.h"
#include "scripted_dialogs.h"

namespace {

struct SetCase {
  bool initial;
  bool set;
  int runs;
};

void PrintTo(const SetCase& c, std::ostream* out) { *out << c.initial << " to " << c.set; }

class CheckBoxSet : public ::testing::TestWithParam<SetCase> {};

TEST_P(CheckBoxSet, HandlerRunsOnlyOnAChange) {
  const SetCase& c = GetParam();
  TForm form("Form");
  auto* box = form.Add<TCheckBox>("Box", "Box");
  box->SetChecked(c.initial);
  std::vector<bool> seen;  // the state the handler sees
  box->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, box);
    seen.push_back(box->Checked());
  };
  box->SetChecked(c.set);
  ASSERT_EQ(static_cast<int>(seen.size()), c.runs);
  if (c.runs) EXPECT_EQ(seen[0], c.set);
  EXPECT_EQ(box->Checked(), c.set);
}

INSTANTIATE_TEST_SUITE_P(Cases, CheckBoxSet,
                         ::testing::Values(SetCase{false, false, 0}, SetCase{false, true, 1}, SetCase{true, true, 0},
                                           SetCase{true, false, 1}));

TEST(CheckBoxUser, AClickTogglesAndRunsTheHandlerOnce) {
  TForm form("Form");
  form.Show();
  auto* box = form.Add<TCheckBox>("Box", "Box");
  box->SetBounds(0, 0, 100, 20);
  box->Widget()->show();
  int runs = 0;
  box->OnClick = [&](TObject*) { ++runs; };
  QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(8, 10));
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(runs, 1);
}

TEST(CheckBoxUser, AnExceptionFromTheHandlerGoesToTheErrorBox) {
  ScriptedDialogs dialogs;
  TForm form("Form");
  auto* box = form.Add<TCheckBox>("Box", "Box");
  box->OnClick = [](TObject*) { throw Exception("Refused"); };
  box->SetChecked(true);
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].Text, "Refused.");
  EXPECT_TRUE(box->Checked());
}

}  // namespace
