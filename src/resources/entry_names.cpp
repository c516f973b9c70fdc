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

std::string PrintableName(std::string_view name) {
  constexpr std::string_view kHex = "0123456789abcdef";
  std::string shown;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\')
      shown += "\\\\";
    else if (c == '\n')
      shown += "\\n";
    else if (c == '\t')
      shown += "\\t";
    else if (c == '\r')
      shown += "\\r";
    else if (byte < 0x20 || byte > 0x7e)
      shown += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
    else
      shown += c;
  }
  return shown;
}

}  // namespace verlano
