// Feeds arbitrary bytes to the game as its resource archive: the reader must
// refuse or copy out every entry, and the unpacker must write nothing outside
// its folders, whatever the directory claims.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "resources/entry_names.h"
#include "resources/extract_entry.h"
#include "resources/tor_pak.h"
#include "resources/unpack.h"

namespace {

namespace fs = std::filesystem;

// One folder for the whole run, emptied before each input.
const fs::path& WorkFolder() {
  static const fs::path folder = [] {
    std::string pattern = (fs::temp_directory_path() / "verlano-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) abort();
    return fs::path(pattern);
  }();
  return folder;
}

void ExtractAll(const std::string& archive, const fs::path& folder) {
  fs::create_directories(folder);
  verlano::torPAK pak;
  std::string error;
  if (!pak.OpenQ2Pak(archive, error)) return;
  for (std::int32_t i = 0; i <= pak.NumEntrys(); ++i) {
    std::string written;
    // A refused entry is an answer, not a finding: only a crash or a file
    // outside the folder is.
    (void)verlano::ExtractEntry(pak, i, folder.string(),
                                verlano::StripNamePadding(*pak.EntryName(i)), written, error);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path& work = WorkFolder();
  for (const auto& entry : fs::directory_iterator(work)) fs::remove_all(entry.path());
  const fs::path program = work / "program";
  fs::create_directories(program);
  const std::string archive = (program / "res077.pak").string();
  std::ofstream(archive, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

  ExtractAll(archive, work / "extracted");
  const verlano::UnpackResult unpacked = verlano::UnpackResources(program.string(), "res077.pak");
  verlano::RemoveResources(unpacked);
  // The clean-up leaves nothing, and extraction makes no folders of its own.
  if (unpacked.ok && fs::exists(program / "res")) abort();
  for (const auto& entry : fs::recursive_directory_iterator(work / "extracted")) {
    if (entry.path().parent_path() != work / "extracted") abort();
  }
  return 0;
}
