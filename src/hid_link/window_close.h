#pragma once
// A HID configuration transfer keeps the message loop waiting from its
// first page to its last, yet a close of the window ends it: the window
// system's messages run without the user's input between pages and before
// a box, and the transfer stops once its window has closed.
#include <chrono>

class TForm;

// Runs the pending messages without the user's input; true once the form's
// window has closed.
bool WindowClosed(TForm& form);

// For the pages of a transfer: runs the messages once a tick from the
// transfer's start (what came before it the message loop has run).
class TWindowCloseWatch {
 public:
  explicit TWindowCloseWatch(TForm& form) : form_(form), lastLook_(std::chrono::steady_clock::now()) {}
  bool Closed();

 private:
  TForm& form_;
  std::chrono::steady_clock::time_point lastLook_;
};
