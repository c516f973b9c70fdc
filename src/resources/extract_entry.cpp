#include "resources/extract_entry.h"

#include <filesystem>
#include <vector>

#include "resources/entry_names.h"
#include "resources/whole_file.h"

namespace verlano {

bool ReadWritableEntry(const torPAK& pak, std::int32_t index, const std::string& fileName,
                       std::vector<std::uint8_t>& data, std::string& error) {
  if (!IsSafeFileName(fileName)) {
    error = "entry " + std::to_string(index) + " has an unsafe name \"" + PrintableName(fileName) +
            "\"";
    return false;
  }
  return pak.ReadEntry(index, data, error);
}

bool ExtractEntry(const torPAK& pak, std::int32_t index, const std::string& folder,
                  const std::string& fileName, std::string& written, std::string& error,
                  std::error_code* writeFailure) {
  std::vector<std::uint8_t> data;
  if (!ReadWritableEntry(pak, index, fileName, data, error)) return false;
  const std::filesystem::path target = std::filesystem::path(folder) / fileName;
  if (const std::error_code failure = WriteNewFile(target.string(), data)) {
    error = CannotWrite(target.string(), failure);
    if (writeFailure != nullptr) *writeFailure = failure;
    return false;
  }
  written = target.string();
  return true;
}

}  // namespace verlano
