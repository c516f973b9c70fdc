#pragma once
// The game's own folder among the player's ("~/.local/state/verlano"),
// opened once and used only through that descriptor: every read, write,
// rename and removal names a file relative to it. The folders above it may be
// links (the user's own arrangement); the game's folder itself is never used
// through a link: a "verlano" that is a link, or not a folder, is left as it
// is and nothing is read or kept there. Copies share one open descriptor.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "files/descriptor.h"

namespace verlano {

// A lock taken on a file of the folder, held until this is destroyed; other
// copies of the game that ask for it meanwhile are refused.
class FolderLock {
 public:
  FolderLock() = default;
  explicit FolderLock(Descriptor fd) : fd_(std::move(fd)) {}
  bool Held() const { return fd_.get() >= 0; }

 private:
  Descriptor fd_;
};

// A file of a folder's, for listing: its name and when it was last written.
struct FolderFile {
  std::string name;
  std::int64_t writtenNs = 0;  // nanoseconds since the epoch
};

class GameFolder {
 public:
  // No folder: nothing is read, and writing keeps nothing (and says nothing).
  GameFolder() = default;

  // Opens the folder at `path`, making it and the folders above it when they
  // are missing. On failure the folder is unusable and `note` says why in one
  // line; else `note` is cleared.
  static GameFolder Open(const std::string& path, std::string& note);

  // Opens the folder `name` inside this one, made when missing, as `Open`
  // does (never through a link); unusable, with `note`, when it cannot be.
  GameFolder Below(const std::string& name, std::string& note) const;

  bool Usable() const { return open_ != nullptr; }
  // "/home/ann/.local/state/verlano/match", for messages.
  std::string PathOf(std::string_view name) const;

  [[nodiscard]] std::error_code Read(const std::string& name, std::size_t limit,
                                     std::string& text) const;
  [[nodiscard]] std::error_code Write(const std::string& name, std::string_view text) const;
  [[nodiscard]] std::error_code KeepAside(const std::string& name) const;
  [[nodiscard]] std::error_code Remove(const std::string& name) const;

  // The plain files of the folder whose names end in `suffix` (links and
  // anything else left out), in no order; none when it cannot be read.
  std::vector<FolderFile> Files(std::string_view suffix) const;

  // Takes the lock on the file `name` (made when missing), polling for at
  // most `wait`; EWOULDBLOCK when another holder keeps it that long.
  [[nodiscard]] std::error_code Lock(const std::string& name, std::chrono::milliseconds wait,
                                     FolderLock& lock) const;

  // Takes at once the lock of `key` inside the lock file `name` (made when
  // missing): one byte of it, at a place of that key's own, so that one file
  // locks any number of keys. EWOULDBLOCK when another holder keeps it, in
  // this process or another.
  [[nodiscard]] std::error_code LockKey(const std::string& name, std::string_view key,
                                        FolderLock& lock) const;

 private:
  // Opens the lock file `name` (made when missing) and takes on it the lock
  // `take` takes on its descriptor: held in `lock` when that gives no error.
  [[nodiscard]] std::error_code TakeLock(const std::string& name, FolderLock& lock,
                                         const std::function<std::error_code(int fd)>& take) const;
  // Makes and opens `name` inside the open folder `parent`; `path` for messages.
  static GameFolder OpenIn(int parent, const std::string& path, const std::string& name,
                           std::string& note);

  std::string path_;
  std::shared_ptr<const Descriptor> open_;
};

}  // namespace verlano
