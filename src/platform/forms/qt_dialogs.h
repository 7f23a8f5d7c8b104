#pragma once
#include "dialogs.h"

// The seam's implementation with real Qt windows.
class QtDialogProvider : public TDialogProvider {
 public:
  void ShowMessageBox(const TMessageBoxRequest& request) override;
  std::optional<std::string> ExecuteFileDialog(const TFileDialogRequest& request) override;
  int ShowModal(TForm& form) override;
};
