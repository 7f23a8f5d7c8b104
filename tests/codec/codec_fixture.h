#pragma once
// A factory main window and packet filter dialog with the clock fixed at
// 2026-01-01 00:00:00 UTC, scripted dialogs, and byte access to the images.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Unit1.h"
#include "Unit4.h"
#include "calendar_time.h"
#include "configuration_codec.h"
#include "scripted_dialogs.h"

constexpr std::int64_t FixedClock = 1767225600;  // 2026-01-01 00:00:00 UTC

// The controls whose settings the image carries, by name.
struct CarriedControls {
  std::map<std::string, TEdit*> edits;
  std::map<std::string, TComboBox*> lists;
  std::map<std::string, TCheckBox*> checks;
};
CarriedControls ControlsOfImage(const TForm1& form, const TForm4& filter);

// Every setting that the image carries, by control name: an edit's text,
// "#index" for a list, "checked"/"unchecked" for a check box.
using SettingValues = std::map<std::string, std::string>;
SettingValues CarriedSettings(const TForm1& form, const TForm4& filter);

// A control name with '#' stands for the records first to first + count - 1,
// one with "##" for the same written with two digits.
struct NamePattern {
  const char* pattern;
  int count = 1;
  int first = 1;
};
std::vector<std::string> ExpandNames(const NamePattern& p);
std::string TwoDigits(int value);

// A control text as a test name shows it: other bytes than printable ASCII
// as \xNN, a run of more than four equal characters as c*count.
std::string PrintableText(const std::string& text);

class CodecTest : public testing::Test {
 protected:
  CodecTest();
  ~CodecTest() override;

  int Encode() { return EncodeConfigurationImage(form.get()); }
  // Copies the encoded image to ReceivedImage and decodes it into `target`.
  int DecodeInto(TForm1& target);

  const std::uint8_t* Image() const { return form->ConfigurationImagePtr; }
  std::string Bytes(std::size_t offset, std::size_t count) const {
    return {reinterpret_cast<const char*>(Image() + offset), count};
  }
  unsigned U16(std::size_t offset) const { return Image()[offset] | (Image()[offset + 1] << 8); }
  std::uint32_t U32(std::size_t offset) const {
    return Image()[offset] | (Image()[offset + 1] << 8) | (Image()[offset + 2] << 16) |
           (static_cast<std::uint32_t>(Image()[offset + 3]) << 24);
  }

  std::vector<std::string> BoxTexts() const;

  ScriptedDialogs dialogs;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<TForm4> filter;

 private:
  TForm4* previousForm4_;
};
