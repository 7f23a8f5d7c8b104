// x11_window wait CAPTION: waits (up to a minute) until a window captioned
// CAPTION is mapped, then prints its id.
// x11_window gone CAPTION: waits (up to a minute) until no window captioned
// CAPTION is mapped.
// x11_window close CAPTION: sends that window WM_DELETE_WINDOW, as a window
// manager does for the title bar's close button.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "x11_windows.h"

namespace {

constexpr auto WindowWait = std::chrono::seconds(60);

int Usage() {
  std::fprintf(stderr, "usage: x11_window wait|gone|close CAPTION\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Usage();
  const std::string command = argv[1];
  const std::string caption = argv[2];
  if (command != "wait" && command != "gone" && command != "close") return Usage();
  TX11Display display;
  if (!display.Connected()) {
    std::fprintf(stderr, "x11_window: cannot connect to the X display\n");
    return 1;
  }
  const auto deadline = std::chrono::steady_clock::now() + WindowWait;
  auto window = display.FindWindow(caption);
  if (command == "gone") {
    while (window && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      window = display.FindWindow(caption);
    }
    if (!window) return 0;
    std::fprintf(stderr, "x11_window: \"%s\" is still shown\n", caption.c_str());
    return 1;
  }
  while (!window && command == "wait" && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    window = display.FindWindow(caption);
  }
  if (!window) {
    std::fprintf(stderr, "x11_window: no window captioned \"%s\"\n", caption.c_str());
    return 1;
  }
  if (command == "close" && !display.RequestClose(*window)) {
    std::fprintf(stderr, "x11_window: the close request was refused\n");
    return 1;
  }
  std::printf("%u\n", *window);
  return 0;
}
