#pragma once
// The APRS-IS to RF packet filter dialog: twelve rows of call sign, SSID
// and filter type, each row a setting like those of the main window.
#include "button.h"
#include "combo_box.h"
#include "edit.h"
#include "form.h"

// The three controls of one filter row.
struct TFilterRow {
  TEdit* Callsign;
  TEdit* Ssid;
  TComboBox* Type;
};

class TForm4 : public TForm {
 public:
  static constexpr int FilterRowCount = 12;

  TForm4();

#define FILTER_ROW(nn)                                \
  TEdit* Packet2rf_filter_callsign##nn = nullptr; \
  TEdit* Packet2rf_filter_ssid##nn = nullptr;     \
  TComboBox* Packet2rf_filter_type##nn = nullptr;
#include "form4_controls.def"
#undef FILTER_ROW

  TBitBtn* BitBtn1 = nullptr;

  // Row 0 to 11 (the dialog's rows 1 to 12).
  TFilterRow FilterRow(int index) const { return rows_[index]; }

 private:
  void BuildLayout();
  TFilterRow AddFilterRow(int index, const std::string& number);
  int ColumnOffset(int column) const;

  TFilterRow rows_[FilterRowCount] = {};
};

extern TForm4* Form4;
