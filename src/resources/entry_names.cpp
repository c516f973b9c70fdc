#include "resources/entry_names.h"

namespace verlano {

std::string StripNamePadding(std::string_view field) {
  std::string_view name = field.substr(0, field.find('\0'));
  const std::size_t last = name.find_last_not_of(' ');
  return std::string(last == std::string_view::npos ? std::string_view{}
                                                    : name.substr(0, last + 1));
}

bool IsSafeFileName(std::string_view name) {
  if (name.empty() || name == ".") return false;
  if (name.find_first_of("/\\") != std::string_view::npos) return false;
  if (name.find("..") != std::string_view::npos) return false;
  const bool driveLetter = name.size() >= 2 && name[1] == ':';
  return !driveLetter;
}

}  // namespace verlano
