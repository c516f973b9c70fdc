#include "resources/archive_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace verlano {

bool WaitPatiently(const std::function<bool()>& tryTake) {
  while (!tryTake()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return true;
}

ArchiveLock::ArchiveLock(const std::string& archivePath, const LockWaiter& wait)
    // O_NONBLOCK: a FIFO in the archive's place must not hold the game here;
    // the unpack then refuses it.
    : fd_(open(archivePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {
  if (fd_ < 0) return;
  struct stat info {};
  if (fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
    Release();
    return;
  }
  bool failed = false;
  auto tryTake = [this, &failed] {
    if (flock(fd_, LOCK_EX | LOCK_NB) == 0) return true;
    failed = errno != EWOULDBLOCK && errno != EINTR;
    return failed;
  };
  if (!tryTake() && !wait(tryTake)) gaveUp_ = true;
  if (failed || gaveUp_) Release();
}

void ArchiveLock::Release() {
  if (fd_ < 0) return;
  close(fd_);  // closing the only descriptor drops the lock
  fd_ = -1;
}

}  // namespace verlano
