#pragma once
// Archive entry names become file names on disk. These helpers remove the
// name field's padding and decide whether a name is safe to write: a name
// that could climb out of its folder or point elsewhere is never used. Names
// are escaped before they are shown.

#include <string>
#include <string_view>

namespace verlano {

// The name field cut at its first NUL, with trailing spaces removed, so that
// NUL- and space-padded names give the same file name.
std::string StripNamePadding(std::string_view field);

// True for a plain file name: not empty, no "/" or "\", no "..", no drive
// letter ("C:"); such a name stays inside the folder it is written to.
bool IsSafeFileName(std::string_view name);

// The name as it may be shown on a terminal: a backslash doubled, a newline,
// tab or carriage return as "\n", "\t", "\r", any other byte outside
// printable ASCII as "\xHH". A hostile name can then neither split a line nor
// send the terminal escape sequences.
std::string PrintableName(std::string_view name);

}  // namespace verlano
