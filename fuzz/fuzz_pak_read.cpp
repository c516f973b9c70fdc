// Feeds arbitrary bytes to the game's archive reader in memory: the directory
// is parsed and every entry read back through the same checks the game runs
// on its file, with nothing written, so millions of inputs fit in an evening.
// Each entry read must be exactly its stored bytes, and each name the
// unpacker would accept must stay inside its folder.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "resources/byte_source.h"
#include "resources/entry_names.h"
#include "resources/resource_layout.h"
#include "resources/tor_pak.h"

namespace {

// The unpacker's choice of file for an entry, checked without writing it.
void CheckRoute(const std::string& nameField) {
  const std::optional<verlano::EntryTarget> target = verlano::RouteEntry(nameField);
  if (!target || !verlano::IsSafeFileName(target->fileName)) return;
  const std::filesystem::path folder = std::filesystem::path("/root") / target->folder;
  const std::filesystem::path file = (folder / target->fileName).lexically_normal();
  if (file.parent_path() != folder) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const verlano::MemorySource source({data, size});
  verlano::torPAK pak;
  std::string error;
  if (!pak.Open(source, error)) return 0;
  std::vector<std::uint8_t> bytes;
  for (std::int32_t i = 0; i <= pak.NumEntrys(); ++i) {
    const std::string name = pak.EntryName(i).value();
    if (name.size() != verlano::torPAK::kNameBytes) abort();
    CheckRoute(name);
    if (!pak.ReadEntry(i, source, bytes, error)) continue;
    const auto offset = static_cast<std::size_t>(pak.EntryOffset(i).value());
    if (bytes.size() != static_cast<std::size_t>(pak.EntrySize(i).value())) abort();
    if (!bytes.empty() && std::memcmp(bytes.data(), data + offset, bytes.size()) != 0) abort();
  }
  return 0;
}
