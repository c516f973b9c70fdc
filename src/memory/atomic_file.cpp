#include "memory/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace verlano {

namespace {

std::error_code LastError() {
  return {errno, std::generic_category()};
}

// Closes the descriptor however the function using it returns.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, so that an error of the close itself is seen.
  std::error_code Close() {
    const int fd = fd_;
    fd_ = -1;
    return close(fd) == 0 ? std::error_code() : LastError();
  }

 private:
  int fd_;
};

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::error_code WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = write(fd, text.data(), text.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return LastError();
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return {};
}

std::error_code WriteAndFlush(const std::string& temp, std::string_view text) {
  Descriptor fd(open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (fd.get() < 0) return LastError();
  if (std::error_code e = WriteAll(fd.get(), text)) return e;
  if (fsync(fd.get()) != 0) return LastError();
  return fd.Close();
}

}  // namespace

std::error_code MakeFolders(const std::string& folder) {
  struct stat st {};
  if (lstat(folder.c_str(), &st) == 0) {
    return S_ISDIR(st.st_mode) ? std::error_code()
                               : std::make_error_code(std::errc::not_a_directory);
  }
  if (errno != ENOENT) return LastError();
  const std::string parent = FolderOf(folder);
  if (parent != folder) {
    if (std::error_code e = MakeFolders(parent)) return e;
  }
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return LastError();
  return {};
}

std::error_code WriteAtomically(const std::string& path, std::string_view text) {
  // One fixed temporary name: a writer killed half-way leaves it, and the
  // next write clears it before it begins.
  const std::string temp = path + ".new";
  if (unlink(temp.c_str()) != 0 && errno != ENOENT) return LastError();
  if (std::error_code e = WriteAndFlush(temp, text)) {
    unlink(temp.c_str());
    return e;
  }
  if (rename(temp.c_str(), path.c_str()) != 0) {
    const std::error_code e = LastError();
    unlink(temp.c_str());
    return e;
  }
  // The rename itself reaches the disk with the folder.
  Descriptor folder(open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() < 0) return LastError();
  if (fsync(folder.get()) != 0) return LastError();
  return folder.Close();
}

std::error_code ReadSmallFile(const std::string& path, std::size_t limit, std::string& text) {
  text.clear();
  Descriptor fd(open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
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

std::error_code KeepAside(const std::string& path) {
  return rename(path.c_str(), (path + ".bad").c_str()) == 0 ? std::error_code() : LastError();
}

std::error_code RemoveFile(const std::string& path) {
  return unlink(path.c_str()) == 0 || errno == ENOENT ? std::error_code() : LastError();
}

std::string Reason(std::error_code failure) {
  switch (static_cast<std::errc>(failure.value())) {
    case std::errc::too_many_symbolic_link_levels:
      return "it is a symbolic link, not a file of the game's";
    case std::errc::file_too_large:
      return "it is far longer than any file the game writes";
    case std::errc::invalid_argument:
      return "it is not a regular file";
    default:
      return failure.message();
  }
}

}  // namespace verlano
