// The RTC fields: filled from the PC clock as UTC, enabled exactly while the
// PC time is not uploaded.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include <QAbstractButton>

#include "Unit1.h"
#include "calendar_time.h"
#include "scripted_dialogs.h"

namespace {

constexpr std::int64_t k2027At0005Utc = 1798761900;  // 2027-01-01 00:05:00 UTC
constexpr std::int64_t k2027At2130Utc = 1798839000;  // 2027-01-01 21:30:00 UTC, 23:30 at UTC+2

// Fixes the clock and the time zone for one test.
class FixedClock {
 public:
  FixedClock(std::int64_t now, const char* timeZone) {
    if (const char* tz = std::getenv("TZ")) savedTz_ = tz;
    setenv("TZ", timeZone, 1);
    tzset();
    SetCalendarClock([now] { return now; });
  }
  ~FixedClock() {
    SetCalendarClock({});
    if (savedTz_) {
      setenv("TZ", savedTz_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  std::optional<std::string> savedTz_;
};

struct RtcCase {
  const char* name;
  std::int64_t now;
  const char* timeZone;
  const char* year;
  const char* month;
  const char* day;
  const char* hour;
  const char* minute;
};

void PrintTo(const RtcCase& c, std::ostream* out) { *out << c.name; }

class RtcFromPcClock : public ::testing::TestWithParam<RtcCase> {};

TEST_P(RtcFromPcClock, PlainDecimalUtcWhateverTheTimeZone) {
  const RtcCase& c = GetParam();
  FixedClock clock(c.now, c.timeZone);
  ScriptedDialogs dialogs;
  TForm1 form;
  EXPECT_EQ(form.Rtcyear->Text(), c.year);
  EXPECT_EQ(form.Rtcmonth->Text(), c.month);
  EXPECT_EQ(form.Rtcday->Text(), c.day);
  EXPECT_EQ(form.Rtchour->Text(), c.hour);
  EXPECT_EQ(form.Rtcmin->Text(), c.minute);
}

INSTANTIATE_TEST_SUITE_P(Clocks, RtcFromPcClock,
                         ::testing::Values(RtcCase{"Utc", k2027At0005Utc, "UTC0", "2027", "1", "1", "0", "5"},
                                           RtcCase{"UtcPlus2NewYear", k2027At0005Utc, "XXX-2", "2027", "1", "1", "0", "5"},
                                           RtcCase{"UtcPlus2Evening", k2027At2130Utc, "XXX-2", "2027", "1", "1", "21", "30"},
                                           RtcCase{"UtcMinus5", k2027At0005Utc, "YYY5", "2027", "1", "1", "0", "5"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RtcFields, SetAgainOnRequestWhetherEnabledOrNot) {
  ScriptedDialogs dialogs;
  TForm1 form;
  FixedClock clock(k2027At2130Utc, "UTC0");
  form.Uploadpctime->SetChecked(false);
  form.SetRtcFieldsFromPcClock();
  EXPECT_EQ(form.Rtchour->Text(), "21");
  form.Uploadpctime->SetChecked(true);
  form.Rtcmin->SetText("");
  form.SetRtcFieldsFromPcClock();
  EXPECT_EQ(form.Rtcmin->Text(), "30");
}

class UploadPcTime : public ::testing::Test {
 protected:
  void ExpectRtcEnabled(bool enabled) {
    for (TEdit* rtc : {form->Rtcyear, form->Rtcmonth, form->Rtcday, form->Rtchour, form->Rtcmin}) {
      EXPECT_EQ(rtc->Enabled(), enabled) << rtc->Name();
    }
  }
  ScriptedDialogs dialogs;
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>();
};

TEST_F(UploadPcTime, UncheckingEnablesAndCheckingDisablesTheRtcEdits) {
  ExpectRtcEnabled(false);
  form->Uploadpctime->SetChecked(false);
  ExpectRtcEnabled(true);
  form->Uploadpctime->SetChecked(true);
  ExpectRtcEnabled(false);
}

// The handler runs only on a change: a set to the same state leaves an
// enabled state that disagrees with the box alone.
TEST_F(UploadPcTime, SettingTheSameStateRunsNothing) {
  form->Rtcday->SetEnabled(true);
  form->Uploadpctime->SetChecked(true);
  EXPECT_TRUE(form->Rtcday->Enabled());
  form->Ntp_enable->SetChecked(true);
  EXPECT_TRUE(form->Rtcday->Enabled());
}

TEST_F(UploadPcTime, NtpBoxFollowsUploadpctimeAndChangesNothingElse) {
  const std::string year = form->Rtcyear->Text();
  for (const bool upload : {true, false}) {
    form->Uploadpctime->SetChecked(upload);
    for (const bool ntp : {false, true, false}) {
      form->Ntp_enable->SetChecked(ntp);
      ExpectRtcEnabled(!upload);
      EXPECT_TRUE(form->Uploadpctime->Checked() == upload);
      EXPECT_EQ(form->Rtcyear->Text(), year);
    }
  }
}

TEST_F(UploadPcTime, UserClicksRunTheHandler) {
  form->Uploadpctime->Widget()->setFocus();
  static_cast<QAbstractButton*>(form->Uploadpctime->Widget())->click();
  EXPECT_FALSE(form->Uploadpctime->Checked());
  ExpectRtcEnabled(true);
  static_cast<QAbstractButton*>(form->Ntp_enable->Widget())->click();
  EXPECT_FALSE(form->Ntp_enable->Checked());
  ExpectRtcEnabled(true);
}

}  // namespace
