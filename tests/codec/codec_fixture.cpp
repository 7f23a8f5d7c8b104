#include "codec_fixture.h"

#include <cstdio>

#include "integer_conversion.h"

namespace {

bool NotInImage(const std::string& name) {
  for (const char* skipped : {"Rtcyear", "Rtcmonth", "Rtcday", "Rtchour", "Rtcmin", "Uploadpctime"}) {
    if (name == skipped) return true;
  }
  return false;
}

}  // namespace

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + IntToStr(value); }

std::vector<std::string> ExpandNames(const NamePattern& p) {
  const std::string pattern = p.pattern;
  const std::size_t hash = pattern.find('#');
  if (hash == std::string::npos) return {pattern};
  const bool twoDigits = pattern.compare(hash, 2, "##") == 0;
  std::vector<std::string> names;
  for (int n = p.first; n < p.first + p.count; ++n) {
    names.push_back(pattern.substr(0, hash) + (twoDigits ? TwoDigits(n) : IntToStr(n)) +
                    pattern.substr(hash + (twoDigits ? 2 : 1)));
  }
  return names;
}

std::string PrintableText(const std::string& text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t run = 1;
    while (i + run < text.size() && text[i + run] == text[i]) ++run;
    const auto byte = static_cast<unsigned char>(text[i]);
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\x%02X", byte);
    const std::string one = byte >= 0x20 && byte <= 0x7E ? std::string(1, text[i]) : std::string(hex);
    if (run > 4) {
      shown += one + "*" + std::to_string(run);
    } else {
      for (std::size_t k = 0; k < run; ++k) shown += one;
    }
    i += run;
  }
  return shown;
}

CarriedControls ControlsOfImage(const TForm1& form, const TForm4& filter) {
  CarriedControls controls;
  const auto add = [](auto& map, TForm1Page page, const std::string& name, auto* control) {
    if (page != PageSmartBeaconing && !NotInImage(name)) map[name] = control;
  };
#define EDIT(name, page, length, text, hint) add(controls.edits, page, #name, form.name);
#define LIST(name, page, items, index, hint) add(controls.lists, page, #name, form.name);
#define EDITABLE_LIST LIST
#define SOURCE_LIST LIST
#define CHECK(name, page, caption, state, hint) add(controls.checks, page, #name, form.name);
#include "form1_controls.def"
#undef EDIT
#undef LIST
#undef EDITABLE_LIST
#undef SOURCE_LIST
#undef CHECK
  for (int i = 0; i < TForm4::FilterRowCount; ++i) {
    const TFilterRow row = filter.FilterRow(i);
    controls.edits[row.Callsign->Name()] = row.Callsign;
    controls.edits[row.Ssid->Name()] = row.Ssid;
    controls.lists[row.Type->Name()] = row.Type;
  }
  return controls;
}

SettingValues CarriedSettings(const TForm1& form, const TForm4& filter) {
  const CarriedControls controls = ControlsOfImage(form, filter);
  SettingValues values;
  for (const auto& [name, edit] : controls.edits) values[name] = edit->Text();
  for (const auto& [name, list] : controls.lists) values[name] = "#" + IntToStr(list->ItemIndex());
  for (const auto& [name, check] : controls.checks) values[name] = check->Checked() ? "checked" : "unchecked";
  return values;
}

CodecTest::CodecTest() : previousForm4_(Form4) {
  SetCalendarClock([] { return FixedClock; });
  form = std::make_unique<TForm1>();
  filter = std::make_unique<TForm4>();
  Form4 = filter.get();
}

CodecTest::~CodecTest() {
  Form4 = previousForm4_;
  SetCalendarClock({});
}

int CodecTest::DecodeInto(TForm1& target) {
  std::memcpy(ReceivedImage, Image(), ConfigurationImageSize);
  return DecodeConfigurationImage(&target);
}

std::vector<std::string> CodecTest::BoxTexts() const {
  std::vector<std::string> texts;
  for (const TMessageBoxRequest& box : dialogs.boxes) {
    texts.push_back(box.Kind == TMessageBoxKind::Information ? box.Text : "(not an information box) " + box.Text);
  }
  return texts;
}
