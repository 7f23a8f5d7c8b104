#include "codec_fixture.h"

#include "integer_conversion.h"

namespace {

bool NotInImage(const std::string& name) {
  for (const char* skipped : {"Rtcyear", "Rtcmonth", "Rtcday", "Rtchour", "Rtcmin", "Uploadpctime"}) {
    if (name == skipped) return true;
  }
  return false;
}

}  // namespace

SettingValues CarriedSettings(const TForm1& form, const TForm4& filter) {
  SettingValues values;
  const auto add = [&](TForm1Page page, const std::string& name, std::string value) {
    if (page != PageSmartBeaconing && !NotInImage(name)) values[name] = std::move(value);
  };
#define EDIT(name, page, length, text, hint) add(page, #name, form.name->Text());
#define LIST(name, page, items, index, hint) add(page, #name, "#" + IntToStr(form.name->ItemIndex()));
#define EDITABLE_LIST LIST
#define SOURCE_LIST LIST
#define CHECK(name, page, caption, state, hint) add(page, #name, form.name->Checked() ? "checked" : "unchecked");
#include "form1_controls.def"
#undef EDIT
#undef LIST
#undef EDITABLE_LIST
#undef SOURCE_LIST
#undef CHECK
  for (int i = 0; i < TForm4::FilterRowCount; ++i) {
    const TFilterRow row = filter.FilterRow(i);
    values[row.Callsign->Name()] = row.Callsign->Text();
    values[row.Ssid->Name()] = row.Ssid->Text();
    values[row.Type->Name()] = "#" + IntToStr(row.Type->ItemIndex());
  }
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
