#pragma once
// The main window: every settings control as a named member, the
// connection group, the tabs, the log box, the progress bar, the menu, the
// file dialogs and the buffers the device links and file writers share.
#include <cstdint>
#include <memory>

#include "button.h"
#include "check_box.h"
#include "combo_box.h"
#include "dialogs.h"
#include "edit.h"
#include "firmware_resource.h"
#include "form.h"
#include "configuration_layout.h"
#include "label.h"
#include "memo.h"
#include "menu.h"
#include "page_control.h"
#include "progress_bar.h"

enum TForm1Tab {
#define TAB(tab, caption) tab,
#define PAGE(page, tab, caption)
#define HIDDEN_PAGE(page, tab, caption)
#include "form1_pages.def"
#undef TAB
#undef PAGE
#undef HIDDEN_PAGE
  Form1TabCount
};

enum TForm1Page {
#define TAB(tab, caption)
#define PAGE(page, tab, caption) page,
#define HIDDEN_PAGE(page, tab, caption) page,
#include "form1_pages.def"
#undef TAB
#undef PAGE
#undef HIDDEN_PAGE
  Form1PageCount
};

// Firmware image copied in for an upload, with its counts. One page of
// room past the largest image stays zero.
struct TFirmwareBuffer {
  std::uint8_t Bytes[FirmwareBufferSize + 128] = {};
  std::uint32_t ByteCount = 0;
  std::uint32_t PageCount = 0;
  std::uint32_t CurrentPage = 0;
};

// Progress of a serial configuration write or read.
struct TPageCounters {
  std::uint32_t LastPageIndex = 0;
  std::uint32_t CurrentPage = 0;
};

class TForm1 : public TForm {
 public:
  TForm1();
  ~TForm1() override;

  // Settings controls.
#define EDIT(name, page, length, text, hint) TEdit* name = nullptr;
#define LIST(name, page, items, index, hint) TComboBox* name = nullptr;
#define EDITABLE_LIST(name, page, items, index, hint) TComboBox* name = nullptr;
#define SOURCE_LIST(name, page, items, index, hint) TComboBox* name = nullptr;
#define CHECK(name, page, caption, state, hint) TCheckBox* name = nullptr;
#include "form1_controls.def"
#undef EDIT
#undef LIST
#undef EDITABLE_LIST
#undef SOURCE_LIST
#undef CHECK

  // Connection group.
  TGroupBox* GroupBox3 = nullptr;
  TLabel* Label9 = nullptr;
  TComboBox* ComboBox2 = nullptr;
  TButton* Button1 = nullptr;
  TButton* Button2 = nullptr;
  TButton* Button4 = nullptr;
  TButton* Button5 = nullptr;
  TButton* Button3 = nullptr;

  // Tabs: the top-level control, each tab's sheet, and for every page the
  // sheet that holds its controls (the tab's own sheet where it has no
  // nested control).
  TPageControl* PageControl1 = nullptr;
  TTabSheet* Tabs[Form1TabCount] = {};
  TPageControl* NestedPages[Form1TabCount] = {};
  TTabSheet* Pages[Form1PageCount] = {};

  // Buttons on the pages.
#define BUTTON(name, page, caption, hint, handler) TButton* name = nullptr;
#include "form1_buttons.def"
#undef BUTTON

  TMemo* Memo1 = nullptr;
  TProgressBar* ProgressBar1 = nullptr;

  TMainMenu* MainMenu1 = nullptr;
  TMenu* Configuration1 = nullptr;
  TMenuItem* Savetofile1 = nullptr;
  TMenuItem* Readfromfile1 = nullptr;
  TMenu* Remoteupdate1 = nullptr;
  TMenuItem* README1 = nullptr;
  TMenuItem* Buildremoteupdatefile1 = nullptr;

  std::unique_ptr<TSaveDialog> SaveDialog1;
  std::unique_ptr<TOpenDialog> OpenDialog2;
  std::unique_ptr<TSaveDialog> RUF_SaveDialog;

  // Buffers shared with the device links and the file writers.
  std::uint8_t ConfigurationImage[ConfigurationImageSize] = {};
  std::uint8_t* ConfigurationImagePtr = nullptr;
  TFirmwareBuffer FirmwareBuffer;
  TPageCounters ConfigWriteCounters;
  TPageCounters ConfigReadCounters;

  // Operations of this window.
  void SetRtcFieldsFromPcClock();
  void UploadpctimeClick(TObject* Sender);

  // Serial link operations (COM edition).
  bool OpenSerialPort();
  void LoadFirmwareForUpload();

  // Connection buttons: defined by the program's device link.
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);
  void Button3Click(TObject* Sender);
  void Button4Click(TObject* Sender);
  void Button5Click(TObject* Sender);

  // Menu items.
  void Savetofile1Click(TObject* Sender);
  void Readfromfile1Click(TObject* Sender);
  void README1Click(TObject* Sender);
  void BuildRemoteUpdateFile1Click(TObject* Sender);

  // Telemetry channel presets and the dialogs.
  void Button6Click(TObject* Sender);
  void Button7Click(TObject* Sender);
  void Button8Click(TObject* Sender);
  void Button9Click(TObject* Sender);
  void Button10Click(TObject* Sender);
  void Button13Click(TObject* Sender);
  void Button12Click(TObject* Sender);
  void Button14Click(TObject* Sender);
  void Button15Click(TObject* Sender);
  void Button16Click(TObject* Sender);
  void Button17Click(TObject* Sender);
  void Button18Click(TObject* Sender);
  void Button19Click(TObject* Sender);
  void Button11Click(TObject* Sender);
  void Button20Click(TObject* Sender);
  void Button_teleanalog1_defaultClick(TObject* Sender);
  void Button_teleanalog2_defaultClick(TObject* Sender);
  void Button_teleanalog3_defaultClick(TObject* Sender);
  void Button_teleanalog4_defaultClick(TObject* Sender);
  void Button_teleanalog5_defaultClick(TObject* Sender);
  void Button_teledigital1_defaultClick(TObject* Sender);
  void Button_teledigital2_defaultClick(TObject* Sender);
  void Button_teledigital3_defaultClick(TObject* Sender);
  void Button_teledigital4_defaultClick(TObject* Sender);
  void Button_teledigital5_defaultClick(TObject* Sender);
  void Button_teledigital6_defaultClick(TObject* Sender);
  void Button_teledigital7_defaultClick(TObject* Sender);
  void Button_teledigital8_defaultClick(TObject* Sender);
};

extern TForm1* Form1;

// The image read from the device.
extern std::uint8_t ReceivedImage[ConfigurationImageSize];

// The configuration version written into every image and settings file.
extern const char* const ConfigurationVersion;

// Edition hooks, defined by the device link a program links.
extern const char* const EditionSuffix;
void EditionConstructorAdditions(TForm1& form);
