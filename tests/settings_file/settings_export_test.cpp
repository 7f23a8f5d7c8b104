#include <sys/stat.h>

#include <filesystem>

#include "file_limit.h"
#include "log_capture.h"
#include "ordinary_file_user.h"
#include "settings_file_dialogs.h"
#include "settings_file_fixture.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return lines;
}

using SettingsExport = SettingsFileTest;

std::string TooLargeText(const std::string& file) {
  return "Could not write settings file " + file + ": it would exceed the size that \"Read from file\" takes.";
}

TEST_F(SettingsExport, FactoryStateGivesTheExpectedFile) {
  form->Rtcyear->SetText("1999");
  form->Position_status_text->SetText("hidden");
  const auto file = folder.File("pelnor.cfg");
  Export(file);
  const std::string expected = Text(PELNOR_FIXTURES "/settings/factory.cfg");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(Lines(Text(file)), Lines(expected));
  EXPECT_EQ(Text(file), expected);
  EXPECT_TRUE(dialogs.boxes.empty());

  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  const auto& request = dialogs.fileDialogs[0];
  EXPECT_EQ(request.Kind, TFileDialogKind::Save);
  EXPECT_EQ(request.InitialDir, Application->ExeFolder() + "config/");
  EXPECT_EQ(request.FileName, "pelnor.cfg");
  EXPECT_EQ(request.Filter, "Pelnor config files (*.cfg)|*.cfg");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"pelnor.cfg"});
}

TEST_F(SettingsExport, KeepsForeignLinesAndUpdatesKeysInPlace) {
  const auto file = folder.File("mine");
  SetText(file,
          "; kept comment caf\xe9\r\n[Foreign]\r\nA=1\r\n\r\n[radio]\r\ncallsign=OLD\r\nMyKey=x\r\n"
          "[Telemetry]\r\nBitsmodule_enable=1\r\n");
  form->Callsign->SetText("SP3ABC");
  Export(file);
  const auto lines = Lines(Text(file));
  ASSERT_GE(lines.size(), 9u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 7),
            (std::vector<std::string>{"; kept comment caf\xe9", "[Foreign]", "A=1", "", "[radio]", "callsign=SP3ABC",
                                      "MyKey=x"}));
  EXPECT_EQ(lines[7], "SSID=0");
  EXPECT_EQ(lines[8], "TXdelay=250");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Bitsmodule_enable=0"), 1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "[!WARNING]"), 1);

  const std::string once = Text(file);
  Export(file);
  EXPECT_EQ(Text(file), once);

  dialogs.QueueFile(std::nullopt);
  form->Callsign->SetText("OTHER");
  form->Savetofile1->Click();
  EXPECT_EQ(Text(file), once);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"mine"});
  EXPECT_TRUE(dialogs.boxes.empty());
}

struct IntegerCase {
  const char* text;
  const char* written;  // nullptr: the export stops
  friend void PrintTo(const IntegerCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class SettingsExportInteger : public SettingsFileTest, public testing::WithParamInterface<IntegerCase> {};

// A numeric edit that does not convert stops the export before anything is
// written: the error box shows the conversion message, the file stays.
TEST_P(SettingsExportInteger, ConvertsOrStopsWithTheFileUntouched) {
  const auto file = folder.File("a.cfg");
  const std::string before = "[Radio]\r\nCallsign=KEEP\r\n[Gamma]\r\nGamma_units=4\r\n";
  SetText(file, before);
  form->Aprsis2_port->SetText(GetParam().text);
  Export(file);
  if (GetParam().written) {
    EXPECT_TRUE(dialogs.boxes.empty());
    const auto lines = Lines(Text(file));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string("Aprsis2_port=") + GetParam().written), 1);
  } else {
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].Kind, TMessageBoxKind::Error);
    EXPECT_EQ(dialogs.boxes[0].Text, std::string("'") + GetParam().text + "' is not a valid integer value.");
    EXPECT_EQ(Text(file), before);
  }
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"a.cfg"});
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsExportInteger,
                         testing::Values(IntegerCase{"0080", "80"}, IntegerCase{"+7", "7"},
                                         IntegerCase{"  42", "42"}, IntegerCase{"$1F", "31"},
                                         IntegerCase{"0xffffffff", "-1"},
                                         IntegerCase{"-2147483648", "-2147483648"}, IntegerCase{"", nullptr},
                                         IntegerCase{"abc", nullptr}, IntegerCase{"42 ", nullptr},
                                         IntegerCase{"4.5", nullptr}, IntegerCase{"2147483648", nullptr},
                                         IntegerCase{"-$10", nullptr}));

