#pragma once
// A path given by its user split into its folder, opened the ordinary way
// (links followed: the user's own arrangement), and its last name, which the
// file functions then name relative to that folder.

#include <fcntl.h>

#include <string>

#include "files/descriptor.h"

namespace verlano {

// The folder holding `path`: "/a/b" of "/a/b/match", "." of a bare name.
inline std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The last name of `path`: "match" of "/a/b/match".
inline std::string NameOf(const std::string& path) {
  return path.substr(path.rfind('/') + 1);
}

// The folder holding `path`, open for the *at calls; -1 (errno set) when it
// cannot be opened.
inline Descriptor OpenFolderOf(const std::string& path) {
  return Descriptor(open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

}  // namespace verlano
