#include "resources/unpack.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "pak_fixtures.h"

namespace verlano {
namespace {

namespace fs = std::filesystem;
using test::Entry;
using test::PakBytes;
using test::ReadFile;

constexpr const char* kArchive = "res077.pak";

class UnpackTest : public ::testing::Test {
 protected:
  void WriteArchive(const std::vector<std::uint8_t>& bytes) {
    test::WriteFile(dir / kArchive, bytes);
  }
  UnpackResult Unpack() { return UnpackResources(dir.path().string(), kArchive); }
  std::string Under(const UnpackResult& result, const std::string& relative) {
    return (fs::path(result.resourceRoot) / relative).string();
  }

  test::TempDir dir;
};

// ---- Where entries go -----------------------------------------------------------

TEST_F(UnpackTest, EachPrefixRoutesToItsFolder) {
  WriteArchive(PakBytes({Entry("fntFonts_fntDigit.bmp", "font"), Entry("Sounds_SIGN1.WAV", "snd"),
                         Entry("Bitmaps_mouse.bmp", "cursor"), Entry("Trevigiano_AC.BMP", "t"),
                         Entry("Royal_FrameBlue.bmp", "r"), Entry("Trent_S_cardback.bmp", "b")}));
  const UnpackResult result = Unpack();
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.resourceRoot, dir.path().string() + "/");
  EXPECT_FALSE(result.privateRoot);
  EXPECT_EQ(test::FilesBelow(dir.path() / "res"),
            (std::vector<std::string>{"Bitmaps/mouse.bmp", "Royal/FrameBlue.bmp",
                                      "Sounds/SIGN1.WAV", "Trent/S_cardback.bmp",
                                      "Trevigiano/AC.BMP", "fntFonts/fntDigit.bmp"}));
  EXPECT_EQ(ReadFile(Under(result, "res/Sounds/SIGN1.WAV")), "snd");
  EXPECT_TRUE(result.notes.empty());
}

TEST_F(UnpackTest, AllSevenFoldersAreMadeEvenWhenEmpty) {
  WriteArchive(PakBytes({}));
  ASSERT_TRUE(Unpack().ok);
  for (const char* folder :
       {"res/fntFonts", "res/Sounds", "res/Bitmaps", "res/Trevigiano", "res/Royal", "res/Trent"}) {
    EXPECT_TRUE(fs::is_directory(dir.path() / folder)) << folder;
  }
}

TEST_F(UnpackTest, PlaceholdersAreSkippedSilentlyAndUnknownPrefixesWithANote) {
  WriteArchive(PakBytes({Entry("dummy", "x"), Entry("dumm_Sounds_A.WAV", "x"),
                         Entry("sounds_lower.WAV", "x"), Entry("Other_file", "x"),
                         Entry("Sounds_kept.WAV", "k")}));
  const UnpackResult result = Unpack();
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(test::FilesBelow(dir.path() / "res"), std::vector<std::string>{"Sounds/kept.WAV"});
  ASSERT_EQ(result.notes.size(), 2u);
  EXPECT_NE(result.notes[0].find("sounds_lower.WAV"), std::string::npos) << result.notes[0];
  EXPECT_NE(result.notes[1].find("Other_file"), std::string::npos) << result.notes[1];
}

TEST_F(UnpackTest, NulAndSpacePaddingGiveTheSameFileName) {
  std::vector<std::uint8_t> bytes =
      PakBytes({Entry("Sounds_NUL.WAV", "n"), Entry("Bitmaps_SPACE.bmp", "s")});
  test::PadNameWithSpaces(bytes, 1);
  WriteArchive(bytes);
  ASSERT_TRUE(Unpack().ok);
  EXPECT_EQ(test::FilesBelow(dir.path() / "res"),
            (std::vector<std::string>{"Bitmaps/SPACE.bmp", "Sounds/NUL.WAV"}));
}

TEST_F(UnpackTest, JpegBackgroundAlsoBecomesABitmap) {
  const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> picture(
      SDL_CreateRGBSurfaceWithFormat(0, 8, 6, 24, SDL_PIXELFORMAT_RGB24), &SDL_FreeSurface);
  ASSERT_NE(picture, nullptr);
  SDL_FillRect(picture.get(), nullptr, SDL_MapRGB(picture->format, 30, 120, 40));
  ASSERT_EQ(IMG_SaveJPG(picture.get(), (dir / "back.jpg").c_str(), 90), 0) << IMG_GetError();
  WriteArchive(PakBytes({{"Bitmaps_Back_800x600.jpg", test::Bytes(ReadFile(dir / "back.jpg"))}}));

  const UnpackResult result = Unpack();
  ASSERT_TRUE(result.ok);
  EXPECT_TRUE(result.notes.empty());
  EXPECT_EQ(test::FilesBelow(dir.path() / "res"),
            (std::vector<std::string>{"Bitmaps/Back_800x600.bmp", "Bitmaps/Back_800x600.jpg"}));
  const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> bmp(
      SDL_LoadBMP(Under(result, "res/Bitmaps/Back_800x600.bmp").c_str()), &SDL_FreeSurface);
  ASSERT_NE(bmp, nullptr) << SDL_GetError();
  EXPECT_EQ(bmp->w, 8);
  EXPECT_EQ(bmp->h, 6);
}

TEST_F(UnpackTest, UndecodableJpegIsNotedAndTheRestGoesOn) {
  WriteArchive(
      PakBytes({Entry("Bitmaps_Back_800x600.jpg", "not a jpeg"), Entry("Sounds_A.WAV", "a")}));
  const UnpackResult result = Unpack();
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.notes.size(), 1u);
  EXPECT_TRUE(fs::exists(dir.path() / "res/Sounds/A.WAV"));
}

