#pragma once
// Replacing a file whole or not at all, for the player's files and the
// archives the tools write. The new bytes go to a temporary of this process's
// own name, "NAME.new.PID", in the same folder; it is flushed to the disk,
// renamed over NAME, and the folder is flushed too, so a crash at any moment
// leaves the old file or the new one. Two processes replacing one file never
// share a temporary, and what killed writers left is cleared first. Nothing
// is written through a symbolic link: a link at NAME is itself replaced.

#include <sys/types.h>

#include <string>
#include <string_view>
#include <system_error>

namespace verlano {

// Replaces the file `name` in the folder open as `dir` with `bytes`, as above.
// `mode` is the new file's permissions before the umask.
[[nodiscard]] std::error_code ReplaceFile(int dir, const std::string& name, std::string_view bytes,
                                          mode_t mode);

// The same for a path: its folder is opened by its path, following links
// (the caller's own files, as the tools write them).
[[nodiscard]] std::error_code ReplaceFile(const std::string& path, std::string_view bytes,
                                          mode_t mode);

}  // namespace verlano
