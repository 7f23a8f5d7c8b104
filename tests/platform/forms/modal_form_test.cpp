// Modal showing through the Qt side of the dialog seam: the form is shown
// modally and ShowModal returns once it is closed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "button.h"
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

}  // namespace
