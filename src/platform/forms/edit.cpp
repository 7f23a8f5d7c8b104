#include "edit.h"

#include "single_line_edit.h"

TEdit::TEdit(QWidget* parent, std::string name, int maxLength)
    : TControl(std::move(name), new SingleLineEdit(parent)), edit_(static_cast<SingleLineEdit*>(Widget())) {
  edit_->SetLimit(maxLength);
}

std::string TEdit::Text() const { return FromQString(edit_->text()); }
void TEdit::SetText(const std::string& text) { edit_->SetTextFromCode(ToQString(text)); }
int TEdit::MaxLength() const { return edit_->Limit(); }
void TEdit::SetMaxLength(int maxLength) { edit_->SetLimit(maxLength); }
void TEdit::SetReadOnly(bool readOnly) { edit_->setReadOnly(readOnly); }
