#pragma once
// The three subcommands of verlano-pak. Each returns the process exit status
// (0 or 1) and prints its findings to `out` and its complaints to `err`.

#include <ostream>
#include <string>
#include <vector>

namespace verlano {

// One line per entry: index, name without padding (escaped as PrintableName
// does), offset, size (tab-separated). An entry that extract would refuse is
// left out with the same message, and the status is then 1.
int ListArchive(const std::string& archive, std::ostream& out, std::ostream& err);

// Writes every entry under `folder` by its stored name; unsafe names and
// entries outside the archive are skipped with a message (and status 1).
int ExtractArchive(const std::string& archive, const std::string& folder, std::ostream& err);

// An entry per argument, "FILE" (named by its base name) or "NAME=FILE".
// Refuses, before anything is written, a source that is not a readable
// regular file, a name extract could not write inside a folder, a name over
// 56 bytes and a name given twice; an old archive is replaced whole or kept.
int CreateArchive(const std::string& archive, const std::vector<std::string>& arguments,
                  std::ostream& err);

}  // namespace verlano
