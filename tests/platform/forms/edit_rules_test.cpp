// The edit's maximum length limits only what the user types, pastes or
// drops; text set from code is held whole.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

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
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(edit->Widget(), key, modifiers);
  }

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
  Line()->setSelection(2, 2);
  Type("X");  // the selection goes; the rest is still over the limit
  EXPECT_EQ(edit->Text(), "ABEFGHI");
  Line()->selectAll();
  Type("Z");
  EXPECT_EQ(edit->Text(), "Z");
}

struct PasteCase {
  const char* before;  // set from code
  int selectFrom;      // cursor, or start of the selection
  int selected;        // characters selected
  const char* pasted;
  const char* after;
};

const PasteCase pasteCases[] = {
    {"", 0, 0, "SP3XYZ-12", "SP3XYZ"},              // cut to the limit
    {"AB", 2, 0, "SP3XYZ-12", "ABSP3X"},            // cut to the room left
    {"AB", 2, 0, "1234", "AB1234"},                 // fits exactly
    {"ABCD", 1, 0, "XYZ", "AXYBCD"},                // at the cursor
    {"ABCDEF", 1, 2, "XYZ", "AXYDEF"},              // over the selection
    {"ABCDEF", 6, 0, "X", "ABCDEF"},                // no room
    {"ABCDEFGHIJ", 2, 2, "XY", "ABEFGHIJ"},         // over-long from code: only the selection goes
    {"ABCDEFGHIJ", 3, 0, "XY", "ABCDEFGHIJ"},       // over-long from code: nothing goes
    {"AB", 2, 0, "12\xE2\x82\xAC", "AB"},           // a character without a byte refuses it
    {"AB", 2, 0, "1234\xE2\x82\xAC", "AB1234"},     // unless it is cut off
};

// The ways a user pastes: the paste key and the context menu's Paste take the
// clipboard at the cursor, over the selection; the middle button takes the X
// selection and a drop its own text, at the point clicked or dropped on.
enum class PasteWay { Key, Menu, MiddleButton, Drop };

struct PasteWayCase {
  PasteWay way;
  PasteCase paste;
};

std::vector<PasteWayCase> PasteWayCases() {
  std::vector<PasteWayCase> cases;
  for (PasteWay way : {PasteWay::Key, PasteWay::Menu, PasteWay::MiddleButton, PasteWay::Drop}) {
    const bool atAPoint = way == PasteWay::MiddleButton || way == PasteWay::Drop;
    for (const PasteCase& paste : pasteCases) {
      if (!atAPoint || paste.selected == 0) cases.push_back({way, paste});
    }
  }
  return cases;
}

std::string PasteWayCaseName(const ::testing::TestParamInfo<PasteWayCase>& info) {
  static const char* const names[] = {"Key", "Menu", "MiddleButton", "Drop"};
  return names[static_cast<int>(info.param.way)] + std::to_string(info.index);
}

void PrintTo(const PasteWayCase& c, std::ostream* out) {
  *out << '"' << c.paste.before << "\" [" << c.paste.selectFrom << ", +" << c.paste.selected << "] <- \""
       << c.paste.pasted << '"';
}

class EditPaste : public EditRules, public ::testing::WithParamInterface<PasteWayCase> {
 protected:
  // A point in the edit where a click puts the cursor before the character at index.
  QPoint PointAt(int index) const {
    for (int x = 0; x < Line()->width(); ++x) {
      const QPoint point(x, Line()->height() / 2);
      if (Line()->cursorPositionAt(point) == index) return point;
    }
    ADD_FAILURE() << "no point in the edit for position " << index;
    return {};
  }

  void Paste(PasteWay way, const QString& text, int at) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    switch (way) {
      case PasteWay::Key:
        clipboard->setText(text);
        Key(Qt::Key_V, Qt::ControlModifier);
        break;
      case PasteWay::Menu:
        clipboard->setText(text);
        PasteFromTheContextMenu();
        break;
      case PasteWay::MiddleButton:
        clipboard->setText(text, QClipboard::Selection);
        QTest::mouseClick(edit->Widget(), Qt::MiddleButton, Qt::NoModifier, PointAt(at));
        break;
      case PasteWay::Drop: {
        QMimeData data;
        data.setText(text);
        QDragEnterEvent enter(PointAt(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit->Widget(), &enter);
        QDropEvent drop(PointAt(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit->Widget(), &drop);
        break;
      }
    }
  }

  void PasteFromTheContextMenu() {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), edit->Widget()->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(edit->Widget(), &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    const auto paste = std::find_if(actions.begin(), actions.end(),
                                    [](const QAction* action) { return action->text().startsWith("&Paste"); });
    ASSERT_NE(paste, actions.end());
    (*paste)->trigger();
    menu->close();
  }
};

// A paste replaces the selection, then inserts at the cursor what fits below
// the limit and drops the rest, whichever way it comes in.
TEST_P(EditPaste, InsertsWhatFitsAtTheCursor) {
  const auto& [way, c] = GetParam();
  // Offscreen there is no selection: a test of its own runs these under X.
  if (way == PasteWay::MiddleButton && !QGuiApplication::clipboard()->supportsSelection()) {
    GTEST_SKIP() << "no selection clipboard on this platform";
  }
  edit->SetText(c.before);
  Line()->setSelection(c.selectFrom, c.selected);
  Paste(way, QString::fromUtf8(c.pasted), c.selectFrom);
  EXPECT_EQ(edit->Text(), c.after);
}

INSTANTIATE_TEST_SUITE_P(Cases, EditPaste, ::testing::ValuesIn(PasteWayCases()), PasteWayCaseName);

// The middle button pastes the X selection at the place clicked, cut the
// same way. Offscreen there is no selection: a test of its own runs this
// under X.
TEST_F(EditRules, MiddleButtonPasteIsCutToTheRoomLeft) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard->supportsSelection()) GTEST_SKIP() << "no selection clipboard on this platform";
  clipboard->setText("SP3XYZ-12", QClipboard::Selection);
  edit->SetText("AB");
  QTest::mouseClick(edit->Widget(), Qt::MiddleButton, Qt::NoModifier, QPoint(edit->Widget()->width() - 2, 5));
  EXPECT_EQ(edit->Text(), "ABSP3X");
}

TEST_F(EditRules, ReadOnlyEditTakesNoPaste) {
  edit->SetText("AB");
  edit->SetReadOnly(true);
  QGuiApplication::clipboard()->setText("CD");
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->Text(), "AB");
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
