#pragma once
// One run's unpacked resources, from the unpack to their removal, under the
// archive's lock: the lock is taken before unpacking and released only once
// the files are removed, after the game has loaded them (or on the way out).

#include <string>

#include "resources/archive_lock.h"
#include "resources/unpack.h"

namespace verlano {

class LockedUnpack {
 public:
  // Waits through `wait` for any other copy of the game to finish with the
  // folder, then unpacks `programFolder`/`archiveName`; unpacks nothing when
  // the wait gave up.
  LockedUnpack(const std::string& programFolder, const std::string& archiveName,
               const LockWaiter& wait = WaitPatiently);
  ~LockedUnpack() { Remove(); }
  LockedUnpack(const LockedUnpack&) = delete;
  LockedUnpack& operator=(const LockedUnpack&) = delete;

  const UnpackResult& Result() const { return result_; }
  // The wait for another copy was given up: nothing was unpacked.
  bool GaveUp() const { return lock_.GaveUp(); }

  // Removes the unpacked files and lets the next copy in; later calls do nothing.
  CleanupReport Remove();

 private:
  ArchiveLock lock_;
  UnpackResult result_;
  bool removed_ = false;
};

}  // namespace verlano
