#pragma once
// Reading a whole file, for the files `verlano-pak create` packs, and the two
// plain ways a buffer becomes a file (files/write_all.h writes it): over
// whatever is at a path, for the builder's pictures, or as a new file after
// removing what stood there, for the unpacker. A write that fails half-way (a
// full disk) removes what it wrote, so no truncated file is left.

#include <cstdint>
#include <span>
#include <string>
#include <system_error>
#include <vector>

namespace verlano {

// The whole of the file at `path` into `bytes`; the system's error when it
// cannot be opened or read.
[[nodiscard]] std::error_code ReadBytes(const std::string& path, std::vector<std::uint8_t>& bytes);

// Creates or truncates `path` and writes `bytes`; the system's error on
// failure (std::errc::no_space_on_device for a full disk).
[[nodiscard]] std::error_code WriteBytes(const std::string& path,
                                         std::span<const std::uint8_t> bytes);

// Writes `bytes` into a new file at `path`, after unlinking whatever file or
// link stood there (a read-only leftover included): a link goes, its target is
// never opened. The file is created exclusively; a failed write removes it.
[[nodiscard]] std::error_code WriteNewFile(const std::string& path,
                                           std::span<const std::uint8_t> bytes);

// "cannot write PATH: reason", the words every writer here uses.
std::string CannotWrite(const std::string& path, std::error_code failure);

// True for the errors that mean the disk (or the user's share of it) is full.
bool IsDiskFull(std::error_code code);

}  // namespace verlano
