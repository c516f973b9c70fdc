// The start-up cost of the resources: unpack the archive, read every file back
// as the game's loaders would, and remove the folders again. Uses the real
// res077.pak beside this program when the build made one, else a synthetic
// archive of 200 entries and about 12 MB.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/pak_writer.h"
#include "resources/tor_pak.h"
#include "resources/unpack.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kArchive = "res077.pak";

class ProgramFolder {
 public:
  ProgramFolder() {
    std::string pattern = (fs::temp_directory_path() / "verlano-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ProgramFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

std::vector<verlano::PakEntry> SyntheticEntries() {
  const std::array<const char*, 6> prefixes = {"fntFonts_",   "Sounds_", "Bitmaps_",
                                               "Trevigiano_", "Royal_",  "Trent_"};
  std::vector<verlano::PakEntry> entries(200);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    entries[i].name =
        std::string(prefixes[i % prefixes.size()]) + "file" + std::to_string(i) + ".bmp";
    entries[i].data.resize(60'000);
    for (std::size_t b = 0; b < entries[i].data.size(); ++b) {
      entries[i].data[b] = static_cast<std::uint8_t>((b * 31 + i * 7) >> 3);
    }
  }
  return entries;
}

// Puts the archive into `folder`: the build's real one, else a synthetic one.
// `source` names which; a failure ends the benchmark with the reason.
bool PlaceArchive(const fs::path& folder, benchmark::State& state, std::string& source) {
  const fs::path real = fs::read_symlink("/proc/self/exe").parent_path() / kArchive;
  std::error_code error;
  source = fs::exists(real, error) ? real.string() : "synthetic";
  const std::string path = (folder / kArchive).string();
  if (source == real.string()) {
    fs::copy_file(real, path, error);
  } else {
    error = verlano::WritePak(path, SyntheticEntries());
  }
  const std::string reason = "cannot place " + source + ": " + error.message();
  if (error) state.SkipWithError(reason.c_str());
  return !error;
}

std::size_t ReadAll(const std::vector<std::string>& files) {
  std::size_t bytes = 0;
  for (const std::string& file : files) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> data{std::istreambuf_iterator<char>(in),
                                 std::istreambuf_iterator<char>()};
    bytes += data.size();
  }
  return bytes;
}

void BM_UnpackReadRemove(benchmark::State& state) {
  const ProgramFolder program;
  std::string source;
  if (!PlaceArchive(program.path(), state, source)) return;
  std::size_t bytes = 0;
  for (auto _ : state) {
    const verlano::UnpackResult result =
        verlano::UnpackResources(program.path().string(), kArchive);
    if (!result.ok) {
      state.SkipWithError(result.error.c_str());
      return;
    }
    bytes = ReadAll(result.files);
    benchmark::DoNotOptimize(bytes);
    verlano::RemoveResources(result);
  }
  state.SetLabel(source);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_UnpackReadRemove)->Unit(benchmark::kMillisecond)->Repetitions(7);

void BM_OpenDirectory(benchmark::State& state) {
  const ProgramFolder program;
  std::string source;
  if (!PlaceArchive(program.path(), state, source)) return;
  const std::string archive = (program.path() / kArchive).string();
  for (auto _ : state) {
    verlano::torPAK pak;
    std::string error;
    benchmark::DoNotOptimize(pak.OpenQ2Pak(archive, error));
  }
  state.SetLabel(source);
}
BENCHMARK(BM_OpenDirectory)->Unit(benchmark::kMicrosecond)->Repetitions(7);

}  // namespace

BENCHMARK_MAIN();
