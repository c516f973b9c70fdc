#pragma once
// Reading a small file whole, named relative to a folder the caller opened
// (or by a path whose folder is opened the ordinary way). The file itself is
// never opened through a symbolic link, and nothing but a regular file of a
// bounded size is read, so a FIFO or a huge file cannot stall or swamp it.

#include <cstddef>
#include <string>
#include <system_error>

namespace verlano {

// The whole file `name` in `dir`, when it is a regular file of at most
// `limit` bytes; ENOENT when there is none, ELOOP for a link, EFBIG when too
// long, EINVAL for anything but a regular file.
[[nodiscard]] std::error_code ReadSmallFile(int dir, const std::string& name, std::size_t limit,
                                            std::string& text);
[[nodiscard]] std::error_code ReadSmallFile(const std::string& path, std::size_t limit,
                                            std::string& text);

}  // namespace verlano