// ---- Hostile entries ------------------------------------------------------------------

TEST_F(UnpackTest, NamesThatLeaveTheirFolderAreSkipped) {
  const fs::path outside = dir.path() / "outside";
  WriteArchive(
      PakBytes({Entry("Bitmaps_../../outside", "x"), Entry("Sounds_..", "x"),
                Entry("Royal_" + outside.string(), "x"), Entry("Trent_..\\..\\outside", "x"),
                Entry("Trevigiano_sub/file", "x"), Entry("Bitmaps_", "x"),
                Entry("Bitmaps_C:outside", "x"), Entry("Sounds_after.WAV", "ok")}));
  const UnpackResult result = Unpack();
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.notes.size(), 7u);
  EXPECT_FALSE(fs::exists(outside));
  EXPECT_EQ(test::FilesBelow(dir.path()),
            (std::vector<std::string>{"res/Sounds/after.WAV", "res077.pak"}));
}

TEST_F(UnpackTest, EntryOutsideTheArchiveIsSkippedAndTheRestWritten) {
  std::vector<std::uint8_t> bytes =
      PakBytes({Entry("Sounds_bad.WAV", "xx"), Entry("Sounds_ok.WAV", "y")});
  test::SetLe32(bytes, test::RecordAt(bytes, 0) + test::kRecordSizeField, 1 << 30);
  WriteArchive(bytes);
  const UnpackResult result = Unpack();
  ASSERT_TRUE(result.ok);
  ASSERT_EQ(result.notes.size(), 1u);
  EXPECT_NE(result.notes[0].find("outside the archive"), std::string::npos) << result.notes[0];
  EXPECT_EQ(test::FilesBelow(dir.path() / "res"), std::vector<std::string>{"Sounds/ok.WAV"});
}

TEST_F(UnpackTest, LinkLeftAtATargetIsReplacedNotFollowed) {
  fs::create_directories(dir.path() / "res/Sounds");
  test::WriteFile(dir / "victim", test::Bytes("untouched"));
  fs::create_symlink(dir.path() / "victim", dir.path() / "res/Sounds/A.WAV");
  WriteArchive(PakBytes({Entry("Sounds_A.WAV", "new")}));
  ASSERT_TRUE(Unpack().ok);
  EXPECT_EQ(ReadFile(dir / "victim"), "untouched");
  EXPECT_EQ(ReadFile(dir / "res/Sounds/A.WAV"), "new");
}

// ---- Archive missing, broken, or left half-unpacked -----------------------------------

void MakeLeftovers(const fs::path& root, const std::string& flipContent) {
  fs::create_directories(root / "res/Sounds");
  fs::create_directories(root / "res/Bitmaps");
  test::WriteFile((root / "res/Sounds/CARD_FLIP.WAV").string(), test::Bytes(flipContent));
  test::WriteFile((root / "res/Bitmaps/mouse.bmp").string(), test::Bytes("old"));
}

TEST_F(UnpackTest, MissingArchiveWithoutLeftoversIsAClearError) {
  const UnpackResult result = Unpack();
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("res077.pak"), std::string::npos) << result.error;
  EXPECT_NE(result.error.find("missing"), std::string::npos) << result.error;
  EXPECT_FALSE(fs::exists(dir.path() / "res"));
}

