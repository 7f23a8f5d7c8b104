#include "single_line_edit.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include <algorithm>

// Qt's maximum length cuts every insertion it makes (typing, paste, drop,
// input-method commit) with the undo history kept, but it also cuts
// setText, and changing it clears the history. It is therefore the limit
// while the text is within it and the text's length while a text from
// code is longer; the inserting ways cut to the room left themselves, so
// that an over-long text takes nothing more.

namespace {

// Qt's own maximum length of a line edit.
constexpr int QtMaxLength = 32767;

// What a paste, a drop or an input method brings into one line: the text
// up to its first line break, each character without a byte (one code
// point) shown as "?", as the conversion to the code page shows it.
QString OneLineOfBytes(const QString& text) {
  QString line;
  for (const char32_t c : text.toUcs4()) {
    if (c == '\r' || c == '\n') break;
    line += c <= 0xFF ? QChar(c) : QChar('?');
  }
  return line;
}

bool InByteRange(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

// A key that Qt's edit answers by inserting its text: printable text, not
// a Ctrl shortcut.
bool InsertsItsText(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.isEmpty()) return false;
  const QChar first = text.front();
  if (first.category() == QChar::Other_Format) return true;
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) return false;
  return first.isPrint() || first.category() == QChar::Other_PrivateUse || first.isHighSurrogate();
}

// Under X, Ctrl+Shift+Insert pastes the selection, as in Qt's own edit.
QClipboard::Mode PasteKeyMode(const QKeyEvent& event) {
  const bool selectionKey =
      event.key() == Qt::Key_Insert && event.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
  return selectionKey && QGuiApplication::clipboard()->supportsSelection() ? QClipboard::Selection
                                                                           : QClipboard::Clipboard;
}

}  // namespace

SingleLineEdit::SingleLineEdit(QWidget* parent) : QLineEdit(parent) {}

void SingleLineEdit::SetLimit(int limit) {
  limit_ = limit;
  const int needed = MaxLengthFor(text().size());
  if (needed != maxLength()) setMaxLength(needed);
}

void SingleLineEdit::SetTextFromCode(const QString& text) {
  const int needed = MaxLengthFor(text.size());
  if (needed > maxLength()) setMaxLength(needed);  // before, or setText cuts the new text
  setText(text);
  if (needed < maxLength()) setMaxLength(needed);  // after, or it cuts the old one
}

int SingleLineEdit::UserLimit() const { return limit_ > 0 ? limit_ : QtMaxLength; }

int SingleLineEdit::MaxLengthFor(qsizetype textLength) const {
  return static_cast<int>(std::max<qsizetype>(UserLimit(), textLength));
}

qsizetype SingleLineEdit::RoomBeside(qsizetype kept) const { return std::max<qsizetype>(0, UserLimit() - kept); }

qsizetype SingleLineEdit::RoomOverSelection() const { return RoomBeside(text().size() - selectedText().size()); }

void SingleLineEdit::keyPressEvent(QKeyEvent* event) {
  if (!isReadOnly() && event->matches(QKeySequence::Paste)) {
    Paste(PasteKeyMode(*event));
    event->accept();
    return;
  }
  if (!isReadOnly() && InsertsItsText(*event)) {
    const QString typed = event->text();
    const qsizetype room = RoomOverSelection();
    if (!InByteRange(typed)) {  // the user cannot type a character without a byte
      event->accept();
      return;
    }
    if (typed.size() > room) {
      if (room > 0 || hasSelectedText()) insert(typed.left(room));
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void SingleLineEdit::Paste(QClipboard::Mode mode) {
  const QString line = OneLineOfBytes(QGuiApplication::clipboard()->text(mode)).left(RoomOverSelection());
  if (line.isEmpty() && !hasSelectedText()) return;
  // As Qt's own paste, an undo step of its own: the removal of a selection
  // ends the step before it.
  if (!hasSelectedText()) EndUndoStep();
  insert(line);
  EndUndoStep();
}

// Qt ends an undo step when the cursor moves: a move away and back ends it
// where the cursor stands.
void SingleLineEdit::EndUndoStep() {
  if (text().isEmpty()) return;
  const int cursor = cursorPosition();
  setCursorPosition(cursor > 0 ? cursor - 1 : cursor + 1);
  setCursorPosition(cursor);
}

// The commit replaces the selection, and the characters the input method
// names beside the cursor.
void SingleLineEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (event->commitString().isEmpty()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  const qsizetype kept = text().size() - selectedText().size();
  const qsizetype at = std::max(0, (hasSelectedText() ? selectionStart() : cursorPosition()) + event->replacementStart());
  const int length = event->replacementLength();
  const qsizetype replaced = length > 0 && at + length <= kept ? length : 0;
  const QString line = OneLineOfBytes(event->commitString()).left(RoomBeside(kept - replaced));
  // Qt keeps the selection for an empty commit.
  if (line.isEmpty() && hasSelectedText()) del();
  QInputMethodEvent commit(event->preeditString(), event->attributes());
  commit.setCommitString(line, event->replacementStart(), length);
  QLineEdit::inputMethodEvent(&commit);
  event->setAccepted(commit.isAccepted());
}

void SingleLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  // The middle button pastes the X selection where the press put the cursor.
  if (event->button() == Qt::MiddleButton && !isReadOnly() && QGuiApplication::clipboard()->supportsSelection()) {
    deselect();
    Paste(QClipboard::Selection);
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

// A drop goes in at the point dropped on; a selection stays in the text.
void SingleLineEdit::dropEvent(QDropEvent* event) {
  if (isReadOnly() || !event->mimeData()->hasText()) {
    QLineEdit::dropEvent(event);
    return;
  }
  const QString line = OneLineOfBytes(event->mimeData()->text()).left(RoomBeside(text().size()));
  if (line.isEmpty()) {
    event->ignore();
    return;
  }
  QMimeData data;
  data.setText(line);
  QDropEvent drop(event->position(), event->possibleActions(), &data, event->buttons(), event->modifiers());
  QLineEdit::dropEvent(&drop);
  event->setDropAction(drop.dropAction());
  event->setAccepted(drop.isAccepted());
}

void SingleLineEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  // The menu's Paste calls Qt's own paste, which knows none of the rules.
  for (QAction* action : menu->actions()) {
    if (disconnect(action, SIGNAL(triggered()), this, SLOT(paste()))) {
      connect(action, &QAction::triggered, this, [this] { Paste(QClipboard::Clipboard); });
    }
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}
