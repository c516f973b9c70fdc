#include "files/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/descriptor.h"
#include "files/path_parts.h"

namespace verlano {

std::error_code ReadSmallFile(int dir, const std::string& name, std::size_t limit,
                              std::string& text) {
  text.clear();
  Descriptor fd(openat(dir, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) return LastError();
  struct stat st {};
  if (fstat(fd.get(), &st) != 0) return LastError();
  if (!S_ISREG(st.st_mode)) return std::make_error_code(std::errc::invalid_argument);
  if (static_cast<std::size_t>(st.st_size) > limit)
    return std::make_error_code(std::errc::file_too_large);
  char buffer[4096];
  for (;;) {
    const ssize_t n = read(fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      return LastError();
    }
    if (n == 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
    if (text.size() > limit) return std::make_error_code(std::errc::file_too_large);
  }
  return {};
}

std::error_code ReadSmallFile(const std::string& path, std::size_t limit, std::string& text) {
  const Descriptor dir = OpenFolderOf(path);
  if (dir.get() < 0) return LastError();
  return ReadSmallFile(dir.get(), NameOf(path), limit, text);
}

}  // namespace verlano
