// The RTC fields: filled from the PC clock, enabled while the PC time is
// not uploaded.
#include <string>

#include "Unit1.h"
#include "calendar_time.h"

void TForm1::SetRtcFieldsFromPcClock() {
  const UtcTime now = BreakDownUtc(CalendarTime());
  Rtcyear->SetText(std::to_string(now.Year));
  Rtcmonth->SetText(std::to_string(now.Month));
  Rtcday->SetText(std::to_string(now.Day));
  Rtchour->SetText(std::to_string(now.Hour));
  Rtcmin->SetText(std::to_string(now.Minute));
}

void TForm1::UploadpctimeClick(TObject*) {
  const bool enabled = !Uploadpctime->Checked();
  for (TEdit* edit : {Rtcyear, Rtcmonth, Rtcday, Rtchour, Rtcmin}) edit->SetEnabled(enabled);
}
