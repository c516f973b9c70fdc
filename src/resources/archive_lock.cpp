#include "resources/archive_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace verlano {

ArchiveLock::ArchiveLock(const std::string& archivePath)
    // O_NONBLOCK: a FIFO in the archive's place must not hold the game here;
    // the unpack then refuses it.
    : fd_(open(archivePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {
  if (fd_ < 0) return;
  int taken = 0;
  do {
    taken = flock(fd_, LOCK_EX);
  } while (taken != 0 && errno == EINTR);
  if (taken != 0) Release();
}

void ArchiveLock::Release() {
  if (fd_ < 0) return;
  close(fd_);  // closing the only descriptor drops the lock
  fd_ = -1;
}

}  // namespace verlano
