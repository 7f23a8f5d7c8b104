#include "form1_layout.h"

#include <map>
#include <stdexcept>
#include <string>

#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include "Unit1.h"
#include "factory_values.h"
#include "form1_placement.h"
#include "item_lists.h"

namespace {

constexpr const char* TELEMETRY_DEFAULT_HINT = "Default parameters for telemetry module.";
// A label stands this far below the top of the row of controls it names.
constexpr int kLabelOffset = 4;
// Narrow tab padding, so that the ten tab captions fit the tab control.
constexpr const char* kTopTabStyle = "QTabBar::tab { padding: 3px 4px; }";

void BuildFrame(TForm1& form) {
  form.SetClientSize(802, 418);
  form.SetBorder(TBorderStyle::Single, TBorderIcons{true, true, false});
}

void BuildConnectionGroup(TForm1& form) {
  form.GroupBox3 = form.Add<TGroupBox>("GroupBox3", "Connection:");
  form.GroupBox3->SetBounds(8, 0, 785, 49);
  form.Label9 = form.GroupBox3->Add<TLabel>("Label9", "COM Port:");
  form.Label9->SetBounds(8, 18, form.Label9->Width(), form.Label9->Height());
  form.ComboBox2 = form.GroupBox3->Add<TComboBox>("ComboBox2", true);
  form.ComboBox2->SetBounds(80, 16, 89, 21);
  form.ComboBox2->AddItems(PortList);
  form.ComboBox2->SetItemIndex(0);
  struct ButtonPlace {
    TButton* TForm1::*member;
    const char* name;
    const char* caption;
    int left, width;
    void (TForm1::*handler)(TObject*);
  };
  const ButtonPlace buttons[] = {
      {&TForm1::Button1, "Button1", "Open port", 192, 73, &TForm1::Button1Click},
      {&TForm1::Button2, "Button2", "Close port", 288, 75, &TForm1::Button2Click},
      {&TForm1::Button4, "Button4", "Read config", 384, 89, &TForm1::Button4Click},
      {&TForm1::Button5, "Button5", "Write config", 496, 91, &TForm1::Button5Click},
      {&TForm1::Button3, "Button3", "Upload firmware", 608, 105, &TForm1::Button3Click},
  };
  for (const auto& b : buttons) {
    TButton* button = form.GroupBox3->Add<TButton>(b.name, b.caption);
    button->SetBounds(b.left, 14, b.width, 25);
    auto handler = b.handler;
    button->OnClick = [&form, handler](TObject* sender) { (form.*handler)(sender); };
    form.*(b.member) = button;
  }
}

void BuildTabs(TForm1& form) {
  form.PageControl1 = form.Add<TPageControl>("PageControl1");
  form.PageControl1->SetBounds(8, 56, 793, 257);
  form.PageControl1->Tabs()->tabBar()->setStyleSheet(QString::fromLatin1(kTopTabStyle));
#define TAB(tab, caption) form.Tabs[tab] = form.PageControl1->AddPage("TabSheet" + std::to_string(tab + 1), caption);
#define PAGE(page, tab, caption)
#define HIDDEN_PAGE(page, tab, caption)
#include "form1_pages.def"
#undef TAB
#undef PAGE
#undef HIDDEN_PAGE
  auto addPage = [&form](TForm1Page page, TForm1Tab tab, const std::string& caption, bool hidden) {
    if (caption.empty()) {
      form.Pages[page] = form.Tabs[tab];
      return;
    }
    if (!form.NestedPages[tab]) {
      form.NestedPages[tab] = form.Tabs[tab]->Add<TPageControl>("PageControl" + std::to_string(tab + 2), true);
      form.NestedPages[tab]->SetBounds(0, 0, tab == TabRemoteAccess ? 777 : 785, 225);
    }
    form.Pages[page] = form.NestedPages[tab]->AddPage("TabSheet_" + std::to_string(page), caption);
    if (hidden) form.Pages[page]->SetTabVisible(false);
  };
#define TAB(tab, caption)
#define PAGE(page, tab, caption) addPage(page, tab, caption, false);
#define HIDDEN_PAGE(page, tab, caption) addPage(page, tab, caption, true);
#include "form1_pages.def"
#undef TAB
#undef PAGE
#undef HIDDEN_PAGE
}

// A control waiting for its place, with the page the control table puts it on.
struct TUnplaced {
  TControl* control;
  TForm1Page page;
};
using TUnplacedControls = std::map<std::string, TUnplaced>;

void CreateSettingsControls(TForm1& form, TUnplacedControls& unplaced) {
  auto keep = [&unplaced](TControl* control, TForm1Page page) { unplaced[control->Name()] = {control, page}; };
#define EDIT(name, page, length, text, hint)               \
  form.name = form.Pages[page]->Add<TEdit>(#name, length); \
  form.name->SetHint(hint);                                \
  keep(form.name, page);
#define LIST(name, page, items, index, hint)           \
  form.name = form.Pages[page]->Add<TComboBox>(#name); \
  form.name->AddItems(items);                          \
  form.name->SetHint(hint);                            \
  keep(form.name, page);
#define EDITABLE_LIST(name, page, items, index, hint)        \
  form.name = form.Pages[page]->Add<TComboBox>(#name, true); \
  form.name->AddItems(items);                                \
  form.name->SetHint(hint);                                  \
  keep(form.name, page);
#define SOURCE_LIST(name, page, items, index, hint)    \
  form.name = form.Pages[page]->Add<TComboBox>(#name); \
  form.name->SetHint(hint);                            \
  keep(form.name, page);
#define CHECK(name, page, caption, state, hint)                 \
  form.name = form.Pages[page]->Add<TCheckBox>(#name, caption); \
  form.name->SetHint(hint);                                     \
  keep(form.name, page);
#include "form1_controls.def"
#undef EDIT
#undef LIST
#undef EDITABLE_LIST
#undef SOURCE_LIST
#undef CHECK
  for (TEdit* edit : {form.Rtcyear, form.Rtcmonth, form.Rtcday, form.Rtchour, form.Rtcmin}) edit->SetEnabled(false);
  form.Uploadpctime->OnClick = [&form](TObject* sender) { form.UploadpctimeClick(sender); };
  form.Ntp_enable->OnClick = [&form](TObject* sender) { form.UploadpctimeClick(sender); };
}

void CreatePageButtons(TForm1& form, TUnplacedControls& unplaced) {
#define BUTTON(name, page, caption, hint, handler)                                  \
  form.name = form.Pages[page]->Add<TButton>(#name, caption);                       \
  form.name->SetHint(hint);                                                         \
  form.name->OnClick = [&form](TObject* sender) { form.handler(sender); };          \
  unplaced[#name] = {form.name, page};
#include "form1_buttons.def"
#undef BUTTON
}

std::string Numbered(const char* text, int number) {
  std::string result = text;
  const size_t mark = result.find('#');
  if (mark != std::string::npos) result.replace(mark, 1, std::to_string(number));
  return result;
}

class TPagePlacer {
 public:
  TPagePlacer(TTabSheet& page, TForm1Page pageId, TUnplacedControls& unplaced)
      : page_(page), pageId_(pageId), unplaced_(unplaced) {}

  void PlaceBlock(const TPlaceBlock& block) {
    TWinControl* container = &page_;
    if (block.group.caption) {
      const TGroupPlace& g = block.group;
      TGroupBox* group = page_.Add<TGroupBox>(page_.Name() + "_Group" + std::to_string(++groups_), g.caption);
      group->SetBounds(g.left, g.top, g.width, g.height);
      container = group;
    }
    for (int row = 0; row < block.rows; ++row) {
      for (const TPlace& item : block.items) {
        Place(*container, item, block.first + row, row * block.pitch);
      }
    }
  }

 private:
  void Place(TWinControl& container, const TPlace& item, int number, int down) {
    const std::string text = Numbered(item.text, number);
    const int top = item.top + down;
    if (item.kind == TPlaceKind::Control) {
      TControl* control = TakeControl(text);
      if (&container != &page_) control->Widget()->setParent(container.ClientWidget());
      control->SetBounds(item.left, top, item.width, item.height);
      return;
    }
    TLabel* label = container.Add<TLabel>(page_.Name() + "_Label" + std::to_string(++labels_), text);
    if (item.kind == TPlaceKind::Note) {
      label->SetWordWrap(true);
      label->AutoSize(item.width);
    }
    const int labelTop = item.kind == TPlaceKind::Label ? top + kLabelOffset : top;
    label->SetBounds(item.left, labelTop, label->Width(), label->Height());
  }

  TControl* TakeControl(const std::string& name) {
    const auto found = unplaced_.find(name);
    if (found == unplaced_.end()) throw std::logic_error("layout: " + name + " is unknown or placed twice");
    if (found->second.page != pageId_) throw std::logic_error("layout: " + name + " is placed on another page");
    TControl* control = found->second.control;
    unplaced_.erase(found);
    return control;
  }

  TTabSheet& page_;
  TForm1Page pageId_;
  TUnplacedControls& unplaced_;
  int labels_ = 0;
  int groups_ = 0;
};

void PlacePageContents(TForm1& form, TUnplacedControls& unplaced) {
  const TTabPlaces* const tabs[] = {&RadioPlaces,        &DigipeaterPlaces, &BeaconsPlaces,   &NetworkPlaces,
                                    &AprsisPlaces,       &RtcPlaces,        &RemoteAccessPlaces,
                                    &TelemetryPlaces,    &WeatherPlaces,    &ExtInterfacesPlaces};
  for (const TTabPlaces* tab : tabs) {
    for (const TPagePlaces& page : *tab) {
      TPagePlacer placer(*form.Pages[page.page], page.page, unplaced);
      for (const TPlaceBlock& block : page.blocks) placer.PlaceBlock(block);
    }
  }
  if (!unplaced.empty()) throw std::logic_error("layout: " + unplaced.begin()->first + " has no place");
}

void BuildLogAndProgress(TForm1& form) {
  form.Memo1 = form.Add<TMemo>("Memo1");
  form.Memo1->SetBounds(8, 320, 793, 73);
  form.ProgressBar1 = form.Add<TProgressBar>("ProgressBar1");
  form.ProgressBar1->SetBounds(0, 398, 802, 20);
}

void BuildMenu(TForm1& form) {
  form.MainMenu1 = form.CreateMainMenu("MainMenu1");
  form.Configuration1 = form.MainMenu1->AddMenu("Configuration1", "Configuration import/export");
  form.Savetofile1 = form.Configuration1->AddItem("Savetofile1", "Save to file");
  form.Readfromfile1 = form.Configuration1->AddItem("Readfromfile1", "Read from file");
  form.Remoteupdate1 = form.MainMenu1->AddMenu("Remoteupdate1", "Remote update");
  form.README1 = form.Remoteupdate1->AddItem("README1", "README!");
  form.Buildremoteupdatefile1 = form.Remoteupdate1->AddItem("Buildremoteupdatefile1", "Build remote update file");
  form.Savetofile1->OnClick = [&form](TObject* s) { form.Savetofile1Click(s); };
  form.Readfromfile1->OnClick = [&form](TObject* s) { form.Readfromfile1Click(s); };
  form.README1->OnClick = [&form](TObject* s) { form.README1Click(s); };
  form.Buildremoteupdatefile1->OnClick = [&form](TObject* s) { form.BuildRemoteUpdateFile1Click(s); };
  form.SetClientSize(802, 418);
}

void BuildFileDialogs(TForm1& form) {
  form.SaveDialog1 = std::make_unique<TSaveDialog>("pelnor.cfg", "Pelnor config files (*.cfg)|*.cfg");
  form.OpenDialog2 = std::make_unique<TOpenDialog>("", "Pelnor config files (*.cfg)|*.cfg");
  form.RUF_SaveDialog = std::make_unique<TSaveDialog>("vorivurivo.ruf", "Pelnor remote update files (*.ruf)|*.ruf");
}

}  // namespace

void BuildForm1Layout(TForm1& form) {
  BuildFrame(form);
  BuildConnectionGroup(form);
  BuildTabs(form);
  TUnplacedControls unplaced;
  CreateSettingsControls(form, unplaced);
  CreatePageButtons(form, unplaced);
  PlacePageContents(form, unplaced);
  BuildLogAndProgress(form);
  BuildMenu(form);
  BuildFileDialogs(form);
}
