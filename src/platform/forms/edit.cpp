#include "edit.h"

#include <QLineEdit>
#include <QValidator>

namespace {

// Refuses a user's edit that would make the text longer than both the limit
// and the text before it. Text set from code is never refused (a refusal
// would switch Qt's checking off), and deletions stay allowed.
class MaxLengthValidator : public QValidator {
 public:
  MaxLengthValidator(QLineEdit* edit, const int* maxLength)
      : QValidator(edit), edit_(edit), maxLength_(maxLength) {}

  State validate(QString& input, int&) const override {
    for (QChar c : input) {
      if (c.unicode() > 0xFF) return Invalid;
    }
    if (*maxLength_ <= 0 || !edit_->isModified()) return Acceptable;
    const qsizetype before = edit_->text().size();
    if (input.size() > *maxLength_ && input.size() > before) return Invalid;
    return Acceptable;
  }

 private:
  QLineEdit* edit_;
  const int* maxLength_;
};

}  // namespace

TEdit::TEdit(QWidget* parent, std::string name, int maxLength)
    : TControl(std::move(name), new QLineEdit(parent)), maxLength_(maxLength) {
  edit_ = static_cast<QLineEdit*>(Widget());
  edit_->setValidator(new MaxLengthValidator(edit_, &maxLength_));
}

std::string TEdit::Text() const { return FromQString(edit_->text()); }

void TEdit::SetText(const std::string& text) {
  edit_->setText(ToQString(text));
  edit_->setModified(false);
}

void TEdit::SetReadOnly(bool readOnly) { edit_->setReadOnly(readOnly); }
