#pragma once
// Writes archives in the game's PAK format: a 12-byte header ("PACK", directory
// offset, directory length), the entries' data as they are, then a directory of
// 64-byte records (56-byte NUL-padded name, offset, length; little-endian).
// The resource builder and `verlano-pak create` make archives with it.

#include <cstdint>
#include <string>
#include <system_error>
#include <type_traits>
#include <vector>

namespace verlano {

struct PakEntry {
  std::string name;  // at most 56 bytes
  std::vector<std::uint8_t> data;
};

// Why an archive cannot be made, as an error code of its own category.
enum class PakFault {
  NameLength = 1,  // a name empty or longer than 56 bytes
  TooLarge,        // the archive would pass 2 GiB
  NotAFile,        // the path names a device or another non-file
};
std::error_code make_error_code(PakFault fault);

// The whole archive as bytes; a PakFault when a name or the size is refused.
[[nodiscard]] std::error_code BuildPak(const std::vector<PakEntry>& entries,
                                       std::vector<std::uint8_t>& out);

// BuildPak, then replaces the file at `path` with it atomically
// (files/replace_file.h), so a failure keeps an old archive whole and leaves
// no half-written one. A folder at `path` gives EISDIR, a device NotAFile,
// before anything is written.
[[nodiscard]] std::error_code WritePak(const std::string& path,
                                       const std::vector<PakEntry>& entries);

}  // namespace verlano

template <>
struct std::is_error_code_enum<verlano::PakFault> : std::true_type {};
