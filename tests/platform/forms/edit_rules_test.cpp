// The edit's maximum length limits only what the user types or pastes;
// text set from code is held whole.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include "edit.h"
#include "form.h"

namespace {

class EditRules : public ::testing::Test {
 protected:
  EditRules() {
    form.Show();
    edit = form.Add<TEdit>("Callsign", 6);
    edit->Widget()->show();
    edit->Widget()->setFocus();
  }
  QLineEdit* Line() const { return static_cast<QLineEdit*>(edit->Widget()); }
  void Type(const QString& keys) { QTest::keyClicks(edit->Widget(), keys); }
  void Key(Qt::Key key) { QTest::keyClick(edit->Widget(), key); }

  TForm form{"Form"};
  TEdit* edit = nullptr;
};

struct TypingCase {
  const char* before;  // set from code
  const char* typed;
  const char* after;
};

void PrintTo(const TypingCase& c, std::ostream* out) { *out << '"' << c.before << "\" + \"" << c.typed << '"'; }

class EditTyping : public EditRules, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(EditTyping, StopsAtTheLimit) {
  const TypingCase& c = GetParam();
  edit->SetText(c.before);
  Line()->end(false);
  Type(QString::fromLatin1(c.typed));
  EXPECT_EQ(edit->Text(), c.after);
}

INSTANTIATE_TEST_SUITE_P(Cases, EditTyping,
                         ::testing::Values(TypingCase{"", "ABC", "ABC"},            // under the limit
                                           TypingCase{"", "ABCDEF", "ABCDEF"},      // exactly the limit
                                           TypingCase{"", "ABCDEFGHIJ", "ABCDEF"},  // past it
                                           TypingCase{"ABCDE", "XYZ", "ABCDEX"},
                                           TypingCase{"ABCDEFGHIJ", "K", "ABCDEFGHIJ"}));  // over-long from code

TEST_F(EditRules, TextSetFromCodeIsHeldWhole) {
  edit->SetText("ABCDEFGHIJ");
  EXPECT_EQ(edit->Text(), "ABCDEFGHIJ");
  EXPECT_EQ(Line()->text().size(), 10);
}

TEST_F(EditRules, DeletingInAnOverLongTextIsAllowedButGrowingItIsNot) {
  edit->SetText("ABCDEFGHIJ");
  Line()->end(false);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(edit->Text(), "ABCDEFGHI");
  Type("X");  // longer than the limit and than the text before
  EXPECT_EQ(edit->Text(), "ABCDEFGHI");
  Line()->selectAll();
  Type("Z");
  EXPECT_EQ(edit->Text(), "Z");
}

TEST_F(EditRules, PasteOverTheLimitIsRefusedWhole) {
  QGuiApplication::clipboard()->setText("12345");
  edit->SetText("AB");
  Line()->end(false);
  Line()->paste();
  EXPECT_EQ(edit->Text(), "AB");

  QGuiApplication::clipboard()->setText("1234");
  Line()->paste();
  EXPECT_EQ(edit->Text(), "AB1234");
}

TEST_F(EditRules, TextIsOneByteACharacterThroughLatin1) {
  edit->SetText("\xE9t\xE9");
  EXPECT_EQ(edit->Text(), "\xE9t\xE9");
  EXPECT_EQ(Line()->text(), QString::fromUtf8("\xC3\xA9t\xC3\xA9"));

  edit->SetText("");
  Type("a");
  // The euro sign has no byte.
  QTest::sendKeyEvent(QTest::Click, edit->Widget(), Qt::Key_unknown, QString(QChar(0x20AC)), Qt::NoModifier);
  QTest::sendKeyEvent(QTest::Click, edit->Widget(), Qt::Key_unknown, QString(QChar(0xE9)), Qt::NoModifier);
  EXPECT_EQ(edit->Text(), "a\xE9");
}

TEST_F(EditRules, NoLimitWhenTheMaximumIsZero) {
  edit->SetMaxLength(0);
  Type("ABCDEFGHIJKL");
  EXPECT_EQ(edit->Text(), "ABCDEFGHIJKL");
}

}  // namespace
