#include "resources/own_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "i18n/translate.h"

namespace verlano {

namespace {

std::error_code LastError() {
  return {errno, std::generic_category()};
}

const char* KindOf(const struct stat& info) {
  if (S_ISREG(info.st_mode)) return _("a file");
  if (S_ISLNK(info.st_mode)) return _("a symbolic link");
  if (S_ISFIFO(info.st_mode)) return _("a FIFO");
  if (S_ISSOCK(info.st_mode)) return _("a socket");
  if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) return _("a device");
  return _("not a folder");
}

}  // namespace

std::string NotAFolder(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return {};
  if (S_ISLNK(info.st_mode)) {
    struct stat target {};
    if (stat(path.c_str(), &target) != 0) return _("a dangling symbolic link");
  }
  return KindOf(info);
}

bool IsOwnRegularFile(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::error_code MakeOwnFolder(const std::string& path, bool& created) {
  created = false;
  if (mkdir(path.c_str(), 0755) == 0) {
    created = true;
    GrantOwnerRights(path);
    return {};
  }
  if (errno != EEXIST) return LastError();
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0) return LastError();
  if (!S_ISDIR(info.st_mode)) return std::make_error_code(std::errc::not_a_directory);
  return {};
}

void GrantOwnerRights(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || S_ISLNK(info.st_mode)) return;
  const mode_t owner = S_ISDIR(info.st_mode) ? S_IRWXU : (S_IRUSR | S_IWUSR);
  if ((info.st_mode & owner) != owner) chmod(path.c_str(), (info.st_mode & 07777) | owner);
}

}  // namespace verlano
