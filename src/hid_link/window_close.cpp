#include "window_close.h"

#include "application.h"
#include "control.h"
#include "form.h"

bool WindowClosed(TForm& form) {
  Application->ProcessMessagesWithoutInput();
  return form.Closed();
}

bool TWindowCloseWatch::Closed() {
  const auto now = std::chrono::steady_clock::now();
  if (now - lastLook_ < std::chrono::milliseconds(DeferredPaintMilliseconds)) return form_.Closed();
  lastLook_ = now;
  return WindowClosed(form_);
}
