#include "startup/display_messages.h"

#include <gtest/gtest.h>

#include <map>

namespace verlano {
namespace {

TEST(DisplayMessages, SayWhichDesktopWasLookedFor) {
  const struct {
    std::map<std::string, std::string> env;
    const char* says;
    const char* neverSays;
  } cases[] = {
      {{}, "DISPLAY is not set", "Wayland compositor"},
      {{{"DISPLAY", ":7"}}, "no X server answers at DISPLAY=:7", "compositor"},
      {{{"GDK_BACKEND", "wayland"}, {"DISPLAY", ":7"}, {"WAYLAND_DISPLAY", "wayland-1"}},
       "no Wayland compositor answers at WAYLAND_DISPLAY=wayland-1",
       "X server"},
      {{{"GDK_BACKEND", "wayland"}},
       "GDK_BACKEND=wayland and WAYLAND_DISPLAY is not set",
       "X server"},
      {{{"GDK_BACKEND", "wayland,x11"}, {"DISPLAY", ":3"}}, "DISPLAY=:3", "compositor"},
  };
  for (const auto& c : cases) {
    const std::string message = NoDisplayMessage([&c](const char* name) -> const char* {
      const auto found = c.env.find(name);
      return found == c.env.end() ? nullptr : found->second.c_str();
    });
    EXPECT_NE(message.find(c.says), std::string::npos) << message;
    EXPECT_EQ(message.find(c.neverSays), std::string::npos) << message;
    EXPECT_EQ(message.find('\n'), std::string::npos) << "one line: " << message;
  }
}

}  // namespace
}  // namespace verlano
