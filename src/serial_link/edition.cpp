// The COM edition's hooks into the main window.
#include "Unit1.h"
#include "communication.h"

const char* const EditionSuffix = " (COM Bootloader)";

void EditionConstructorAdditions(TForm1& form) {
  // The worker hands routines to the window: it stops before the window
  // and its message loop go.
  form.OnCloseQuery = [] {
    CommThread.reset();
    return true;
  };
}
