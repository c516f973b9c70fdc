#include "resources/tor_pak.h"

#include <array>
#include <cstring>
#include <new>

#include "resources/little_endian.h"
#include "resources/whole_file.h"

namespace verlano {

namespace {

constexpr std::size_t kHeaderBytes = 12;
constexpr std::size_t kRecordBytes = 64;

// Header and record fields are signed, so a hostile archive's huge values read
// as negative and fail the extent checks.
std::int32_t Le32(const char* bytes) {
  return static_cast<std::int32_t>(LoadLe32(bytes));
}

// An extent read from the archive must lie wholly inside the file.
bool InsideFile(std::int64_t offset, std::int64_t length, std::int64_t fileSize) {
  return offset >= 0 && length >= 0 && offset + length <= fileSize;
}

std::string OutOfRange(std::int32_t index, std::int32_t last) {
  return "entry index " + std::to_string(index) + " is out of range 0.." + std::to_string(last);
}

}  // namespace

bool torPAK::OpenQ2Pak(const std::string& path, std::string& error) {
  const FileSource file(path, "a PAK archive");
  if (!file.IsOpen()) {
    error = file.Error();
    return false;
  }
  if (!Load(file, error)) return false;
  fileLoaded_ = path;
  return true;
}

bool torPAK::Open(const ByteSource& source, std::string& error) {
  if (!Load(source, error)) return false;
  fileLoaded_.clear();
  return true;
}

bool torPAK::Load(const ByteSource& source, std::string& error) {
  // The directory may be as large as the file, more than this machine has.
  try {
    return LoadDirectory(source, error);
  } catch (const std::bad_alloc&) {
    error = "not enough memory for the directory of " + source.Name();
    return false;
  }
}

bool torPAK::LoadDirectory(const ByteSource& source, std::string& error) {
  const std::string& name = source.Name();
  const std::int64_t fileSize = source.Size();
  // The classic reader takes 16 bytes here, the last four unused; only 12 are
  // needed, and an archive with no entries may be no longer than that.
  std::array<char, kHeaderBytes> header{};
  if (fileSize < static_cast<std::int64_t>(kHeaderBytes) ||
      !source.Read(0, kHeaderBytes, header.data())) {
    error = name + " is too short to be a PAK archive";
    return false;
  }
  if (std::memcmp(header.data(), "PACK", 4) != 0) {
    error = name + " is not a PAK archive (it does not start with \"PACK\")";
    return false;
  }
  const std::int32_t directoryOffset = Le32(header.data() + 4);
  const std::int32_t directoryLength = Le32(header.data() + 8);
  if (directoryLength % static_cast<std::int32_t>(kRecordBytes) != 0) {
    error =
        name + ": directory length " + std::to_string(directoryLength) + " is not a multiple of 64";
    return false;
  }
  if (!InsideFile(directoryOffset, directoryLength, fileSize)) {
    error = name + ": the directory (offset " + std::to_string(directoryOffset) + ", length " +
            std::to_string(directoryLength) + ") lies outside the file of " +
            std::to_string(fileSize) + " bytes";
    return false;
  }
  std::vector<char> directory(static_cast<std::size_t>(directoryLength));
  if (!source.Read(directoryOffset, directory.size(), directory.data())) {
    error = "cannot read the directory of " + name;
    return false;
  }
  std::vector<Entry> entries(directory.size() / kRecordBytes);
  // Entries lie back to back, so together they fit in the file; entries that
  // overlap could make an unpack write the archive many times over. Those
  // outside the file are refused one by one as they are read.
  std::int64_t entryBytes = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const char* record = directory.data() + i * kRecordBytes;
    entries[i].name.assign(record, kNameBytes);
    entries[i].offset = Le32(record + kNameBytes);
    entries[i].size = Le32(record + kNameBytes + 4);
    if (InsideFile(entries[i].offset, entries[i].size, fileSize)) entryBytes += entries[i].size;
  }
  if (entryBytes > fileSize) {
    error = name + " is damaged: its entries add up to " + std::to_string(entryBytes) +
            " bytes, more than the archive's " + std::to_string(fileSize) + " bytes";
    return false;
  }
  entries_ = std::move(entries);
  return true;
}

const torPAK::Entry* torPAK::Find(std::int32_t index) const {
  if (index < 0 || index > NumEntrys()) return nullptr;
  return &entries_[static_cast<std::size_t>(index)];
}

std::optional<std::string> torPAK::EntryName(std::int32_t index) const {
  if (const Entry* e = Find(index)) return e->name;
  return std::nullopt;
}

std::optional<std::int32_t> torPAK::EntryOffset(std::int32_t index) const {
  if (const Entry* e = Find(index)) return e->offset;
  return std::nullopt;
}

std::optional<std::int32_t> torPAK::EntrySize(std::int32_t index) const {
  if (const Entry* e = Find(index)) return e->size;
  return std::nullopt;
}

bool torPAK::ReadEntry(std::int32_t index, std::vector<std::uint8_t>& data,
                       std::string& error) const {
  if (Find(index) == nullptr) {
    error = OutOfRange(index, NumEntrys());
    return false;
  }
  const FileSource archive(fileLoaded_, "a PAK archive");
  if (!archive.IsOpen()) {
    error = "cannot open the archive " + fileLoaded_;
    return false;
  }
  return ReadEntry(index, archive, data, error);
}

bool torPAK::ReadEntry(std::int32_t index, const ByteSource& source,
                       std::vector<std::uint8_t>& data, std::string& error) const {
  const Entry* entry = Find(index);
  if (entry == nullptr) {
    error = OutOfRange(index, NumEntrys());
    return false;
  }
  // Checked against the source as it is now, so the buffer never outgrows it.
  const std::int64_t sourceSize = source.Size();
  if (!InsideFile(entry->offset, entry->size, sourceSize)) {
    error = "entry " + std::to_string(index) + " (offset " + std::to_string(entry->offset) +
            ", length " + std::to_string(entry->size) + ") lies outside the archive of " +
            std::to_string(sourceSize) + " bytes";
    return false;
  }
  try {
    data.resize(static_cast<std::size_t>(entry->size));
  } catch (const std::bad_alloc&) {
    error = "not enough memory for entry " + std::to_string(index) + " of " + source.Name() + " (" +
            std::to_string(entry->size) + " bytes)";
    return false;
  }
  if (!source.Read(entry->offset, data.size(), reinterpret_cast<char*>(data.data()))) {
    error = "cannot read entry " + std::to_string(index) + " of " + source.Name();
    return false;
  }
  return true;
}

bool torPAK::SaveFileFromPAK(std::int32_t index, const std::string& target,
                             std::string& error) const {
  std::vector<std::uint8_t> data;
  if (!ReadEntry(index, data, error)) return false;
  const std::error_code failure = WriteBytes(target, data);
  if (failure) error = CannotWrite(target, failure);
  return !failure;
}

}  // namespace verlano
