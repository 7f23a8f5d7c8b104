// The main window's frame: the connection group, the menu, the log box,
// the progress bar and the file dialogs.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "Unit1.h"
#include "scripted_dialogs.h"

namespace {

class MainWindow : public ::testing::Test {
 protected:
  MainWindow() {
    form->Show();
    QApplication::processEvents();
  }

  ScriptedDialogs dialogs;
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>();
};

TEST_F(MainWindow, ConnectionGroupInItsOrder) {
  EXPECT_EQ(form->GroupBox3->Caption(), "Connection:");
  EXPECT_EQ(form->Label9->Caption(), "COM Port:");
  EXPECT_EQ(form->Label9->Left(), 8);
  EXPECT_EQ(form->Label9->Top(), 18);
  EXPECT_EQ(form->ComboBox2->Widget()->geometry(), QRect(80, 16, 89, 21));
  EXPECT_TRUE(static_cast<QComboBox*>(form->ComboBox2->Widget())->isEditable());

  struct ButtonCase {
    TButton* button;
    const char* caption;
    QRect place;
  };
  const ButtonCase buttons[] = {
      {form->Button1, "Open port", {192, 14, 73, 25}},     {form->Button2, "Close port", {288, 14, 75, 25}},
      {form->Button4, "Read config", {384, 14, 89, 25}},   {form->Button5, "Write config", {496, 14, 91, 25}},
      {form->Button3, "Upload firmware", {608, 14, 105, 25}},
  };
  // Tab order within the group: the port selector, then the buttons left to right.
  std::vector<QWidget*> order = {form->ComboBox2->Widget()};
  for (const ButtonCase& b : buttons) {
    EXPECT_EQ(b.button->Caption(), b.caption);
    EXPECT_EQ(b.button->Widget()->geometry(), b.place) << b.caption;
    EXPECT_EQ(b.button->Widget()->parentWidget(), form->GroupBox3->ClientWidget()) << b.caption;
    order.push_back(b.button->Widget());
  }
  for (size_t i = 0; i + 1 < order.size(); ++i) {
    QWidget* next = order[i]->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus) || next->focusProxy()) next = next->nextInFocusChain();
    EXPECT_EQ(next, order[i + 1]) << order[i]->objectName().toStdString();
  }
}

// No shortcut keys and no accelerator letters.
TEST_F(MainWindow, MenuWithItsFourItems) {
  const auto& menus = form->MainMenu1->Menus();
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(menus[0].get(), form->Configuration1);
  EXPECT_EQ(menus[1].get(), form->Remoteupdate1);
  EXPECT_EQ(form->Configuration1->Caption(), "Configuration import/export");
  EXPECT_EQ(form->Remoteupdate1->Caption(), "Remote update");
  const std::vector<std::vector<std::pair<TMenuItem*, const char*>>> items = {
      {{form->Savetofile1, "Save to file"}, {form->Readfromfile1, "Read from file"}},
      {{form->README1, "README!"}, {form->Buildremoteupdatefile1, "Build remote update file"}},
  };
  for (size_t m = 0; m < menus.size(); ++m) {
    ASSERT_EQ(menus[m]->Items().size(), items[m].size());
    for (size_t i = 0; i < items[m].size(); ++i) {
      TMenuItem* item = menus[m]->Items()[i].get();
      EXPECT_EQ(item, items[m][i].first);
      EXPECT_EQ(item->Caption(), items[m][i].second);
      EXPECT_TRUE(item->Action()->shortcut().isEmpty()) << item->Name();
      EXPECT_FALSE(item->Action()->text().contains('&')) << item->Name();
    }
  }
}

TEST_F(MainWindow, LogBoxIsReadOnlyButSelectable) {
  auto* memo = static_cast<QPlainTextEdit*>(form->Memo1->Widget());
  EXPECT_TRUE(memo->toPlainText().isEmpty());
  EXPECT_TRUE(memo->isReadOnly());
  EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);

  form->Memo1->AddLine("Eeprom page received.");
  ASSERT_TRUE(QTest::qWaitFor([memo] { return !memo->toPlainText().isEmpty(); }, 1000));
  memo->setFocus();
  QTest::keyClicks(memo, "typed");
  QApplication::clipboard()->setText("pasted");
  QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(memo, Qt::Key_Delete);
  EXPECT_EQ(memo->toPlainText().toStdString(), "Eeprom page received.");

  QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "Eeprom page received.");
}

TEST_F(MainWindow, ProgressBarAtRest) {
  EXPECT_EQ(form->ProgressBar1->Min(), 0);
  EXPECT_EQ(form->ProgressBar1->Max(), 100);
  EXPECT_EQ(form->ProgressBar1->Position(), 0);
}

TEST_F(MainWindow, FileDialogsWithTheirNamesAndFilters) {
  struct DialogCase {
    const TFileDialog* dialog;
    const char* fileName;
    const char* filter;
  };
  const DialogCase cases[] = {
      {form->SaveDialog1.get(), "pelnor.cfg", "Pelnor config files (*.cfg)|*.cfg"},
      {form->OpenDialog2.get(), "", "Pelnor config files (*.cfg)|*.cfg"},
      {form->RUF_SaveDialog.get(), "vorivurivo.ruf", "Pelnor remote update files (*.ruf)|*.ruf"},
  };
  for (const DialogCase& c : cases) {
    EXPECT_EQ(c.dialog->FileName, c.fileName);
    EXPECT_EQ(c.dialog->Filter, c.filter);
  }
}

// Shown on the first tab, each tab on its first page, nothing reported.
TEST_F(MainWindow, ShownOnTheFirstTabAndPage) {
  EXPECT_EQ(form->PageControl1->ActivePageIndex(), 0);
  for (const TPageControl* nested : form->NestedPages) {
    if (nested) EXPECT_EQ(nested->ActivePageIndex(), 0) << nested->Name();
  }
  EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
