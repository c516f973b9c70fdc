#include "resources/pak_writer.h"

#include <sys/stat.h>

#include <limits>

#include "files/replace_file.h"
#include "files/write_all.h"
#include "resources/little_endian.h"

namespace verlano {

namespace {

constexpr std::size_t kNameBytes = 56;
constexpr std::size_t kHeaderBytes = 12;
constexpr std::size_t kDirectoryRecordBytes = 64;

class PakCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "pak"; }
  std::string message(int fault) const override {
    switch (static_cast<PakFault>(fault)) {
      case PakFault::NameLength:
        return "an entry name must have 1 to 56 characters";
      case PakFault::TooLarge:
        return "the archive would be larger than 2 GiB";
      case PakFault::NotAFile:
        return "it is not a regular file";
    }
    return "unknown archive fault";
  }
};

}  // namespace

std::error_code make_error_code(PakFault fault) {
  static const PakCategory category;
  return {static_cast<int>(fault), category};
}

std::error_code BuildPak(const std::vector<PakEntry>& entries, std::vector<std::uint8_t>& out) {
  std::size_t dataBytes = 0;
  for (const PakEntry& e : entries) {
    if (e.name.empty() || e.name.size() > kNameBytes) return PakFault::NameLength;
    dataBytes += e.data.size();
  }
  const std::size_t directoryBytes = entries.size() * kDirectoryRecordBytes;
  const std::size_t total = kHeaderBytes + dataBytes + directoryBytes;
  if (total > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    return PakFault::TooLarge;
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
  return {};
}

std::error_code WritePak(const std::string& path, const std::vector<PakEntry>& entries) {
  struct stat info {};
  // Refused before anything is written: a rename would replace a device.
  if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    return S_ISDIR(info.st_mode) ? std::make_error_code(std::errc::is_a_directory)
                                 : make_error_code(PakFault::NotAFile);
  }
  std::vector<std::uint8_t> bytes;
  if (std::error_code e = BuildPak(entries, bytes)) return e;
  // Readable by everyone the umask allows, as any file the user makes.
  return ReplaceFile(path, AsChars(bytes), 0666);
}

}  // namespace verlano
