// The three dialogs: their contents, the buttons and the menu item that
// show them modally, and that a showing neither rebuilds nor resets them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "configuration_codec.h"
#include "configuration_layout.h"
#include "list_items_shown_whole.h"
#include "scripted_dialogs.h"
#include "temporary_folder.h"

namespace {

std::vector<std::string> LabelTexts(const TForm& form) {
  std::vector<std::string> texts;
  for (const QLabel* label : form.Widget()->findChildren<const QLabel*>()) texts.push_back(label->text().toStdString());
  return texts;
}

// The four forms as start-up creates them, in the program-wide instances.
class StartedForms : public ::testing::Test {
 protected:
  StartedForms() {
    Form1 = main.get();
    Form2 = specialStrings.get();
    Form3 = remoteUpdateHelp.get();
    Form4 = filter.get();
    main->Show();
  }
  ~StartedForms() override {
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
  }

  ScriptedDialogs dialogs;
  std::unique_ptr<TForm1> main = std::make_unique<TForm1>();
  std::unique_ptr<TForm2> specialStrings = std::make_unique<TForm2>();
  std::unique_ptr<TForm3> remoteUpdateHelp = std::make_unique<TForm3>();
  std::unique_ptr<TForm4> filter = std::make_unique<TForm4>();
};

// Each button and the menu item show their own dialog, pressed as a user would.
TEST_F(StartedForms, ButtonsAndMenuShowTheirDialog) {
  struct ShowCase {
    const char* what;
    std::function<void()> press;
    TForm* shown;
  };
  const ShowCase cases[] = {
      {"Special strings 1-4", [this] { QTest::mouseClick(main->Button_special_strings->Widget(), Qt::LeftButton); },
       Form2},
      {"Special strings 5-8", [this] { QTest::mouseClick(main->Button_special_strings2->Widget(), Qt::LeftButton); },
       Form2},
      {"Filter setup", [this] { QTest::mouseClick(main->Button21->Widget(), Qt::LeftButton); }, Form4},
      {"README!", [this] { main->README1->Click(); }, Form3},
  };
  for (const ShowCase& c : cases) {
    dialogs.modalForms.clear();
    c.press();
    EXPECT_EQ(dialogs.modalForms, std::vector<TForm*>{c.shown}) << c.what;
  }
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(StartedForms, OperationsShowTheFormsMadeAtStart) {
  main->Button11Click(nullptr);
  main->README1Click(nullptr);
  main->Button20Click(nullptr);
  EXPECT_EQ(dialogs.modalForms, (std::vector<TForm*>{Form2, Form3, Form4}));
}

// The help shows the same texts on every showing, and nothing rebuilds it.
TEST_F(StartedForms, ReadmeShowsTheSameHelpAnyNumberOfTimes) {
  const std::vector<std::string> texts = LabelTexts(*Form3);
  const QLabel* firstLabel = Form3->Label1 ? static_cast<QLabel*>(Form3->Label1->Widget()) : nullptr;
  for (int showing = 0; showing < 3; ++showing) {
    dialogs.QueueModal([&](TForm& shown) {
      EXPECT_EQ(LabelTexts(shown), texts);
      EXPECT_EQ(static_cast<TForm3&>(shown).Label1->Widget(), firstLabel);
      shown.Close();
    });
    main->README1->Click();
  }
  EXPECT_EQ(dialogs.modalForms.size(), 3u);
  EXPECT_TRUE(dialogs.modalActions.empty());
}

// What the user typed into the filter rows stays for the next showing,
// whether the dialog was left with OK or closed, and the encoder and the
// settings file export read it from there.
TEST_F(StartedForms, FilterDialogKeepsWhatTheUserTyped) {
  dialogs.QueueModal([](TForm& shown) {
    auto& dialog = static_cast<TForm4&>(shown);
    dialog.Show();
    QTest::keyClicks(dialog.Packet2rf_filter_callsign03->Widget(), "dl1abc");
    QLineEdit* ssid = static_cast<QLineEdit*>(dialog.Packet2rf_filter_ssid03->Widget());
    ssid->selectAll();
    QTest::keyClicks(ssid, "7");
    dialog.Packet2rf_filter_type03->SetItemIndex(3);
    dialog.BitBtn1->Click();
  });
  QTest::mouseClick(main->Button21->Widget(), Qt::LeftButton);
  dialogs.QueueModal([](TForm& shown) {
    auto& dialog = static_cast<TForm4&>(shown);
    EXPECT_EQ(dialog.Packet2rf_filter_callsign03->Text(), "dl1abc");
    EXPECT_EQ(dialog.Packet2rf_filter_ssid03->Text(), "7");
    EXPECT_EQ(dialog.Packet2rf_filter_type03->ItemIndex(), 3);
    shown.Close();
  });
  QTest::mouseClick(main->Button21->Widget(), Qt::LeftButton);
  ASSERT_EQ(dialogs.modalForms.size(), 2u);

  ASSERT_EQ(EncodeConfigurationImage(main.get()), 1) << (dialogs.boxes.empty() ? "" : dialogs.boxes[0].Text);
  const std::uint8_t* row3 = main->ConfigurationImage + Layout::PacketFilters.At(3);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(row3), 7), "DL1ABC7");
  EXPECT_EQ(row3[Layout::PacketFilterEntry::Type.offset], 3);

