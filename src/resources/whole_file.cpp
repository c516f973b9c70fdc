#include "resources/whole_file.h"

#include <fstream>

namespace verlano {

bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes,
                    std::string& error) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace verlano
