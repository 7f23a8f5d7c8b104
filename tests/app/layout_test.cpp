// The main window's layout: pages whose contents fit without overlapping,
// the hidden page that nothing reaches, the controls per tab and the hints.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Unit1.h"
#include "list_items_shown_whole.h"
#include "scripted_dialogs.h"

namespace {

class Form1Layout : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm1>();
    form->Show();
    QApplication::processEvents();
  }
  void TearDown() override { form.reset(); }

  ScriptedDialogs dialogs;
  std::unique_ptr<TForm1> form;
};

std::string NameOf(const QWidget* widget) {
  const QRect r = widget->geometry();
  const std::string place = " (" + std::to_string(r.left()) + ", " + std::to_string(r.top()) + ", " +
                            std::to_string(r.width()) + " x " + std::to_string(r.height()) + ")";
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    return "label \"" + label->text().toStdString() + "\"" + place;
  }
  return widget->objectName().toStdString() + place;
}

constexpr int kLabelGap = 3;

// Every child stands inside its container and clear of its siblings; group
// boxes are checked the same way inside.
void CollectLayoutFaults(const QWidget* container, QSize size, const std::string& where,
                         std::vector<std::string>& faults) {
  std::vector<const QWidget*> children;
  for (const QWidget* child : container->findChildren<const QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!child->isHidden()) children.push_back(child);
  }
  const QRect area(QPoint(0, 0), size);
  for (size_t i = 0; i < children.size(); ++i) {
    const QRect rect = children[i]->geometry();
    if (!area.contains(rect)) faults.push_back(where + ": " + NameOf(children[i]) + " sticks out");
    for (size_t j = i + 1; j < children.size(); ++j) {
      if (rect.intersects(children[j]->geometry())) {
        faults.push_back(where + ": " + NameOf(children[i]) + " overlaps " + NameOf(children[j]));
      }
    }
    // A label keeps a small gap to whatever stands right of it.
    if (qobject_cast<const QLabel*>(children[i])) {
      const QRect withGap = rect.adjusted(0, 0, kLabelGap, 0);
      for (size_t j = 0; j < children.size(); ++j) {
        if (j != i && !rect.intersects(children[j]->geometry()) && withGap.intersects(children[j]->geometry())) {
          faults.push_back(where + ": " + NameOf(children[i]) + " touches " + NameOf(children[j]));
        }
      }
    }
    if (qobject_cast<const QGroupBox*>(children[i])) {
      CollectLayoutFaults(children[i], rect.size(), where + " / " + NameOf(children[i]), faults);
    }
  }
}

TForm1Tab TabOf(int page) {
  static const TForm1Tab tabs[] = {
#define TAB(tab, caption)
#define PAGE(page, tab, caption) tab,
#define HIDDEN_PAGE(page, tab, caption) tab,
#include "form1_pages.def"
#undef TAB
#undef PAGE
#undef HIDDEN_PAGE
  };
  return tabs[page];
}

TEST_F(Form1Layout, FixedFrameWithMinimiseOnly) {
  EXPECT_EQ(form->ClientWidth(), 802);
  EXPECT_EQ(form->ClientHeight(), 418);
  const QWidget* window = form->Widget();
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(form->PageControl1->Widget()->geometry(), QRect(8, 56, 793, 257));
  EXPECT_EQ(form->Memo1->Widget()->geometry(), QRect(8, 320, 793, 73));
  EXPECT_EQ(form->ProgressBar1->Widget()->geometry(), QRect(0, 398, 802, 20));
  EXPECT_EQ(form->GroupBox3->Widget()->geometry(), QRect(8, 0, 785, 49));
}

TEST_F(Form1Layout, PageContentsFitWithoutOverlapping) {
  std::vector<std::string> faults;
  for (int page = 0; page < Form1PageCount; ++page) {
    form->PageControl1->SetActivePageIndex(form->Tabs[TabOf(page)]->PageIndex());
    QApplication::processEvents();
    const QWidget* sheet = form->Pages[page]->Widget();
    const QSize size = sheet->parentWidget()->size();  // every page of a tab control has its stack's size
    ASSERT_GT(size.height(), 150) << form->Pages[page]->Name();
    CollectLayoutFaults(sheet, size, form->Pages[page]->Caption(), faults);
  }
  for (const std::string& fault : faults) ADD_FAILURE() << fault;
}

