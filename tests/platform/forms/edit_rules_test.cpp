// The edit's maximum length limits only what the user enters (typing, paste,
// drop, an input method); text set from code is held whole. Undo and redo
// work after every way in. What comes in otherwise than by typing ends at its
// first line break, with "?" for each character without a byte.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
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
  void Undo() { Key(Qt::Key_Z, Qt::ControlModifier); }
  void Redo() { Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }

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

// The typing is one undo step, whether or not the limit stopped it.
TEST_P(EditTyping, StopsAtTheLimit) {
  const TypingCase& c = GetParam();
  edit->SetText(c.before);
  Line()->end(false);
  Type(QString::fromLatin1(c.typed));
  EXPECT_EQ(edit->Text(), c.after);
  Undo();
  EXPECT_EQ(edit->Text(), c.before);
  Redo();
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

// Undo gives back all that a deletion took from an over-long text.
TEST_F(EditRules, UndoInAnOverLongTextRestoresItWhole) {
  edit->SetText("ABCDEFGHIJ");
  Line()->selectAll();
  Key(Qt::Key_Backspace);
  EXPECT_EQ(edit->Text(), "");
  Undo();
  EXPECT_EQ(edit->Text(), "ABCDEFGHIJ");
  Redo();
  EXPECT_EQ(edit->Text(), "");
  Undo();
  Line()->end(false);
  Type("K");
  EXPECT_EQ(edit->Text(), "ABCDEFGHIJ");
}

struct PasteCase {
  const char* before;  // set from code
  int selectFrom;      // cursor, or start of the selection
  int selected;        // characters selected
  const char* pasted;  // UTF-8
  const char* after;   // bytes
  int limit = 6;
};

const PasteCase pasteCases[] = {
    {"", 0, 0, "SP3XYZ-12", "SP3XYZ"},              // cut to the limit
    {"AB", 2, 0, "SP3XYZ-12", "ABSP3X"},            // cut to the room left
    {"AB", 2, 0, "1234", "AB1234"},                 // fits exactly
    {"ABCDE", 5, 0, "xy", "ABCDEx"},                // one character left
    {"ABCD", 1, 0, "XYZ", "AXYBCD"},                // at the cursor
    {"ABCDEF", 1, 2, "XYZ", "AXYDEF"},              // over the selection
    {"ABCDEF", 6, 0, "X", "ABCDEF"},                // no room
    {"ABCDEFGHIJ", 2, 2, "XY", "ABEFGHIJ"},         // over-long from code: only the selection goes
    {"ABCDEFGHIJ", 3, 0, "XY", "ABCDEFGHIJ"},       // over-long from code: nothing goes
    {"", 0, 0, "SQ2AB\n", "SQ2AB"},                 // one line: the line break stays out
    {"", 0, 0, "r/52.4/16.9/50\r\n", "r/52.4/16.9/50", 128},
    {"", 0, 0, "AB\nCD", "AB"},                     // and so does all after it
    {"", 0, 0, "AB\rCD", "AB"},
    {"XY", 1, 0, "\nAB", "XY"},
    {"AB", 2, 0, "12\xE2\x82\xAC", "AB12?"},        // a character without a byte shows as "?"
    {"AB", 2, 0, "1234\xE2\x82\xAC", "AB1234"},     // unless it is cut off
    {"", 0, 0, "A\xC3\x89\xD0\x96" "B", "A\xC9?B"},  // AÉЖB: É has a byte
    {"", 0, 0, "\xF0\x9D\x84\x9Ex", "?x"},         // a character beyond 16 bits is one "?"
    {"Beacon text", 0, 11, "Joe\xE2\x80\x99s digi \xE2\x80\x93 Krak\xC3\xB3w", "Joe?s digi ? Krak\xF3w", 95},
    {"", 0, 0, "Joe\xE2\x80\x99s digi", "Joe?s "},  // then cut to the limit
};

// The ways text comes in besides typing: the paste key, the context menu's
// Paste and an input method's commit put it at the cursor, over the
// selection; the middle button takes the X selection and a drop its own
// text, at the point clicked or dropped on.
enum class PasteWay { Key, Menu, MiddleButton, Drop, InputMethod };

struct PasteWayCase {
  PasteWay way;
  PasteCase paste;
};

std::vector<PasteWayCase> PasteWayCases() {
  std::vector<PasteWayCase> cases;
  for (PasteWay way : {PasteWay::Key, PasteWay::Menu, PasteWay::MiddleButton, PasteWay::Drop, PasteWay::InputMethod}) {
    const bool atAPoint = way == PasteWay::MiddleButton || way == PasteWay::Drop;
    for (const PasteCase& paste : pasteCases) {
      if (!atAPoint || paste.selected == 0) cases.push_back({way, paste});
    }
  }
  return cases;
}

std::string WayName(PasteWay way) {
  static const char* const names[] = {"Key", "Menu", "MiddleButton", "Drop", "InputMethod"};
  return names[static_cast<int>(way)];
}

std::string PasteWayCaseName(const ::testing::TestParamInfo<PasteWayCase>& info) {
  return WayName(info.param.way) + std::to_string(info.index);
}

std::string WayParamName(const ::testing::TestParamInfo<PasteWay>& info) { return WayName(info.param); }

void PrintTo(const PasteWayCase& c, std::ostream* out) {
  *out << '"' << c.paste.before << "\" [" << c.paste.selectFrom << ", +" << c.paste.selected << "] <- \""
       << c.paste.pasted << '"';
}

// Pastes text by one way in, at index for the ways that point at a place.
class PastingEdit : public EditRules {
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
      case PasteWay::InputMethod: {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(edit->Widget(), &commit);
        break;
      }
    }
  }

  // Offscreen there is no selection: the middle-button cases run under X.
  static bool CanPaste(PasteWay way) {
    return way != PasteWay::MiddleButton || QGuiApplication::clipboard()->supportsSelection();
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

class EditPaste : public PastingEdit, public ::testing::WithParamInterface<PasteWayCase> {};

// A paste replaces the selection, then inserts at the cursor what fits below
// the limit and drops the rest, whichever way it comes in; undo and redo
// take it back and bring it again, the text before it whole.
TEST_P(EditPaste, InsertsWhatFitsAtTheCursor) {
  const auto& [way, c] = GetParam();
  if (!CanPaste(way)) GTEST_SKIP() << "no selection clipboard on this platform";
  edit->SetMaxLength(c.limit);
  edit->SetText(c.before);
  Line()->setSelection(c.selectFrom, c.selected);
  Paste(way, QString::fromUtf8(c.pasted), c.selectFrom);
  EXPECT_EQ(edit->Text(), c.after);
  Undo();
  EXPECT_EQ(edit->Text(), c.before);
  Redo();
  EXPECT_EQ(edit->Text(), c.after);
}

INSTANTIATE_TEST_SUITE_P(Cases, EditPaste, ::testing::ValuesIn(PasteWayCases()), PasteWayCaseName);

class EditPasteStep : public PastingEdit, public ::testing::WithParamInterface<PasteWay> {};

// A paste is an undo step of its own, apart from the typing before and after
// it, as Qt's own paste is.
TEST_P(EditPasteStep, IsUndoneApartFromTyping) {
  const PasteWay way = GetParam();
  if (!CanPaste(way)) GTEST_SKIP() << "no selection clipboard on this platform";
  edit->SetText("");
  Type("AB");
  Paste(way, "CD", 2);
  EXPECT_EQ(edit->Text(), "ABCD");
  Undo();
  EXPECT_EQ(edit->Text(), "AB");
  Redo();
  EXPECT_EQ(edit->Text(), "ABCD");
  Type("E");
  Undo();
  EXPECT_EQ(edit->Text(), "ABCD");
  Undo();
  EXPECT_EQ(edit->Text(), "AB");
}

INSTANTIATE_TEST_SUITE_P(Ways, EditPasteStep,
                         ::testing::Values(PasteWay::Key, PasteWay::Menu, PasteWay::MiddleButton),
                         WayParamName);

// After typing, a paste over the selection that the limit cuts is undone
// back to the typed text.
TEST_F(PastingEdit, CutPasteOverTypedTextIsUndoneToIt) {
  edit->SetText("");
  Type("AB");
  Line()->selectAll();
  Paste(PasteWay::Key, "XYZUVWQ", 0);
  EXPECT_EQ(edit->Text(), "XYZUVW");
  Undo();
  EXPECT_EQ(edit->Text(), "AB");
  Redo();
  EXPECT_EQ(edit->Text(), "XYZUVW");
}

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

// Under X, Ctrl+Shift+Insert pastes the selection, not the clipboard, by
// the same rules.
TEST_F(EditRules, SelectionPasteKeyTakesTheSelection) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard->supportsSelection()) GTEST_SKIP() << "no selection clipboard on this platform";
  clipboard->setText("SP3XYZ-12\n", QClipboard::Selection);
  clipboard->setText("clipboard");
  edit->SetText("AB");
  Line()->end(false);
  Key(Qt::Key_Insert, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(edit->Text(), "ABSP3X");
}

class ReadOnlyEdit : public PastingEdit, public ::testing::WithParamInterface<PasteWay> {};

TEST_P(ReadOnlyEdit, TakesNothing) {
  const PasteWay way = GetParam();
  if (!CanPaste(way)) GTEST_SKIP() << "no selection clipboard on this platform";
  edit->SetText("AB");
  edit->SetReadOnly(true);
  Paste(way, "CD", 2);
  Type("E");
  EXPECT_EQ(edit->Text(), "AB");
}

// The read-only context menu has no Paste, and input methods are off.
INSTANTIATE_TEST_SUITE_P(Ways, ReadOnlyEdit,
                         ::testing::Values(PasteWay::Key, PasteWay::MiddleButton, PasteWay::Drop),
                         WayParamName);

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
