#pragma once
// What the player is told when there is no display to show the game on, or
// when the display goes away while the game runs: which desktop the program
// looked for, read from the environment as GTK reads it.

#include <functional>
#include <string>

namespace verlano {

// Reads an environment variable: nullptr when unset.
using EnvironmentReader = std::function<const char*(const char*)>;

// Why no dialog can show: DISPLAY unset, no X server there or one refusing
// us, or a Wayland-only GDK_BACKEND with no compositor.
std::string NoDisplayMessage(const EnvironmentReader& env);

// The display went away while the game was running.
std::string DisplayLostMessage(const EnvironmentReader& env);

}  // namespace verlano