TEST_F(Form1Layout, LabelsShowTheirWholeText) {
  for (const QLabel* label : form->Widget()->findChildren<const QLabel*>()) {
    const QFontMetrics metrics(label->font());
    if (label->wordWrap()) {
      const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
      EXPECT_GE(label->height(), needed.height()) << label->text().toStdString();
    } else {
      EXPECT_GE(label->width(), metrics.horizontalAdvance(label->text())) << label->text().toStdString();
      EXPECT_GE(label->height(), metrics.height()) << label->text().toStdString();
    }
  }
}

// A list shows its widest item whole, beside the drop-down arrow.
TEST_F(Form1Layout, ListsShowTheirWidestItem) { ExpectListItemsShownWhole(form->Widget()); }

TEST_F(Form1Layout, TabsAndPagesInOrder) {
  const std::vector<std::string> tabs = {"Radio",         "Digipeater",        "Beacons",         "Network",
                                         "APRS-IS gateway", "RTC/NTP time",    "Remote access",   "Telemetry reports",
                                         "Weather reports", "Ext. interfaces"};
  ASSERT_EQ(form->PageControl1->PageCount(), static_cast<int>(tabs.size()));
  for (int i = 0; i < form->PageControl1->PageCount(); ++i) EXPECT_EQ(form->PageControl1->Page(i)->Caption(), tabs[i]);
  EXPECT_EQ(form->PageControl1->ActivePageIndex(), 0);

  const std::map<TForm1Tab, std::vector<std::string>> pages = {
      {TabDigipeater, {"Common settings", "PATH filter rules", "PATH Filter areas", "CALLSIGN filter rules"}},
      {TabBeacons, {"Beacons 1-4", "Beacons 5-8", "GPS SmartBeaconing"}},
      {TabAprsis,
       {"APRS-IS server", "APRS-IS (common)", "RF->APRS-IS", "APRS-IS->RF (messages)", "APRS-IS->RF (non-messages)"}},
      {TabRemoteAccess, {"WWW", "Telnet", "KISS via TCP/IP"}},
      {TabTelemetry,
       {"Report settings", "Analog channels", "Digital channels 1-4", "Digital channels 5-8", "Brenvik outputs"}},
      {TabWeather, {"Weather beacon", "Weather Underground"}},
      {TabExtInterfaces,
       {"RS-232 ports", "RS-485 port", "Weather station", "GPS receiver", "KISS", "RSS-131 gamma monitor"}},
  };
  for (int tab = 0; tab < Form1TabCount; ++tab) {
    const TPageControl* nested = form->NestedPages[tab];
    const auto expected = pages.find(static_cast<TForm1Tab>(tab));
    if (expected == pages.end()) {
      EXPECT_EQ(nested, nullptr) << tabs[tab];
      continue;
    }
    ASSERT_NE(nested, nullptr) << tabs[tab];
    ASSERT_EQ(nested->PageCount(), static_cast<int>(expected->second.size())) << tabs[tab];
    for (int i = 0; i < nested->PageCount(); ++i) EXPECT_EQ(nested->Page(i)->Caption(), expected->second[i]);
    EXPECT_EQ(nested->ActivePageIndex(), 0) << tabs[tab];
  }
}

TEST_F(Form1Layout, GroupBoxesWithTheirPlaces) {
  struct Expected {
    TForm1Page page;
    const char* caption;
    QRect place;
  };
  const Expected groups[] = {
      {PageSmartBeaconing, "SmartBeaconing settings:", {24, 58, 345, 130}},
      {PageSmartBeaconing, "Report encoding settings:", {392, 3, 345, 185}},
      {PageNetwork, "Static IP settings:", {288, 56, 201, 121}},
      {PageTelnet, "Telnet debug messages (default state after connect):", {8, 89, 761, 104}},
  };
  int found = 0;
  for (const Expected& group : groups) {
    for (const QGroupBox* box : form->Pages[group.page]->Widget()->findChildren<const QGroupBox*>()) {
      if (box->title() != group.caption) continue;
      ++found;
      EXPECT_EQ(box->geometry(), group.place) << group.caption;
    }
  }
  EXPECT_EQ(found, 4);
  EXPECT_EQ(form->Smartbeaconing_fast_period->Widget()->parentWidget()->property("title").toString(),
            "SmartBeaconing settings:");
  EXPECT_EQ(form->Debug_kiss->Widget()->parentWidget()->property("title").toString(),
            "Telnet debug messages (default state after connect):");
}

