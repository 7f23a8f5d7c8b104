#include "worker_fixture.h"

#include <QCoreApplication>
#include <algorithm>
#include <thread>

#include "communication.h"
#include "configuration_codec.h"
#include "transfer_log_lines.h"
#include "ui_hand_over.h"

WorkerTest::WorkerTest() {
  std::fill(std::begin(ReceivedImage), std::end(ReceivedImage), 0);
  links.Link(2, device.DevicePath());
  form->ComboBox2->SetItemIndex(1);
}

WorkerTest::~WorkerTest() { CommThread.reset(); }

bool WorkerTest::ServeUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;) {
    CheckSynchronize();
    QCoreApplication::processEvents();
    if (done()) return true;
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
}

void WorkerTest::ServeFor(std::chrono::milliseconds time) {
  const auto end = std::chrono::steady_clock::now() + time;
  ServeUntil([&] { return std::chrono::steady_clock::now() > end; });
}

bool WorkerTest::OpenPort() {
  form->Button1->Click();
  return CommThread && !CommThread->Finished();
}

bool WorkerTest::ClosePort() {
  form->Button2->Click();
  const bool ended = ServeUntil([] { return !CommThread || CommThread->Finished(); });
  CheckSynchronize();  // what the worker handed over last
  return ended;
}

bool WorkerTest::LogEndsWith(const std::string& line) const { return !Log().empty() && Log().back() == line; }

std::vector<std::uint8_t> WorkerTest::ImageWithCallsign(const std::string& callsign) {
  TForm1 other;
  other.Callsign->SetText(callsign);
  EXPECT_EQ(EncodeConfigurationImage(&other), 1);
  return {std::begin(other.ConfigurationImage), std::end(other.ConfigurationImage)};
}

std::vector<std::string> WriteLog() {
  std::vector<std::string> log{PageLine(EepromPageSentLine, 0)};
  for (std::uint32_t page = 1; page <= 15; ++page) {
    log.push_back(PageReceiveAckLine);
    log.push_back(PageLine(EepromPageSentLine, page));
  }
  log.push_back(PageReceiveAckLine);
  log.push_back(SendFinishedLine);
  return log;
}

std::vector<std::string> ReadLog() {
  std::vector<std::string> log{PageLine(EepromReadRequestLine, 0)};
  for (std::uint32_t page = 1; page <= 15; ++page) {
    log.push_back(EepromPageReceivedLine);
    log.push_back(PageLine(EepromReadRequestLine, page));
  }
  log.push_back(EepromPageReceivedLine);
  log.push_back(EepromReadFinishedLine);
  return log;
}

std::vector<std::string> UploadLog(std::uint32_t pageCount) {
  std::vector<std::string> log{PageLine(FirmwarePageSentLine, 0)};
  for (std::uint32_t page = 1; page <= pageCount; ++page) {
    log.push_back(PageReceiveAckLine);
    log.push_back(PageLine(FirmwarePageSentLine, page));
  }
  log.push_back(PageReceiveAckLine);
  log.push_back(SendFinishedLine);
  return log;
}
