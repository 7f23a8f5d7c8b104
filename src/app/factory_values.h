#pragma once
// Markers of the settings control tables and the setters that give a
// control its factory value.
#include "check_box.h"
#include "combo_box.h"
#include "edit.h"

// The constructor leaves the control as the layout has it.
struct TUntouched {};
inline constexpr TUntouched UNTOUCHED{};
// The control shows no hint.
inline constexpr const char* NO_HINT = "";

inline void SetFactoryValue(TEdit* edit, const char* text) { edit->SetText(text); }
inline void SetFactoryValue(TComboBox* list, int index) { list->SetItemIndex(index); }
inline void SetFactoryValue(TCheckBox* box, bool checked) { box->SetChecked(checked); }
template <class Control>
void SetFactoryValue(Control*, TUntouched) {}
