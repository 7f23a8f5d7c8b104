#include <sys/stat.h>

#include <filesystem>

#include "integer_conversion.h"
#include "log_capture.h"
#include "settings_file_dialogs.h"
#include "settings_file_fixture.h"

namespace {

using SettingsImport = SettingsFileTest;

const std::string Header = "[!WARNING]\r\nVersion=v1.47\r\n";

// Gives every exported control a value unlike its factory one.
void SetDistinctValues(const TSettingsForms& forms) {
  int n = 0;
  for (const auto& row : SettingsKeys()) {
    ++n;
    std::visit(TOverloaded{
                   [&](const TTextKey& key) { key.Control(forms)->SetText("t " + std::to_string(n) + "\xe9"); },
                   [&](const TIntegerKey& key) { key.Control(forms)->SetText(IntToStr(n * 7919 - 100000)); },
                   [&](const TIndexKey& key) {
                     const int count = key.Control(forms)->ItemCount();
                     key.Control(forms)->SetItemIndex(n % 3 == 0 ? -1 : (key.Control(forms)->ItemIndex() + 1) % count);
                   },
                   [&](const TCheckKey& key) { key.Control(forms)->SetChecked(!key.Control(forms)->Checked()); },
               },
               row.Value);
  }
}

TEST_F(SettingsImport, RoundTripGivesEveryControlBack) {
  SetDistinctValues(Forms());
  form->Txdelay->SetText("0250");
  const auto file = folder.File("a.cfg");
  Export(file);

  NewForms();
  const std::string rtcYear = form->Rtcyear->Text();
  Import(file);
  EXPECT_TRUE(dialogs.boxes.empty());

  ScriptedDialogs quiet;
  TForm1 original;
  TForm4 originalFilter;
  const TSettingsForms expected{original, originalFilter};
  SetDistinctValues(expected);
  original.Txdelay->SetText("250");
  for (const auto& row : SettingsKeys()) {
    EXPECT_EQ(ControlState(row, Forms()), ControlState(row, expected)) << row.Section << "/" << row.Key;
  }
  EXPECT_EQ(form->Rtcyear->Text(), rtcYear);
  EXPECT_FALSE(form->Uploadpctime->Checked());
  EXPECT_TRUE(form->Rtcyear->Enabled());
  EXPECT_EQ(form->Position_status_text->Text(), "");
}

TEST_F(SettingsImport, DialogAndCancel) {
  form->Callsign->SetText("MINE");
  dialogs.QueueFile(std::nullopt);
  form->Readfromfile1->Click();
  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(dialogs.fileDialogs[0].Kind, TFileDialogKind::Open);
  EXPECT_EQ(dialogs.fileDialogs[0].InitialDir, Application->ExeFolder() + "config/");
  EXPECT_EQ(dialogs.fileDialogs[0].FileName, "");
  EXPECT_EQ(dialogs.fileDialogs[0].Filter, "Pelnor config files (*.cfg)|*.cfg");
  EXPECT_EQ(form->Callsign->Text(), "MINE");
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(SettingsImport, VersionNoticeOncePerDifferentVersion) {
  for (const std::string& header : {std::string("[!WARNING]\r\nVersion=V1.47\r\n"),
                                    std::string("[!WARNING]\r\nVersion=v1.46\r\n"),
                                    std::string("[!WARNING]\r\nVersion=\r\n"), std::string("; none\r\n")}) {
    SCOPED_TRACE(header);
    dialogs.boxes.clear();
    form->Callsign->SetText("MINE");
    SetText(folder.File("a.cfg"), header + "[Radio]\r\nCallsign=FILE\r\n");
    Import(folder.File("a.cfg"));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].Kind, TMessageBoxKind::Information);
    EXPECT_EQ(dialogs.boxes[0].Text, VersionNotice);
    EXPECT_EQ(std::string(VersionNotice).size(), 207u);
    EXPECT_EQ(form->Callsign->Text(), "FILE");
  }
}

TEST_F(SettingsImport, RefusesAFileThatCannotBeRead) {
  SetText(folder.File("a.cfg"), "x");
  ASSERT_EQ(::mkfifo(folder.File("pipe.cfg").c_str(), 0600), 0);
  // Too large to be a settings file: refused before it is read.
  for (const auto& [name, size] :
       {std::pair{"over.cfg", MaxSettingsFileSize + 1}, std::pair{"huge.cfg", MaxSettingsFileSize << 6}}) {
    SetText(folder.File(name), Header + "[Radio]\r\nCallsign=FILE\r\n; padding:");
    std::filesystem::resize_file(folder.File(name), size);
  }
  for (const std::string& path : {folder.File("missing.cfg"), folder.File(""), folder.File("a.cfg/b.cfg"),
                                  folder.File("pipe.cfg"), folder.File("over.cfg"), folder.File("huge.cfg")}) {
    SCOPED_TRACE(path);
    dialogs.boxes.clear();
    form->Callsign->SetText("MINE");
    form->Ptt->SetItemIndex(1);
    Import(path);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].Kind, TMessageBoxKind::Information);
    EXPECT_EQ(dialogs.boxes[0].Text, "Could not read settings file " + path + ".");
    EXPECT_EQ(form->Callsign->Text(), "MINE");
    EXPECT_EQ(form->Ptt->ItemIndex(), 1);
  }
}

