#include "form1_layout.h"

#include "Unit1.h"
#include "factory_values.h"
#include "item_lists.h"

namespace {

struct PagePlacement {
  int nextTop = 4;
};

// Provisional placement: one control a row, under its name.
template <class Control>
void Place(Control* control, PagePlacement& place) {
  control->SetBounds(200, place.nextTop, 150, 21);
  place.nextTop += 24;
}

}  // namespace

void BuildForm1Layout(TForm1& form) {
  form.SetClientSize(802, 418);
  form.SetBorder(TBorderStyle::Single, TBorderIcons{true, true, false});

  form.GroupBox3 = form.Add<TGroupBox>("GroupBox3", "Connection:");
  form.GroupBox3->SetBounds(8, 0, 785, 49);
  form.Label9 = form.GroupBox3->Add<TLabel>("Label9", "COM Port:");
  form.Label9->SetBounds(8, 18, 49, 13);
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

  form.PageControl1 = form.Add<TPageControl>("PageControl1");
  form.PageControl1->SetBounds(8, 56, 793, 257);
  const char* tabCaptions[] = {
#define TAB(tab, caption) caption,
#define PAGE(page, tab, caption)
#define HIDDEN_PAGE(page, tab, caption)
#include "form1_pages.def"
#undef TAB
#undef PAGE
#undef HIDDEN_PAGE
  };
  for (int tab = 0; tab < Form1TabCount; ++tab) {
    form.Tabs[tab] = form.PageControl1->AddPage("TabSheet" + std::to_string(tab + 1), tabCaptions[tab]);
  }
  auto addPage = [&form](TForm1Page page, TForm1Tab tab, const std::string& caption, bool hidden) {
    if (caption.empty()) {
      form.Pages[page] = form.Tabs[tab];
      return;
    }
    if (!form.NestedPages[tab]) {
      form.NestedPages[tab] = form.Tabs[tab]->Add<TPageControl>("PageControl" + std::to_string(tab + 2), true);
      form.NestedPages[tab]->SetBounds(0, 0, 785, 225);
    }
    form.Pages[page] = form.NestedPages[tab]->AddPage("Page" + std::to_string(page), caption);
    if (hidden) form.Pages[page]->SetTabVisible(false);
  };
#define TAB(tab, caption)
#define PAGE(page, tab, caption) addPage(page, tab, caption, false);
#define HIDDEN_PAGE(page, tab, caption) addPage(page, tab, caption, true);
#include "form1_pages.def"
#undef TAB
#undef PAGE
#undef HIDDEN_PAGE

  PagePlacement places[Form1PageCount];
#define EDIT(name, page, length, text, hint)                       \
  form.name = form.Pages[page]->Add<TEdit>(#name, length);         \
  form.name->SetHint(hint);                                        \
  Place(form.name, places[page]);
#define LIST(name, page, items, index, hint)                       \
  form.name = form.Pages[page]->Add<TComboBox>(#name);             \
  form.name->AddItems(items);                                      \
  form.name->SetHint(hint);                                        \
  Place(form.name, places[page]);
#define EDITABLE_LIST(name, page, items, index, hint)              \
  form.name = form.Pages[page]->Add<TComboBox>(#name, true);       \
  form.name->AddItems(items);                                      \
  form.name->SetHint(hint);                                        \
  Place(form.name, places[page]);
#define SOURCE_LIST(name, page, items, index, hint)                \
  form.name = form.Pages[page]->Add<TComboBox>(#name);             \
  form.name->SetHint(hint);                                        \
  Place(form.name, places[page]);
#define CHECK(name, page, caption, state, hint)                    \
  form.name = form.Pages[page]->Add<TCheckBox>(#name, caption);    \
  form.name->SetHint(hint);                                        \
  Place(form.name, places[page]);
#include "form1_controls.def"
#undef EDIT
#undef LIST
#undef EDITABLE_LIST
#undef SOURCE_LIST
#undef CHECK
  for (TEdit* edit : {form.Rtcyear, form.Rtcmonth, form.Rtcday, form.Rtchour, form.Rtcmin}) edit->SetEnabled(false);
  form.Uploadpctime->OnClick = [&form](TObject* sender) { form.UploadpctimeClick(sender); };
  form.Ntp_enable->OnClick = [&form](TObject* sender) { form.UploadpctimeClick(sender); };

  form.Memo1 = form.Add<TMemo>("Memo1");
  form.Memo1->SetBounds(8, 320, 793, 73);
  form.ProgressBar1 = form.Add<TProgressBar>("ProgressBar1");
  form.ProgressBar1->SetBounds(0, 398, 802, 20);

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

  form.SaveDialog1 = std::make_unique<TSaveDialog>("pelnor.cfg", "Pelnor config files (*.cfg)|*.cfg");
  form.OpenDialog2 = std::make_unique<TOpenDialog>("", "Pelnor config files (*.cfg)|*.cfg");
  form.RUF_SaveDialog = std::make_unique<TSaveDialog>("vorivurivo.ruf", "Pelnor remote update files (*.ruf)|*.ruf");
}