  TemporaryFolder folder;
  dialogs.QueueFile(folder.File("filter.cfg"));
  main->Savetofile1->Click();
  const std::vector<std::uint8_t> bytes = ReadBytes(folder.File("filter.cfg"));
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_NE(text.find("Packet2rf_filter_callsign03=dl1abc"), std::string::npos) << text;
  EXPECT_NE(text.find("Packet2rf_filter_ssid03=7"), std::string::npos);
  EXPECT_NE(text.find("Packet2rf_filter_type03=3"), std::string::npos);
}

// Shown through the Qt side of the seam: modal, and back once closed.
TEST(RemoteUpdateHelp, ReturnsWhenTheUserClosesIt) {
  std::unique_ptr<TForm1> main;
  {
    ScriptedDialogs quiet;
    main = std::make_unique<TForm1>();
  }
  TForm3 help;
  Form3 = &help;
  main->Show();
  for (int showing = 0; showing < 2; ++showing) {
    bool modal = false;
    QTimer::singleShot(0, [&] {
      modal = QApplication::activeModalWidget() == help.Widget();
      help.Close();
    });
    main->README1->Click();
    EXPECT_TRUE(modal) << showing;
    EXPECT_FALSE(help.Widget()->isVisible()) << showing;
  }
  Form3 = nullptr;
}

