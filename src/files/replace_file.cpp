#include "files/replace_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <charconv>

#include "files/descriptor.h"
#include "files/path_parts.h"
#include "files/write_all.h"

namespace verlano {

namespace {

std::string TemporaryName(const std::string& name) {
  return name + ".new." + std::to_string(getpid());
}

// "NAME.new.PID" of a process that no longer runs.
bool LeftByADeadWriter(std::string_view entry, const std::string& name) {
  const std::string prefix = name + ".new.";
  if (!entry.starts_with(prefix)) return false;
  entry.remove_prefix(prefix.size());
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

std::error_code WriteAndFlush(int dir, const std::string& temp, std::string_view bytes,
                              mode_t mode) {
  Descriptor fd(
      openat(dir, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
  if (fd.get() < 0) return LastError();
  if (std::error_code e = WriteAll(fd.get(), bytes)) return e;
  if (fsync(fd.get()) != 0) return LastError();
  return fd.Close();
}

}  // namespace

std::error_code ReplaceFile(int dir, const std::string& name, std::string_view bytes, mode_t mode) {
  ClearDeadWriters(dir, name);
  const std::string temp = TemporaryName(name);
  if (unlinkat(dir, temp.c_str(), 0) != 0 && errno != ENOENT) return LastError();
  if (std::error_code e = WriteAndFlush(dir, temp, bytes, mode)) {
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

std::error_code ReplaceFile(const std::string& path, std::string_view bytes, mode_t mode) {
  const Descriptor dir = OpenFolderOf(path);
  if (dir.get() < 0) return LastError();
  return ReplaceFile(dir.get(), NameOf(path), bytes, mode);
}

}  // namespace verlano
