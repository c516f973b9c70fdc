#include "memory/game_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <thread>

#include "files/last_error.h"
#include "files/read_file.h"
#include "files/replace_file.h"
#include "i18n/translate.h"
#include "memory/folder_steps.h"
#include "memory/shown_text.h"
#include "resources/own_files.h"

namespace verlano {

namespace {

// The byte a key locks: its 64-bit FNV-1a hash, kept below the largest
// offset a lock may reach.
off_t PlaceOf(std::string_view key) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char c : key) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
  }
  return static_cast<off_t>(hash >> 2);
}

std::string Unusable(const std::string& path, const std::string& why) {
  return Format(_("the folder %s cannot be used: %s; nothing is read or kept there"),
                ShownPath(path).c_str(), why.c_str());
}

}  // namespace

GameFolder GameFolder::Open(const std::string& path, std::string& note) {
  note.clear();
  GameFolder folder;
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos || slash + 1 == path.size()) {
    note = Unusable(path, "it is not a path of a folder");
    return folder;
  }
  const std::string parentPath = slash == 0 ? "/" : path.substr(0, slash);
  const std::string name = path.substr(slash + 1);
  if (const std::error_code e = MakeFolders(parentPath)) {
    note = e == std::errc::filename_too_long
               ? Unusable(path, Reason(e))
               : Unusable(path,
                          Format(_("the folder above it cannot be made (%s)"), Reason(e).c_str()));
    return folder;
  }
  const Descriptor parent(open(parentPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (parent.get() < 0) {
    note = Unusable(path, Reason(LastError()));
    return folder;
  }
  return OpenIn(parent.get(), path, name, note);
}

GameFolder GameFolder::Below(const std::string& name, std::string& note) const {
  note.clear();
  if (!Usable()) return GameFolder();
  return OpenIn(open_->get(), PathOf(name), name, note);
}

GameFolder GameFolder::OpenIn(int parent, const std::string& path, const std::string& name,
                              std::string& note) {
  GameFolder folder;
  const bool made = mkdirat(parent, name.c_str(), 0700) == 0;
  if (!made && errno != EEXIST) {
    note = Unusable(path, Format(_("it cannot be made (%s)"), Reason(LastError()).c_str()));
    return folder;
  }
  Descriptor fd(openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (fd.get() < 0) {
    const std::error_code e = LastError();
    if (const std::string what = NotAFolder(path); !what.empty()) {
      note = Format(_("the folder %s is %s, not a folder of the game's; it is left as it is and "
                      "nothing is read or kept there"),
                    ShownPath(path).c_str(), what.c_str());
    } else {
      note = Unusable(path, Reason(e));
    }
    return folder;
  }
  // A strict umask must not leave the owner a folder it cannot write.
  if (made) fchmod(fd.get(), 0700);
  folder.path_ = path;
  folder.open_ = std::make_shared<const Descriptor>(std::move(fd));
  return folder;
}

std::string GameFolder::PathOf(std::string_view name) const {
  return path_ + "/" + std::string(name);
}

std::error_code GameFolder::Read(const std::string& name, std::size_t limit,
                                 std::string& text) const {
  text.clear();
  if (!Usable()) return std::make_error_code(std::errc::no_such_file_or_directory);
  return ReadSmallFile(open_->get(), name, limit, text);
}

std::error_code GameFolder::Write(const std::string& name, std::string_view text) const {
  if (!Usable()) return {};
  // The fixed temporary name of older versions, which no writer uses now.
  unlinkat(open_->get(), (name + ".new").c_str(), 0);
  return ReplaceFile(open_->get(), name, text, 0600);
}

std::error_code GameFolder::KeepAside(const std::string& name) const {
  if (!Usable()) return {};
  return verlano::KeepAside(open_->get(), name);
}

std::error_code GameFolder::Remove(const std::string& name) const {
  if (!Usable()) return {};
  return RemoveFile(open_->get(), name);
}

std::vector<FolderFile> GameFolder::Files(std::string_view suffix) const {
  std::vector<FolderFile> files;
  if (!Usable()) return files;
  // A descriptor of its own: the listing moves its offset, and closedir closes it.
  const int listed = openat(open_->get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listed < 0) return files;
  DIR* dir = fdopendir(listed);
  if (dir == nullptr) {
    close(listed);
    return files;
  }
  while (const dirent* entry = readdir(dir)) {
    const std::string_view name = entry->d_name;
    struct stat st {};
    if (!name.ends_with(suffix) ||
        fstatat(open_->get(), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(st.st_mode)) {
      continue;
    }
    files.push_back(
        {std::string(name), std::int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec});
  }
  closedir(dir);
  return files;
}

std::error_code GameFolder::TakeLock(const std::string& name, FolderLock& lock,
                                     const std::function<std::error_code(int fd)>& take) const {
  lock = FolderLock();
  if (!Usable()) return std::make_error_code(std::errc::no_such_file_or_directory);
  Descriptor fd(
      openat(open_->get(), name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (fd.get() < 0) return LastError();
  if (const std::error_code e = take(fd.get())) return e;
  lock = FolderLock(std::move(fd));
  return {};
}

std::error_code GameFolder::Lock(const std::string& name, std::chrono::milliseconds wait,
                                 FolderLock& lock) const {
  return TakeLock(name, lock, [wait](int fd) {
    const auto until = std::chrono::steady_clock::now() + wait;
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
      if (errno == EINTR) continue;
      if (errno != EWOULDBLOCK) return LastError();
      if (std::chrono::steady_clock::now() >= until) {
        return std::make_error_code(std::errc::operation_would_block);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::error_code();
  });
}

std::error_code GameFolder::LockKey(const std::string& name, std::string_view key,
                                    FolderLock& lock) const {
  return TakeLock(name, lock, [key](int fd) {
    // A lock of the open file's own, not the process's: two locks taken here
    // refuse each other too, and closing one leaves the others held.
    struct flock byte {};
    byte.l_type = F_WRLCK;
    byte.l_whence = SEEK_SET;
    byte.l_start = PlaceOf(key);
    byte.l_len = 1;
    while (fcntl(fd, F_OFD_SETLK, &byte) != 0) {
      if (errno == EINTR) continue;
      if (errno == EAGAIN || errno == EACCES) {
        return std::make_error_code(std::errc::operation_would_block);
      }
      return LastError();
    }
    return std::error_code();
  });
}

}  // namespace verlano
