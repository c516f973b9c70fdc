// The game's own archive, as the build draws it, passes every check the game
// runs on what it reads: it opens, unpacks without a note, and every picture
// and sound in it is taken by the header checks made before decoding.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "common/scratch_files.h"
#include "platform/bmp_file.h"
#include "platform/wav_header.h"
#include "resources/unpack.h"

namespace verlano {
namespace {

namespace fs = std::filesystem;

std::string LowerExtension(const std::string& file) {
  std::string extension = fs::path(file).extension().string();
  std::ranges::transform(extension, extension.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

TEST(RealArchive, OpensUnpacksAndPassesEveryHeaderCheck) {
#ifndef VERLANO_REAL_ARCHIVE
  GTEST_SKIP() << "this build draws no res077.pak";
#else
  test::TempDir dir;
  fs::copy_file(VERLANO_REAL_ARCHIVE, dir / "res077.pak");
  const UnpackResult result = UnpackResources(dir.path().string(), "res077.pak");
  ASSERT_TRUE(result.ok) << result.error;
  for (const std::string& note : result.notes) ADD_FAILURE() << note;
  int pictures = 0;
  int sounds = 0;
  for (const std::string& file : result.files) {
    std::string problem;
    if (LowerExtension(file) == ".bmp") {
      Surface size;
      int number = 0;
      EXPECT_TRUE(ReadBmpSize(file, size, problem, number)) << problem;
      ++pictures;
    } else if (LowerExtension(file) == ".wav") {
      EXPECT_TRUE(CheckWavHeader(file, problem)) << file << ": " << problem;
      ++sounds;
    }
  }
  EXPECT_GT(pictures, 100);
  EXPECT_EQ(sounds, 10);
  EXPECT_TRUE(RemoveResources(result).leftInPlace.empty());
#endif
}

}  // namespace
}  // namespace verlano
