#pragma once
// The COM edition against the simulated device on a pseudo-terminal linked
// as COM2, with the user-interface thread serving the worker's hand-overs
// while a test waits.
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "serial_link_fixture.h"
#include "simulated_serial_device.h"

class WorkerTest : public SerialLinkTest {
 protected:
  WorkerTest();
  ~WorkerTest() override;

  // Serves hand-overs and window messages until done() holds; false when
  // it still does not after the limit.
  static bool ServeUntil(const std::function<bool()>& done,
                         std::chrono::milliseconds limit = std::chrono::seconds(20));
  // Serves hand-overs and window messages for a while.
  static void ServeFor(std::chrono::milliseconds time);

  // "Open port" on COM2; false when no worker runs afterwards.
  bool OpenPort();
  // "Close port", then serving until the worker has ended and all it
  // handed over has run.
  bool ClosePort();
  bool LogEndsWith(const std::string& line) const;
  std::vector<std::string> Log() const { return form->Memo1->Lines(); }

  // A good configuration image: the factory settings with the callsign given.
  std::vector<std::uint8_t> ImageWithCallsign(const std::string& callsign);

  TSimulatedSerialDevice device;
};

// The log of a complete configuration write, read and firmware upload.
std::vector<std::string> WriteLog();
std::vector<std::string> ReadLog();
std::vector<std::string> UploadLog(std::uint32_t pageCount);
