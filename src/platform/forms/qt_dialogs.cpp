#include "qt_dialogs.h"

#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QWidget>

#include "application.h"
#include "control.h"
#include "form.h"

namespace {

QWidget* ActiveParent() {
  TForm* main = Application ? Application->MainForm() : nullptr;
  return main && main->Widget()->isVisible() ? main->Widget() : nullptr;
}

// "Description (*.ext)|*.ext|..." as Qt's "Description (*.ext);;...".
QString QtFilter(const std::string& filter) {
  QStringList parts = ToQString(filter).split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) out << parts[i];
  return out.join(QStringLiteral(";;"));
}

}  // namespace

void QtDialogProvider::ShowMessageBox(const TMessageBoxRequest& request) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  if (request.Kind == TMessageBoxKind::Information) icon = QMessageBox::Information;
  if (request.Kind == TMessageBoxKind::Error) icon = QMessageBox::Critical;
  QMessageBox box(icon, ToQString(request.Caption), ToQString(request.Text), QMessageBox::Ok, ActiveParent());
  box.exec();
}

std::optional<std::string> QtDialogProvider::ExecuteFileDialog(const TFileDialogRequest& request) {
  QFileDialog dialog(ActiveParent());
  dialog.setDirectory(ToQString(request.InitialDir));
  dialog.setNameFilter(QtFilter(request.Filter));
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (request.Kind == TFileDialogKind::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
  }
  if (!request.FileName.empty()) dialog.selectFile(ToQString(request.FileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FromQString(dialog.selectedFiles().first());
}

int QtDialogProvider::ShowModal(TForm& form) {
  QWidget* window = form.Widget();
  window->setWindowModality(Qt::ApplicationModal);
  form.Show();
  QEventLoop loop;
  while (window->isVisible()) loop.processEvents(QEventLoop::WaitForMoreEvents);
  return form.ModalResult() == mrNone ? mrCancel : form.ModalResult();
}
