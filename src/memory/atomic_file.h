#pragma once
// The player's files on disk, each named within a folder the caller opened
// once (a descriptor), so that no rename, removal or read can be sent
// elsewhere by a link in the folder's path. A file is replaced whole or not at
// all: the new text goes to a temporary file of this process's own name in the
// same folder, is flushed to the disk, renamed over the old one, and the
// folder is flushed too, so a crash at any moment leaves the old file or the
// new one. Nothing is opened through a symbolic link: a link at a name is
// replaced, or read as an error.

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

namespace verlano {

// Makes `folder` and the folders above it that are missing, for the owner
// only. Folders that are there may be links to folders (the user's own
// arrangement, as dotfile managers make it).
std::error_code MakeFolders(const std::string& folder);

// Replaces the file `name` in the folder `dir` with `text` as above, first
// clearing what killed writers of that name left behind.
std::error_code WriteAtomically(int dir, const std::string& name, std::string_view text);

// The whole file `name` in `dir`, when it is a regular file of at most
// `limit` bytes; ENOENT when there is none, ELOOP for a link, EFBIG when too
// long, EINVAL for anything but a regular file.
std::error_code ReadSmallFile(int dir, const std::string& name, std::size_t limit,
                              std::string& text);

// Moves the file `name` to `name`.bad, over an older one, for a report.
std::error_code KeepAside(int dir, const std::string& name);

// Removes the file (or link) `name`; no error when there is none.
std::error_code RemoveFile(int dir, const std::string& name);

// The same for a path whose folder the caller owns (the tools' own files):
// the folder is opened by its path, following links.
std::error_code WriteAtomically(const std::string& path, std::string_view text);
std::error_code ReadSmallFile(const std::string& path, std::size_t limit, std::string& text);

// "the reason" of a failure, as the messages say it: "No space left on device".
std::string Reason(std::error_code failure);

}  // namespace verlano
