#include "scripted_dialogs.h"

#include "form.h"

ScriptedDialogs::ScriptedDialogs() { SetDialogProvider(this); }
ScriptedDialogs::~ScriptedDialogs() { SetDialogProvider(nullptr); }

void ScriptedDialogs::ShowMessageBox(const TMessageBoxRequest& request) {
  if (onBox) onBox(request);
  boxes.push_back(request);
}

std::optional<std::string> ScriptedDialogs::ExecuteFileDialog(const TFileDialogRequest& request) {
  fileDialogs.push_back(request);
  if (fileAnswers.empty()) return std::nullopt;
  auto answer = fileAnswers.front();
  fileAnswers.pop_front();
  return answer;
}

int ScriptedDialogs::ShowModal(TForm& form) {
  modalForms.push_back(&form);
  if (!modalActions.empty()) {
    auto action = std::move(modalActions.front());
    modalActions.pop_front();
    action(form);
  }
  return form.ModalResult() == mrNone ? mrCancel : form.ModalResult();
}
