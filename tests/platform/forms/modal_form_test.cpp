// Modal showing through the Qt side of the dialog seam: the form is shown
// modally and ShowModal returns once it is closed; Enter presses its default
// button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "button.h"
#include "edit.h"
#include "form.h"

namespace {

class ModalForm : public ::testing::Test {
 protected:
  ModalForm() {
    form.SetClientSize(200, 100);
    ok = form.Add<TBitBtn>("BitBtn1", form);
  }
  // Runs what the user does once the form is up; records whether it was
  // the modal window then.
  void WhileShown(std::function<void()> action) {
    QTimer::singleShot(0, [this, action] {
      shownModally = form.Widget()->isVisible() && QApplication::activeModalWidget() == form.Widget();
      action();
    });
  }

  TForm form{"Dialog"};
  TBitBtn* ok = nullptr;
  bool shownModally = false;
};

TEST_F(ModalForm, OkButtonClosesWithTheOkResult) {
  WhileShown([this] { ok->Click(); });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_TRUE(shownModally);
  EXPECT_FALSE(form.Widget()->isVisible());
}

TEST_F(ModalForm, ClosingTheWindowGivesCancelAndItCanBeShownAgain) {
  for (int showing = 0; showing < 3; ++showing) {
    shownModally = false;
    WhileShown([this] { form.Close(); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_TRUE(shownModally);
    EXPECT_FALSE(form.Widget()->isVisible());
  }
}

TEST_F(ModalForm, ARefusedCloseKeepsItOpen) {
  bool allowClose = false;
  form.OnCloseQuery = [&] { return allowClose; };
  WhileShown([&] {
    form.Close();
    EXPECT_TRUE(form.Widget()->isVisible());
    allowClose = true;
    form.Close();
  });
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

// Enter in a control presses the form's default button, when it can be
// pressed; an ordinary button is never pressed by it.
TEST_F(ModalForm, EnterPressesTheDefaultButton) {
  TEdit* edit = form.Add<TEdit>("Edit1", 6);
  TButton* other = form.Add<TButton>("Button1", "Other");
  bool otherPressed = false;
  other->OnClick = [&](TObject*) { otherPressed = true; };
  struct EnterCase {
    const char* what;
    bool okEnabled;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int result;
  };
  const EnterCase cases[] = {
      {"Return", true, Qt::Key_Return, Qt::NoModifier, mrOk},
      {"keypad Enter", true, Qt::Key_Enter, Qt::KeypadModifier, mrOk},
      {"Ctrl+Return", true, Qt::Key_Return, Qt::ControlModifier, mrCancel},
      {"disabled OK button", false, Qt::Key_Return, Qt::NoModifier, mrCancel},
  };
  for (const EnterCase& c : cases) {
    ok->SetEnabled(c.okEnabled);
    WhileShown([&] {
      edit->Widget()->setFocus();
      QTest::keyClick(edit->Widget(), c.key, c.modifiers);
      if (form.Widget()->isVisible()) form.Close();
    });
    EXPECT_EQ(form.ShowModal(), c.result) << c.what;
  }
  EXPECT_FALSE(otherPressed);
}

}  // namespace
