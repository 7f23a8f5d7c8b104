#include "settings_keys.h"

#include "factory_texts.h"

namespace {

namespace Section {
constexpr const char* Radio = "Radio";
constexpr const char* Digipeater = "Digipeater";
constexpr const char* Beacons = "Beacons";
constexpr const char* Network = "Network";
constexpr const char* AprsIs = "APRS-IS";
constexpr const char* IGate = "I-Gate";
constexpr const char* Rtc = "RTC";
constexpr const char* Www = "WWW";
constexpr const char* Telnet = "Telnet";
constexpr const char* Debug = "Debug";
constexpr const char* KissTcpIp = "KISSTCPIP";
constexpr const char* Telemetry = "Telemetry";
constexpr const char* Weather = "Weather";
constexpr const char* WeatherUnderground = "WeatherUnderground";
constexpr const char* ExternalDevices = "ExternalDevices";
constexpr const char* Gps = "GPS";
constexpr const char* Kiss = "KISS";
constexpr const char* Gamma = "Gamma";
}  // namespace Section

template <class Form>
Form& Owner(const TSettingsForms& forms);
template <>
TForm1& Owner<TForm1>(const TSettingsForms& forms) { return forms.Form1; }
template <>
TForm4& Owner<TForm4>(const TSettingsForms& forms) { return forms.Form4; }

template <class Form, class Control>
Form FormOf(Control* Form::*);

// The control that a pointer to a form member names.
template <auto Member>
auto ControlAt(const TSettingsForms& forms) {
  return Owner<decltype(FormOf(Member))>(forms).*Member;
}

constexpr const char* KeyName(const char* key, const char* control) { return key ? key : control; }

}  // namespace

std::span<const TSettingsKey> SettingsKeys() {
#define SAME nullptr
#define KEY(section, key, form, control, value) \
  TSettingsKey{Section::section, KeyName(key, #control), value},
#define TEXT(section, key, form, control, readDefault) \
  KEY(section, key, form, control, (TTextKey{&ControlAt<&T##form::control>, readDefault}))
#define FACTORY_TEXT(section, key, form, control) \
  TEXT(section, key, form, control, FactoryText_##control)
#define INTEGER(section, key, form, control, readDefault) \
  KEY(section, key, form, control, (TIntegerKey{&ControlAt<&T##form::control>, readDefault}))
#define INDEX(section, key, form, control, readDefault) \
  KEY(section, key, form, control, (TIndexKey{&ControlAt<&T##form::control>, readDefault}))
#define CHECK(section, key, form, control, readDefault) \
  KEY(section, key, form, control, (TCheckKey{&ControlAt<&T##form::control>, readDefault, false}))
#define TRUTH(section, key, form, control, readDefault) \
  KEY(section, key, form, control, (TCheckKey{&ControlAt<&T##form::control>, readDefault, true}))
  static const TSettingsKey keys[] = {
#include "settings_keys.def"
  };
#undef SAME
#undef KEY
#undef TEXT
#undef FACTORY_TEXT
#undef INTEGER
#undef INDEX
#undef CHECK
#undef TRUTH
  return keys;
}

std::span<const THeaderKey> HeaderKeys() {
  static const THeaderKey keys[] = {
      {"WARNING", "Please do not try to modify this file. It should be managed with Pelnor configurator program."},
      {"Application", "PELNOR Rudi Davurariruzo"},
      {VersionKey, ConfigurationVersion},
  };
  return keys;
}
