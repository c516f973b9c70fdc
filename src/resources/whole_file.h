#pragma once
// Writing a whole buffer to a file in one go, as the archive writer, the entry
// copier, the unpacker and the builder's contact sheets do. A write that fails
// half-way (a full disk) removes what it wrote, so no truncated file is left.
// Reading a whole file back, for the files `verlano-pak create` packs.

#include <cstdint>
#include <span>
#include <string>
#include <system_error>
#include <vector>

namespace verlano {

// The whole of the file at `path` into `bytes`; the system's error when it
// cannot be opened or read (nothing is thrown).
std::error_code ReadBytes(const std::string& path, std::vector<std::uint8_t>& bytes);

// Creates or truncates `path` and writes `bytes`; the system's error on
// failure (std::errc::no_space_on_device for a full disk).
std::error_code WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes);

// Writes `bytes` into a new file at `path`, after unlinking whatever file or
// link stood there (a read-only leftover included): a link goes, its target is
// never opened. The file is created exclusively; a failed write removes it.
std::error_code WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes);

// The same with the failure turned into a reason for the user.
bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes,
                    std::string& error);

// "cannot write PATH: reason", the words every writer here uses.
std::string CannotWrite(const std::string& path, std::error_code failure);

// True for the errors that mean the disk (or the user's share of it) is full.
bool IsDiskFull(std::error_code code);

}  // namespace verlano
