#include "edit.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

// Checks every change the user makes, however it comes in (typing, the
// paste key, the context menu, the middle button's selection, a drop): what
// is inserted is cut to the room left below the limit once the selection has
// gone, as the system's edit control does, so that deletions in an over-long
// text stay allowed and typing at the limit changes nothing. Text set from
// code is never cut or refused (a refusal would switch Qt's checking off).
// The user cannot enter a character outside the byte range.
class LengthLimitValidator : public QValidator {
 public:
  LengthLimitValidator(QLineEdit* edit, int maxLength) : QValidator(edit), maxLength_(maxLength) {
    QObject::connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { accepted_ = text; });
    // A change replaces the selection, or inserts at the cursor.
    const auto rememberChangeStart = [this, edit] {
      changeStart_ = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    };
    QObject::connect(edit, &QLineEdit::selectionChanged, this, rememberChangeStart);
    QObject::connect(edit, &QLineEdit::cursorPositionChanged, this, rememberChangeStart);
  }

  // input is the text after the change, with the cursor at pos, just after
  // what was inserted; what follows the cursor is kept from the text before.
  State validate(QString& input, int& pos) const override {
    if (settingFromCode_) return Acceptable;
    const qsizetype inserted = pos - changeStart_;
    if (maxLength_ > 0 && input.size() > maxLength_ && inserted > 0 && changeStart_ <= accepted_.size()) {
      const qsizetype kept = input.size() - inserted;
      const qsizetype room = std::clamp<qsizetype>(maxLength_ - kept, 0, inserted);
      input.remove(changeStart_ + room, inserted - room);
      pos = static_cast<int>(changeStart_ + room);
    }
    for (QChar c : input) {
      if (c.unicode() > 0xFF) return Invalid;
    }
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
  QString accepted_;     // the text before the change being checked
  int changeStart_ = 0;  // where it starts
};

TEdit::TEdit(QWidget* parent, std::string name, int maxLength)
    : TControl(std::move(name), new QLineEdit(parent)), edit_(static_cast<QLineEdit*>(Widget())) {
  limit_ = new LengthLimitValidator(edit_, maxLength);
  edit_->setValidator(limit_);
}

std::string TEdit::Text() const { return FromQString(edit_->text()); }

void TEdit::SetText(const std::string& text) {
  limit_->SetFromCode(edit_, ToQString(text));
  edit_->setModified(false);
}

int TEdit::MaxLength() const { return limit_->MaxLength(); }
void TEdit::SetMaxLength(int maxLength) { limit_->SetMaxLength(maxLength); }
void TEdit::SetReadOnly(bool readOnly) { edit_->setReadOnly(readOnly); }
