#include "Unit4.h"

#include <algorithm>

#include "item_lists.h"
#include "label.h"

TForm4* Form4 = nullptr;

namespace {

constexpr int RowsPerColumn = 6;
constexpr int ColumnShift = 224;  // right column against the left one
constexpr int ColumnGap = 8;      // least room between a type list and the next column's row numbers
constexpr int RightMargin = 8;    // room right of the right column's type lists
constexpr int LayoutClientWidth = 433;
constexpr int LayoutClientHeight = 271;
constexpr int FirstRowTop = 24;
constexpr int RowPitch = 24;
constexpr int HeadingTop = 8;
constexpr int LabelDrop = 4;  // a label's top below its row's top
constexpr int NumberGap = 2;  // least room between a row number and its call sign
constexpr int InputHeight = 21;

constexpr int NumberLeft = 8;
constexpr int CallsignLeft = 24;
constexpr int CallsignWidth = 57;
constexpr int SsidLeft = 88;
constexpr int SsidWidth = 25;
constexpr int TypeLeft = 120;
constexpr int TypeWidth = 81;

constexpr int CallsignLength = 6;
constexpr int SsidLength = 2;
const char* const SsidLayoutText = "*";

const char* const CallsignHint = "Call sign pattern of this filter row (up to 6 characters).";
const char* const SsidHint = "SSID pattern of this filter row; * stands for any SSID.";
const char* const TypeHint = "Filter type of this row: which APRS-IS packets it lets through to RF.";

// Moves a control that keeps its own size (a label sized to its text).
void Place(TControl* control, int left, int top) {
  control->SetBounds(left, top, control->Width(), control->Height());
}

}  // namespace

TForm4::TForm4() : TForm("Form4") {
  BuildLayout();
  for (const TFilterRow& row : rows_) row.Type->SetItemIndex(0);
}

void TForm4::BuildLayout() {
  SetCaption("APRS-IS packets to RF filter (firewall style):");
  SetBorder(TBorderStyle::Single, TBorderIcons{.SystemMenu = true, .Minimize = false, .Maximize = false});
  SetClientSize(LayoutClientWidth, LayoutClientHeight);

  int index = 0;
#define FILTER_ROW(nn)                                \
  rows_[index] = AddFilterRow(index, #nn);            \
  Packet2rf_filter_callsign##nn = rows_[index].Callsign; \
  Packet2rf_filter_ssid##nn = rows_[index].Ssid;      \
  Packet2rf_filter_type##nn = rows_[index].Type;      \
  ++index;
#include "form4_controls.def"
#undef FILTER_ROW

  for (int column = 0; column < FilterRowCount / RowsPerColumn; ++column) {
    const int shift = ColumnOffset(column);
    const std::string suffix = std::to_string(column + 1);
    Place(Add<TLabel>("LabelCallsign" + suffix, "Callsign:"), CallsignLeft + shift, HeadingTop);
    Place(Add<TLabel>("LabelSsid" + suffix, "SSID:"), SsidLeft + shift, HeadingTop);
    Place(Add<TLabel>("LabelType" + suffix, "Type:"), TypeLeft + shift, HeadingTop);
  }

  BitBtn1 = Add<TBitBtn>("BitBtn1", *this);
  BitBtn1->SetBounds(184, 176, 81, 25);

  const int right = ColumnOffset(1) + TypeLeft + rows_[0].Type->Width() + RightMargin;
  SetClientSize(std::max(LayoutClientWidth, right), LayoutClientHeight);
}

// The type lists are at least as wide as the layout has them and wider where
// the font needs it for their items (the first row's list is made first);
// the right column keeps clear of the left one's lists.
int TForm4::ColumnOffset(int column) const {
  if (column == 0) return 0;
  return std::max(ColumnShift, TypeLeft + rows_[0].Type->Width() + ColumnGap - NumberLeft);
}

TFilterRow TForm4::AddFilterRow(int index, const std::string& number) {
  const int shift = ColumnOffset(index / RowsPerColumn);
  const int top = FirstRowTop + RowPitch * (index % RowsPerColumn);

  // A number wider than the font's room at its place moves left, clear of the edit.
  TLabel* rowNumber = Add<TLabel>("LabelRow" + number, std::to_string(index + 1) + ":");
  Place(rowNumber, std::min(NumberLeft, CallsignLeft - NumberGap - rowNumber->Width()) + shift, top + LabelDrop);

  TFilterRow row{};
  row.Callsign = Add<TEdit>("Packet2rf_filter_callsign" + number, CallsignLength);
  row.Callsign->SetBounds(CallsignLeft + shift, top, CallsignWidth, InputHeight);
  row.Callsign->SetHint(CallsignHint);

  // The dash stands centred in the gap between the call sign and the SSID.
  TLabel* dash = Add<TLabel>("LabelDash" + number, "-");
  const int gapLeft = CallsignLeft + CallsignWidth;
  Place(dash, gapLeft + (SsidLeft - gapLeft - dash->Width()) / 2 + shift, top + LabelDrop);

  row.Ssid = Add<TEdit>("Packet2rf_filter_ssid" + number, SsidLength);
  row.Ssid->SetBounds(SsidLeft + shift, top, SsidWidth, InputHeight);
  row.Ssid->SetText(SsidLayoutText);
  row.Ssid->SetHint(SsidHint);

  row.Type = Add<TComboBox>("Packet2rf_filter_type" + number);
  row.Type->SetBounds(TypeLeft + shift, top, TypeWidth, InputHeight);
  row.Type->AddItems(PacketFilterTypeList);
  row.Type->SetHint(TypeHint);
  return row;
}
