// On X: every dialog a form shows is transient for the main window, read
// from the shown window's WM_TRANSIENT_FOR.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>
#include <optional>
#include <string>

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "application.h"
#include "x11_windows.h"

namespace {

// Shows a dialog through show; once it is on screen, records the window its
// WM_TRANSIENT_FOR names and runs then (which closes it).
std::optional<xcb_window_t> TransientWhileShown(TForm* dialog, const std::function<void()>& show,
                                                const std::function<void()>& then) {
  std::optional<xcb_window_t> found;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWindow* window = dialog->Widget()->windowHandle();
    if (!window || !window->isExposed()) return;
    poll.stop();
    QApplication::sync();
    found = TX11Display().TransientFor(static_cast<xcb_window_t>(window->winId()));
    then();
  });
  poll.start(20);
  show();
  return found;
}

TEST(ShownDialogs, AreTransientForTheMainWindow) {
  Application->CreateForm(Form1);
  Application->CreateForm(Form2);
  Application->CreateForm(Form3);
  Application->CreateForm(Form4);
  Form1->Show();
  const auto main = static_cast<xcb_window_t>(Form1->Widget()->winId());

  const struct {
    const char* name;
    TForm* dialog;
    std::function<void()> show;
  } dialogs[] = {
      {"Form2", Form2, [] { Form1->Button11Click(nullptr); }},
      {"Form3", Form3, [] { Form1->README1Click(nullptr); }},
      {"Form4", Form4, [] { Form1->Button20Click(nullptr); }},
  };
  for (const auto& d : dialogs) {
    EXPECT_EQ(TransientWhileShown(d.dialog, d.show, [&] { d.dialog->Close(); }), main) << d.name;
  }
  // A form shown by a dialog belongs to the main window too.
  std::optional<xcb_window_t> nested;
  const auto outer = TransientWhileShown(
      Form4, [] { Form1->Button20Click(nullptr); },
      [&] {
        nested = TransientWhileShown(Form2, [] { Form2->ShowModal(); }, [] { Form2->Close(); });
        Form4->Close();
      });
  EXPECT_EQ(outer, main);
  EXPECT_EQ(nested, main);
  Application->DestroyForms();
}

}  // namespace
