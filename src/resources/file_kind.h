#pragma once
// Where a file belongs, a folder or a device may be named instead (a folder
// given to `verlano-pak create`, /dev/zero given as an archive). Read as a
// file, either gives a misleading error or never ends, so the tools ask first
// and say what is true.

#include <optional>
#include <string>
#include <string_view>

namespace verlano {

// Nothing for a regular file (or a link to one) and for a path that names
// nothing (whoever opens it tells that); otherwise what `path` is instead:
// "PATH is a folder, not WHAT" or "PATH is not a regular file".
[[nodiscard]] std::optional<std::string> NotARegularFile(const std::string& path,
                                                         std::string_view what);

}  // namespace verlano
