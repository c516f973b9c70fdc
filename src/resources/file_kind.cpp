#include "resources/file_kind.h"

#include <sys/stat.h>

namespace verlano {

std::optional<std::string> NotARegularFile(const std::string& path, std::string_view what) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode)) return std::nullopt;
  if (S_ISDIR(info.st_mode)) return path + " is a folder, not " + std::string(what);
  return path + " is not a regular file";
}

}  // namespace verlano
