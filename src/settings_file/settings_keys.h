#pragma once
// The one table of the settings file: each key's section, name, control,
// value form and read default. The export and the import both walk it.
#include <cstdint>
#include <span>
#include <variant>

#include "Unit1.h"
#include "Unit4.h"

// The two forms whose controls hold the settings.
struct TSettingsForms {
  TForm1& Form1;
  TForm4& Form4;
};

template <class Control>
using TControlAccess = Control* (*)(const TSettingsForms&);

// The edit's text as it stands.
struct TTextKey {
  TControlAccess<TEdit> Control;
  const char* ReadDefault;
};
// The edit's text as a signed 32-bit integer in decimal.
struct TIntegerKey {
  TControlAccess<TEdit> Control;
  std::int32_t ReadDefault;
};
// The list's item index, -1 for no selection.
struct TIndexKey {
  TControlAccess<TComboBox> Control;
  std::int32_t ReadDefault;
};
// The box's state as 1 or 0, written as an integer or as a truth value.
struct TCheckKey {
  TControlAccess<TCheckBox> Control;
  bool ReadDefault;
  bool TruthValue;
};

struct TSettingsKey {
  const char* Section;
  const char* Key;
  std::variant<TTextKey, TIntegerKey, TIndexKey, TCheckKey> Value;
};

// A visitor of TSettingsKey::Value made of one lambda per value form.
template <class... Visitors>
struct TOverloaded : Visitors... {
  using Visitors::operator()...;
};
template <class... Visitors>
TOverloaded(Visitors...) -> TOverloaded<Visitors...>;

// The 401 settings keys in write and read order.
std::span<const TSettingsKey> SettingsKeys();

// The header section: written first, of it only the version is read back.
inline constexpr const char* HeaderSection = "!WARNING";
inline constexpr const char* VersionKey = "Version";
inline constexpr const char* UnknownVersion = "unknown";

struct THeaderKey {
  const char* Key;
  const char* Value;
};
// In write order.
std::span<const THeaderKey> HeaderKeys();
