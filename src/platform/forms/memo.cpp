#include "memo.h"

#include <QPlainTextEdit>
#include <QTimer>

namespace {

// Gathered lines are shown at most this often: a loop that lets pending
// messages run after every line would otherwise repaint the box per line.
constexpr int FlushMilliseconds = 50;

}  // namespace

TMemo::TMemo(QWidget* parent, std::string name) : TControl(std::move(name), new QPlainTextEdit(parent)) {
  edit_ = static_cast<QPlainTextEdit*>(Widget());
  edit_->setReadOnly(true);
  edit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void TMemo::AddLine(const std::string& line) {
  lines_.push_back(line);
  if (!flushPending_) {
    flushPending_ = true;
    QTimer::singleShot(FlushMilliseconds, edit_, [this] { Flush(); });
  }
}

void TMemo::Flush() {
  flushPending_ = false;
  if (shown_ >= lines_.size()) return;
  QString block;
  for (size_t i = shown_; i < lines_.size(); ++i) {
    if (i > shown_) block += QLatin1Char('\n');
    block += ToQString(lines_[i]);
  }
  shown_ = lines_.size();
  edit_->appendPlainText(block);
}

std::string TMemo::Text() const {
  std::string text;
  for (const auto& line : lines_) text += line + "\r\n";
  return text;
}

void TMemo::Clear() {
  lines_.clear();
  shown_ = 0;
  edit_->clear();
}
