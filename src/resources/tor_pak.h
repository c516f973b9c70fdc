#pragma once
// torPAK reads the directory of a PAK archive (the game's resource file) into
// memory and copies single entries out to ordinary files. The archive is only
// read, and it is opened afresh by each call, never held open in between.
// Everything read from the file is checked before use, so a damaged or hostile
// archive is refused with a reason instead of crashing or exhausting memory.
// The same checks run on an archive held in memory (a ByteSource), which is
// how the fuzzer drives this very code without touching the disk.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "resources/byte_source.h"

namespace verlano {

class torPAK {
 public:
  static constexpr std::size_t kNameBytes = 56;

  // Loads the directory of the archive at `path`, replacing what was loaded
  // before. On any failure (missing file, something other than a regular file,
  // no exact "PACK" magic, a directory outside the file, entries adding up to
  // more than the file holds) returns false with a reason and keeps the
  // previous state.
  [[nodiscard]] bool OpenQ2Pak(const std::string& path, std::string& error);

  // As OpenQ2Pak, from any source; FileLoaded() becomes empty, and entries are
  // read back with the ReadEntry that takes the same source.
  [[nodiscard]] bool Open(const ByteSource& source, std::string& error);

  // The highest entry index, -1 while nothing (or an empty directory) is loaded.
  std::int32_t NumEntrys() const { return static_cast<std::int32_t>(entries_.size()) - 1; }

  // The entry's fields as stored; nothing for an index outside 0..NumEntrys().
  // The name keeps its padding: always exactly 56 bytes.
  std::optional<std::string> EntryName(std::int32_t index) const;
  std::optional<std::int32_t> EntryOffset(std::int32_t index) const;
  std::optional<std::int32_t> EntrySize(std::int32_t index) const;

  // The path given to the last successful OpenQ2Pak, empty while none.
  const std::string& FileLoaded() const { return fileLoaded_; }

  // The entry's data. False with a reason for a bad index, an entry outside the
  // archive, or a failure to read it.
  [[nodiscard]] bool ReadEntry(std::int32_t index, std::vector<std::uint8_t>& data,
                               std::string& error) const;

  // As ReadEntry, from `source` (the one the directory was opened from); the
  // loaded file reads through this too.
  [[nodiscard]] bool ReadEntry(std::int32_t index, const ByteSource& source,
                               std::vector<std::uint8_t>& data, std::string& error) const;

  // Writes the entry's data to `target` (its folder must exist). False with a
  // reason as ReadEntry, or when the file cannot be written.
  [[nodiscard]] bool SaveFileFromPAK(std::int32_t index, const std::string& target,
                                     std::string& error) const;

 private:
  struct Entry {
    std::string name;  // 56 bytes, padding included
    std::int32_t offset = 0;
    std::int32_t size = 0;
  };

  const Entry* Find(std::int32_t index) const;
  [[nodiscard]] bool Load(const ByteSource& source, std::string& error);
  [[nodiscard]] bool LoadDirectory(const ByteSource& source, std::string& error);

  std::vector<Entry> entries_;
  std::string fileLoaded_;
};

}  // namespace verlano
