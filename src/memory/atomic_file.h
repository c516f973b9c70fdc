#pragma once
// The player's files on disk. A file is replaced whole or not at all: the new
// text goes to a temporary file in the same folder, is flushed to the disk,
// renamed over the old one, and the folder is flushed too, so a crash at any
// moment leaves the old file or the new one. Nothing is opened through a
// symbolic link: a link at a name is replaced, or read as an error.

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

namespace verlano {

// Makes `folder` and the folders above it that are missing, for the owner only.
std::error_code MakeFolders(const std::string& folder);

// Replaces the file at `path` with `text` as above; its folder must exist.
std::error_code WriteAtomically(const std::string& path, std::string_view text);

// The whole file at `path`, when it is a regular file of at most `limit`
// bytes; ENOENT when there is none, ELOOP for a link, EFBIG when too long,
// EINVAL for anything but a regular file.
std::error_code ReadSmallFile(const std::string& path, std::size_t limit, std::string& text);

// Moves the file at `path` to `path`.bad, over an older one, for a report.
std::error_code KeepAside(const std::string& path);

// Removes the file (or link) at `path`; no error when there is none.
std::error_code RemoveFile(const std::string& path);

// "the reason" of a failure, as the messages say it: "No space left on device".
std::string Reason(std::error_code failure);

}  // namespace verlano
