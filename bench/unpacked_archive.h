#pragma once
// The res077.pak beside the benchmark program unpacked as Play unpacks it,
// handed over as the `ResourceFolder` a run loads from and removes.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <optional>

#include "game/game_run.h"
#include "resources/resource_path.h"
#include "resources/unpack.h"

namespace verlano::bench {

// Nothing (and the benchmark skipped with the reason) when the archive is
// missing or cannot be unpacked.
inline std::optional<ResourceFolder> UnpackBesideProgram(benchmark::State& state) {
  constexpr const char* kArchive = "res077.pak";
  const std::string folder = std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
  if (!std::filesystem::exists(std::filesystem::path(folder) / kArchive)) {
    state.SkipWithError("no res077.pak beside the program: build the default target first");
    return std::nullopt;
  }
  auto unpacked = std::make_shared<const UnpackResult>(UnpackResources(folder, kArchive));
  if (!unpacked->ok) {
    state.SkipWithError(unpacked->error.c_str());
    return std::nullopt;
  }
  return ResourceFolder{
      [root = unpacked->resourceRoot](std::string_view gamePath) {
        return ResolveResourcePath(root, gamePath);
      },
      [unpacked] { RemoveResources(*unpacked); },
      [unpacked](const std::string& file) { return EntryOrigin(*unpacked, file); }};
}

}  // namespace verlano::bench