TEST_F(SettingsExport, IndexAndCheckForms) {
  form->Ptt->SetItemIndex(-1);
  form->Pathn1_areaall->SetChecked(false);
  form->Pathn2_directonly->SetChecked(true);
  form->Uploadpctime->SetChecked(false);
  const auto file = folder.File("a.cfg");
  Export(file);
  const auto lines = Lines(Text(file));
  for (const char* line : {"PTT=-1", "Pathn1_areaall=0", "Pathn2_directonly=1", "Uploadpctime=0", "Ntp_enable=1",
                           "Teleanalog1_source=11", "Packet2rf_filter_type07=0"}) {
    EXPECT_EQ(std::count(lines.begin(), lines.end(), line), 1) << line;
  }
}

TEST_F(SettingsExport, TextValuesAreWrittenUnchanged) {
  form->Beacon3_msg->SetText("  \"quoted\" text  ");
  form->Callsign->SetText("");
  const auto file = folder.File("a.cfg");
  Export(file);
  const auto lines = Lines(Text(file));
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Beacon3_msg=  \"quoted\" text  "), 1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Callsign="), 1);
}

// A text with a line break would add lines of its own to the file: the
// export names the key and leaves the file as it was, or makes none.
TEST_F(SettingsExport, RefusesATextWithALineBreakNamingItsKey) {
  struct Case {
    TEdit* edit;
    const char* key;
    const char* text;
  };
  const Case cases[] = {{form->Aprsis_filter, "Aprsis_filter", "m/40\r"},
                        {form->Beacon3_msg, "Beacon3_msg", "a\r\n[Radio]\r\nCallsign=EVIL"},
                        {filter->Packet2rf_filter_callsign03, "Packet2rf_filter_callsign03", "\nSP"}};
  const std::string before = "[Radio]\r\nCallsign=KEEP\r\n";
  SetText(folder.File("old.cfg"), before);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    const std::string saved = c.edit->Text();
    c.edit->SetText(c.text);
    for (const std::string& file : {folder.File("old.cfg"), folder.File("new.cfg")}) {
      dialogs.boxes.clear();
      Export(file);
      ASSERT_EQ(dialogs.boxes.size(), 1u);
      EXPECT_EQ(dialogs.boxes[0].Kind, TMessageBoxKind::Error);
      EXPECT_EQ(dialogs.boxes[0].Text, std::string(c.key) + " holds a line break and cannot be written to " + file + ".");
    }
    c.edit->SetText(saved);
  }
  EXPECT_EQ(Text(folder.File("old.cfg")), before);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"old.cfg"});
}

// Every refused replacement shows the write failure and leaves the old file.
TEST_F(SettingsExport, RefusedWritesLeaveTheOldFile) {
  const std::string before = "[Radio]\r\nCallsign=KEEP\r\n";
  const auto expectRefused = [&](const std::string& file, const char* situation) {
    SCOPED_TRACE(situation);
    dialogs.boxes.clear();
    Export(file);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].Kind, TMessageBoxKind::Error);
    EXPECT_EQ(dialogs.boxes[0].Text, "Unable to write to " + file + ".");
  };
  SetText(folder.File("a.cfg"), before);
  expectRefused(folder.File("a.cfg/b.cfg"), "path below a file");
  {
    FileSizeLimit limit(100);
    expectRefused(folder.File("a.cfg"), "full disk");
  }
  ASSERT_EQ(::mkfifo(folder.File("pipe.cfg").c_str(), 0600), 0);
  expectRefused(folder.File("pipe.cfg"), "pipe");
  EXPECT_EQ(Text(folder.File("a.cfg")), before);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"a.cfg", "pipe.cfg"}));

  TemporaryFolder locked;
  OrdinaryFileUser user(locked.File(""));
  if (!user.Active()) GTEST_SKIP() << "running as root and setfsuid was refused, so permissions do not bind";
  SetText(locked.File("a.cfg"), before);
  ::chmod(locked.File("a.cfg").c_str(), 0444);
  expectRefused(locked.File("a.cfg"), "read-only file");
  ::chmod(locked.File("a.cfg").c_str(), 0644);
  ::chmod(locked.File("").c_str(), 0555);
  expectRefused(locked.File("a.cfg"), "read-only folder");
  ::chmod(locked.File("").c_str(), 0755);
  EXPECT_EQ(Text(locked.File("a.cfg")), before);
  EXPECT_EQ(locked.Entries(), std::vector<std::string>{"a.cfg"});
}

