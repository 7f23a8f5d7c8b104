#include "qt_dialogs.h"

#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QWidget>
#include <QWindow>

#include "application.h"
#include "control.h"
#include "file_names.h"
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

// Ends a modal loop when its form is hidden: closed, or given a result
// (minimising hides it only for a moment, which is checked once the event
// has been handled).
class HideWatcher : public QObject {
 public:
  HideWatcher(QWidget* window, QEventLoop& loop) : window_(window), loop_(loop) { window_->installEventFilter(this); }
  ~HideWatcher() override { window_->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Hide) {
      QMetaObject::invokeMethod(&loop_, [this] { if (!window_->isVisible()) loop_.quit(); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  QWidget* window_;
  QEventLoop& loop_;
};

// The box's text as control text, with the file name that it quotes shown
// as the file dialogs show it.
QString BoxText(const TMessageBoxRequest& request) {
  const std::string& text = request.Text;
  const std::size_t end = request.FileNameStart + request.FileNameLength;
  return ToQString(text.substr(0, request.FileNameStart)) +
         FileNameToQString(text.substr(request.FileNameStart, request.FileNameLength)) + ToQString(text.substr(end));
}

}  // namespace

void QtDialogProvider::ShowMessageBox(const TMessageBoxRequest& request) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  if (request.Kind == TMessageBoxKind::Information) icon = QMessageBox::Information;
  if (request.Kind == TMessageBoxKind::Error) icon = QMessageBox::Critical;
  QMessageBox box(icon, ToQString(request.Caption), BoxText(request), QMessageBox::Ok, ActiveParent());
  // A text that looks like markup is shown as it stands, as labels show it.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

std::optional<std::string> QtDialogProvider::ExecuteFileDialog(const TFileDialogRequest& request) {
  QFileDialog dialog(ActiveParent());
  dialog.setDirectory(FileNameToQString(request.InitialDir));
  dialog.setNameFilter(QtFilter(request.Filter));
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (request.Kind == TFileDialogKind::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
  }
  if (!request.FileName.empty()) dialog.selectFile(FileNameToQString(request.FileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FileNameFromQString(dialog.selectedFiles().first());
}

int QtDialogProvider::ShowModal(TForm& form) {
  QWidget* window = form.Widget();
  window->setWindowModality(Qt::ApplicationModal);
  if (QWidget* owner = ActiveParent()) {
    window->winId();
    window->windowHandle()->setTransientParent(owner->windowHandle());
  }
  QEventLoop loop;
  HideWatcher watcher(window, loop);
  form.Show();
  if (window->isVisible()) loop.exec();
  return form.ModalResult() == mrNone ? mrCancel : form.ModalResult();
}
