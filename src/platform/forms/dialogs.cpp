#include "dialogs.h"

#include "application.h"
#include "qt_dialogs.h"

namespace {

TDialogProvider* installed = nullptr;

}  // namespace

TDialogProvider& Dialogs() {
  static QtDialogProvider qtProvider;
  return installed ? *installed : qtProvider;
}

void SetDialogProvider(TDialogProvider* provider) { installed = provider; }

void InformationBox(const std::string& text) {
  Dialogs().ShowMessageBox({TMessageBoxKind::Information, "Information", text});
}

void InformationBox(const TTextNamingFile& text) {
  TMessageBoxRequest box{TMessageBoxKind::Information, "Information", text.Text()};
  box.QuoteFileName(text);
  Dialogs().ShowMessageBox(box);
}

void PlainMessageBox(const std::string& text) {
  Dialogs().ShowMessageBox({TMessageBoxKind::Plain, Application->Title(), text});
}

TFileDialog::TFileDialog(TFileDialogKind kind, std::string fileName, std::string filter)
    : FileName(std::move(fileName)), Filter(std::move(filter)), kind_(kind) {}

bool TFileDialog::Execute() {
  auto chosen = Dialogs().ExecuteFileDialog({kind_, InitialDir, FileName, Filter});
  if (!chosen) return false;
  FileName = *chosen;
  return true;
}
