// Archives that would cost the game dearly: entries adding up to far more than
// the archive, a FIFO or a folder in the archive's place, a table picture
// claiming a size the game cannot use. Each is refused with a reason, at once
// and without a large allocation (the suite runs under an allocation ceiling).

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>

#include "common/allocation_ceiling.h"
#include "pak_fixtures.h"
#include "resources/locked_unpack.h"
#include "resources/tor_pak.h"

namespace verlano {
namespace {

namespace fs = std::filesystem;
using test::Entry;
using test::PakBytes;

constexpr const char* kArchive = "res077.pak";

// Two entries of 100 bytes in an archive of 340, both moved to offset 12 with
// the given lengths.
std::vector<std::uint8_t> Overlapping(std::int32_t firstSize, std::int32_t secondSize) {
  std::vector<std::uint8_t> bytes = PakBytes(
      {Entry("Sounds_a.WAV", std::string(100, 'a')), Entry("Sounds_b.WAV", std::string(100, 'b'))});
  for (const auto& [index, size] : {std::pair{0, firstSize}, std::pair{1, secondSize}}) {
    test::SetLe32(bytes, test::RecordAt(bytes, index) + test::kRecordOffsetField, 12);
    test::SetLe32(bytes, test::RecordAt(bytes, index) + test::kRecordSizeField, size);
  }
  return bytes;
}

TEST(HostileArchive, EntriesAddingUpToMoreThanTheArchiveAreRefusedWhenOpened) {
  const std::vector<std::uint8_t> damaged = Overlapping(200, 200);
  ASSERT_EQ(damaged.size(), 340u);
  torPAK pak;
  std::string error;
  EXPECT_FALSE(pak.Open(MemorySource(damaged), error));
  EXPECT_EQ(error,
            "the archive in memory is damaged: its entries add up to 400 bytes, more than the "
            "archive's 340 bytes");
  // Overlap as such is no fault while the entries fit in the archive.
  EXPECT_TRUE(pak.Open(MemorySource(Overlapping(200, 140)), error)) << error;
}

// Something in the archive's place: refused before anything is read or
// written. A regression would block in open(), so the alarm ends the suite.
struct NotAnArchive {
  const char* what;
  std::function<void(const std::string& path)> make;
  const char* refusal;
};

TEST(HostileArchive, TheUnpackRefusesWhatIsNoArchiveWithoutWaitingOrWriting) {
  const NotAnArchive cases[] = {
      {"fifo", [](const std::string& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); },
       "res077.pak is not a regular file (a FIFO)"},
      {"folder", [](const std::string& path) { fs::create_directory(path); },
       "res077.pak is a folder, not a PAK archive"},
      {"overlapping_entries",
       [](const std::string& path) { test::WriteFile(path, Overlapping(200, 200)); },
       "res077.pak is damaged: its entries add up to 400 bytes, more than the archive's 340"},
  };
  for (const NotAnArchive& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    c.make(dir / kArchive);
    alarm(30);
    torPAK pak;
    std::string error;
    EXPECT_FALSE(pak.OpenQ2Pak(dir / kArchive, error));
    EXPECT_NE(error.find(c.refusal), std::string::npos) << error;
    // As the game does it: under the archive's lock.
    LockedUnpack unpacked(dir.path().string(), kArchive);
    alarm(0);
    EXPECT_FALSE(unpacked.Result().ok);
    EXPECT_EQ(unpacked.Result().error, "The resource archive cannot be read: " + error);
    EXPECT_FALSE(fs::exists(dir.path() / "res"));
  }
}

// ---- The table's JPEG -------------------------------------------------------------------

std::vector<std::uint8_t> SmallJpeg(const test::TempDir& dir) {
  const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> picture(
      SDL_CreateRGBSurfaceWithFormat(0, 8, 6, 24, SDL_PIXELFORMAT_RGB24), &SDL_FreeSurface);
  EXPECT_NE(picture, nullptr);
  EXPECT_EQ(IMG_SaveJPG(picture.get(), (dir / "small.jpg").c_str(), 90), 0) << IMG_GetError();
  return test::Bytes(test::ReadFile(dir / "small.jpg"));
}

// Where the baseline frame header of `jpeg` starts (its FF C0 marker).
std::size_t FrameHeaderAt(const std::vector<std::uint8_t>& jpeg) {
  const std::vector<std::uint8_t> sof = {0xFF, 0xC0};
  return static_cast<std::size_t>(std::ranges::search(jpeg, sof).begin() - jpeg.begin());
}

void SetSize(std::vector<std::uint8_t>& jpeg, int width, int height) {
  const std::size_t at = FrameHeaderAt(jpeg) + 5;
  jpeg.at(at) = static_cast<std::uint8_t>(height >> 8);
  jpeg.at(at + 1) = static_cast<std::uint8_t>(height);
  jpeg.at(at + 2) = static_cast<std::uint8_t>(width >> 8);
  jpeg.at(at + 3) = static_cast<std::uint8_t>(width);
}

TEST(HostileArchive, ATableJpegClaimingTooMuchIsNotedAndNotDecoded) {
  const struct {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&)> doctor;
    const char* note;
  } cases[] = {
      {"huge", [](auto& j) { SetSize(j, 30000, 30000); },
       "claims 30000x30000 pixels; the game's pictures are at most 2048x2048"},
      {"one_too_tall", [](auto& j) { SetSize(j, 8, 2049); }, "claims 8x2049 pixels; "},
      {"no_rows", [](auto& j) { SetSize(j, 8, 0); }, "claims 8x0 pixels, so it is damaged"},
      {"no_frame_header",
       [](auto& j) {
         const std::size_t at = FrameHeaderAt(j);
         j.erase(j.begin() + at, j.begin() + at + 2 + (j[at + 2] << 8 | j[at + 3]));
       },
       "no readable frame header (SOF)"},
      {"cut_in_its_headers", [](auto& j) { j.resize(FrameHeaderAt(j) - 10); },
       "more than the file holds"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    std::vector<std::uint8_t> jpeg = SmallJpeg(dir);
    c.doctor(jpeg);
    test::WriteFile(dir / kArchive,
                    PakBytes({{"Bitmaps_Back_800x600.jpg", jpeg}, Entry("Sounds_A.WAV", "a")}));
    const UnpackResult result = UnpackResources(dir.path().string(), kArchive);
    // As with any picture that cannot be decoded: the rest is unpacked, and
    // the game stops when it finds no table picture to load.
    ASSERT_TRUE(result.ok) << result.error;
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_EQ(result.notes[0].rfind("cannot decode " + result.resourceRoot, 0), 0u)
        << result.notes[0];
    EXPECT_NE(result.notes[0].find(c.note), std::string::npos) << result.notes[0];
    EXPECT_EQ(test::FilesBelow(dir.path() / "res"),
              (std::vector<std::string>{"Bitmaps/Back_800x600.jpg", "Sounds/A.WAV"}));
    EXPECT_TRUE(RemoveResources(result).leftInPlace.empty());
  }
}

}  // namespace
}  // namespace verlano
