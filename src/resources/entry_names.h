#pragma once
// Archive entry names become file names on disk. These helpers remove the
// name field's padding and decide whether a name is safe to write: a name
// that could climb out of its folder or point elsewhere is never used.

#include <string>
#include <string_view>

namespace verlano {

// The name field cut at its first NUL, with trailing spaces removed, so that
// NUL- and space-padded names give the same file name.
std::string StripNamePadding(std::string_view field);

// True for a plain file name: not empty, no "/" or "\", no "..", no drive
// letter ("C:"); such a name stays inside the folder it is written to.
bool IsSafeFileName(std::string_view name);

}  // namespace verlano
