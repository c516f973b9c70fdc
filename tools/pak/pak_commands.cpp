#include "pak_commands.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "resources/entry_names.h"
#include "resources/extract_entry.h"
#include "resources/pak_writer.h"
#include "resources/tor_pak.h"

namespace verlano {

namespace {

namespace fs = std::filesystem;

std::optional<torPAK> Open(const std::string& archive, std::ostream& err) {
  torPAK pak;
  std::string error;
  if (!pak.OpenQ2Pak(archive, error)) {
    err << "verlano-pak: " << error << '\n';
    return std::nullopt;
  }
  return pak;
}

// "NAME=FILE" names the entry; a plain "FILE" is named by its base name.
bool ReadSource(const std::string& source, PakEntry& entry, std::string& error) {
  const std::size_t equals = source.find('=');
  const std::string path = equals == std::string::npos ? source : source.substr(equals + 1);
  entry.name =
      equals == std::string::npos ? fs::path(path).filename().string() : source.substr(0, equals);
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = "cannot read " + path;
    return false;
  }
  entry.data.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return true;
}

}  // namespace

int ListArchive(const std::string& archive, std::ostream& out, std::ostream& err) {
  const std::optional<torPAK> pak = Open(archive, err);
  if (!pak) return 1;
  for (std::int32_t i = 0; i <= pak->NumEntrys(); ++i) {
    out << i << '\t' << StripNamePadding(*pak->EntryName(i)) << '\t' << *pak->EntryOffset(i) << '\t'
        << *pak->EntrySize(i) << '\n';
  }
  return 0;
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
      err << "verlano-pak: " << error << "; skipped\n";
      status = 1;
    }
  }
  return status;
}

int CreateArchive(const std::string& archive, const std::vector<std::string>& sources,
                  std::ostream& err) {
  std::vector<PakEntry> entries(sources.size());
  std::string error;
  for (std::size_t i = 0; i < sources.size(); ++i) {
    if (!ReadSource(sources[i], entries[i], error)) {
      err << "verlano-pak: " << error << '\n';
      return 1;
    }
  }
  if (!WritePak(archive, entries, error)) {
    err << "verlano-pak: " << error << '\n';
    return 1;
  }
  return 0;
}

}  // namespace verlano
