// A list's value is its item index: an index outside the list leaves
// nothing selected and reads -1; filling a list selects nothing.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

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
