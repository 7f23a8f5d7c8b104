#include "Unit1.h"
#include "configuration_codec.h"

int EncodeConfigurationImage(TForm1*) { return 1; }
int DecodeConfigurationImage(TForm1*) { return 1; }