// An existing file larger than the import reads is no settings file: the
// export refuses it before reading it and leaves it as it was. One at the
// bound is read, but the export's keys would make it larger than the bound.
TEST_F(SettingsExport, RefusesAnExistingFileLargerThanTheImportBound) {
  LogCapture log;
  for (const std::size_t size : {MaxSettingsFileSize + 1, MaxSettingsFileSize}) {
    SCOPED_TRACE(size);
    const auto file = folder.File("big.cfg");
    std::string before = "[Radio]\r\nCallsign=KEEP\r\n; padding:";
    before.resize(size, 'p');
    SetText(file, before);
    dialogs.boxes.clear();
    Export(file);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    if (size > MaxSettingsFileSize) {
      EXPECT_EQ(dialogs.boxes[0].Kind, TMessageBoxKind::Error);
      EXPECT_EQ(dialogs.boxes[0].Text, "Unable to write to " + file + ".");
      EXPECT_TRUE(log.Has("pelnor.files", {file, "File too large"}));
    } else {
      EXPECT_EQ(dialogs.boxes[0].Kind, TMessageBoxKind::Information);
      EXPECT_EQ(dialogs.boxes[0].Text, TooLargeText(file));
    }
    EXPECT_TRUE(Text(file) == before);
  }
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"big.cfg"});
}

// Another program's INI file of exactly size bytes, all of whose lines the
// export keeps.
std::string ForeignIniFile(std::size_t size) {
  std::string text = "[Other program]\r\n";
  const std::string line = "Entry=" + std::string(56, 'v') + "\r\n";
  while (text.size() + 2 * line.size() <= size) text += line;
  return text + "Last=" + std::string(size - text.size() - 7, 'v') + "\r\n";
}

// Every file the export writes can be imported: a result larger than the
// import's bound is refused before anything is written and the old file
// stays whole; a result at the bound is written and reads back.
TEST_F(SettingsExport, WritesNoFileLargerThanTheImportBound) {
  form->Callsign->SetText("SP3ABC");
  form->Ptt->SetItemIndex(-1);
  filter->Packet2rf_filter_callsign03->SetText("SP9XYZ");
  Export(folder.File("alone.cfg"));
  const std::size_t exported = Text(folder.File("alone.cfg")).size();
  std::filesystem::remove(folder.File("alone.cfg"));
  std::vector<std::string> states;
  for (const auto& row : SettingsKeys()) states.push_back(ControlState(row, Forms()));

  const auto file = folder.File("other.ini");
  const struct {
    std::size_t size;
    bool written;
  } cases[] = {{MaxSettingsFileSize - 1000, false},
               {MaxSettingsFileSize - exported + 1, false},
               {MaxSettingsFileSize - exported, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    const std::string before = ForeignIniFile(c.size);
    ASSERT_EQ(before.size(), c.size);
    SetText(file, before);
    dialogs.boxes.clear();
    Export(file);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"other.ini"});
    if (!c.written) {
      ASSERT_EQ(dialogs.boxes.size(), 1u);
      EXPECT_EQ(dialogs.boxes[0].Kind, TMessageBoxKind::Information);
      EXPECT_EQ(dialogs.boxes[0].Caption, "Information");
      EXPECT_EQ(dialogs.boxes[0].Text, TooLargeText(file));
      EXPECT_TRUE(Text(file) == before);
      continue;
    }
    EXPECT_TRUE(dialogs.boxes.empty());
    const std::string written = Text(file);
    EXPECT_EQ(written.size(), MaxSettingsFileSize);
    EXPECT_TRUE(written.substr(0, before.size()) == before);

    NewForms();
    Import(file);
    EXPECT_TRUE(dialogs.boxes.empty());
    for (std::size_t i = 0; i < SettingsKeys().size(); ++i) {
      EXPECT_EQ(ControlState(SettingsKeys()[i], Forms()), states[i]) << SettingsKeys()[i].Key;
    }
  }
}

TEST_F(SettingsExport, RefusalsLogTheFileAndTheSystemError) {
  LogCapture log;
  SetText(folder.File("a.cfg"), "");
  Export(folder.File("a.cfg/b.cfg"));
  EXPECT_TRUE(log.Has("pelnor.files", {folder.File("a.cfg/b.cfg"), "Not a directory"}));

  TemporaryFolder locked;
  OrdinaryFileUser user(locked.File(""));
  if (!user.Active()) GTEST_SKIP() << "running as root and setfsuid was refused, so permissions do not bind";
  ::chmod(locked.File("").c_str(), 0555);
  Export(locked.File("a.cfg"));
  ::chmod(locked.File("").c_str(), 0755);
  ASSERT_EQ(dialogs.boxes.size(), 2u);
  EXPECT_EQ(dialogs.boxes[1].Text, "Unable to write to " + locked.File("a.cfg") + ".");
  EXPECT_TRUE(log.Has("pelnor.files", {locked.File("a.cfg"), "Permission denied"}));
  EXPECT_TRUE(locked.Entries().empty());
}

}  // namespace