TEST_F(Form1Layout, PageButtonsWithTheirSizesAndHints) {
  struct Expected {
    TButton* button;
    QRect place;
  };
  const Expected buttons[] = {
      {form->Button_special_strings, {686, 2, 94, 20}},  {form->Button_special_strings2, {686, 2, 94, 20}},
      {form->Button21, {328, 140, 73, 19}},              {form->Button_teleanalog1_default, {640, 20, 126, 20}},
      {form->Button_teleanalog5_default, {640, 116, 126, 20}}, {form->Button_teledigital1_default, {512, 20, 126, 20}},
      {form->Button_teledigital8_default, {512, 92, 126, 20}},
  };
  for (const Expected& b : buttons) {
    EXPECT_EQ(b.button->Widget()->geometry(), b.place) << b.button->Name();
    const QPushButton* push = static_cast<const QPushButton*>(b.button->Widget());
    EXPECT_GE(push->width(), push->fontMetrics().horizontalAdvance(push->text()) + 6) << b.button->Name();
  }
  EXPECT_EQ(form->Button_special_strings->Caption(), "Special strings");
  EXPECT_EQ(form->Button21->Caption(), "Filter setup");
  for (TButton* button : {form->Button_teleanalog1_default, form->Button_teleanalog2_default,
                          form->Button_teleanalog3_default, form->Button_teleanalog4_default,
                          form->Button_teleanalog5_default}) {
    EXPECT_EQ(button->Hint(), "Default parameters for telemetry module.");
    EXPECT_EQ(button->Caption(), "Default parameters");
  }
  for (TButton* button : {form->Button_teledigital1_default, form->Button_teledigital4_default,
                          form->Button_teledigital5_default, form->Button_teledigital8_default}) {
    EXPECT_EQ(button->Hint(), "");
    EXPECT_EQ(button->Caption(), "Default parameters");
  }
}

// Widgets on a sheet by kind, counted from what the window shows.
struct KindCounts {
  int edits = 0, lists = 0, checks = 0;
  bool operator==(const KindCounts&) const = default;
};

std::ostream& operator<<(std::ostream& out, const KindCounts& c) {
  return out << c.edits << " edits, " << c.lists << " lists, " << c.checks << " check boxes";
}

KindCounts CountKinds(const QWidget* sheet) {
  KindCounts counts;
  for (const QLineEdit* edit : sheet->findChildren<const QLineEdit*>()) {
    if (!qobject_cast<const QComboBox*>(edit->parentWidget())) ++counts.edits;
  }
  counts.lists = static_cast<int>(sheet->findChildren<const QComboBox*>().size());
  counts.checks = static_cast<int>(sheet->findChildren<const QCheckBox*>().size());
  return counts;
}

KindCounts operator-(KindCounts a, const KindCounts& b) {
  return {a.edits - b.edits, a.lists - b.lists, a.checks - b.checks};
}

TEST_F(Form1Layout, SettingsControlsPerTab) {
  const std::map<TForm1Tab, KindCounts> expected = {
      {TabRadio, {6, 4, 0}},       {TabDigipeater, {53, 18, 40}},  {TabBeacons, {56, 8, 0}},
      {TabNetwork, {16, 1, 0}},    {TabAprsis, {23, 4, 0}},        {TabRtc, {6, 0, 2}},
      {TabRemoteAccess, {7, 14, 0}}, {TabTelemetry, {55, 31, 0}}, {TabWeather, {13, 2, 0}},
      {TabExtInterfaces, {0, 11, 0}},
  };
  const KindCounts hidden = CountKinds(form->Pages[PageSmartBeaconing]->Widget());
  EXPECT_EQ(hidden, (KindCounts{17, 7, 0}));
  for (const auto& [tab, counts] : expected) {
    KindCounts shown = CountKinds(form->Tabs[tab]->Widget());
    if (tab == TabBeacons) shown = shown - hidden;
    EXPECT_EQ(shown, counts) << form->Tabs[tab]->Caption();
  }
  EXPECT_TRUE(form->WU_sendmethod->Widget()->findChild<QLineEdit*>() != nullptr);
}

