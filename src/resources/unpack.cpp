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

void ConvertBackground(const fs::path& folder, UnpackResult& result) {
  const std::string bmp = (folder / kBmpBackground).string();
  std::string error;
  if (ConvertJpegToBmp((folder / kJpegBackground).string(), bmp, error)) {
    result.files.push_back(bmp);
  } else {
    result.notes.push_back(error);
  }
}

void WriteEntries(const torPAK& pak, UnpackResult& result) {
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
    std::string written;
    std::string error;
    if (!ExtractEntry(pak, i, folder.string(), target->fileName, written, error)) {
      result.notes.push_back(error + "; skipped");
      continue;
    }
    result.files.push_back(written);
    if (target->fileName == kJpegBackground) ConvertBackground(folder, result);
  }
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

UnpackResult UnpackResources(const std::string& programFolder, const std::string& archiveName) {
  const std::string root = WithSlash(programFolder);
  const std::string archive = root + archiveName;
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
  WriteEntries(pak, result);
  result.ok = true;
  return result;
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
