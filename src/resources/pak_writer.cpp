#include "resources/pak_writer.h"

#include <unistd.h>

#include <filesystem>
#include <limits>

#include "resources/file_kind.h"
#include "resources/little_endian.h"
#include "resources/whole_file.h"

namespace verlano {

namespace {

constexpr std::size_t kNameBytes = 56;
constexpr std::size_t kHeaderBytes = 12;
constexpr std::size_t kDirectoryRecordBytes = 64;

}  // namespace

bool BuildPak(const std::vector<PakEntry>& entries, std::vector<std::uint8_t>& out,
              std::string& error) {
  std::size_t dataBytes = 0;
  for (const PakEntry& e : entries) {
    if (e.name.empty() || e.name.size() > kNameBytes) {
      error = "entry name \"" + e.name + "\" must have 1 to 56 characters";
      return false;
    }
    dataBytes += e.data.size();
  }
  const std::size_t directoryBytes = entries.size() * kDirectoryRecordBytes;
  const std::size_t total = kHeaderBytes + dataBytes + directoryBytes;
  if (total > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    error = "the archive would be larger than 2 GiB";
    return false;
  }
  out.assign(total, 0);
  out[0] = 'P';
  out[1] = 'A';
  out[2] = 'C';
  out[3] = 'K';
  const std::size_t directoryAt = kHeaderBytes + dataBytes;
  StoreLe32(out, 4, static_cast<std::uint32_t>(directoryAt));
  StoreLe32(out, 8, static_cast<std::uint32_t>(directoryBytes));
  std::size_t dataAt = kHeaderBytes;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const PakEntry& e = entries[i];
    std::copy(e.data.begin(), e.data.end(), out.begin() + static_cast<std::ptrdiff_t>(dataAt));
    const std::size_t record = directoryAt + i * kDirectoryRecordBytes;
    std::copy(e.name.begin(), e.name.end(), out.begin() + static_cast<std::ptrdiff_t>(record));
    StoreLe32(out, record + kNameBytes, static_cast<std::uint32_t>(dataAt));
    StoreLe32(out, record + kNameBytes + 4, static_cast<std::uint32_t>(e.data.size()));
    dataAt += e.data.size();
  }
  return true;
}

bool WritePak(const std::string& path, const std::vector<PakEntry>& entries, std::string& error) {
  // Renaming over a folder fails, but over a device it would replace the device.
  if (const auto notFile = NotARegularFile(path, "a PAK archive")) {
    error = *notFile;
    return false;
  }
  std::vector<std::uint8_t> bytes;
  if (!BuildPak(entries, bytes, error)) return false;
  // Written beside and renamed over, so an old archive is replaced whole or kept.
  const std::string temporary = path + ".tmp" + std::to_string(getpid());
  if (const std::error_code failure = WriteBytes(temporary, bytes)) {
    error = CannotWrite(path, failure);
    return false;
  }
  std::error_code renamed;
  std::filesystem::rename(temporary, path, renamed);
  if (renamed) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    error = CannotWrite(path, renamed);
    return false;
  }
  return true;
}

}  // namespace verlano
