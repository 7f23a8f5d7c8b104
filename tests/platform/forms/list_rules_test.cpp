// A list's value is its item index: an index outside the list leaves
// nothing selected and reads -1; filling a list selects nothing.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

#include <functional>

#include "combo_box.h"
#include "form.h"

namespace {

const std::vector<std::string> ThreeItems = {"No", "Yes", "Maybe"};

struct IndexCase {
  int set;
  int reads;
};

void PrintTo(const IndexCase& c, std::ostream* out) { *out << "set " << c.set; }

class ListIndex : public ::testing::TestWithParam<std::tuple<bool, IndexCase>> {};

TEST_P(ListIndex, OutsideTheListReadsMinusOne) {
  const auto [editable, c] = GetParam();
  TForm form("Form");
  auto* list = form.Add<TComboBox>("List", editable);
  list->AddItems(ThreeItems);
  list->SetItemIndex(1);
  list->SetItemIndex(c.set);
  EXPECT_EQ(list->ItemIndex(), c.reads);
}

INSTANTIATE_TEST_SUITE_P(Cases, ListIndex,
                         ::testing::Combine(::testing::Bool(),
                                            ::testing::Values(IndexCase{0, 0}, IndexCase{2, 2}, IndexCase{3, -1},
                                                              IndexCase{100, -1}, IndexCase{-1, -1},
                                                              IndexCase{-7, -1})));

class ListFilling : public ::testing::TestWithParam<bool> {};

TEST_P(ListFilling, SelectsNothing) {
  TForm form("Form");
  auto* list = form.Add<TComboBox>("List", GetParam());
  list->AddItems(ThreeItems);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(list->ItemCount(), 3);
  EXPECT_EQ(list->Item(2), "Maybe");

  list->SetItemIndex(2);
  list->AddItem("Later");
  EXPECT_EQ(list->ItemIndex(), 2);
}

INSTANTIATE_TEST_SUITE_P(PlainAndEditable, ListFilling, ::testing::Bool());

TEST(EditableList, FillingKeepsTheTypedText) {
  TForm form("Form");
  auto* list = form.Add<TComboBox>("Port", true);
  list->SetText("COM7");
  list->AddItems({"COM1", "COM2"});
  EXPECT_EQ(list->Text(), "COM7");
  EXPECT_EQ(list->ItemIndex(), -1);
}

TEST(EmptyList, AnyIndexReadsMinusOne) {
  TForm form("Form");
  auto* list = form.Add<TComboBox>("List");
  list->SetItemIndex(0);
  EXPECT_EQ(list->ItemIndex(), -1);
}

}  // namespace

// An editable list: text the user types selects no item, even an item's own
// text, until an item is chosen from the list; text set from code leaves the
// index as it is.
class TypedListText : public ::testing::Test {
 protected:
  TypedListText() {
    list->AddItems(ThreeItems);
    list->SetItemIndex(1);
    form.Show();
    box()->setFocus();
    QApplication::processEvents();
  }
  QComboBox* box() const { return static_cast<QComboBox*>(list->Widget()); }
  void Type(const char* text) {
    box()->lineEdit()->selectAll();
    QTest::keyClicks(box()->lineEdit(), QString::fromLatin1(text));
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(box(), key, modifiers); }
  void Wheel(int delta) {
    const QPointF centre = QRectF(box()->rect()).center();
    QWheelEvent wheel(centre, box()->mapToGlobal(centre), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(box(), &wheel);
  }

  TForm form{"Form"};
  TComboBox* list = form.Add<TComboBox>("List", true);
  QLineEdit* other = new QLineEdit(form.ClientWidget());
};

TEST_F(TypedListText, ReadsNoItemUntilOneIsChosen) {
  for (const char* typed : {"/dev/ttyUSB0", "Maybe", "No"}) {
    list->SetItemIndex(1);
    Type(typed);
    EXPECT_EQ(list->ItemIndex(), -1) << typed;
    EXPECT_EQ(list->Text(), typed);
    // Leaving the box, or Enter in it, chooses nothing either.
    QTest::keyClick(box()->lineEdit(), Qt::Key_Return);
    other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(list->ItemIndex(), -1) << typed;
    EXPECT_EQ(list->Text(), typed);
    box()->setFocus();
  }
}

TEST_F(TypedListText, ChoosingAnItemSelectsIt) {
  Type("x");
  QTest::keyClick(box(), Qt::Key_Down);
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_EQ(list->Text(), "No");
  Type("y");
  box()->showPopup();
  QApplication::processEvents();
  box()->view()->setCurrentIndex(box()->model()->index(2, 0));
  QTest::keyClick(box()->view(), Qt::Key_Return);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->Text(), "Maybe");
}

TEST_F(TypedListText, TextAndIndexFromCodeKeepTheirRules) {
  list->SetText("typed by code");
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->Text(), "typed by code");
  Type("z");
  list->SetItemIndex(2);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->Text(), "Maybe");
}

// The first key typed over a chosen item is undone like any typing, back
// to the item's text.
TEST_F(TypedListText, KeepsTheUndoHistoryOfTyping) {
  Type("ab");
  EXPECT_EQ(list->Text(), "ab");
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(list->Text(), "Yes");
  EXPECT_EQ(list->ItemIndex(), -1);
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(list->Text(), "ab");
}

// What is pasted into the edit ends at its first line break.
TEST_F(TypedListText, PasteKeepsItsFirstLine) {
  QApplication::clipboard()->setText("COM3\r\n");
  box()->lineEdit()->selectAll();
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(list->Text(), "COM3");
  EXPECT_EQ(list->ItemIndex(), -1);
}

// A move through the list from typed text starts from no item: down it
// reaches the first item, up there is none and the typed text stays.
TEST_F(TypedListText, MovesStartFromNoItem) {
  struct MoveCase {
    const char* name;
    std::function<void()> move;
    int reads;
    const char* text;
  };
  const MoveCase cases[] = {
      {"Down", [this] { Key(Qt::Key_Down); }, 0, "No"},
      {"PageDown", [this] { Key(Qt::Key_PageDown); }, 0, "No"},
      {"Up", [this] { Key(Qt::Key_Up); }, -1, "typed"},
      {"PageUp", [this] { Key(Qt::Key_PageUp); }, -1, "typed"},
      {"WheelDown", [this] { Wheel(-120); }, 0, "No"},
      {"WheelUp", [this] { Wheel(120); }, -1, "typed"},
  };
  for (const MoveCase& c : cases) {
    list->SetItemIndex(2);
    Type("typed");
    c.move();
    EXPECT_EQ(list->ItemIndex(), c.reads) << c.name;
    EXPECT_EQ(list->Text(), c.text) << c.name;
  }
}

// Typed text names the item equal to it, letter case and blanks around it
// ignored, without selecting it; a selected item names itself.
TEST_F(TypedListText, NamesTheItemItEquals) {
  struct NameCase {
    const char* typed;
    int names;
  };
  for (const NameCase& c : {NameCase{"Maybe", 2}, NameCase{" maybe ", 2}, NameCase{"NO", 0}, NameCase{"May be", -1},
                            NameCase{"/dev/ttyUSB0", -1}, NameCase{"  ", -1}}) {
    list->SetItemIndex(1);
    Type(c.typed);
    EXPECT_EQ(list->NamedItemIndex(), c.names) << c.typed;
    EXPECT_EQ(list->ItemIndex(), -1) << c.typed;
  }
  list->SetItemIndex(1);
  list->SetText("Maybe");
  EXPECT_EQ(list->NamedItemIndex(), 1);
}
