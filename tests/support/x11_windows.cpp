#include "x11_windows.h"

#include <cstdlib>
#include <memory>

namespace {

template <class T>
using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

template <class T>
XcbReply<T> Take(T* reply) {
  return XcbReply<T>(reply, &std::free);
}

}  // namespace

TX11Display::TX11Display() {
  int screenNumber = 0;
  xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(connection)) {
    xcb_disconnect(connection);
    return;
  }
  connection_ = connection;
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
  for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
  root_ = screens.data->root;
}

TX11Display::~TX11Display() {
  if (connection_) xcb_disconnect(connection_);
}

xcb_atom_t TX11Display::Atom(const char* name) {
  auto reply = Take(xcb_intern_atom_reply(
      connection_, xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::string(name).size()), name), nullptr));
  return reply ? reply->atom : XCB_ATOM_NONE;
}

std::string TX11Display::Caption(xcb_window_t window) {
  for (xcb_atom_t property : {Atom("_NET_WM_NAME"), xcb_atom_t(XCB_ATOM_WM_NAME)}) {
    auto reply = Take(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr));
    if (reply && reply->format == 8 && xcb_get_property_value_length(reply.get()) > 0) {
      return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                         static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
    }
  }
  return {};
}

bool TX11Display::Viewable(xcb_window_t window) {
  auto reply =
      Take(xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, window), nullptr));
  return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

std::optional<xcb_window_t> TX11Display::Search(xcb_window_t parent, const std::string& caption) {
  auto tree = Take(xcb_query_tree_reply(connection_, xcb_query_tree(connection_, parent), nullptr));
  if (!tree) return std::nullopt;
  const xcb_window_t* children = xcb_query_tree_children(tree.get());
  for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
    if (Viewable(children[i]) && Caption(children[i]) == caption) return children[i];
    if (auto found = Search(children[i], caption)) return found;
  }
  return std::nullopt;
}

std::optional<xcb_window_t> TX11Display::FindWindow(const std::string& caption) {
  if (!connection_) return std::nullopt;
  return Search(root_, caption);
}

std::optional<xcb_window_t> TX11Display::TransientFor(xcb_window_t window) {
  auto reply = Take(xcb_get_property_reply(
      connection_, xcb_get_property(connection_, 0, window, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 0, 1),
      nullptr));
  if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) return std::nullopt;
  return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

bool TX11Display::RequestClose(xcb_window_t window) {
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = Atom("WM_PROTOCOLS");
  message.data.data32[0] = Atom("WM_DELETE_WINDOW");
  message.data.data32[1] = XCB_CURRENT_TIME;
  const xcb_void_cookie_t sent = xcb_send_event_checked(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                                                        reinterpret_cast<const char*>(&message));
  return !Take(xcb_request_check(connection_, sent));
}
