#pragma once
// Test stand-in for the dialog seam: records every box and answers file
// dialogs and modal forms from queues, so no test blocks on a window.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs.h"

class ScriptedDialogs : public TDialogProvider {
 public:
  ScriptedDialogs();   // installs itself
  ~ScriptedDialogs() override;  // restores the Qt provider

  void ShowMessageBox(const TMessageBoxRequest& request) override;
  std::optional<std::string> ExecuteFileDialog(const TFileDialogRequest& request) override;
  int ShowModal(TForm& form) override;

  // The answer to the next file dialog: a path, or nothing for Cancel.
  void QueueFile(std::optional<std::string> answer) { fileAnswers.push_back(std::move(answer)); }
  // What the "user" does while the next modal form is shown.
  void QueueModal(std::function<void(TForm&)> action) { modalActions.push_back(std::move(action)); }

  std::vector<TMessageBoxRequest> boxes;
  std::vector<TFileDialogRequest> fileDialogs;
  std::vector<TForm*> modalForms;
  std::deque<std::optional<std::string>> fileAnswers;
  std::deque<std::function<void(TForm&)>> modalActions;
  // Runs while a box is shown (before it is recorded as closed).
  std::function<void(const TMessageBoxRequest&)> onBox;
};
