#include "resources/unpack.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <span>
#include <system_error>

#include "resources/entry_names.h"
#include "resources/extract_entry.h"
#include "resources/jpeg_to_bmp.h"
#include "resources/resource_layout.h"
#include "resources/tor_pak.h"
#include "resources/whole_file.h"

namespace verlano {

namespace {

namespace fs = std::filesystem;

std::string WithSlash(std::string folder) {
  if (folder.empty()) return "./";
  if (folder.back() != '/') folder += '/';
  return folder;
}

bool Writable(const fs::path& folder) {
  return access(folder.c_str(), W_OK | X_OK) == 0;
}

// Writable means the program folder and every resource folder already there.
bool CanWriteResourceFolders(const std::string& root) {
  if (!Writable(root)) return false;
  for (std::string_view folder : kResourceFolders) {
    const fs::path path = fs::path(root) / folder;
    std::error_code error;
    if (fs::exists(path, error) && !(fs::is_directory(path, error) && Writable(path))) return false;
  }
  return true;
}

std::optional<std::string> MakePrivateRoot(std::string& error) {
  std::error_code tempError;
  const fs::path tempFolder = fs::temp_directory_path(tempError);
  std::string pattern =
      ((tempError ? fs::path("/tmp") : tempFolder) / "verlano-res-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    error = "cannot make a temporary folder " + pattern;
    return std::nullopt;
  }
  return WithSlash(pattern);
}

bool MakeFolders(const std::string& root, std::string& error) {
  for (std::string_view folder : kResourceFolders) {
    const fs::path path = fs::path(root) / folder;
    std::error_code made;
    fs::create_directory(path, made);
    std::error_code ignored;
    if (made || !fs::is_directory(path, ignored)) {
      error = "cannot create the folder " + path.string() + ": " + made.message();
      return false;
    }
  }
  return true;
}

UnpackResult UseLeftovers(const std::string& root) {
  UnpackResult result;
  result.ok = true;
  result.resourceRoot = root;
  result.usedLeftovers = true;
  for (std::string_view folder : std::span(kResourceFolders).subspan(1)) {
    std::error_code error;
    for (fs::directory_iterator it(fs::path(root) / folder, error), end; !error && it != end;
         it.increment(error)) {
      if (it->is_regular_file(error)) result.files.push_back(it->path().string());
    }
  }
  return result;
}

// The error that stops an unpack whose file could not be written.
std::string UnpackStopped(const UnpackResult& result, const std::string& entry,
                          const std::error_code& failure) {
  const std::string where = result.resourceRoot + "res/";
  const std::string what =
      "the archive entry \"" + entry + "\" could not be written: " + failure.message();
  const std::string removed = "What was unpacked has been removed";
  if (IsDiskFull(failure)) {
    return "The disk is full: the game's resources cannot be unpacked into " + where + " (" + what +
           "). " + removed + "; free some space and start the game again.";
  }
  return "The game's resources cannot be unpacked into " + where + " (" + what + "). " + removed +
         ".";
}

void Record(UnpackResult& result, const std::string& file, const std::string& entry) {
  result.files.push_back(file);
  result.sources[file] = entry;
}

// False, with the unpack's error set, when the BMP cannot be written.
bool ConvertBackground(const fs::path& folder, const std::string& entry, UnpackResult& result) {
  const std::string bmp = (folder / kBmpBackground).string();
  std::vector<std::uint8_t> bytes;
  std::string error;
  if (!EncodeJpegAsBmp((folder / kJpegBackground).string(), bytes, error)) {
    result.notes.push_back(error);
    return true;
  }
  if (const std::error_code failure = WriteBytes(bmp, bytes)) {
    result.error = UnpackStopped(result, entry, failure);
    return false;
  }
  Record(result, bmp, entry);
  return true;
}

// False, with the unpack's error set, when a file cannot be written; entries
// that are themselves at fault are skipped with a note.
bool WriteEntries(const torPAK& pak, UnpackResult& result) {
  for (std::int32_t i = 0; i <= pak.NumEntrys(); ++i) {
    const std::string name = pak.EntryName(i).value_or("");
    if (IsPlaceholder(name)) continue;
    const std::optional<EntryTarget> target = RouteEntry(name);
    if (!target) {
      result.notes.push_back("entry " + std::to_string(i) + " \"" + StripNamePadding(name) +
                             "\" has no resource folder prefix; skipped");
      continue;
    }
    const fs::path folder = fs::path(result.resourceRoot) / target->folder;
    const std::string entry = StripNamePadding(name);
    std::string written;
    std::string error;
    std::error_code failure;
    if (!ExtractEntry(pak, i, folder.string(), target->fileName, written, error, &failure)) {
      if (failure) {
        result.error = UnpackStopped(result, entry, failure);
        return false;
      }
      result.notes.push_back(error + "; skipped");
      continue;
    }
    Record(result, written, entry);
    if (target->fileName == kJpegBackground && !ConvertBackground(folder, entry, result)) {
      return false;
    }
  }
  return true;
}

// Where to unpack: the program folder, else a private folder for this run.
bool ChooseRoot(const std::string& programFolder, UnpackResult& result) {
  if (CanWriteResourceFolders(programFolder)) {
    result.resourceRoot = programFolder;
    return true;
  }
  std::string error;
  const std::optional<std::string> privateRoot = MakePrivateRoot(error);
  if (!privateRoot) {
    result.error = "The program folder " + programFolder +
                   " is read-only and no temporary folder could be made: " + error;
    return false;
  }
  result.resourceRoot = *privateRoot;
  result.privateRoot = true;
  result.notes.push_back("the program folder " + programFolder +
                         " is read-only; resources unpacked into " + *privateRoot);
  return true;
}

}  // namespace

std::string ArchivePath(const std::string& programFolder, const std::string& archiveName) {
  return WithSlash(programFolder) + archiveName;
}

UnpackResult UnpackResources(const std::string& programFolder, const std::string& archiveName) {
  const std::string root = WithSlash(programFolder);
  const std::string archive = ArchivePath(programFolder, archiveName);
  std::error_code error;
  if (!fs::exists(archive, error)) {
    if (fs::exists(fs::path(root) / kMarkerFile, error)) return UseLeftovers(root);
    UnpackResult missing;
    missing.error = "The resource archive " + archive + " is missing. Reinstall the game so that " +
                    archiveName + " lies beside the program.";
    return missing;
  }
  UnpackResult result;
  torPAK pak;
  std::string pakError;
  if (!pak.OpenQ2Pak(archive, pakError)) {
    result.error = "The resource archive cannot be read: " + pakError;
    return result;
  }
  if (!ChooseRoot(root, result)) return result;
  if (!MakeFolders(result.resourceRoot, result.error)) {
    RemoveResources(result);
    result.resourceRoot.clear();
    return result;
  }
  result.archive = archive;
  if (!WriteEntries(pak, result)) {
    RemoveResources(result);
    result.resourceRoot.clear();
    result.files.clear();
    return result;
  }
  result.ok = true;
  return result;
}

std::string EntryOrigin(const UnpackResult& unpacked, const std::string& file) {
  const auto source = unpacked.sources.find(file);
  if (source == unpacked.sources.end()) return {};
  return "the archive entry \"" + source->second + "\" of " + unpacked.archive;
}

CleanupReport RemoveResources(const UnpackResult& unpacked) {
  CleanupReport report;
  if (unpacked.resourceRoot.empty()) return report;
  auto remove = [&report](const fs::path& path, const char* why) {
    std::error_code error;
    if (!fs::remove(path, error) && error) {
      report.leftInPlace.push_back(path.string() + why + error.message());
    }
  };
  for (const std::string& file : unpacked.files) remove(file, ": ");
  // Children before "res", so that an emptied "res" can go too.
  for (auto folder = kResourceFolders.rbegin(); folder != kResourceFolders.rend(); ++folder) {
    remove(fs::path(unpacked.resourceRoot) / *folder, " left in place: ");
  }
  if (unpacked.privateRoot) remove(unpacked.resourceRoot, " left in place: ");
  return report;
}

}  // namespace verlano
