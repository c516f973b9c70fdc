#pragma once
// Helpers shared by the resource tests: archives built with the PAK writer, and
// byte patches that turn a sound archive into a damaged or hostile one. The
// scratch folder and whole-file helpers come from common/scratch_files.h.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/scratch_files.h"
#include "resources/pak_writer.h"

namespace verlano::test {

std::vector<std::uint8_t> Bytes(const std::string& text);
PakEntry Entry(const std::string& name, const std::string& data);

// The archive as bytes (fails the test if the writer refuses).
std::vector<std::uint8_t> PakBytes(const std::vector<PakEntry>& entries);

// Header fields and directory record fields, patched in place.
constexpr std::size_t kDirectoryOffsetAt = 4;
constexpr std::size_t kDirectoryLengthAt = 8;
constexpr std::size_t kRecordOffsetField = 56;
constexpr std::size_t kRecordSizeField = 60;
void SetLe32(std::vector<std::uint8_t>& bytes, std::size_t at, std::int32_t value);
std::size_t RecordAt(const std::vector<std::uint8_t>& bytes, std::size_t index);

// Replaces the NUL padding of entry `index`'s name with spaces.
void PadNameWithSpaces(std::vector<std::uint8_t>& bytes, std::size_t index);

// The files below `folder`, as paths relative to it, sorted.
std::vector<std::string> FilesBelow(const std::filesystem::path& folder);

}  // namespace verlano::test
