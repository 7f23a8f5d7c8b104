#include "Unit1.h"

#include "factory_values.h"
#include "form1_layout.h"
#include "item_lists.h"

TForm1* Form1 = nullptr;
std::uint8_t ReceivedImage[ConfigurationImageSize] = {};
const char* const ConfigurationVersion = "v1.47";

TForm1::TForm1() : TForm("Form1") {
  BuildForm1Layout(*this);
  EditionConstructorAdditions(*this);
  ConfigurationImagePtr = ConfigurationImage;

  // Factory values, in the order of the table.
#define EDIT(name, page, length, text, hint) SetFactoryValue(name, text);
#define LIST(name, page, items, index, hint) SetFactoryValue(name, index);
#define EDITABLE_LIST(name, page, items, index, hint) SetFactoryValue(name, index);
#define SOURCE_LIST(name, page, items, index, hint) \
  name->AddItems(items);                            \
  SetFactoryValue(name, index);
#define CHECK(name, page, caption, state, hint) SetFactoryValue(name, state);
#include "form1_controls.def"
#undef EDIT
#undef LIST
#undef EDITABLE_LIST
#undef SOURCE_LIST
#undef CHECK

  SetRtcFieldsFromPcClock();
  SetCaption(std::string("PELNOR Rudi Davurariruzo") + " " + ConfigurationVersion);
  SetCaption(Caption() + EditionSuffix);
}

TForm1::~TForm1() = default;