// The largest file the import reads; one byte more is refused above.
TEST_F(SettingsImport, ReadsAFileAtTheSizeBound) {
  const std::string file = folder.File("a.cfg");
  SetText(file, Header + "[Radio]\r\nCallsign=FILE\r\n; padding:");
  std::filesystem::resize_file(file, MaxSettingsFileSize);
  Import(file);
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(form->Callsign->Text(), "FILE");
}

TEST_F(SettingsImport, RefusalLogsTheFileAndTheSystemError) {
  LogCapture log;
  Import(folder.File("missing.cfg"));
  EXPECT_TRUE(log.Has("pelnor.files", {folder.File("missing.cfg"), "No such file or directory"}));
  SetText(folder.File("big.cfg"), "");
  std::filesystem::resize_file(folder.File("big.cfg"), MaxSettingsFileSize + 1);
  Import(folder.File("big.cfg"));
  EXPECT_TRUE(log.Has("pelnor.files", {folder.File("big.cfg"), "File too large"}));
}

TEST_F(SettingsImport, EmptyFileGivesTheReadDefaults) {
  form->Callsign->SetText("MINE");
  SetText(folder.File("a.cfg"), "");
  Import(folder.File("a.cfg"));
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].Text, VersionNotice);

  EXPECT_EQ(form->Callsign->Text(), "NOCALL");
  EXPECT_EQ(form->Latitude->Text(), "5221.60N");
  EXPECT_EQ(form->Longitude->Text(), "01653.63E");
  EXPECT_EQ(form->Ipaddr3->Text(), "1");
  EXPECT_EQ(form->Aprsis_timeout->Text(), "1");
  EXPECT_EQ(form->Aprsis_packet2rf->ItemIndex(), 0);
  EXPECT_EQ(form->Rfheard_timeout->Text(), "30");
  EXPECT_EQ(form->Tele_enable->ItemIndex(), 0);
  EXPECT_EQ(form->Tele_holdoff->Text(), "60");
  EXPECT_EQ(form->Teleanalog1_source->ItemIndex(), 0);
  EXPECT_EQ(form->Teleanalog3_name->Text(), "A3");
  EXPECT_EQ(form->Teleanalog5_units->Text(), "None");
  EXPECT_EQ(form->Teleanalog2_coefb->Text(), "0");
  EXPECT_EQ(form->Teleanalog4_average->ItemIndex(), 0);
  EXPECT_EQ(form->Teledigital5_units->Text(), "None");
  EXPECT_EQ(form->Teledigital6_units->Text(), "Non");
  EXPECT_EQ(form->Teledigital8_name->Text(), "B8");
  EXPECT_EQ(form->Teledigital2_inverted->ItemIndex(), 0);
  for (TComboBox* source : {form->Teledigital1_source, form->Teledigital2_source, form->Teledigital3_source,
                            form->Teledigital4_source, form->Teledigital5_source, form->Teledigital6_source,
                            form->Teledigital7_source, form->Teledigital8_source}) {
    EXPECT_EQ(source->ItemIndex(), 0) << source->Name();
  }
  EXPECT_EQ(filter->Packet2rf_filter_ssid12->Text(), "*");
  EXPECT_EQ(form->Aprsis1_servername->Text(), "rotate.aprs2.net");

  // Every other key's read default is its control's start-up value.
  ScriptedDialogs quiet;
  TForm1 factory;
  TForm4 factoryFilter;
  const std::set<std::string> differing = {"Latitude",        "Longitude",       "Ipaddr3", "Aprsis_timeout",
                                           "Aprsis_packet2rf", "Rfheard_timeout"};
  for (const auto& row : SettingsKeys()) {
    const std::string key = row.Key;
    if (differing.count(key) || key.rfind("Teleanalog", 0) == 0 || key.rfind("Teledigital", 0) == 0) continue;
    EXPECT_EQ(ControlState(row, Forms()), ControlState(row, {factory, factoryFilter})) << key;
  }
}

struct ValueCase {
  const char* value;
  const char* txdelay;
  friend void PrintTo(const ValueCase& c, std::ostream* os) { *os << '"' << c.value << '"'; }
};

class SettingsImportInteger : public SettingsFileTest, public testing::WithParamInterface<ValueCase> {};

TEST_P(SettingsImportInteger, TxdelayValue) {
  SetText(folder.File("a.cfg"), Header + "[Radio]\r\nTXdelay=" + GetParam().value + "\r\n");
  form->Txdelay->SetText("999");
  Import(folder.File("a.cfg"));
  EXPECT_EQ(form->Txdelay->Text(), GetParam().txdelay);
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsImportInteger,
                         testing::Values(ValueCase{"abc", "250"}, ValueCase{"", "250"},
                                         ValueCase{"2147483648", "250"}, ValueCase{"0x", "250"},
                                         ValueCase{"-$10", "250"}, ValueCase{"0x1F", "31"}, ValueCase{"$1F", "31"},
                                         ValueCase{"-7", "-7"}, ValueCase{"  0250  ", "250"},
                                         ValueCase{"\"12\"", "12"}));

