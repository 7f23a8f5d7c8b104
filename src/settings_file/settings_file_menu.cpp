#include "Unit1.h"

void TForm1::Savetofile1Click(TObject*) {}
void TForm1::Readfromfile1Click(TObject*) {}
