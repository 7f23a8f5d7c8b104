// The HID edition's hooks into the main window.
#include "Unit1.h"

const char* const EditionSuffix = " (HID Bootloader)";

void EditionConstructorAdditions(TForm1&) {}

void TForm1::Button1Click(TObject*) {}
void TForm1::Button2Click(TObject*) {}
void TForm1::Button3Click(TObject*) {}
void TForm1::Button4Click(TObject*) {}
void TForm1::Button5Click(TObject*) {}
