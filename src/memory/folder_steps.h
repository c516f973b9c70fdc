#pragma once
// The steps on the player's folders besides reading and replacing a file
// (files/read_file.h, files/replace_file.h): making the folders, keeping a
// damaged file aside and removing one, each named within a folder the caller
// opened once; and the words a failure is told in.

#include <string>
#include <system_error>

namespace verlano {

// Makes `folder` and the folders above it that are missing, for the owner
// only. Folders that are there may be links to folders (the user's own
// arrangement, as dotfile managers make it).
[[nodiscard]] std::error_code MakeFolders(const std::string& folder);

// Moves the file `name` to `name`.bad, over an older one, for a report.
[[nodiscard]] std::error_code KeepAside(int dir, const std::string& name);

// Removes the file (or link) `name`; no error when there is none.
[[nodiscard]] std::error_code RemoveFile(int dir, const std::string& name);

// "the reason" of a failure, as the messages say it: "No space left on device".
std::string Reason(std::error_code failure);

}  // namespace verlano
