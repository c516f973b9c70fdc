#pragma once
// Text from outside the game (a file's bytes, a path from the environment)
// made safe to print in one line: control characters, a NUL, a backslash and
// bytes that are not UTF-8 are shown as escapes, so a message can neither
// drive the terminal, break its line, be cut short, nor upset a GTK label.

#include <cstddef>
#include <string>
#include <string_view>

namespace verlano {

// `text` with "\n", "\t", "\\", "\x1b", "\x00", "\xff" for what cannot be
// shown as it is; cut to its first `limit` bytes (then "..." follows).
std::string Shown(std::string_view text, std::size_t limit = std::string_view::npos);

// A path in a message: escaped, and cut after its first 256 bytes, so that a
// path of any length (the environment's) still gives a line one can read.
std::string ShownPath(std::string_view path);

}  // namespace verlano