TEST_F(Form1Layout, HintsExactlyOnTheSettingsControlsThatHaveOne) {
  int settingsWithHint = 0;
  for (int tab = 0; tab < Form1TabCount; ++tab) {
    for (const QWidget* widget : form->Tabs[tab]->Widget()->findChildren<const QWidget*>()) {
      const bool setting = qobject_cast<const QLineEdit*>(widget) ? !qobject_cast<const QComboBox*>(widget->parentWidget())
                                                                  : qobject_cast<const QComboBox*>(widget) ||
                                                                        qobject_cast<const QCheckBox*>(widget);
      if (!widget->toolTip().isEmpty()) {
        EXPECT_TRUE(setting || qobject_cast<const QPushButton*>(widget)) << NameOf(widget);
        if (setting) ++settingsWithHint;
      }
    }
  }
  EXPECT_EQ(settingsWithHint, 320);
  for (TControl* none : std::initializer_list<TControl*>{form->Netconfig, form->Pathn4_lower, form->Pathn4_higher,
                                                          form->Area_rect0_selongitude, form->Aprsis2_port,
                                                          form->Rtcyear, form->Debug_dhcp, form->Brenvik_output2,
                                                          form->Position_status_text}) {
    EXPECT_EQ(none->Hint(), "") << none->Name();
  }
  EXPECT_EQ(form->ComboBox2->Hint(), "");
}

class HiddenPage : public Form1Layout {
 protected:
  QTabWidget* Beacons() const { return form->NestedPages[TabBeacons]->Tabs(); }
  int HiddenIndex() const { return form->Pages[PageSmartBeaconing]->PageIndex(); }
};

TEST_F(HiddenPage, IsNotShown) {
  form->PageControl1->SetActivePageIndex(TabBeacons);
  QApplication::processEvents();
  EXPECT_FALSE(form->Pages[PageSmartBeaconing]->TabVisible());
  EXPECT_FALSE(form->Pages[PageSmartBeaconing]->Widget()->isVisible());
  EXPECT_FALSE(Beacons()->tabBar()->tabRect(HiddenIndex()).isValid());
}

TEST_F(HiddenPage, KeyboardPageSwitchingNeverSelectsIt) {
  form->PageControl1->SetActivePageIndex(TabBeacons);
  for (const Qt::KeyboardModifiers modifiers :
       {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
    for (int press = 0; press < 7; ++press) {
      QKeyEvent key(QEvent::KeyPress, Qt::Key_Tab, modifiers);
      QApplication::sendEvent(Beacons(), &key);
      EXPECT_NE(Beacons()->currentIndex(), HiddenIndex());
    }
  }
  for (const int keyCode : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End}) {
    for (int press = 0; press < 3; ++press) {
      QKeyEvent key(QEvent::KeyPress, keyCode, Qt::NoModifier);
      QApplication::sendEvent(Beacons()->tabBar(), &key);
      EXPECT_NE(Beacons()->currentIndex(), HiddenIndex());
    }
  }
}

TEST_F(HiddenPage, ClickingOrScrollingTheTabBarNeverSelectsIt) {
  form->PageControl1->SetActivePageIndex(TabBeacons);
  QApplication::processEvents();
  QTabBar* bar = Beacons()->tabBar();
  for (int x = 0; x < bar->width(); x += 3) {
    const QPointF at(x, bar->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, bar->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, bar->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(bar, &press);
    QApplication::sendEvent(bar, &release);
    EXPECT_NE(Beacons()->currentIndex(), HiddenIndex()) << "click at " << x;
  }
  for (const int delta : {-120, -120, -120, 120, 120, 120}) {
    const QPointF at(5, bar->height() / 2);
    QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &wheel);
    EXPECT_NE(Beacons()->currentIndex(), HiddenIndex());
  }
}

}  // namespace
