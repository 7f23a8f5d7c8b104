#pragma once
// A factory main window and packet filter dialog as Form1 and Form4,
// scripted dialogs, a dosdevices folder of the test's own, no port open,
// and no request or firmware resource left over from an earlier test.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Unit1.h"
#include "Unit4.h"
#include "pseudo_terminal.h"
#include "scripted_dialogs.h"

class SerialLinkTest : public testing::Test {
 protected:
  SerialLinkTest();
  ~SerialLinkTest() override;

  // The texts of the boxes shown so far; a box of another kind is marked.
  std::vector<std::string> BoxTexts() const;

  ScriptedDialogs dialogs;
  TComLinkFolder links;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<TForm4> filter;

 private:
  TForm1* previousForm1_;
  TForm4* previousForm4_;
};
