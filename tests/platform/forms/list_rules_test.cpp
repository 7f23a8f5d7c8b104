// A list's value is its item index: an index outside the list leaves
// nothing selected and reads -1; filling a list selects nothing.
#include <gtest/gtest.h>

#include <QComboBox>

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
