#include "control.h"

#include <QString>
#include <QWidget>

#include "application.h"
#include "exception.h"

QString ToQString(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string FromQString(const QString& text) {
  const QByteArray latin = text.toLatin1();
  return std::string(latin.constData(), static_cast<size_t>(latin.size()));
}

TControl::TControl(std::string name, QWidget* widget) : name_(std::move(name)), widget_(widget) {
  widget_->setObjectName(ToQString(name_));
}

bool TControl::Enabled() const { return widget_->isEnabled(); }
void TControl::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }
bool TControl::Visible() const { return !widget_->isHidden(); }
void TControl::SetVisible(bool visible) { widget_->setVisible(visible); }
int TControl::Left() const { return widget_->x(); }
int TControl::Top() const { return widget_->y(); }
int TControl::Width() const { return widget_->width(); }
int TControl::Height() const { return widget_->height(); }
void TControl::SetBounds(int left, int top, int width, int height) {
  widget_->setGeometry(left, top, width, height);
}
void TControl::SetLeft(int left) { widget_->move(left, widget_->y()); }

void TControl::SetHint(const std::string& hint) {
  hint_ = hint;
  widget_->setToolTip(ToQString(hint));
}

void DispatchEvent(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    Application->ShowException(e);
  } catch (...) {
    Application->ShowException(Exception(""));
  }
}
