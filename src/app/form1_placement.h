#pragma once
// Where the labels, notes, group boxes, settings controls and buttons of
// the main window's pages stand: one table per tab, read by the layout.
#include <vector>

#include "Unit1.h"

enum class TPlaceKind {
  Label,    // one line of text; top given for the row of controls it names
  Heading,  // one line of text at the top given (column headings)
  Note,     // text wrapped to the width given
  Control,  // a settings control or page button, by name
};

// One item. In a label, note or control name, '#' stands for the number of
// the row the item is placed in.
struct TPlace {
  TPlaceKind kind;
  const char* text;
  int left, top, width, height;
};

inline TPlace Label(const char* text, int left, int rowTop) { return {TPlaceKind::Label, text, left, rowTop, 0, 0}; }
inline TPlace Heading(const char* text, int left, int top) { return {TPlaceKind::Heading, text, left, top, 0, 0}; }
inline TPlace Note(const char* text, int left, int top, int width) { return {TPlaceKind::Note, text, left, top, width, 0}; }
inline TPlace Control(const char* name, int left, int top, int width, int height = 21) {
  return {TPlaceKind::Control, name, left, top, width, height};
}
// A check box without caption.
inline TPlace Box(const char* name, int left, int top) { return Control(name, left, top + 2, 17, 17); }

// A group box: the items of its block stand inside it, placed relative to it.
struct TGroupPlace {
  const char* caption = nullptr;
  int left = 0, top = 0, width = 0, height = 0;
};

// Items repeated in rows: row r (from 0) holds the items moved down by
// r * pitch, with '#' standing for first + r.
struct TPlaceBlock {
  std::vector<TPlace> items;
  int first = 0;
  int rows = 1;
  int pitch = 0;
  TGroupPlace group = {};
};

struct TPagePlaces {
  TForm1Page page;
  std::vector<TPlaceBlock> blocks;
};

using TTabPlaces = std::vector<TPagePlaces>;

extern const TTabPlaces RadioPlaces;
extern const TTabPlaces DigipeaterPlaces;
extern const TTabPlaces BeaconsPlaces;
extern const TTabPlaces NetworkPlaces;
extern const TTabPlaces AprsisPlaces;
extern const TTabPlaces RtcPlaces;
extern const TTabPlaces RemoteAccessPlaces;
extern const TTabPlaces TelemetryPlaces;
extern const TTabPlaces WeatherPlaces;
extern const TTabPlaces ExtInterfacesPlaces;
