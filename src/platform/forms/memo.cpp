#include "memo.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include <stdexcept>

TMemo::TMemo(QWidget* parent, std::string name)
    : TControl(std::move(name), new QPlainTextEdit(parent)),
      edit_(static_cast<QPlainTextEdit*>(Widget())),
      paint_(edit_, [this] { Flush(); }) {
  edit_->setReadOnly(true);
  edit_->setUndoRedoEnabled(false);  // an undo record per append would hold the log again
  edit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void TMemo::AddLine(std::string line) {
  gathered_.push_back(std::move(line));
  paint_.Changed();
}

void TMemo::Flush() {
  if (gathered_.empty()) return;
  // The widget starts a new line only after a non-empty text; a single empty
  // line shown so far needs its break here.
  QString block = shown_ > 0 && edit_->document()->isEmpty() ? QStringLiteral("\n") : QString();
  for (size_t i = 0; i < gathered_.size(); ++i) {
    if (i > 0) block += QLatin1Char('\n');
    block += ToQString(gathered_[i]);
  }
  gathered_.clear();
  gathered_.shrink_to_fit();
  edit_->appendPlainText(block);
  shown_ = edit_->document()->blockCount();
  edit_->repaint();  // a transfer may let no message run
}

std::string TMemo::Line(int index) const {
  if (index < 0 || index >= LineCount()) throw std::out_of_range("TMemo::Line");
  if (index >= shown_) return gathered_[static_cast<size_t>(index - shown_)];
  return FromQString(edit_->document()->findBlockByNumber(index).text());
}

std::vector<std::string> TMemo::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(LineCount()));
  QTextBlock block = edit_->document()->begin();
  for (int i = 0; i < shown_; ++i, block = block.next()) lines.push_back(FromQString(block.text()));
  lines.insert(lines.end(), gathered_.begin(), gathered_.end());
  return lines;
}

std::string TMemo::Text() const {
  std::string text;
  for (const auto& line : Lines()) text += line + "\r\n";
  return text;
}

void TMemo::Clear() {
  gathered_.clear();
  shown_ = 0;
  edit_->clear();
}
