#include "pak_commands.h"

#include <filesystem>
#include <map>
#include <optional>

#include "resources/entry_names.h"
#include "resources/extract_entry.h"
#include "resources/file_kind.h"
#include "resources/pak_writer.h"
#include "resources/tor_pak.h"
#include "resources/whole_file.h"

namespace verlano {

namespace {

namespace fs = std::filesystem;

std::optional<torPAK> Open(const std::string& archive, std::ostream& err) {
  std::string error;
  // A folder or a device read as an archive would be called too short, or
  // never end (a pipe).
  if (const auto notFile = NotARegularFile(archive, "a PAK archive")) error = *notFile;
  torPAK pak;
  if (error.empty() && pak.OpenQ2Pak(archive, error)) return pak;
  err << "verlano-pak: " << error << '\n';
  return std::nullopt;
}

// An entry that `list` and `extract` both leave out, in the same words.
void Skipped(const std::string& error, std::ostream& err) {
  err << "verlano-pak: " << error << "; skipped\n";
}

// One argument of `create`: "NAME=FILE", or a plain "FILE" named by its base name.
struct Source {
  std::string name;
  std::string path;
};

Source SplitSource(const std::string& argument) {
  const std::size_t equals = argument.find('=');
  if (equals == std::string::npos) return {fs::path(argument).filename().string(), argument};
  return {argument.substr(0, equals), argument.substr(equals + 1)};
}

// Names that extract would refuse, or that would hide one another, are
// refused before any file is read.
bool CheckNames(const std::vector<Source>& sources, std::string& error) {
  std::map<std::string, const std::string*> seen;
  for (const Source& source : sources) {
    const std::string shown = "entry name \"" + PrintableName(source.name) + "\"";
    if (!IsSafeFileName(source.name)) {
      error = shown + " (for " + source.path +
              ") is not a plain file name (not empty or \".\", no \"/\", \"\\\" or \"..\", no "
              "drive letter), so extract could not write it inside a folder";
      return false;
    }
    const auto [at, added] = seen.emplace(source.name, &source.path);
    if (!added) {
      error = shown + " is given twice (for " + *at->second + " and " + source.path + ")";
      return false;
    }
  }
  return true;
}

bool ReadSource(const Source& source, PakEntry& entry, std::string& error) {
  if (const auto notFile = NotARegularFile(source.path, "a file")) {
    error = *notFile;
    return false;
  }
  entry.name = source.name;
  if (const std::error_code failure = ReadBytes(source.path, entry.data)) {
    error = "cannot read " + source.path + ": " + failure.message();
    return false;
  }
  return true;
}

}  // namespace

int ListArchive(const std::string& archive, std::ostream& out, std::ostream& err) {
  const std::optional<torPAK> pak = Open(archive, err);
  if (!pak) return 1;
  int status = 0;
  std::vector<std::uint8_t> data;
  for (std::int32_t i = 0; i <= pak->NumEntrys(); ++i) {
    const std::string name = StripNamePadding(*pak->EntryName(i));
    std::string error;
    if (!ReadWritableEntry(*pak, i, name, data, error)) {
      Skipped(error, err);
      status = 1;
      continue;
    }
    out << i << '\t' << PrintableName(name) << '\t' << *pak->EntryOffset(i) << '\t'
        << *pak->EntrySize(i) << '\n';
  }
  return status;
}

int ExtractArchive(const std::string& archive, const std::string& folder, std::ostream& err) {
  const std::optional<torPAK> pak = Open(archive, err);
  if (!pak) return 1;
  std::error_code made;
  fs::create_directories(folder, made);
  if (made) {
    err << "verlano-pak: cannot create " << folder << ": " << made.message() << '\n';
    return 1;
  }
  int status = 0;
  for (std::int32_t i = 0; i <= pak->NumEntrys(); ++i) {
    std::string written;
    std::string error;
    if (!ExtractEntry(*pak, i, folder, StripNamePadding(*pak->EntryName(i)), written, error)) {
      Skipped(error, err);
      status = 1;
    }
  }
  return status;
}

int CreateArchive(const std::string& archive, const std::vector<std::string>& arguments,
                  std::ostream& err) {
  std::vector<Source> sources;
  for (const std::string& argument : arguments) sources.push_back(SplitSource(argument));
  std::vector<PakEntry> entries(sources.size());
  std::string error = NotARegularFile(archive, "a PAK archive").value_or("");
  bool ok = error.empty() && CheckNames(sources, error);
  for (std::size_t i = 0; ok && i < sources.size(); ++i)
    ok = ReadSource(sources[i], entries[i], error);
  if (ok) {
    const std::error_code failure = WritePak(archive, entries);
    if (!failure) return 0;
    error = CannotWrite(archive, failure);
  }
  err << "verlano-pak: " << error << '\n';
  return 1;
}

}  // namespace verlano
