#include "memory/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>

#include "memory/descriptor.h"

namespace verlano {

namespace {

std::error_code LastError() {
  return {errno, std::generic_category()};
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  return path.substr(path.rfind('/') + 1);
}

// Each process writes its own temporary name, so two copies of the game
// writing one file never take each other's.
std::string TemporaryName(const std::string& name) {
  return name + ".new." + std::to_string(getpid());
}

// A temporary of `name` whose writer is gone: the fixed "NAME.new" of older
// versions, or "NAME.new.PID" of a process that no longer runs.
bool LeftByADeadWriter(std::string_view entry, const std::string& name) {
  const std::string prefix = name + ".new";
  if (!entry.starts_with(prefix)) return false;
  entry.remove_prefix(prefix.size());
  if (entry.empty()) return true;
  if (entry.front() != '.') return false;
  entry.remove_prefix(1);
  pid_t pid = 0;
  const auto [end, ec] = std::from_chars(entry.data(), entry.data() + entry.size(), pid);
  if (ec != std::errc() || end != entry.data() + entry.size() || pid <= 0) return false;
  return pid != getpid() && kill(pid, 0) != 0 && errno == ESRCH;
}

void ClearDeadWriters(int dir, const std::string& name) {
  const int listing = openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listing < 0) return;
  DIR* entries = fdopendir(listing);
  if (entries == nullptr) {
    close(listing);
    return;
  }
  while (const dirent* entry = readdir(entries)) {
    if (LeftByADeadWriter(entry->d_name, name)) unlinkat(dir, entry->d_name, 0);
  }
  closedir(entries);
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

std::error_code WriteAndFlush(int dir, const std::string& temp, std::string_view text) {
  Descriptor fd(
      openat(dir, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (fd.get() < 0) return LastError();
  if (std::error_code e = WriteAll(fd.get(), text)) return e;
  if (fsync(fd.get()) != 0) return LastError();
  return fd.Close();
}

std::error_code OpenFolder(const std::string& path, Descriptor& dir) {
  dir = Descriptor(open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return dir.get() < 0 ? LastError() : std::error_code();
}

}  // namespace

std::error_code MakeFolders(const std::string& folder) {
  struct stat st {};
  // stat, not lstat: a link to a folder above the game's is the user's own.
  if (stat(folder.c_str(), &st) == 0) {
    return S_ISDIR(st.st_mode) ? std::error_code()
                               : std::make_error_code(std::errc::not_a_directory);
  }
  if (errno != ENOENT) return LastError();
  const std::string parent = FolderOf(folder);
  if (parent != folder) {
    if (std::error_code e = MakeFolders(parent)) return e;
  }
  if (mkdir(folder.c_str(), 0700) != 0) return errno == EEXIST ? std::error_code() : LastError();
  // A strict umask must not leave the owner a folder it cannot use.
  chmod(folder.c_str(), 0700);
  return {};
}

std::error_code WriteAtomically(int dir, const std::string& name, std::string_view text) {
  ClearDeadWriters(dir, name);
  const std::string temp = TemporaryName(name);
  if (unlinkat(dir, temp.c_str(), 0) != 0 && errno != ENOENT) return LastError();
  if (std::error_code e = WriteAndFlush(dir, temp, text)) {
    unlinkat(dir, temp.c_str(), 0);
    return e;
  }
  if (renameat(dir, temp.c_str(), dir, name.c_str()) != 0) {
    const std::error_code e = LastError();
    unlinkat(dir, temp.c_str(), 0);
    return e;
  }
  // The rename itself reaches the disk with the folder.
  return fsync(dir) == 0 ? std::error_code() : LastError();
}

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

std::error_code KeepAside(int dir, const std::string& name) {
  return renameat(dir, name.c_str(), dir, (name + ".bad").c_str()) == 0 ? std::error_code()
                                                                        : LastError();
}

std::error_code RemoveFile(int dir, const std::string& name) {
  return unlinkat(dir, name.c_str(), 0) == 0 || errno == ENOENT ? std::error_code() : LastError();
}

std::error_code WriteAtomically(const std::string& path, std::string_view text) {
  Descriptor dir(-1);
  if (std::error_code e = OpenFolder(path, dir)) return e;
  return WriteAtomically(dir.get(), NameOf(path), text);
}

std::error_code ReadSmallFile(const std::string& path, std::size_t limit, std::string& text) {
  Descriptor dir(-1);
  if (std::error_code e = OpenFolder(path, dir)) return e;
  return ReadSmallFile(dir.get(), NameOf(path), limit, text);
}

std::string Reason(std::error_code failure) {
  switch (static_cast<std::errc>(failure.value())) {
    case std::errc::too_many_symbolic_link_levels:
      return "it is a symbolic link, not a file of the game's";
    case std::errc::file_too_large:
      return "it is far longer than any file the game writes";
    case std::errc::invalid_argument:
      return "it is not a regular file";
    case std::errc::filename_too_long:
      return "its path is longer than the system allows";
    case std::errc::operation_would_block:
      return "another copy of the game holds it";
    default:
      return failure.message();
  }
}

}  // namespace verlano
