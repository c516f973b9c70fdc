// The unpack in a bad environment: a file that cannot be written (a full
// disk, something in the way) stops it and leaves nothing of it behind; the
// files it wrote name their archive entries for messages; and two copies of
// the game unpacking from one folder take turns under the archive's lock.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "pak_fixtures.h"
#include "resources/locked_unpack.h"
#include "resources/whole_file.h"

namespace verlano {
namespace {

namespace fs = std::filesystem;
using test::Entry;
using test::PakBytes;

constexpr const char* kArchive = "res077.pak";

TEST(WriteBytes, FailuresSayWhyAndLeaveNoFileOfTheirOwn) {
  test::TempDir dir;
  const std::vector<std::uint8_t> bytes(4096, 7);
  EXPECT_FALSE(WriteBytes(dir / "file", bytes));
  EXPECT_EQ(fs::file_size(dir / "file"), 4096u);
  fs::create_directory(dir / "folder");
  const struct {
    std::string path;
    bool diskFull;
  } rows[] = {{"/dev/full", true}, {dir / "folder", false}, {dir / "no/such/file", false}};
  for (const auto& row : rows) {
    const std::error_code failure = WriteBytes(row.path, bytes);
    EXPECT_TRUE(failure) << row.path;
    EXPECT_EQ(IsDiskFull(failure), row.diskFull) << row.path << ": " << failure.message();
    EXPECT_EQ(CannotWrite(row.path, failure),
              "cannot write " + row.path + ": " + failure.message());
  }
  struct stat device {};
  ASSERT_EQ(stat("/dev/full", &device), 0) << "a device is never removed";
  EXPECT_TRUE(S_ISCHR(device.st_mode));
}

class UnpackTrouble : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteFile(
        dir / kArchive,
        PakBytes({Entry("Bitmaps_mouse.bmp", "cursor"), Entry("Trent_AC.BMP", "ace"),
                  Entry("Sounds_SIGN1.WAV", "sign"), Entry("Sounds_CARD_FLIP.WAV", "f")}));
  }
  test::TempDir dir;
};

TEST_F(UnpackTrouble, AFileThatCannotBeWrittenStopsTheUnpackAndRemovesWhatWasWritten) {
  // Something in the way of the third entry, as a full disk would be.
  fs::create_directories(dir.path() / "res/Sounds/SIGN1.WAV");
  const UnpackResult result = UnpackResources(dir.path().string(), kArchive);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("the archive entry \"Sounds_SIGN1.WAV\" could not be written"),
            std::string::npos)
      << result.error;
  EXPECT_NE(result.error.find("What was unpacked has been removed"), std::string::npos);
  EXPECT_EQ(result.error.find("disk is full"), std::string::npos) << "only for a full disk";
  EXPECT_TRUE(result.resourceRoot.empty());
  EXPECT_TRUE(result.files.empty());
  // Only what was in the way is left: the folders holding it.
  EXPECT_EQ(test::FilesBelow(dir.path()), std::vector<std::string>{kArchive});
  EXPECT_FALSE(fs::exists(dir.path() / "res/Bitmaps"));
  EXPECT_FALSE(fs::exists(dir.path() / "res/Trent"));
}

TEST_F(UnpackTrouble, EachWrittenFileNamesTheEntryItCameFrom) {
  const UnpackResult result = UnpackResources(dir.path().string(), kArchive);
  ASSERT_TRUE(result.ok) << result.error;
  const std::string archive = (dir.path() / kArchive).string();
  EXPECT_EQ(EntryOrigin(result, result.resourceRoot + "res/Trent/AC.BMP"),
            "the archive entry \"Trent_AC.BMP\" of " + archive);
  EXPECT_EQ(EntryOrigin(result, result.resourceRoot + "res/Sounds/SIGN1.WAV"),
            "the archive entry \"Sounds_SIGN1.WAV\" of " + archive);
  EXPECT_EQ(EntryOrigin(result, result.resourceRoot + "res/Trent/2C.BMP"), "");
  RemoveResources(result);
}

// Runs `body` in a child process; its exit status is what `body` returns.
pid_t Spawn(const std::function<int()>& body) {
  const pid_t child = fork();
  if (child == 0) _exit(body());
  return child;
}

int StatusOf(pid_t child) {
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(UnpackTrouble, TwoCopiesTakeTurnsSoNeitherRemovesWhatTheOtherIsLoading) {
  // Each copy unpacks, "loads" for a while (reads every file at the start and
  // at the end), then removes; without the lock the first removal pulls the
  // files from under the second.
  auto copy = [this] {
    LockedUnpack unpacked(dir.path().string(), kArchive);
    if (!unpacked.Result().ok) return 1;
    const std::string flip = unpacked.Result().resourceRoot + "res/Sounds/CARD_FLIP.WAV";
    for (int look = 0; look < 3; ++look) {
      if (look > 0) std::this_thread::sleep_for(std::chrono::milliseconds(300));
      for (const std::string& file : unpacked.Result().files) {
        if (!fs::exists(file)) return 2;
      }
      if (test::ReadFile(flip) != "f") return 3;
    }
    return unpacked.Remove().leftInPlace.empty() ? 0 : 4;
  };
  const pid_t first = Spawn(copy);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  const pid_t second = Spawn(copy);
  EXPECT_EQ(StatusOf(first), 0);
  EXPECT_EQ(StatusOf(second), 0);
  EXPECT_EQ(test::FilesBelow(dir.path()), std::vector<std::string>{kArchive});
}

TEST_F(UnpackTrouble, TheLockIsHeldFromUnpackToRemovalAndDroppedByADeadHolder) {
  auto tryLock = [this] {
    return Spawn([this] {
      const int fd = open((dir / kArchive).c_str(), O_RDONLY);
      return flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : 1;
    });
  };
  {
    LockedUnpack unpacked(dir.path().string(), kArchive);
    EXPECT_EQ(StatusOf(tryLock()), 1) << "held while the files are on disk";
    unpacked.Remove();
    EXPECT_EQ(StatusOf(tryLock()), 0) << "free after the removal";
  }
  // A copy killed while holding it (SIGKILL) does not block the next.
  const pid_t killed = Spawn([this] {
    const LockedUnpack unpacked(dir.path().string(), kArchive);
    pause();
    return 0;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  kill(killed, SIGKILL);
  StatusOf(killed);
  EXPECT_EQ(StatusOf(tryLock()), 0);
}

}  // namespace
}  // namespace verlano
