#include "resources/byte_source.h"

#include <cstring>

namespace verlano {

bool MemorySource::Read(std::int64_t offset, std::size_t length, char* out) const {
  if (offset < 0 || offset > Size() || length > bytes_.size() - static_cast<std::size_t>(offset)) {
    return false;
  }
  if (length > 0) std::memcpy(out, bytes_.data() + offset, length);
  return true;
}

FileSource::FileSource(const std::string& path) : path_(path), file_(path, std::ios::binary) {
  if (!file_) return;
  file_.seekg(0, std::ios::end);
  const std::streamoff size = file_.tellg();
  if (file_ && size >= 0) size_ = static_cast<std::int64_t>(size);
}

bool FileSource::Read(std::int64_t offset, std::size_t length, char* out) const {
  if (!IsOpen()) return false;
  file_.clear();
  file_.seekg(offset);
  return static_cast<bool>(file_.read(out, static_cast<std::streamsize>(length)));
}

}  // namespace verlano
