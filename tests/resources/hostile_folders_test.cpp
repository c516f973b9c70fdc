// The unpacker in folders a careless user or another program left behind:
// links where the game's folders and files go, a file or a FIFO named "res",
// read-only leftovers, a strict umask. Whatever stood there before must
// survive byte for byte, and the clean-up must leave the folder as it was.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>

#include "pak_fixtures.h"
#include "resources/private_folders.h"
#include "resources/unpack.h"

namespace verlano {
namespace {

namespace fs = std::filesystem;
using test::Entry;
using test::PakBytes;
using test::ReadFile;

constexpr const char* kArchive = "res077.pak";

// What a marker folder outside the game's holds; every byte must survive.
void FillMarkerFolder(const fs::path& marker) {
  fs::create_directories(marker / "Sounds");
  fs::create_directories(marker / "Bitmaps");
  test::WriteFile((marker / "Sounds/CARD_FLIP.WAV").string(), test::Bytes("mine: flip"));
  test::WriteFile((marker / "Bitmaps/Back_800x600.bmp").string(), test::Bytes("mine: back"));
  test::WriteFile((marker / "CARD_FLIP.WAV").string(), test::Bytes("mine: top"));
}

struct HostileFolder {
  const char* what;
  // Sets up the program folder `game` beside the marker folder `marker`.
  std::function<void(const fs::path& game, const fs::path& marker)> arrange;
  bool privateRoot;      // the unpack must go elsewhere
  const char* noteSays;  // in the note that says why (empty: no note)
};

TEST(HostileFolders, NothingOutsideTheGamesOwnFilesIsWrittenOrRemoved) {
  const std::vector<HostileFolder> cases = {
      {"res is a link to another folder",
       [](const fs::path& game, const fs::path& marker) {
         fs::create_directory_symlink(marker, game / "res");
       },
       true, "is a symbolic link"},
      {"res/Sounds is a link to another folder",
       [](const fs::path& game, const fs::path& marker) {
         fs::create_directory(game / "res");
         fs::create_directory_symlink(marker / "Sounds", game / "res/Sounds");
       },
       true, "res/Sounds is a symbolic link"},
      {"res is a dangling link",
       [](const fs::path& game, const fs::path& marker) {
         fs::create_directory_symlink(marker / "gone", game / "res");
       },
       true, "dangling symbolic link"},
      {"res is a file",
       [](const fs::path& game, const fs::path&) {
         test::WriteFile((game / "res").string(), test::Bytes("a file named res"));
       },
       true, "is a file"},
      {"res is a FIFO",
       [](const fs::path& game, const fs::path&) {
         ASSERT_EQ(mkfifo((game / "res").c_str(), 0644), 0);
       },
       true, "is a FIFO"},
      {"the background's name is a link to a file elsewhere",
       [](const fs::path& game, const fs::path& marker) {
         fs::create_directories(game / "res/Bitmaps");
         fs::create_symlink(marker / "Bitmaps/Back_800x600.bmp",
                            game / "res/Bitmaps/Back_800x600.bmp");
         fs::create_symlink(marker / "CARD_FLIP.WAV", game / "res/Bitmaps/mouse.bmp");
       },
       false, ""},
      {"a read-only leftover of the user's own",
       [](const fs::path& game, const fs::path&) {
         fs::create_directories(game / "res/Sounds");
         test::WriteFile((game / "res/Sounds/CARD_FLIP.WAV").string(), test::Bytes("old"));
         chmod((game / "res/Sounds/CARD_FLIP.WAV").c_str(), 0444);
       },
       false, ""},
  };
  for (const HostileFolder& hostile : cases) {
    SCOPED_TRACE(hostile.what);
    test::TempDir dir;
    const fs::path game = dir.path() / "game";
    const fs::path marker = dir.path() / "marker";
    fs::create_directory(game);
    FillMarkerFolder(marker);
    hostile.arrange(game, marker);
    test::WriteFile((game / kArchive).string(), PakBytes({Entry("Sounds_CARD_FLIP.WAV", "flip"),
                                                          Entry("Bitmaps_Back_800x600.bmp", "back"),
                                                          Entry("Bitmaps_mouse.bmp", "mouse")}));
    const auto before = test::FilesBelow(game);

    const UnpackResult result = UnpackResources(game.string(), kArchive);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.privateRoot, hostile.privateRoot);
    if (*hostile.noteSays != '\0') {
      ASSERT_FALSE(result.notes.empty());
      EXPECT_NE(result.notes[0].find(hostile.noteSays), std::string::npos) << result.notes[0];
    }
    EXPECT_EQ(ReadFile(result.resourceRoot + "res/Sounds/CARD_FLIP.WAV"), "flip");
    EXPECT_EQ(ReadFile(result.resourceRoot + "res/Bitmaps/mouse.bmp"), "mouse");
    EXPECT_TRUE(RemoveResources(result).leftInPlace.empty());

    EXPECT_EQ(ReadFile(marker / "Sounds/CARD_FLIP.WAV"), "mine: flip");
    EXPECT_EQ(ReadFile(marker / "Bitmaps/Back_800x600.bmp"), "mine: back");
    EXPECT_EQ(ReadFile(marker / "CARD_FLIP.WAV"), "mine: top");
    if (hostile.privateRoot) {
      EXPECT_EQ(test::FilesBelow(game), before) << "the program folder changed";
      EXPECT_FALSE(fs::exists(result.resourceRoot));
    } else {
      EXPECT_EQ(test::FilesBelow(game), std::vector<std::string>{kArchive});
    }
  }
}

TEST(HostileFolders, AStrictUmaskStillGivesFilesTheGameCanReadAndRemove) {
  test::TempDir dir;
  test::WriteFile(dir / kArchive, PakBytes({Entry("Sounds_CARD_FLIP.WAV", "flip")}));
  for (const mode_t mask : {0222, 0277, 0777}) {
    SCOPED_TRACE(mask);
    const mode_t old = umask(mask);
    const UnpackResult result = UnpackResources(dir.path().string(), kArchive);
    umask(old);
    ASSERT_TRUE(result.ok) << result.error;
    struct stat info {};
    ASSERT_EQ(stat((dir / "res/Sounds").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & S_IRWXU, S_IRWXU);
    ASSERT_EQ(stat((dir / "res/Sounds/CARD_FLIP.WAV").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & (S_IRUSR | S_IWUSR), S_IRUSR | S_IWUSR);
    EXPECT_TRUE(RemoveResources(result).leftInPlace.empty());
    EXPECT_EQ(test::FilesBelow(dir.path()), std::vector<std::string>{kArchive});
  }
}

TEST(HostileFolders, AFolderThatHeldTheUsersFilesBeforeKeepsThem) {
  test::TempDir dir;
  fs::create_directories(dir.path() / "res/Bitmaps");
  test::WriteFile(dir / "res/Bitmaps/notes.txt", test::Bytes("mine"));
  test::WriteFile(dir / kArchive, PakBytes({Entry("Bitmaps_mouse.bmp", "m")}));
  const UnpackResult result = UnpackResources(dir.path().string(), kArchive);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_TRUE(RemoveResources(result).leftInPlace.empty()) << "not this run's folders";
  EXPECT_EQ(test::FilesBelow(dir.path()),
            (std::vector<std::string>{"res/Bitmaps/notes.txt", kArchive}));
}

TEST(HostileFolders, PrivateFoldersOfRunsThatDiedAreRemovedAndNoOtherIs) {
  test::TempDir temp;
  const char* oldTemp = std::getenv("TMPDIR");
  const std::string savedTemp = oldTemp != nullptr ? oldTemp : "";
  setenv("TMPDIR", temp.path().c_str(), 1);
  auto make = [&](const char* name, bool old) {
    const fs::path folder = temp.path() / name;
    fs::create_directories(folder / "res/Sounds");
    test::WriteFile((folder / "res/Sounds/CARD_FLIP.WAV").string(), test::Bytes("f"));
    if (old) {
      const struct timespec times[2] = {{0, UTIME_NOW}, {std::time(nullptr) - 3600, 0}};
      utimensat(AT_FDCWD, folder.c_str(), times, 0);
    }
    return folder;
  };
  const fs::path dead = make("verlano-res-dead01", true);
  const fs::path running = make("verlano-res-live01", true);
  const fs::path young = make("verlano-res-new001", false);
  const fs::path other = make("not-verlano-old", true);
  fs::create_directory_symlink(other, temp.path() / "verlano-res-link01");
  const int held = open(running.c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_EQ(flock(held, LOCK_EX), 0);

  std::string error;
  std::optional<PrivateFolder> made = MakePrivateFolder(error);
  ASSERT_TRUE(made) << error;
  EXPECT_FALSE(fs::exists(dead)) << "a run that died";
  EXPECT_TRUE(fs::exists(running / "res/Sounds/CARD_FLIP.WAV")) << "a run still holding it";
  EXPECT_TRUE(fs::exists(young)) << "perhaps not locked yet";
  EXPECT_TRUE(fs::exists(other / "res/Sounds/CARD_FLIP.WAV")) << "not the game's";
  EXPECT_TRUE(fs::is_symlink(temp.path() / "verlano-res-link01"));
  // The new folder is locked for as long as the run holds it.
  const int probe = open(made->path.c_str(), O_RDONLY | O_DIRECTORY);
  EXPECT_NE(flock(probe, LOCK_EX | LOCK_NB), 0);
  made.reset();
  EXPECT_EQ(flock(probe, LOCK_EX | LOCK_NB), 0);
  close(probe);
  close(held);
  if (oldTemp != nullptr) {
    setenv("TMPDIR", savedTemp.c_str(), 1);
  } else {
    unsetenv("TMPDIR");
  }
}

}  // namespace
}  // namespace verlano