TEST_F(UnpackTest, MissingArchiveUsesLeftoversAndCleanUpRemovesThem) {
  MakeLeftovers(dir.path(), "flip");
  const UnpackResult result = Unpack();
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_TRUE(result.usedLeftovers);
  EXPECT_EQ(result.resourceRoot, dir.path().string() + "/");
  EXPECT_EQ(result.files.size(), 2u);
  EXPECT_TRUE(RemoveResources(result).leftInPlace.empty());
  EXPECT_FALSE(fs::exists(dir.path() / "res"));
}

TEST_F(UnpackTest, ArchivePresentOverwritesAHalfFinishedUnpack) {
  MakeLeftovers(dir.path(), "truncated");
  WriteArchive(
      PakBytes({Entry("Sounds_CARD_FLIP.WAV", "complete"), Entry("Sounds_SIGN1.WAV", "s")}));
  const UnpackResult result = Unpack();
  ASSERT_TRUE(result.ok);
  EXPECT_FALSE(result.usedLeftovers);
  EXPECT_EQ(ReadFile(dir / "res/Sounds/CARD_FLIP.WAV"), "complete");
  EXPECT_TRUE(fs::exists(dir.path() / "res/Sounds/SIGN1.WAV"));
}

TEST_F(UnpackTest, BrokenArchiveIsAnErrorEvenWithLeftovers) {
  MakeLeftovers(dir.path(), "flip");
  WriteArchive(test::Bytes("PAK not really an archive"));
  const UnpackResult result = Unpack();
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("cannot be read"), std::string::npos) << result.error;
}

// ---- Clean-up --------------------------------------------------------------------------

TEST_F(UnpackTest, CleanUpLeavesOnlyTheArchive) {
  WriteArchive(PakBytes({Entry("Sounds_CARD_FLIP.WAV", "f"), Entry("Bitmaps_line_horz.bmp", "l"),
                         Entry("Trent_AC.BMP", "c")}));
  const UnpackResult result = Unpack();
  ASSERT_TRUE(result.ok);
  EXPECT_TRUE(RemoveResources(result).leftInPlace.empty());
  EXPECT_EQ(test::FilesBelow(dir.path()), std::vector<std::string>{"res077.pak"});
  EXPECT_FALSE(fs::exists(dir.path() / "res"));
}

TEST_F(UnpackTest, CleanUpKeepsFoldersHoldingOtherFilesAndGoesOn) {
  WriteArchive(PakBytes({Entry("Sounds_A.WAV", "a"), Entry("Bitmaps_B.bmp", "b")}));
  const UnpackResult result = Unpack();
  ASSERT_TRUE(result.ok);
  test::WriteFile(dir / "res/Bitmaps/players_own.txt", test::Bytes("keep me"));
  const CleanupReport report = RemoveResources(result);
  ASSERT_EQ(report.leftInPlace.size(), 2u);  // res/Bitmaps and res
  EXPECT_EQ(test::FilesBelow(dir.path()),
            (std::vector<std::string>{"res/Bitmaps/players_own.txt", "res077.pak"}));
  EXPECT_FALSE(fs::exists(dir.path() / "res/Sounds"));
  EXPECT_FALSE(fs::exists(dir.path() / "res/Trent"));
}

// ---- Read-only program folder ------------------------------------------------------------

// Runs `body` in a child process without root rights, so that folder
// permissions bind; the child's exit status is what `body` returns.
int RunUnprivileged(const std::function<int()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    const uid_t nobody = 65534;
    if (geteuid() == 0 &&
        (setresgid(nobody, nobody, nobody) != 0 || setresuid(nobody, nobody, nobody) != 0)) {
      _exit(100);
    }
    _exit(body());
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(UnpackTest, ReadOnlyProgramFolderUnpacksIntoAPrivateFolder) {
  WriteArchive(PakBytes({Entry("Sounds_CARD_FLIP.WAV", "f"), Entry("Bitmaps_mouse.bmp", "m")}));
  fs::permissions(dir / kArchive,
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
  const int outcome = RunUnprivileged([this] {
    const UnpackResult result = Unpack();
    if (!result.ok || !result.privateRoot) return 1;
    if (result.resourceRoot.starts_with(dir.path().string())) return 2;
    if (ReadFile(Under(result, "res/Bitmaps/mouse.bmp")) != "m") return 3;
    if (!RemoveResources(result).leftInPlace.empty()) return 4;
    return fs::exists(result.resourceRoot) ? 5 : 0;
  });
  fs::permissions(dir.path(), fs::perms::owner_all);
  if (outcome == 100) GTEST_SKIP() << "cannot drop root rights here";
  EXPECT_EQ(outcome, 0);
  EXPECT_FALSE(fs::exists(dir.path() / "res"));
}

}  // namespace
}  // namespace verlano
