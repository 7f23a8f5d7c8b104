#pragma once
// A factory main window and packet filter dialog and a temporary folder;
// with scripted dialogs, the two menu items run as a user would.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>

#include "Unit1.h"
#include "Unit4.h"
#include "application.h"
#include "scripted_dialogs.h"
#include "settings_keys.h"
#include "temporary_folder.h"

class SettingsFormsTest : public testing::Test {
 protected:
  SettingsFormsTest() : previousForm4_(Form4) { Form4 = filter.get(); }
  ~SettingsFormsTest() override { Form4 = previousForm4_; }

  std::string Text(const std::string& path) const {
    const auto bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
  }
  void SetText(const std::string& path, const std::string& text) const {
    WriteBytes(path, {text.begin(), text.end()});
  }
  TSettingsForms Forms() { return {*form, *filter}; }
  // Starts again from new factory forms.
  void NewForms() {
    form = std::make_unique<TForm1>();
    filter = std::make_unique<TForm4>();
    Form4 = filter.get();
  }

  TemporaryFolder folder;
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>();
  std::unique_ptr<TForm4> filter = std::make_unique<TForm4>();

 private:
  TForm4* previousForm4_;
};

class SettingsFileTest : public SettingsFormsTest {
 protected:
  void Export(const std::string& path) {
    dialogs.QueueFile(path);
    form->Savetofile1->Click();
  }
  void Import(const std::string& path) {
    dialogs.QueueFile(path);
    form->Readfromfile1->Click();
  }

  ScriptedDialogs dialogs;
};

// A control's state as text: the edit's text, the item index or 0/1.
inline std::string ControlState(const TSettingsKey& row, const TSettingsForms& forms) {
  return std::visit(TOverloaded{
                        [&](const TTextKey& key) { return key.Control(forms)->Text(); },
                        [&](const TIntegerKey& key) { return key.Control(forms)->Text(); },
                        [&](const TIndexKey& key) { return std::to_string(key.Control(forms)->ItemIndex()); },
                        [&](const TCheckKey& key) { return std::string(key.Control(forms)->Checked() ? "1" : "0"); },
                    },
                    row.Value);
}
