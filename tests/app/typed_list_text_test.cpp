// Text typed into the weather send method list selects no item: the encoder
// stores the byte 255 for it and the export writes -1.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>

#include "Unit1.h"
#include "Unit4.h"
#include "configuration_codec.h"
#include "scripted_dialogs.h"
#include "temporary_folder.h"

namespace {

constexpr int SendMethodOffset = 2015;

TEST(TypedSendMethod, IsNoItemForTheEncoderAndTheExport) {
  ScriptedDialogs dialogs;
  TemporaryFolder folder;
  auto form = std::make_unique<TForm1>();
  const auto filter = std::make_unique<TForm4>();
  TForm4* const previousForm4 = std::exchange(Form4, filter.get());
  form->Show();
  QLineEdit* edit = static_cast<QComboBox*>(form->WU_sendmethod->Widget())->lineEdit();
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, QStringLiteral("Rapid"));
  EXPECT_EQ(form->WU_sendmethod->ItemIndex(), -1);

  ASSERT_EQ(EncodeConfigurationImage(form.get()), 1);
  EXPECT_EQ(form->ConfigurationImage[SendMethodOffset], 0xFF);

  const std::string file = folder.File("typed.ini");
  dialogs.QueueFile(file);
  form->Savetofile1->Click();
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  const std::string written = text.str();
  const auto section = written.find("[WeatherUnderground]");
  ASSERT_NE(section, std::string::npos);
  EXPECT_NE(written.find("\nSendmethod=-1", section), std::string::npos) << written.substr(section, 300);
  EXPECT_TRUE(dialogs.boxes.empty());
  Form4 = previousForm4;
}

}  // namespace
