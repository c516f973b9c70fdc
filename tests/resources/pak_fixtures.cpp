#include "pak_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "resources/little_endian.h"

namespace verlano::test {

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

PakEntry Entry(const std::string& name, const std::string& data) {
  return {name, Bytes(data)};
}

std::vector<std::uint8_t> PakBytes(const std::vector<PakEntry>& entries) {
  std::vector<std::uint8_t> bytes;
  const std::error_code failure = BuildPak(entries, bytes);
  EXPECT_FALSE(failure) << failure.message();
  return bytes;
}

void SetLe32(std::vector<std::uint8_t>& bytes, std::size_t at, std::int32_t value) {
  StoreLe32(bytes, at, static_cast<std::uint32_t>(value));
}

std::size_t RecordAt(const std::vector<std::uint8_t>& bytes, std::size_t index) {
  if (bytes.size() < kDirectoryOffsetAt + 4) throw std::out_of_range("no PAK header");
  return LoadLe32(bytes.data() + kDirectoryOffsetAt) + index * 64;
}

void PadNameWithSpaces(std::vector<std::uint8_t>& bytes, std::size_t index) {
  const std::size_t record = RecordAt(bytes, index);
  for (std::size_t i = record; i < record + kRecordOffsetField; ++i) {
    if (bytes[i] == 0) bytes[i] = ' ';
  }
}

std::vector<std::string> FilesBelow(const std::filesystem::path& folder) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (!entry.is_directory()) files.push_back(entry.path().lexically_relative(folder).string());
  }
  std::ranges::sort(files);
  return files;
}

}  // namespace verlano::test
