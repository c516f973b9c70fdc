#include "resources/extract_entry.h"

#include <filesystem>
#include <system_error>

#include "resources/entry_names.h"

namespace verlano {

bool ExtractEntry(const torPAK& pak, std::int32_t index, const std::string& folder,
                  const std::string& fileName, std::string& written, std::string& error) {
  if (!IsSafeFileName(fileName)) {
    error = "entry " + std::to_string(index) + " has an unsafe name \"" + fileName + "\"";
    return false;
  }
  const std::filesystem::path target = std::filesystem::path(folder) / fileName;
  // A link left at the target is removed, not written through.
  std::error_code ignored;
  if (std::filesystem::is_symlink(std::filesystem::symlink_status(target, ignored))) {
    std::filesystem::remove(target, ignored);
  }
  if (!pak.SaveFileFromPAK(index, target.string(), error)) return false;
  written = target.string();
  return true;
}

}  // namespace verlano
