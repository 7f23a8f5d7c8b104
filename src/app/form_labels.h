#pragma once
// Labels of a help form, declared as a table: member, name, place, style
// and text. Long texts wrap at MaxLabelWidth.
#include <cstddef>

#include "form.h"
#include "label.h"

enum class TLabelStyle { Plain, Bold, StruckThrough };

template <class Form>
struct TLabelEntry {
  TLabel* Form::*Member;
  const char* Name;
  int Left;
  int Top;
  TLabelStyle Style;
  const char* Text;
};

constexpr int MaxLabelWidth = 575;

TLabel* AddLabel(TForm& form, const char* name, int left, int top, TLabelStyle style, const char* text);

template <class Form, std::size_t N>
void AddLabels(Form& form, const TLabelEntry<Form> (&entries)[N]) {
  for (const auto& entry : entries)
    form.*entry.Member = AddLabel(form, entry.Name, entry.Left, entry.Top, entry.Style, entry.Text);
}
