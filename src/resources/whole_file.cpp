#include "resources/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "files/descriptor.h"
#include "files/write_all.h"

namespace verlano {

namespace {

// Writes `bytes` to the file just opened as `fd`; a full disk may show only
// when the data is flushed at close.
std::error_code WriteAndClose(Descriptor fd, std::span<const std::uint8_t> bytes) {
  const std::error_code failure = WriteAll(fd.get(), AsChars(bytes));
  const std::error_code closed = fd.Close();
  return failure ? failure : closed;
}

}  // namespace

std::error_code ReadBytes(const std::string& path, std::vector<std::uint8_t>& bytes) {
  const Descriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return LastError();
  bytes.clear();
  std::uint8_t chunk[1 << 16];
  while (true) {
    const ssize_t n = read(fd.get(), chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return LastError();
    if (n == 0) return {};
    bytes.insert(bytes.end(), chunk, chunk + n);
  }
}

std::error_code WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
  Descriptor fd(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (fd.get() < 0) return LastError();
  const std::error_code failure = WriteAndClose(std::move(fd), bytes);
  struct stat info {};
  // Only a regular file is ours to remove: never a device such as /dev/full.
  if (failure && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) unlink(path.c_str());
  return failure;
}

std::error_code WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  // A folder at the name is not ours to replace; unlink refuses it anyway.
  if (unlink(path.c_str()) != 0 && errno != ENOENT) return LastError();
  Descriptor fd(open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
  if (fd.get() < 0) return LastError();
  // A strict umask must not leave the game a file it cannot read back.
  struct stat info {};
  if (fstat(fd.get(), &info) == 0) fchmod(fd.get(), (info.st_mode & 07777) | S_IRUSR | S_IWUSR);
  const std::error_code failure = WriteAndClose(std::move(fd), bytes);
  if (failure) unlink(path.c_str());
  return failure;
}

std::string CannotWrite(const std::string& path, std::error_code failure) {
  return "cannot write " + path + ": " + failure.message();
}

bool IsDiskFull(std::error_code code) {
  return code == std::errc::no_space_on_device ||
         code == std::error_code(EDQUOT, std::generic_category());
}

}  // namespace verlano
