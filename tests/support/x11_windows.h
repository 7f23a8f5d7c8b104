#pragma once
// Top-level windows of an X display found by caption, their properties, and
// the close request a window manager sends them.
#include <xcb/xcb.h>

#include <optional>
#include <string>

class TX11Display {
 public:
  // The display named by DISPLAY; a connection of its own.
  TX11Display();
  ~TX11Display();
  TX11Display(const TX11Display&) = delete;
  TX11Display& operator=(const TX11Display&) = delete;

  bool Connected() const { return connection_ != nullptr; }

  // A mapped window captioned caption, searched through the whole tree.
  std::optional<xcb_window_t> FindWindow(const std::string& caption);
  std::string Caption(xcb_window_t window);
  // The window its WM_TRANSIENT_FOR names, if any.
  std::optional<xcb_window_t> TransientFor(xcb_window_t window);
  // Sends WM_DELETE_WINDOW as a window manager does for the title bar's
  // close button; false when the server refused it.
  bool RequestClose(xcb_window_t window);

 private:
  xcb_atom_t Atom(const char* name);
  std::optional<xcb_window_t> Search(xcb_window_t parent, const std::string& caption);
  bool Viewable(xcb_window_t window);

  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = 0;
};
