#include "startup/display_messages.h"

#include "i18n/translate.h"

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
    const std::string backend = Value(env, "GDK_BACKEND");
    if (socket.empty())
      return Format(_("GDK_BACKEND=%s and WAYLAND_DISPLAY is not set"), backend.c_str());
    return Format(_("GDK_BACKEND=%s, and no Wayland compositor answers at WAYLAND_DISPLAY=%s"),
                  backend.c_str(), socket.c_str());
  }
  const std::string display = Value(env, "DISPLAY");
  if (display.empty()) return _("DISPLAY is not set");
  return Format(_("no X server answers at DISPLAY=%s, or it refused the connection"),
                display.c_str());
}

}  // namespace

std::string NoDisplayMessage(const EnvironmentReader& env) {
  return "verlano: " + Format(_("cannot open the display (%s); the game needs an X11 or Wayland "
                                "desktop"),
                              WhereWeLooked(env).c_str());
}

std::string DisplayLostMessage(const EnvironmentReader& env) {
  const std::string display = Value(env, "DISPLAY");
  if (display.empty()) {
    return "verlano: " + std::string(_("the display went away (the X server ended or closed the "
                                       "connection); the game has ended and its unpacked files "
                                       "are removed"));
  }
  return "verlano: " + Format(_("the display at DISPLAY=%s went away (the X server ended or "
                                "closed the connection); the game has ended and its unpacked "
                                "files are removed"),
                              display.c_str());
}

}  // namespace verlano
