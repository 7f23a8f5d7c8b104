// Telemetry channel presets, the dialogs, and the "Default parameters"
// handlers.
#include "Unit1.h"

void TForm1::README1Click(TObject*) {}
void TForm1::Button6Click(TObject*) {}
void TForm1::Button7Click(TObject*) {}
void TForm1::Button8Click(TObject*) {}
void TForm1::Button9Click(TObject*) {}
void TForm1::Button10Click(TObject*) {}
void TForm1::Button13Click(TObject*) {}
void TForm1::Button12Click(TObject*) {}
void TForm1::Button14Click(TObject*) {}
void TForm1::Button15Click(TObject*) {}
void TForm1::Button16Click(TObject*) {}
void TForm1::Button17Click(TObject*) {}
void TForm1::Button18Click(TObject*) {}
void TForm1::Button19Click(TObject*) {}
void TForm1::Button11Click(TObject*) {}
void TForm1::Button20Click(TObject*) {}
void TForm1::Button_teleanalog1_defaultClick(TObject*) {}
void TForm1::Button_teleanalog2_defaultClick(TObject*) {}
void TForm1::Button_teleanalog3_defaultClick(TObject*) {}
void TForm1::Button_teleanalog4_defaultClick(TObject*) {}
void TForm1::Button_teleanalog5_defaultClick(TObject*) {}
void TForm1::Button_teledigital1_defaultClick(TObject*) {}
void TForm1::Button_teledigital2_defaultClick(TObject*) {}
void TForm1::Button_teledigital3_defaultClick(TObject*) {}
void TForm1::Button_teledigital4_defaultClick(TObject*) {}
void TForm1::Button_teledigital5_defaultClick(TObject*) {}
void TForm1::Button_teledigital6_defaultClick(TObject*) {}
void TForm1::Button_teledigital7_defaultClick(TObject*) {}
void TForm1::Button_teledigital8_defaultClick(TObject*) {}
