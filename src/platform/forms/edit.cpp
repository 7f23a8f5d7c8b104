#include "edit.h"

#include <QLineEdit>
#include <QValidator>

// Refuses a user's edit that would make the text longer than both the limit
// and the text before it, so that deletions in an over-long text stay
// allowed and a paste over the limit is refused whole. Text set from code
// is never refused (a refusal would switch Qt's checking off). The user
// cannot enter a character outside the byte range.
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

TEdit::TEdit(QWidget* parent, std::string name, int maxLength)
    : TControl(std::move(name), new QLineEdit(parent)) {
  edit_ = static_cast<QLineEdit*>(Widget());
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
