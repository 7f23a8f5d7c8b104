#include "application.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QWidget>

#include "exception.h"
#include "file_names.h"

namespace {

TApplication theApplication;

// Drops what the user does: keys, the mouse, the wheel, touch, shortcuts
// and drops.
class InputDropper : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Shortcut:
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop:
        return true;
      default:
        return event->isInputEvent();
    }
  }
};

}  // namespace

TApplication* Application = &theApplication;

TApplication::TApplication() = default;
TApplication::~TApplication() = default;

void TApplication::Initialize() {}

void TApplication::Adopt(TForm* form) {
  forms_.emplace_back(form);
  if (!mainForm_) mainForm_ = form;
}

void TApplication::Run() {
  if (!mainForm_) return;
  mainForm_->Show();
  QEventLoop loop;
  while (mainForm_->Widget()->isVisible()) loop.processEvents(QEventLoop::WaitForMoreEvents);
  ProcessMessages();
}

void TApplication::ProcessMessages() { QCoreApplication::processEvents(); }

void TApplication::ProcessMessagesWithoutInput() {
  // The X platform counts a close request as user input and holds it back
  // with the rest from a pass that excludes user input; so the pass takes
  // everything, and the filter drops what would act on the windows.
  InputDropper dropper;
  QCoreApplication::instance()->installEventFilter(&dropper);
  QCoreApplication::processEvents();
  QCoreApplication::instance()->removeEventFilter(&dropper);
}

std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

void TApplication::ShowException(const std::exception& e) {
  TMessageBoxRequest box{TMessageBoxKind::Error, title_, ErrorBoxText(e.what())};
  if (const auto* fileError = dynamic_cast<const EFileError*>(&e)) box.QuoteFileName(fileError->NamingFile());
  Dialogs().ShowMessageBox(box);
}

void TApplication::MessageBox(const std::string& text, const std::string& caption, TMessageBoxKind kind) {
  Dialogs().ShowMessageBox({kind, caption, text});
}

std::string TApplication::ExeName() const {
  return QCoreApplication::instance() ? FileNameFromQString(QCoreApplication::applicationFilePath()) : std::string();
}

std::string TApplication::ExeFolder() const {
  const std::string name = ExeName();
  const auto slash = name.find_last_of('/');
  return slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
}

void TApplication::DestroyForms() {
  while (!forms_.empty()) forms_.pop_back();
  mainForm_ = nullptr;
}
