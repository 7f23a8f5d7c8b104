#include "edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QValidator>

#include <algorithm>

// Refuses a user's edit that would make the text longer than both the limit
// and the text before it, so that deletions in an over-long text stay
// allowed. Text set from code is never refused (a refusal would switch Qt's
// checking off). The user cannot enter a character outside the byte range.
class LengthLimitValidator : public QValidator {
 public:
  LengthLimitValidator(QLineEdit* edit, int maxLength) : QValidator(edit), maxLength_(maxLength) {
    QObject::connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { accepted_ = text; });
  }

  State validate(QString& input, int&) const override {
    if (settingFromCode_) return Acceptable;
    for (QChar c : input) {
      if (c.unicode() > 0xFF) return Invalid;
    }
    if (maxLength_ > 0 && input.size() > maxLength_ && input.size() > accepted_.size()) return Invalid;
    return Acceptable;
  }

  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int maxLength) { maxLength_ = maxLength; }

  void SetFromCode(QLineEdit* edit, const QString& text) {
    settingFromCode_ = true;
    edit->setText(text);
    settingFromCode_ = false;
    accepted_ = text;
  }

 private:
  int maxLength_;
  bool settingFromCode_ = false;
  QString accepted_;  // the text before the edit being checked
};

// A paste removes the selection and inserts at the cursor as much of the
// pasted text as the room left below the limit holds, as the system's edit
// control does. The paste key, the context menu and the middle button's
// selection paste all come here.
class LimitedLineEdit : public QLineEdit {
 public:
  LimitedLineEdit(QWidget* parent, int maxLength) : QLineEdit(parent), limit_(new LengthLimitValidator(this, maxLength)) {
    setValidator(limit_);
  }

  LengthLimitValidator& Limit() const { return *limit_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Paste)) {
      PasteWithinLimit(QClipboard::Clipboard);
      event->accept();
      return;
    }
    QLineEdit::keyPressEvent(event);
  }

  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
        rect().contains(event->position().toPoint())) {
      deselect();
      PasteWithinLimit(QClipboard::Selection);
      return;
    }
    QLineEdit::mouseReleaseEvent(event);
  }

  void contextMenuEvent(QContextMenuEvent* event) override {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
      if (QObject::disconnect(action, nullptr, this, SLOT(paste()))) {
        QObject::connect(action, &QAction::triggered, this, [this] { PasteWithinLimit(QClipboard::Clipboard); });
      }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
  }

 private:
  void PasteWithinLimit(QClipboard::Mode mode) {
    if (isReadOnly()) return;
    QString pasted = QGuiApplication::clipboard()->text(mode);
    if (pasted.isEmpty() && !hasSelectedText()) return;
    const int maxLength = limit_->MaxLength();
    if (maxLength > 0) {
      const qsizetype kept = text().size() - selectedText().size();
      pasted.truncate(std::max<qsizetype>(0, maxLength - kept));
    }
    insert(pasted);
  }

  LengthLimitValidator* limit_;  // owned by this edit
};

TEdit::TEdit(QWidget* parent, std::string name, int maxLength)
    : TControl(std::move(name), new LimitedLineEdit(parent, maxLength)) {
  edit_ = static_cast<LimitedLineEdit*>(Widget());
}

std::string TEdit::Text() const { return FromQString(edit_->text()); }

void TEdit::SetText(const std::string& text) {
  edit_->Limit().SetFromCode(edit_, ToQString(text));
  edit_->setModified(false);
}

int TEdit::MaxLength() const { return edit_->Limit().MaxLength(); }
void TEdit::SetMaxLength(int maxLength) { edit_->Limit().SetMaxLength(maxLength); }
void TEdit::SetReadOnly(bool readOnly) { edit_->setReadOnly(readOnly); }
