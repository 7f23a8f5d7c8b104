// serial_device_server PAGE: the simulated serial device on a pseudo-terminal
// as a process of its own, for tests of the real programs. Prints the
// device's path, then one line "command CODE page PAGE" for each command that
// arrives; the reply for page PAGE is held back, so a transfer that reaches
// it stays running. Runs until SIGTERM or SIGINT.
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "simulated_serial_device.h"

namespace {

volatile sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: serial_device_server PAGE\n");
    return 2;
  }
  signal(SIGTERM, RequestStop);
  signal(SIGINT, RequestStop);
  TSimulatedSerialDevice device;
  device.FaultOnPage(static_cast<std::uint16_t>(std::atoi(argv[1])), TDeviceFault::HeldBack);
  std::printf("%s\n", device.DevicePath().c_str());
  std::fflush(stdout);
  std::size_t shown = 0;
  while (!stopRequested) {
    if (!device.WaitForCommands(shown + 1, std::chrono::milliseconds(50))) continue;
    const auto commands = device.Commands();
    for (; shown < commands.size(); ++shown) {
      std::printf("command %u page %u\n", commands[shown].Code, commands[shown].Page);
    }
    std::fflush(stdout);
  }
  return 0;
}
