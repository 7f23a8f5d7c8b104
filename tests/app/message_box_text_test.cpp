// The real message boxes show their text as plain text: a text that looks
// like markup is shown as it stands.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

#include "Unit1.h"
#include "application.h"
#include "dialogs.h"
#include "exception.h"

namespace {

struct ShownBox {
  std::string Caption;
  std::string Text;
  Qt::TextFormat Format = Qt::AutoText;
};

// Runs show, which opens one Qt message box; reads what its label shows and
// closes it.
ShownBox ReadTheBox(const std::function<void()>& show) {
  ShownBox seen;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    seen = {box->windowTitle().toStdString(), label->text().toStdString(), label->textFormat()};
    box->done(QMessageBox::Ok);
  });
  poll.start(10);
  show();
  return seen;
}

TEST(MessageBoxText, EveryKindShowsMarkupAsItStands) {
  const std::string text = "<b>5</b> &lt; 6 <br>";
  const struct {
    const char* kind;
    std::function<void()> show;
  } boxes[] = {
      {"information", [&] { InformationBox(text); }},
      {"plain", [&] { PlainMessageBox(text); }},
      {"error", [&] { Application->ShowException(std::runtime_error(text)); }},
  };
  for (const auto& box : boxes) {
    const ShownBox seen = ReadTheBox(box.show);
    EXPECT_EQ(seen.Format, Qt::PlainText) << box.kind;
    EXPECT_EQ(seen.Text.rfind(text, 0), 0u) << box.kind << ": " << seen.Text;
  }
}

// A box that names a file shows the name as the file dialogs do and the
// text around it as control text, also where the name's bytes recur in it.
TEST(MessageBoxText, FileNameIsShownAsAFileName) {
  const std::string name = "r\xc3\xa9glages";
  const TTextNamingFile text{"Could not read ", name, " (" + name + ")"};
  const QString shown = "Could not read " + QString::fromUtf8("réglages") + " (" + QString::fromLatin1(name) + ")";
  const struct {
    const char* kind;
    std::function<void()> show;
  } boxes[] = {
      {"information", [&] { InformationBox(text); }},
      {"error", [&] { Application->ShowException(EFileError(text)); }},
  };
  for (const auto& box : boxes) EXPECT_EQ(ReadTheBox(box.show).Text, shown.toStdString()) << box.kind;
}

TEST(MessageBoxText, WriteConfigRefusalQuotesTheMarkupTyped) {
  Application->SetTitle("Pelnor Rudi Davurariruzo");
  auto form = std::make_unique<TForm1>();
  form->Show();
  form->Ssid->SetText("<b>12</b>");
  const ShownBox seen = ReadTheBox([&] { static_cast<QPushButton*>(form->Button5->Widget())->click(); });
  EXPECT_EQ(seen.Caption, "Pelnor Rudi Davurariruzo");
  EXPECT_EQ(seen.Format, Qt::PlainText);
  EXPECT_EQ(seen.Text, "'<b>12</b>' is not a valid integer value.");
}

}  // namespace
