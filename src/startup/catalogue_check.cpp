#include "startup/catalogue_check.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace verlano {

namespace {

constexpr std::uint32_t kMagic = 0x950412de;
// Magic, revision, text count, the two string tables' offsets, the hash
// table's size and offset: one 32-bit word each.
constexpr std::uint64_t kHeaderSize = 7 * 4;
// Far more than msgfmt's tables need (two probes a text on average); a
// crowded damaged table would otherwise take minutes to search.
constexpr std::uint64_t kProbesPerText = 16;

// The catalogue as gettext reads it: 32-bit words in the byte order its magic shows.
class MoBytes {
 public:
  MoBytes(std::string_view bytes, bool swapped) : bytes_(bytes), swapped_(swapped) {}

  bool Holds(std::uint64_t at, std::uint64_t length) const {
    return at <= bytes_.size() && length <= bytes_.size() - at;
  }
  // The word at `at`, which the file holds.
  std::uint32_t Word(std::uint64_t at) const {
    std::uint32_t word = 0;
    std::memcpy(&word, bytes_.data() + at, sizeof word);
    return swapped_ ? __builtin_bswap32(word) : word;
  }
  char Byte(std::uint64_t at) const { return bytes_[at]; }
  // Entry `index` of the string table at `table`, up to its first NUL: what
  // gettext compares. The table and the string were checked.
  std::string_view Text(std::uint64_t table, std::uint64_t index) const {
    const std::string_view text = bytes_.substr(Word(table + 8 * index + 4));
    return text.substr(0, text.find('\0'));
  }

 private:
  std::string_view bytes_;
  bool swapped_;
};

struct MoHeader {
  std::uint32_t revision;
  std::uint32_t count;
  std::uint32_t originals;
  std::uint32_t translations;
  std::uint32_t hashSize;
  std::uint32_t hashAt;
};

// gettext's hash of a text, with which msgfmt placed it in the hash table.
std::uint32_t HashOf(std::string_view text) {
  std::uint32_t hash = 0;
  for (const char c : text) {
    hash = (hash << 4) + static_cast<unsigned char>(c);
    const std::uint32_t top = hash & 0xf0000000U;
    if (top != 0) hash ^= (top >> 24) ^ top;
  }
  return hash;
}

// The probe step of gettext's hash table visits every slot only when its size is prime.
bool IsPrime(std::uint32_t n) {
  if (n < 2) return false;
  for (std::uint32_t d = 2; d <= n / d; ++d) {
    if (n % d == 0) return false;
  }
  return true;
}

// Each entry of the string table `name` lies in the file, NUL-terminated at its length.
std::string StringTableFault(const MoBytes& file, const char* name, std::uint32_t table,
                             std::uint32_t count) {
  if (table % 4 != 0) return std::string("its ") + name + " table is not on a 4-byte boundary";
  if (!file.Holds(table, std::uint64_t{8} * count)) {
    return std::string("its ") + name + " table runs past the end of the file";
  }
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint64_t length = file.Word(table + std::uint64_t{8} * i);
    const std::uint64_t at = file.Word(table + std::uint64_t{8} * i + 4);
    const auto fault = [name, i](const char* what) {
      return name + std::string(" text ") + std::to_string(i) + what;
    };
    if (!file.Holds(at, length + 1)) return fault(" runs past the end of the file");
    if (file.Byte(at + length) != '\0') return fault(" does not end with a NUL");
  }
  return "";
}

// gettext's lookup of `text` through the hash table: true when it reaches an
// entry holding that text. Every probe is paid from `probes`.
bool FoundThroughHash(const MoBytes& file, const MoHeader& header, std::string_view text,
                      std::uint64_t& probes) {
  const std::uint32_t hash = HashOf(text);
  std::uint64_t slot = hash % header.hashSize;
  const std::uint64_t step = 1 + hash % (header.hashSize - 2);
  for (std::uint32_t probe = 0; probe < header.hashSize && probes > 0; ++probe, --probes) {
    const std::uint32_t entry = file.Word(header.hashAt + 4 * slot);
    if (entry == 0) return false;
    if (file.Text(header.originals, entry - 1) == text) return true;
    slot = (slot + step) % header.hashSize;
  }
  return false;
}

