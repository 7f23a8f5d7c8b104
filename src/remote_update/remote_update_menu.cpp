#include "Unit1.h"

void TForm1::BuildRemoteUpdateFile1Click(TObject*) {}
