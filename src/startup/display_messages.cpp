#include "startup/display_messages.h"

namespace verlano {

namespace {

std::string Value(const EnvironmentReader& env, const char* name) {
  const char* value = env(name);
  return value == nullptr ? std::string() : std::string(value);
}

// GDK_BACKEND=wayland (or any list without x11) never tries an X server.
bool WaylandOnly(const EnvironmentReader& env) {
  const std::string backends = Value(env, "GDK_BACKEND");
  return !backends.empty() && backends.find("x11") == std::string::npos &&
         backends.find('*') == std::string::npos;
}

std::string WhereWeLooked(const EnvironmentReader& env) {
  if (WaylandOnly(env)) {
    const std::string socket = Value(env, "WAYLAND_DISPLAY");
    return "GDK_BACKEND=" + Value(env, "GDK_BACKEND") +
           (socket.empty() ? std::string(" and WAYLAND_DISPLAY is not set")
                           : ", and no Wayland compositor answers at WAYLAND_DISPLAY=" + socket);
  }
  const std::string display = Value(env, "DISPLAY");
  if (display.empty()) return "DISPLAY is not set";
  return "no X server answers at DISPLAY=" + display + ", or it refused the connection";
}

}  // namespace

std::string NoDisplayMessage(const EnvironmentReader& env) {
  return "verlano: cannot open the display (" + WhereWeLooked(env) +
         "); the game needs an X11 or Wayland desktop";
}

std::string DisplayLostMessage(const EnvironmentReader& env) {
  const std::string display = Value(env, "DISPLAY");
  const std::string where = display.empty() ? std::string() : " at DISPLAY=" + display;
  return "verlano: the display" + where +
         " went away (the X server ended or closed the connection); the game has ended and its "
         "unpacked files are removed";
}

}  // namespace verlano
