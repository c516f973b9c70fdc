#pragma once
// The unpacker's own files and folders, made so that nothing else is touched:
// a name about to be written is unlinked first (a link goes, its target is
// never opened), files are created exclusively, folders are checked without
// following links, and everything made gets the owner's rights whatever the
// umask, so the game can read and remove it again.

#include <string>
#include <system_error>

namespace verlano {

// What stands at `path`, not following a final link: empty when nothing does
// or it is a real folder, else a phrase for messages ("a symbolic link",
// "a file", "a FIFO", "a dangling symbolic link", ...).
std::string NotAFolder(const std::string& path);

// True when `path` is a regular file itself (not a link to one).
bool IsOwnRegularFile(const std::string& path);

// Makes the folder `path` unless a real folder stands there already;
// `created` says whether this call made it. Anything else at the name is an
// error (never replaced: it may be the user's).
[[nodiscard]] std::error_code MakeOwnFolder(const std::string& path, bool& created);

// Gives the owner read, write and (for folders) search rights, which a strict
// umask may have withheld from something this run made.
void GrantOwnerRights(const std::string& path);

}  // namespace verlano
