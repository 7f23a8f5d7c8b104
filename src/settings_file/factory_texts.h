#pragma once
// The main window's factory edit texts as constants, for the keys whose
// read default is the control's start-up value.
#include "factory_values.h"

#define EDIT(name, page, length, text, hint) inline constexpr auto FactoryText_##name = text;
#define LIST(name, page, items, index, hint)
#define EDITABLE_LIST(name, page, items, index, hint)
#define SOURCE_LIST(name, page, items, index, hint)
#define CHECK(name, page, caption, state, hint)
#include "form1_controls.def"
#undef EDIT
#undef LIST
#undef EDITABLE_LIST
#undef SOURCE_LIST
#undef CHECK
