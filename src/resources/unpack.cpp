#include "resources/unpack.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <span>
#include <system_error>

#include "i18n/translate.h"
#include "resources/entry_names.h"
#include "resources/extract_entry.h"
#include "resources/jpeg_to_bmp.h"
#include "resources/own_files.h"
#include "resources/private_folders.h"
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

bool Writable(const std::string& folder) {
  return access(folder.c_str(), W_OK | X_OK) == 0;
}

// Why the resource folders under `root` cannot be used in place: a name taken
// by something that is not a real folder (a link, a file), or a folder the
// game cannot write. Empty when they can.
std::string WhyNotInPlace(const std::string& root) {
  if (!Writable(root)) return Format(_("the program folder %s is read-only"), root.c_str());
  for (std::string_view folder : kResourceFolders) {
    const std::string path = root + std::string(folder);
    if (const std::string kind = NotAFolder(path); !kind.empty()) {
      return Format(_("%s is %s, not a folder of the game's; it is left as it is"), path.c_str(),
                    kind.c_str());
    }
    std::error_code error;
    if (fs::exists(path, error) && !Writable(path)) {
      return Format(_("the folder %s is read-only"), path.c_str());
    }
  }
  return {};
}

// The leftovers of an interrupted start count only in real folders, as a real file.
bool HasLeftovers(const std::string& root) {
  for (std::string_view folder : kResourceFolders) {
    if (!NotAFolder(root + std::string(folder)).empty()) return false;
  }
  return IsOwnRegularFile(root + std::string(kMarkerFile));
}

// Makes the resource folders, remembering those this run made for the clean-up.
bool MakeFolders(UnpackResult& result) {
  for (std::string_view folder : kResourceFolders) {
    const std::string path = result.resourceRoot + std::string(folder);
    bool created = false;
    if (const std::error_code error = MakeOwnFolder(path, created)) {
      result.error =
          Format(_("cannot create the folder %s: %s"), path.c_str(), error.message().c_str());
      return false;
    }
    if (created) result.folders.push_back(path);
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
      if (IsOwnRegularFile(it->path().string())) result.files.push_back(it->path().string());
    }
  }
  return result;
}

// The error that stops an unpack whose file could not be written.
std::string UnpackStopped(const UnpackResult& result, const std::string& entry,
                          const std::error_code& failure) {
  const std::string where = result.resourceRoot + "res/";
  const std::string reason = failure.message();
  if (IsDiskFull(failure)) {
    return Format(_("The disk is full: the game's resources cannot be unpacked into %s (the "
                    "archive entry \"%s\" could not be written: %s). What was unpacked has been "
                    "removed; free some space and start the game again."),
                  where.c_str(), entry.c_str(), reason.c_str());
  }
  return Format(_("The game's resources cannot be unpacked into %s (the archive entry \"%s\" "
                  "could not be written: %s). What was unpacked has been removed."),
                where.c_str(), entry.c_str(), reason.c_str());
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
  if (const std::error_code failure = WriteNewFile(bmp, bytes)) {
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
  const std::string why = WhyNotInPlace(programFolder);
  if (why.empty()) {
    result.resourceRoot = programFolder;
    return true;
  }
  std::string error;
  const std::optional<PrivateFolder> privateRoot = MakePrivateFolder(error);
  if (!privateRoot) {
    result.error =
        Format(_("The resources cannot be unpacked: %s and %s"), why.c_str(), error.c_str());
    return false;
  }
  result.resourceRoot = privateRoot->path;
  result.privateRoot = true;
  result.privateLock = privateRoot->lock;
  result.notes.push_back(
      Format(_("%s; resources unpacked into %s"), why.c_str(), privateRoot->path.c_str()));
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
  if (!fs::exists(fs::symlink_status(archive, error))) {
    if (HasLeftovers(root)) return UseLeftovers(root);
    UnpackResult missing;
    missing.error = Format(_("The resource archive %s is missing. Reinstall the game so that %s "
                             "lies beside the program."),
                           archive.c_str(), archiveName.c_str());
    return missing;
  }
  UnpackResult result;
  torPAK pak;
  std::string pakError;
  if (!pak.OpenQ2Pak(archive, pakError)) {
    result.error = Format(_("The resource archive cannot be read: %s"), pakError.c_str());
    return result;
  }
  if (!ChooseRoot(root, result)) return result;
  if (!MakeFolders(result)) {
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
  return Format(_("the archive entry \"%s\" of %s"), source->second.c_str(),
                unpacked.archive.c_str());
}

CleanupReport RemoveResources(const UnpackResult& unpacked) {
  CleanupReport report;
  if (unpacked.resourceRoot.empty()) return report;
  auto left = [&report](const std::string& path, const char* pattern, int error) {
    report.leftInPlace.push_back(
        Format(pattern, path.c_str(), std::generic_category().message(error).c_str()));
  };
  // Only files, never a link that may have taken a file's place since.
  for (const std::string& file : unpacked.files) {
    if (IsOwnRegularFile(file) && unlink(file.c_str()) != 0) left(file, "%s: %s", errno);
  }
  // rmdir removes only empty real folders and never follows a link. The
  // folders this run made are told when they stay; a real resource folder an
  // interrupted start left goes quietly when it is empty.
  for (auto folder = kResourceFolders.rbegin(); folder != kResourceFolders.rend(); ++folder) {
    const std::string path = unpacked.resourceRoot + std::string(*folder);
    const bool made =
        std::find(unpacked.folders.begin(), unpacked.folders.end(), path) != unpacked.folders.end();
    if (!made && !NotAFolder(path).empty()) continue;
    if (rmdir(path.c_str()) != 0 && errno != ENOENT && (made || unpacked.usedLeftovers)) {
      left(path, _("%s left in place: %s"), errno);
    }
  }
  if (unpacked.privateRoot && rmdir(unpacked.resourceRoot.c_str()) != 0) {
    left(unpacked.resourceRoot, _("%s left in place: %s"), errno);
  }
  return report;
}

}  // namespace verlano
