#pragma once
// An exclusive lock on the resource archive, so that two copies of the game
// started from the same folder take turns at unpacking, loading and removing
// the shared "res" folder: neither deletes files the other is still loading.
// The lock is flock(2) on the archive itself, opened only for reading and
// without blocking (a FIFO at its name must not hang the game), so it works in
// a read-only folder too; the system drops it if the holder dies.

#include <functional>
#include <string>

namespace verlano {

// Waits for the lock: called with a try that answers whether the lock is now
// taken, it returns true once it is, or false to give up (Exit, a signal).
using LockWaiter = std::function<bool(const std::function<bool()>& tryTake)>;

// Tries every 20 ms until the lock is taken; never gives up.
bool WaitPatiently(const std::function<bool()>& tryTake);

class ArchiveLock {
 public:
  // Takes the lock, through `wait` while another copy holds it. Holds nothing
  // when the archive cannot be opened or is not a regular file (then there is
  // nothing to unpack either), or when the wait gave up.
  ArchiveLock(const std::string& archivePath, const LockWaiter& wait);
  ~ArchiveLock() { Release(); }
  ArchiveLock(const ArchiveLock&) = delete;
  ArchiveLock& operator=(const ArchiveLock&) = delete;

  bool Held() const { return fd_ >= 0; }
  bool GaveUp() const { return gaveUp_; }
  void Release();

 private:
  int fd_ = -1;
  bool gaveUp_ = false;
};

}  // namespace verlano
