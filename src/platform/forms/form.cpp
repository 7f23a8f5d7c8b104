#include "form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "application.h"
#include "dialogs.h"
#include "menu.h"

// The window behind a form: refuses a close that the form's close query
// refuses, and presses its default button on Enter in any control that
// leaves the key to it.
class FormWindow : public QWidget {
 public:
  explicit FormWindow(TForm* form) : form_(form) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (form_->CanClose()) {
      event->accept();
      form_->closed_ = true;
    } else {
      event->ignore();
    }
  }

  void keyPressEvent(QKeyEvent* event) override {
    const bool enter = (event->key() == Qt::Key_Return && event->modifiers() == Qt::NoModifier) ||
                       (event->key() == Qt::Key_Enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier);
    if (enter && PressDefaultButton()) return;
    QWidget::keyPressEvent(event);
  }

 private:
  bool PressDefaultButton() {
    for (QPushButton* button : findChildren<QPushButton*>()) {
      if (button->isDefault() && button->isVisible() && button->isEnabled()) {
        button->click();
        return true;
      }
    }
    return false;
  }

 private:
  TForm* form_;
};

namespace {

constexpr int ExposeWait = 500;  // ms

QFont FormFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

}  // namespace

TForm::TForm(std::string name) : TWinControl(std::move(name), new FormWindow(this)) {
  Widget()->setFont(FormFont());
  Widget()->setAutoFillBackground(true);
  client_ = new QWidget(Widget());
  SetBorder(TBorderStyle::Single, TBorderIcons{});
}

TForm::~TForm() {
  QWidget* window = Widget();
  window->hide();
  delete window;
}

std::string TForm::Caption() const { return FromQString(Widget()->windowTitle()); }
void TForm::SetCaption(const std::string& caption) { Widget()->setWindowTitle(ToQString(caption)); }

void TForm::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  const int menuHeight = menuBar_ ? menuBar_->sizeHint().height() : 0;
  if (menuBar_) menuBar_->setGeometry(0, 0, width, menuHeight);
  client_->setGeometry(0, menuHeight, width, height);
  Widget()->setFixedSize(width, height + menuHeight);
}

int TForm::ClientWidth() const { return clientWidth_; }
int TForm::ClientHeight() const { return clientHeight_; }

void TForm::SetBorder(TBorderStyle style, TBorderIcons icons, bool stayOnTop) {
  Qt::WindowFlags flags;
  if (style == TBorderStyle::None) {
    flags = Qt::SplashScreen | Qt::FramelessWindowHint;
  } else {
    flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (icons.SystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (icons.Minimize) flags |= Qt::WindowMinimizeButtonHint;
    if (icons.Maximize) flags |= Qt::WindowMaximizeButtonHint;
  }
  if (stayOnTop) flags |= Qt::WindowStaysOnTopHint;
  Widget()->setWindowFlags(flags);
}

TMainMenu* TForm::CreateMainMenu(std::string name) {
  menuBar_ = new QMenuBar(Widget());
  menuBar_->setNativeMenuBar(false);
  menu_ = std::make_unique<TMainMenu>(std::move(name), menuBar_);
  return menu_.get();
}

void TForm::CentreOnScreen() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QSize size = Widget()->size();
  Widget()->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

void TForm::Show() {
  if (menuBar_) SetClientSize(clientWidth_, clientHeight_);
  CentreOnScreen();
  QWidget* window = Widget();
  // Any other form is a dialog of the main window, as on a desktop; X
  // names the owner of dialog windows only.
  TForm* main = Application->MainForm();
  if (main && main != this && main->Widget()->windowHandle()) {
    if (window->windowType() == Qt::Window) {
      window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    }
    window->winId();
    window->windowHandle()->setTransientParent(main->Widget()->windowHandle());
  }
  closed_ = false;
  window->show();
}

void TForm::Hide() { Widget()->hide(); }
void TForm::Close() { Widget()->close(); }
void TForm::Repaint() {
  // A new window is mapped by the window system a moment after it is shown;
  // wait for that (bounded), acting on no user input, then paint.
  QWidget* window = Widget();
  QDeadlineTimer deadline(ExposeWait);
  while (window->isVisible() && window->windowHandle() && !window->windowHandle()->isExposed() &&
         !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
  }
  window->repaint();
}

int TForm::ShowModal() {
  modalResult_ = mrNone;
  return Dialogs().ShowModal(*this);
}

void TForm::SetModalResult(int result) {
  modalResult_ = result;
  if (result != mrNone) Hide();
}