// The hash table, when there is one, lies in the file, names only texts that
// exist, and every lookup through it ends: one finding its text, one of a
// text it lacks at an empty slot.
std::string HashTableFault(const MoBytes& file, const MoHeader& header) {
  if (header.hashSize == 0) return "";
  const std::string size = std::to_string(header.hashSize);
  if (header.hashAt % 4 != 0) return "its hash table is not on a 4-byte boundary";
  if (!file.Holds(header.hashAt, std::uint64_t{4} * header.hashSize)) {
    return "its hash table of " + size + " entries runs past the end of the file";
  }
  if (header.hashSize < 3 || !IsPrime(header.hashSize)) {
    return "its hash table's size " + size + " is not a prime above 2";
  }
  bool emptySlot = false;
  for (std::uint32_t i = 0; i < header.hashSize; ++i) {
    const std::uint32_t entry = file.Word(header.hashAt + std::uint64_t{4} * i);
    emptySlot = emptySlot || entry == 0;
    if (entry > header.count) {
      return "its hash table's entry " + std::to_string(i) + " names text " +
             std::to_string(entry) + " of " + std::to_string(header.count);
    }
  }
  if (!emptySlot) return "its hash table has no empty slot";
  std::uint64_t probes = kProbesPerText * (std::uint64_t{header.count} + 1);
  for (std::uint32_t i = 0; i < header.count; ++i) {
    if (!FoundThroughHash(file, header, file.Text(header.originals, i), probes)) {
      return probes == 0 ? "its hash table is too crowded to search"
                         : "its hash table does not find original text " + std::to_string(i);
    }
  }
  return "";
}

// The regular file open at `file` into `bytes`, or why it cannot be read.
std::string ReadAtMostLargest(int file, std::string& bytes) {
  struct stat info {};
  if (fstat(file, &info) != 0) return std::string("it cannot be read: ") + std::strerror(errno);
  if (!S_ISREG(info.st_mode)) return "it is not a regular file";
  bytes.assign(kLargestCatalogue + 1, '\0');
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = read(file, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::string("it cannot be read: ") + std::strerror(errno);
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  if (got > kLargestCatalogue) return "it is larger than 1 MiB";
  bytes.resize(got);
  return "";
}

}  // namespace

std::string CatalogueFault(std::string_view bytes) {
  if (bytes.size() < kHeaderSize) return "it is shorter than a catalogue's header";
  const MoBytes native(bytes, false);
  const bool swapped = native.Word(0) != kMagic;
  if (swapped && __builtin_bswap32(native.Word(0)) != kMagic) {
    return "it is not a gettext catalogue: no magic number";
  }
  const MoBytes file(bytes, swapped);
  const MoHeader header{file.Word(4),  file.Word(8),  file.Word(12),
                        file.Word(16), file.Word(20), file.Word(24)};
  // Revision 0 is what msgfmt writes for texts like the game's; a later one
  // adds tables of its own that gettext would follow too.
  if (header.revision != 0) {
    return "its revision is " + std::to_string(header.revision >> 16) + "." +
           std::to_string(header.revision & 0xffff) + ", not 0";
  }
  // The hash table's lookups read the original texts: checked after them.
  if (std::string fault = StringTableFault(file, "original", header.originals, header.count);
      !fault.empty()) {
    return fault;
  }
  if (std::string fault = StringTableFault(file, "translated", header.translations, header.count);
      !fault.empty()) {
    return fault;
  }
  return HashTableFault(file, header);
}

std::string CatalogueFileFault(const std::string& path) {
  // Not blocking: a FIFO put in the catalogue's place must not stop the game.
  const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (file < 0) return std::string("it cannot be opened: ") + std::strerror(errno);
  std::string bytes;
  const std::string fault = ReadAtMostLargest(file, bytes);
  close(file);
  return fault.empty() ? CatalogueFault(bytes) : fault;
}

}  // namespace verlano
