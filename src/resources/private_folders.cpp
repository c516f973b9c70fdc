#include "resources/private_folders.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <system_error>

#include "resources/own_files.h"

namespace verlano {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefix = "verlano-res-";
// A folder this young may belong to a run that has made it but not locked it yet.
constexpr std::time_t kYoungestAbandoned = 10;

int OpenFolder(const std::string& path) {
  return open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// Removes `folder` when it is this user's real folder, not brand new, and
// nobody holds its lock; the lock is held while it goes.
void RemoveIfAbandoned(const fs::path& folder) {
  struct stat info {};
  if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != geteuid() ||
      std::time(nullptr) - info.st_mtime < kYoungestAbandoned) {
    return;
  }
  const int fd = OpenFolder(folder.string());
  if (fd < 0) return;
  if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
    std::error_code ignored;
    fs::remove_all(folder, ignored);  // links inside are removed, never followed
  }
  close(fd);
}

void RemoveAbandonedFolders(const fs::path& temp) {
  std::error_code error;
  for (fs::directory_iterator it(temp, error), end; !error && it != end; it.increment(error)) {
    if (it->path().filename().string().starts_with(kPrefix)) RemoveIfAbandoned(it->path());
  }
}

}  // namespace

PrivateFolderLock::~PrivateFolderLock() {
  if (fd_ >= 0) close(fd_);
}

std::string TemporaryFolder() {
  std::error_code error;
  const fs::path temp = fs::temp_directory_path(error);
  return error ? std::string("/tmp") : temp.string();
}

std::optional<PrivateFolder> MakePrivateFolder(std::string& error) {
  const fs::path temp = TemporaryFolder();
  RemoveAbandonedFolders(temp);
  std::string pattern = (temp / (std::string(kPrefix) + "XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr) {
    error = "cannot make a temporary folder " + pattern;
    return std::nullopt;
  }
  GrantOwnerRights(pattern);
  PrivateFolder folder{pattern + "/", nullptr};
  const int fd = OpenFolder(pattern);
  if (fd >= 0) {
    flock(fd, LOCK_EX | LOCK_NB);  // ours alone: it was made a moment ago
    folder.lock = std::make_shared<PrivateFolderLock>(fd);
  }
  return folder;
}

}  // namespace verlano