// Enter in any control of the filter dialog presses its OK button, through
// the Qt side of the seam.
TEST(PacketFilterDialog, EnterClosesItWithTheOkResult) {
  TForm4 dialog;
  struct EnterCase {
    TControl* control;
    Qt::Key key;
  };
  const EnterCase cases[] = {
      {dialog.Packet2rf_filter_callsign01, Qt::Key_Return},
      {dialog.Packet2rf_filter_callsign12, Qt::Key_Enter},
      {dialog.Packet2rf_filter_ssid07, Qt::Key_Return},
      {dialog.Packet2rf_filter_type05, Qt::Key_Return},
  };
  for (const EnterCase& c : cases) {
    bool closedByEnter = false;
    QTimer::singleShot(0, [&] {
      c.control->Widget()->setFocus();
      QTest::keyClick(c.control->Widget(), c.key);
      closedByEnter = !dialog.Widget()->isVisible();
      if (!closedByEnter) dialog.Close();
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk) << c.control->Name();
    EXPECT_TRUE(closedByEnter) << c.control->Name();
  }
}

TEST(Dialogs, ListItemsShownWhole) {
  const TForm2 specialStrings;
  const TForm3 remoteUpdateHelp;
  const TForm4 filter;
  for (const TForm* form : std::initializer_list<const TForm*>{&specialStrings, &remoteUpdateHelp, &filter}) {
    SCOPED_TRACE(form->Name());
    ExpectListItemsShownWhole(form->Widget());
  }
}

// A help's labels in reading order: each inside the client area, at its
// place or below it when a wider font pushed it down, clear of the next.
void ExpectLabelsInReadingOrder(const TForm& form, const std::vector<TLabel*>& labels, const std::vector<int>& tops) {
  const QRect client(0, 0, form.ClientWidth(), form.ClientHeight());
  for (size_t i = 0; i < labels.size(); ++i) {
    const TLabel* label = labels[i];
    EXPECT_TRUE(client.contains(label->Widget()->geometry())) << label->Name();
    EXPECT_GE(label->Top(), tops[i]) << label->Name();
    EXPECT_LE(label->Width(), 575) << label->Name();
    if (i + 1 < labels.size()) {
      EXPECT_LE(label->Top() + label->Height(), labels[i + 1]->Top()) << label->Name() << " runs into the next";
    }
  }
}

TEST(SpecialStringsHelp, CaptionSizeAndTexts) {
  TForm2 form;
  EXPECT_EQ(form.Caption(), "Beacon special strings");
  EXPECT_GE(form.ClientWidth(), 251);
  EXPECT_GE(form.ClientHeight(), 116);
  const std::vector<TLabel*> labels = {form.Label1, form.Label2, form.Label3, form.Label4, form.Label5};
  const std::vector<std::string> texts = {"<date> - inserts current time in format: DDHHMM. ",
                                          "<lat> - inserts latitude defined on  \"Radio\" Tab.",
                                          "<long> - inserts longitude defined on  \"Radio\" Tab.", "Example:",
                                          "@<date>z<lat>/<long>-PELNOR Test."};
  for (size_t i = 0; i < labels.size(); ++i) {
    EXPECT_EQ(labels[i]->Caption(), texts[i]);
    EXPECT_EQ(labels[i]->Left(), 8) << texts[i];
  }
  ExpectLabelsInReadingOrder(form, labels, {8, 24, 40, 80, 96});
  EXPECT_EQ(form.Label4->Top(), 80);
}

TEST(RemoteUpdateHelpForm, HeadingsBoldStepThreeStruckThroughAllInside) {
  TForm3 form;
  EXPECT_EQ(form.Caption(), "Pelnor Rudi remote firmware upload procedure");
  EXPECT_GE(form.ClientWidth(), 591);
  EXPECT_GE(form.ClientHeight(), 406);
  const std::vector<TLabel*> labels = {form.Label1,  form.Label2,  form.Label3,  form.Label4,  form.Label5,
                                       form.Label6,  form.Label7,  form.Label8,  form.Label9,  form.Label10,
                                       form.Label11, form.Label12, form.Label13, form.Label14, form.Label15,
                                       form.Label16, form.Label17, form.Label18};
  const std::vector<TLabel*> headings = {form.Label1, form.Label6, form.Label12, form.Label16, form.Label18};
  for (TLabel* label : labels) {
    const bool heading = std::find(headings.begin(), headings.end(), label) != headings.end();
    EXPECT_EQ(label->Bold(), heading) << label->Name();
    EXPECT_EQ(label->StrikeOut(), label == form.Label9) << label->Name();
  }
  ExpectLabelsInReadingOrder(form, labels,
                             {0, 14, 40, 66, 92, 112, 126, 140, 154, 168, 182, 216, 232, 258, 284, 316, 330, 376});
  EXPECT_EQ(form.Label1->Top(), 0);
  EXPECT_EQ(form.Label2->Top(), 14);
  EXPECT_EQ(form.Label18->Left(), 5);
  EXPECT_EQ(form.Label1->Caption(), "How this works:");
  EXPECT_EQ(form.Label9->Caption(), "3. Select firmware HASH file from your Davurariruzo application folder.");
  EXPECT_EQ(form.Label12->Caption(), "STEP2: Upload your update file to Pelnor+ device");
  EXPECT_EQ(form.Label14->Caption().rfind("2. Use a TFTP client application to upload the file.", 0), 0u);
}

TEST(PacketFilterDialogForm, RowsInTwoColumnsTabOrderAndOk) {
  TForm4 form;
  const std::string caption = form.Caption();
  EXPECT_EQ(caption.rfind("APRS-IS packets to RF filter (", 0), 0u) << caption;
  EXPECT_EQ(caption.substr(caption.size() - 2), "):") << caption;
  EXPECT_EQ(form.ClientHeight(), 271);
  const Qt::WindowFlags flags = form.Widget()->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));

  // The type lists are at least 81 pixels wide, wider where the font needs
  // it for their items; the right column and the dialog make room for them.
  const int typeWidth = form.FilterRow(0).Type->Width();
  EXPECT_GE(typeWidth, 81);
  const int rightShift = form.FilterRow(6).Callsign->Left() - 24;
  EXPECT_GE(rightShift, 224);
  EXPECT_EQ(form.ClientWidth(), std::max(433, 120 + rightShift + typeWidth + 8));

  std::vector<QWidget*> order;
  for (int row = 0; row < TForm4::FilterRowCount; ++row) {
    const TFilterRow r = form.FilterRow(row);
    const int shift = row < 6 ? 0 : rightShift;
    const int top = 24 + 24 * (row % 6);
    EXPECT_EQ(r.Callsign->Widget()->geometry(), QRect(24 + shift, top, 57, 21)) << row;
    EXPECT_EQ(r.Ssid->Widget()->geometry(), QRect(88 + shift, top, 25, 21)) << row;
    EXPECT_EQ(r.Type->Widget()->geometry(), QRect(120 + shift, top, typeWidth, 21)) << row;
    EXPECT_EQ(r.Callsign->MaxLength(), 6) << row;
    EXPECT_EQ(r.Ssid->MaxLength(), 2) << row;
    for (TControl* control : std::initializer_list<TControl*>{r.Callsign, r.Ssid, r.Type}) {
      EXPECT_FALSE(control->Hint().empty()) << control->Name();
      order.push_back(control->Widget());
    }
  }
  order.push_back(form.BitBtn1->Widget());
  EXPECT_EQ(form.BitBtn1->Widget()->geometry(), QRect(184, 176, 81, 25));
  EXPECT_EQ(form.BitBtn1->Caption(), "OK");

  // The focus chain from row 1's call sign, keeping what Tab stops at.
  std::vector<QWidget*> chain;
  QWidget* widget = order.front();
  while (chain.size() < order.size()) {
    if (widget->focusPolicy() & Qt::TabFocus) chain.push_back(widget);
    widget = widget->nextInFocusChain();
    if (widget == order.front()) break;
  }
  EXPECT_EQ(chain, order);

  // Nothing overlaps or leaves the client area, whatever the font.
  const QRect client(0, 0, form.ClientWidth(), form.ClientHeight());
  const QList<QWidget*> children = form.ClientWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (qsizetype i = 0; i < children.size(); ++i) {
    EXPECT_TRUE(client.contains(children[i]->geometry())) << children[i]->objectName().toStdString();
    for (qsizetype j = i + 1; j < children.size(); ++j) {
      EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry()))
          << children[i]->objectName().toStdString() << " overlaps " << children[j]->objectName().toStdString();
    }
  }

  form.Show();
  form.BitBtn1->Click();
  EXPECT_EQ(form.ModalResult(), mrOk);
  EXPECT_FALSE(form.Widget()->isVisible());
}

}  // namespace
