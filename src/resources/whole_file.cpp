#include "resources/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace verlano {

namespace {

std::error_code LastError() {
  return {errno, std::generic_category()};
}

// Everything, across short writes and interruptions.
std::error_code WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return LastError();
    bytes = bytes.subspan(static_cast<std::size_t>(n));
  }
  return {};
}

}  // namespace

std::error_code ReadBytes(const std::string& path, std::vector<std::uint8_t>& bytes) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return LastError();
  bytes.clear();
  std::uint8_t chunk[1 << 16];
  std::error_code failure;
  while (true) {
    const ssize_t n = read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) failure = LastError();
    if (n <= 0) break;
    bytes.insert(bytes.end(), chunk, chunk + n);
  }
  close(fd);
  return failure;
}

std::error_code WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return LastError();
  std::error_code failure = WriteAll(fd, bytes);
  // A full disk may show only when the data is flushed at close.
  if (close(fd) != 0 && !failure) failure = LastError();
  struct stat info {};
  // Only a regular file is ours to remove: never a device such as /dev/full.
  if (failure && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) unlink(path.c_str());
  return failure;
}

std::error_code WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  // A folder at the name is not ours to replace; unlink refuses it anyway.
  if (unlink(path.c_str()) != 0 && errno != ENOENT) return LastError();
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return LastError();
  // A strict umask must not leave the game a file it cannot read back.
  struct stat info {};
  if (fstat(fd, &info) == 0) fchmod(fd, (info.st_mode & 07777) | S_IRUSR | S_IWUSR);
  std::error_code failure = WriteAll(fd, bytes);
  // A full disk may show only when the data is flushed at close.
  if (close(fd) != 0 && !failure) failure = LastError();
  if (failure) unlink(path.c_str());
  return failure;
}

bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes,
                    std::string& error) {
  const std::error_code failure = WriteBytes(path, bytes);
  if (failure) error = CannotWrite(path, failure);
  return !failure;
}

std::string CannotWrite(const std::string& path, std::error_code failure) {
  return "cannot write " + path + ": " + failure.message();
}

bool IsDiskFull(std::error_code code) {
  return code == std::errc::no_space_on_device ||
         code == std::error_code(EDQUOT, std::generic_category());
}

}  // namespace verlano