TEST_F(SettingsImport, MissingTxdelayGivesItsDefault) {
  form->Txdelay->SetText("999");
  SetText(folder.File("a.cfg"), Header + "[Radio]\r\nQuiettime=1\r\n");
  Import(folder.File("a.cfg"));
  EXPECT_EQ(form->Txdelay->Text(), "250");
  EXPECT_EQ(form->Quiettime->Text(), "1");
}

TEST_F(SettingsImport, ValuesOfEachForm) {
  const std::string longValue(3000, 'L');
  SetText(folder.File("a.cfg"),
          Header +
              "[radio]\r\ncallsign=ABCDEFGHIJ\r\nptt=5\r\nBusydetect=-1\r\nLatitude=  \"5200.00N \"  \r\n"
              "Longitude='x\"\r\n[Digipeater]\r\nPathn1_areaall=7\r\nPathn1_directonly=yes\r\nPathn2_arearad0=2\r\n"
              "[Beacons]\r\nBeacon1_msg=" + longValue + "\r\nBeacon2_msg=\r\n"
              "[Telemetry]\r\nTeledigital4_source=5\r\nTeledigital1_source=2\r\n"
              "[I-Gate]\r\nPacket2rf_filter_type03=6\r\nPacket2rf_filter_callsign03=SP*\r\n");
  Import(folder.File("a.cfg"));
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(form->Callsign->Text(), "ABCDEFGHIJ");
  EXPECT_EQ(form->Ptt->ItemIndex(), -1);
  EXPECT_EQ(form->Busydetect->ItemIndex(), -1);
  EXPECT_EQ(form->Latitude->Text(), "5200.00N ");
  EXPECT_EQ(form->Longitude->Text(), "'x\"");
  EXPECT_TRUE(form->Pathn1_areaall->Checked());
  EXPECT_FALSE(form->Pathn1_directonly->Checked());
  EXPECT_TRUE(form->Pathn2_arearad0->Checked());
  EXPECT_EQ(form->Beacon1_msg->Text(), longValue.substr(0, 2047));
  EXPECT_EQ(form->Beacon2_msg->Text(), "");
  EXPECT_EQ(form->Teledigital4_source->ItemIndex(), 5);
  EXPECT_EQ(form->Teledigital1_source->ItemIndex(), 2);
  EXPECT_EQ(filter->Packet2rf_filter_type03->ItemIndex(), 6);
  EXPECT_EQ(filter->Packet2rf_filter_callsign03->Text(), "SP*");

  Export(folder.File("b.cfg"));
  const std::string exported = Text(folder.File("b.cfg"));
  EXPECT_NE(exported.find("\r\nPTT=-1\r\n"), std::string::npos);
}

TEST_F(SettingsImport, UploadpctimeRunsItsHandlerOnlyOnAChange) {
  ASSERT_TRUE(form->Uploadpctime->Checked());
  form->Rtcyear->SetEnabled(true);  // would be undone by a run of the handler
  SetText(folder.File("one.cfg"), Header + "[RTC]\r\nUploadpctime=1\r\nNtp_enable=1\r\n");
  Import(folder.File("one.cfg"));
  EXPECT_TRUE(form->Uploadpctime->Checked());
  EXPECT_TRUE(form->Rtcyear->Enabled());

  form->Rtcyear->SetEnabled(false);
  SetText(folder.File("zero.cfg"), Header + "[RTC]\r\nUploadpctime=0\r\nNtp_enable=0\r\n");
  Import(folder.File("zero.cfg"));
  EXPECT_FALSE(form->Uploadpctime->Checked());
  EXPECT_FALSE(form->Ntp_enable->Checked());
  for (TEdit* edit : {form->Rtcyear, form->Rtcmonth, form->Rtcday, form->Rtchour, form->Rtcmin}) {
    EXPECT_TRUE(edit->Enabled()) << edit->Name();
  }
}

// A file as the original program writes it: CR LF lines, Windows ANSI bytes.
TEST_F(SettingsImport, AnsiFileBytesArriveUnchanged) {
  std::string file = Text(PELNOR_FIXTURES "/settings/factory.cfg");
  file.insert(0, "; r\xe9glages\r\n");
  const auto at = file.find("Weather_comment=");
  file.replace(at, file.find("\r\n", at) - at, "Weather_comment=M\xe9t\xe9o \xb0" "C");
  SetText(folder.File("a.cfg"), file);
  Import(folder.File("a.cfg"));
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(form->Weather_comment->Text(), "M\xe9t\xe9o \xb0" "C");
  EXPECT_EQ(form->Latitude->Text(), "5223.08N");

  Export(folder.File("a.cfg"));
  EXPECT_EQ(Text(folder.File("a.cfg")), file);
}

}  // namespace
