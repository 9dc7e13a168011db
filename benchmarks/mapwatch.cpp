// mapwatch: start a program and measure the time until its main window is
// shown, that is mapped on the X display named by DISPLAY.
//
//   mapwatch TITLE PROGRAM [ARGUMENT...]
//
// Prints the milliseconds from just before the program is started to the
// map of a top-level window whose title contains TITLE, then ends the
// program (SIGTERM, then SIGKILL). The watch listens for map events of the
// root window's children, so it takes no time from the program it measures
// the way polling would. Exit status: 0 measured, 1 the program ended or
// 30 s passed first, 2 usage or display error.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// The title of a window: _NET_WM_NAME (UTF-8) where set, else WM_NAME.
std::string titleOf(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t netWmName, xcb_atom_t utf8) {
  const auto fetch = [&](xcb_atom_t property, xcb_atom_t type) {
    std::string text;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, 1024), nullptr);
    if (reply != nullptr) {
      text.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                  static_cast<std::size_t>(xcb_get_property_value_length(reply)));
      std::free(reply);
    }
    return text;
  };
  std::string title = netWmName != XCB_ATOM_NONE ? fetch(netWmName, utf8) : std::string();
  if (title.empty()) title = fetch(XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
  return title;
}

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(name.size()), name.data()), nullptr);
  if (reply == nullptr) return XCB_ATOM_NONE;
  const xcb_atom_t result = reply->atom;
  std::free(reply);
  return result;
}

void endChild(pid_t child) {
  ::kill(child, SIGTERM);
  for (int i = 0; i < 100; ++i) {
    if (::waitpid(child, nullptr, WNOHANG) == child) return;
    ::usleep(20000);
  }
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: mapwatch TITLE PROGRAM [ARGUMENT...]\n");
    return 2;
  }
  const std::string_view wanted = argv[1];

  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection) != 0) {
    std::fprintf(stderr, "mapwatch: cannot open the display (DISPLAY=%s)\n", std::getenv("DISPLAY"));
    return 2;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const xcb_atom_t netWmName = atom(connection, "_NET_WM_NAME");
  const xcb_atom_t utf8 = atom(connection, "UTF8_STRING");
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_void_cookie_t cookie = xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask);
  if (xcb_generic_error_t* error = xcb_request_check(connection, cookie)) {
    std::free(error);
    std::fprintf(stderr, "mapwatch: cannot watch the root window\n");
    return 2;
  }

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = ::fork();
  if (child < 0) {
    std::perror("mapwatch: fork");
    return 2;
  }
  if (child == 0) {
    ::execvp(argv[2], argv + 2);
    std::perror("mapwatch: cannot start the program");
    ::_exit(127);
  }

  pollfd display{xcb_get_file_descriptor(connection), POLLIN, 0};
  const auto deadline = start + std::chrono::seconds(30);
  while (std::chrono::steady_clock::now() < deadline) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
      if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
        const auto mapped = std::chrono::steady_clock::now();
        const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        if (titleOf(connection, window, netWmName, utf8).find(wanted) != std::string::npos) {
          std::free(event);
          std::printf("%.1f\n", std::chrono::duration<double, std::milli>(mapped - start).count());
          std::fflush(stdout);
          endChild(child);
          xcb_disconnect(connection);
          return 0;
        }
      }
      std::free(event);
    }
    if (xcb_connection_has_error(connection) != 0) break;
    if (::waitpid(child, nullptr, WNOHANG) == child) {
      std::fprintf(stderr, "mapwatch: %s ended before its window was shown\n", argv[2]);
      xcb_disconnect(connection);
      return 1;
    }
    ::poll(&display, 1, 50);
  }
  std::fprintf(stderr, "mapwatch: no window titled \"%s\" within 30 s\n", argv[1]);
  endChild(child);
  xcb_disconnect(connection);
  return 1;
}
