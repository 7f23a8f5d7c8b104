#include "remote_update_menu.h"

#include "Unit1.h"
#include "application.h"
#include "calendar_time.h"
#include "configuration_codec.h"
#include "dialog_start_folder.h"
#include "file_replace.h"
#include "remote_update_file.h"

namespace {

constexpr const char* RemoteUpdateFolder = "remote";

void ReportFailure(TFileReplaceResult result) {
  switch (result) {
    case TFileReplaceResult::Replaced:
      break;
    case TFileReplaceResult::OpenFailed:
      Application->MessageBox("Could not open destination file.", "File open error", TMessageBoxKind::Information);
      break;
    case TFileReplaceResult::WriteFailed:
      InformationBox("Could not write destination file.");
      break;
  }
}

}  // namespace

void BuildRemoteUpdateFile(TForm1& form, TConfigurationEncoder encode) {
  if (form.Uploadpctime->Checked()) form.SetRtcFieldsFromPcClock();
  if (encode(&form) == 0) return;
  WriteRemoteUpdateFile(form);
}

void WriteRemoteUpdateFile(TForm1& form) {
  TSaveDialog& dialog = *form.RUF_SaveDialog;
  dialog.InitialDir = DialogStartFolder(Application->ExeFolder(), RemoteUpdateFolder);
  if (!dialog.Execute()) return;
  const auto firmware = LoadFirmwareResource();
  if (!firmware) return;
  const auto file = AssembleRemoteUpdateFile(form.ConfigurationImage, *firmware,
                                             static_cast<std::uint32_t>(CalendarTime()));
  const std::string_view bytes(reinterpret_cast<const char*>(file.data()), file.size());
  ReportFailure(ReplaceFileContents(dialog.FileName, bytes));
}

void TForm1::BuildRemoteUpdateFile1Click(TObject*) { BuildRemoteUpdateFile(*this, EncodeConfigurationImage); }
