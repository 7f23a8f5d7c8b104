#pragma once
// Labels of a help form, declared as a table: member, name, place, style
// and text, in reading order. Long texts wrap at MaxLabelWidth.
#include <algorithm>
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
// Room kept right of and below the labels when the form grows to hold them.
constexpr int LabelMargin = 8;

TLabel* AddLabel(TForm& form, const char* name, int left, int top, TLabelStyle style, const char* text);

// Adds the labels at their places. The places suit an 8-point font at 96
// pixels per inch; where the font at hand wraps a text to more lines, the
// labels below move down, and the client area grows from the given size
// to hold them all.
template <class Form, std::size_t N>
void AddLabels(Form& form, const TLabelEntry<Form> (&entries)[N], int clientWidth, int clientHeight) {
  int freeTop = 0;  // first row below the labels placed so far
  int right = 0;
  for (const auto& entry : entries) {
    TLabel* label =
        AddLabel(form, entry.Name, entry.Left, std::max(entry.Top, freeTop), entry.Style, entry.Text);
    form.*entry.Member = label;
    freeTop = label->Top() + label->Height() + 1;
    right = std::max(right, label->Left() + label->Width());
  }
  form.SetClientSize(std::max(clientWidth, right + LabelMargin), std::max(clientHeight, freeTop - 1 + LabelMargin));
}
