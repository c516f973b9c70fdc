#include "memory/folder_steps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/last_error.h"
#include "files/path_parts.h"

namespace verlano {

std::error_code MakeFolders(const std::string& folder) {
  struct stat st {};
  // stat, not lstat: a link to a folder above the game's is the user's own.
  if (stat(folder.c_str(), &st) == 0) {
    return S_ISDIR(st.st_mode) ? std::error_code()
                               : std::make_error_code(std::errc::not_a_directory);
  }
  if (errno != ENOENT) return LastError();
  const std::string parent = FolderOf(folder);
  if (parent != folder) {
    if (std::error_code e = MakeFolders(parent)) return e;
  }
  if (mkdir(folder.c_str(), 0700) != 0) return errno == EEXIST ? std::error_code() : LastError();
  // A strict umask must not leave the owner a folder it cannot use.
  chmod(folder.c_str(), 0700);
  return {};
}

std::error_code KeepAside(int dir, const std::string& name) {
  return renameat(dir, name.c_str(), dir, (name + ".bad").c_str()) == 0 ? std::error_code()
                                                                        : LastError();
}

std::error_code RemoveFile(int dir, const std::string& name) {
  return unlinkat(dir, name.c_str(), 0) == 0 || errno == ENOENT ? std::error_code() : LastError();
}

std::string Reason(std::error_code failure) {
  switch (static_cast<std::errc>(failure.value())) {
    case std::errc::too_many_symbolic_link_levels:
      return "it is a symbolic link, not a file of the game's";
    case std::errc::file_too_large:
      return "it is far longer than any file the game writes";
    case std::errc::invalid_argument:
      return "it is not a regular file";
    case std::errc::filename_too_long:
      return "its path is longer than the system allows";
    case std::errc::operation_would_block:
      return "another copy of the game holds it";
    default:
      return failure.message();
  }
}

}  // namespace verlano
