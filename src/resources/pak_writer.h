#pragma once
// Writes archives in the game's PAK format: a 12-byte header ("PACK", directory
// offset, directory length), the entries' data as they are, then a directory of
// 64-byte records (56-byte NUL-padded name, offset, length; little-endian).
// The resource builder and `verlano-pak create` make archives with it.

#include <cstdint>
#include <string>
#include <vector>

namespace verlano {

struct PakEntry {
  std::string name;  // at most 56 bytes
  std::vector<std::uint8_t> data;
};

// The whole archive as bytes. Returns false, with a reason in `error`, when a
// name is empty or longer than 56 bytes, or the archive would pass 2 GiB.
bool BuildPak(const std::vector<PakEntry>& entries, std::vector<std::uint8_t>& out,
              std::string& error);

// BuildPak, then writes the file under a temporary name beside `path` and
// renames it over, so a failure keeps an old archive whole and leaves no
// half-written one. False with a reason when a step fails or `path` is a
// folder or a device.
bool WritePak(const std::string& path, const std::vector<PakEntry>& entries, std::string& error);

}  // namespace verlano
