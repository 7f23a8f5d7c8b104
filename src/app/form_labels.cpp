#include "form_labels.h"

TLabel* AddLabel(TForm& form, const char* name, int left, int top, TLabelStyle style, const char* text) {
  auto* label = form.Add<TLabel>(name, text);
  label->SetBold(style == TLabelStyle::Bold);
  label->SetStrikeOut(style == TLabelStyle::StruckThrough);
  label->SetWordWrap(true);
  if (label->Width() > MaxLabelWidth) label->AutoSize(MaxLabelWidth);
  label->SetBounds(left, top, label->Width(), label->Height());
  return label;
}
