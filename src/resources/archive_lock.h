#pragma once
// An exclusive lock on the resource archive, so that two copies of the game
// started from the same folder take turns at unpacking, loading and removing
// the shared "res" folder: neither deletes files the other is still loading.
// The lock is flock(2) on the archive itself, opened only for reading, so it
// works in a read-only folder too; the system drops it if the holder dies.

#include <string>

namespace verlano {

class ArchiveLock {
 public:
  // Waits until the lock is free and takes it. Holds nothing when the
  // archive cannot be opened (then there is nothing to unpack either).
  explicit ArchiveLock(const std::string& archivePath);
  ~ArchiveLock() { Release(); }
  ArchiveLock(const ArchiveLock&) = delete;
  ArchiveLock& operator=(const ArchiveLock&) = delete;

  bool Held() const { return fd_ >= 0; }
  void Release();

 private:
  int fd_ = -1;
};

}  // namespace verlano
