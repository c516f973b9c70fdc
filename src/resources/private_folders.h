#pragma once
// The private resource folders of installs the game cannot write to. Each run
// holds a lock on its own folder for as long as it lives; a folder whose lock
// is free belongs to a run that died (SIGKILL, a power cut), and the next run
// removes it, so such leftovers never pile up in the temporary folder.

#include <memory>
#include <optional>
#include <string>

namespace verlano {

// An exclusive flock(2) on a folder, held until destroyed.
class PrivateFolderLock {
 public:
  explicit PrivateFolderLock(int fd) : fd_(fd) {}
  ~PrivateFolderLock();
  PrivateFolderLock(const PrivateFolderLock&) = delete;
  PrivateFolderLock& operator=(const PrivateFolderLock&) = delete;

 private:
  int fd_;
};

struct PrivateFolder {
  std::string path;                         // ends in '/'
  std::shared_ptr<PrivateFolderLock> lock;  // held for the run
};

// Makes a fresh "verlano-res-XXXXXX" folder in the temporary folder, with the
// owner's rights whatever the umask, and locks it; first removes the folders
// of that name whose run is gone (this user's own, unlocked, not brand new).
// Nothing, with `error` set, when no folder could be made.
std::optional<PrivateFolder> MakePrivateFolder(std::string& error);

// The temporary folder: $TMPDIR or the system's, else /tmp.
std::string TemporaryFolder();

}  // namespace verlano
