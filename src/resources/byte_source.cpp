#include "resources/byte_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace verlano {

namespace {

// What stands at a path that is not a regular file, for the refusal.
std::string KindOf(mode_t mode) {
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  if (S_ISSOCK(mode)) return "a socket";
  return "an unknown kind";
}

}  // namespace

bool MemorySource::Read(std::int64_t offset, std::size_t length, char* out) const {
  if (offset < 0 || offset > Size() || length > bytes_.size() - static_cast<std::size_t>(offset)) {
    return false;
  }
  if (length > 0) std::memcpy(out, bytes_.data() + offset, length);
  return true;
}

FileSource::FileSource(const std::string& path, std::string_view kind)
    // Without O_NONBLOCK, opening a FIFO waits for a writer that never comes.
    : path_(path), fd_(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {
  if (fd_ < 0) {
    error_ = "cannot open " + path + ": " + std::strerror(errno);
    return;
  }
  struct stat info {};
  if (fstat(fd_, &info) != 0) {
    error_ = "cannot open " + path + ": " + std::strerror(errno);
  } else if (S_ISDIR(info.st_mode)) {
    error_ = path + " is a folder, not " + std::string(kind);
  } else if (!S_ISREG(info.st_mode)) {
    error_ = path + " is not a regular file (" + KindOf(info.st_mode) + ")";
  } else {
    size_ = static_cast<std::int64_t>(info.st_size);
  }
}

FileSource::~FileSource() {
  if (fd_ >= 0) close(fd_);
}

bool FileSource::Read(std::int64_t offset, std::size_t length, char* out) const {
  if (!IsOpen() || offset < 0) return false;
  while (length > 0) {
    const ssize_t n = pread(fd_, out, length, static_cast<off_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;  // an error, or the file shrank since it was opened
    out += n;
    offset += n;
    length -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace verlano
