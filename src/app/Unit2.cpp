#include "Unit2.h"

#include "form_labels.h"

TForm2* Form2 = nullptr;

namespace {

constexpr int LabelLeft = 8;

const TLabelEntry<TForm2> Form2Labels[] = {
    {&TForm2::Label1, "Label1", LabelLeft, 8, TLabelStyle::Plain,
     "<date> - inserts current time in format: DDHHMM. "},
    {&TForm2::Label2, "Label2", LabelLeft, 24, TLabelStyle::Plain,
     "<lat> - inserts latitude defined on  \"Radio\" Tab."},
    {&TForm2::Label3, "Label3", LabelLeft, 40, TLabelStyle::Plain,
     "<long> - inserts longitude defined on  \"Radio\" Tab."},
    {&TForm2::Label4, "Label4", LabelLeft, 80, TLabelStyle::Plain, "Example:"},
    {&TForm2::Label5, "Label5", LabelLeft, 96, TLabelStyle::Plain, "@<date>z<lat>/<long>-PELNOR Test."},
};

}  // namespace

TForm2::TForm2() : TForm("Form2") {
  SetCaption("Beacon special strings");
  AddLabels(*this, Form2Labels, 251, 116);
}
