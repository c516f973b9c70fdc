#include "memory/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "memory/temp_folder.h"

namespace verlano {
namespace {

// Texts of different lengths and fillings, so that a mixture of two is no one of them.
std::string Version(int n) {
  return std::string(static_cast<std::size_t>(40000 + 977 * (n % 7)),
                     static_cast<char>('a' + n % 26)) +
         "\nversion " + std::to_string(n) + "\n";
}

TEST(AtomicFile, AWriterKilledAnywhereLeavesTheOldFileOrTheNewOneWhole) {
  test::TempFolder folder;
  const std::string path = folder.Path() + "/match";
  ASSERT_FALSE(WriteAtomically(path, Version(0)));
  std::string old = Version(0);
  int killedMidway = 0;
  for (int i = 1; i <= 1000; ++i) {
    const std::string next = Version(i);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(WriteAtomically(path, next) ? 1 : 0);
    // The kill lands at a point that moves across the write: the parent
    // polls the clock for 0 to 12 ms, and no sleep decides anything.
    const auto until =
        std::chrono::steady_clock::now() + std::chrono::microseconds((i * 379) % 12000);
    int status = 0;
    bool ended = false;
    while (std::chrono::steady_clock::now() < until && !ended)
      ended = waitpid(child, &status, WNOHANG) == child;
    if (!ended) {
      kill(child, SIGKILL);
      ASSERT_EQ(waitpid(child, &status, 0), child);
    }
    if (WIFSIGNALED(status)) ++killedMidway;
    std::string now;
    ASSERT_FALSE(ReadSmallFile(path, 1 << 20, now)) << "try " << i;
    ASSERT_TRUE(now == old || now == next)
        << "try " << i << ": a file of " << now.size() << " bytes";
    old = now;
  }
  // Enough of the tries were cut off for the test to mean something.
  EXPECT_GT(killedMidway, 100);
  // What the killed writers left is cleared by the next write.
  ASSERT_FALSE(WriteAtomically(path, "whole\n"));
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    EXPECT_EQ(entry.path().filename(), "match");
  }
}

// Two processes writing one file at once each use a temporary of their own:
// every write lands, and the file is always one writer's whole text.
TEST(AtomicFile, TwoWritersOfOneFileNeverTakeEachOthersTemporary) {
  test::TempFolder folder;
  const std::string path = folder.Path() + "/statistics";
  constexpr int kWrites = 400;
  pid_t writers[2];
  for (int w = 0; w < 2; ++w) {
    writers[w] = fork();
    ASSERT_GE(writers[w], 0);
    if (writers[w] == 0) {
      int failed = 0;
      for (int i = 0; i < kWrites; ++i) failed += WriteAtomically(path, Version(w)) ? 1 : 0;
      _exit(failed == 0 ? 0 : 1);
    }
  }
  for (const pid_t writer : writers) {
    int status = 0;
    ASSERT_EQ(waitpid(writer, &status, 0), writer);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a write failed";
  }
  std::string text;
  ASSERT_FALSE(ReadSmallFile(path, 1 << 20, text));
  EXPECT_TRUE(text == Version(0) || text == Version(1));
}

TEST(AtomicFile, LinksAreNeverFollowed) {
  test::TempFolder folder;
  const std::string target = folder.Path() + "/elsewhere";
  const std::string path = folder.Path() + "/settings";
  ASSERT_FALSE(WriteAtomically(target, "theirs\n"));
  std::filesystem::create_symlink(target, path);
  std::string text;
  EXPECT_EQ(ReadSmallFile(path, 100, text), std::errc::too_many_symbolic_link_levels);
  // Writing replaces the link itself; what it pointed at keeps every byte.
  std::filesystem::create_symlink(target, path + ".new");
  ASSERT_FALSE(WriteAtomically(path, "ours\n"));
  EXPECT_FALSE(std::filesystem::is_symlink(path));
  ASSERT_FALSE(ReadSmallFile(target, 100, text));
  EXPECT_EQ(text, "theirs\n");
}

TEST(AtomicFile, OddFilesAreRefusedAndFoldersMade) {
  test::TempFolder folder;
  std::string text;
  EXPECT_EQ(ReadSmallFile(folder.Path() + "/none", 100, text),
            std::errc::no_such_file_or_directory);
  EXPECT_EQ(ReadSmallFile(folder.Path(), 100, text), std::errc::invalid_argument);
  ASSERT_FALSE(WriteAtomically(folder.Path() + "/long", std::string(200, 'x')));
  EXPECT_EQ(ReadSmallFile(folder.Path() + "/long", 100, text), std::errc::file_too_large);
  const std::string deep = folder.Path() + "/a/b/verlano";
  ASSERT_FALSE(MakeFolders(deep));
  EXPECT_TRUE(std::filesystem::is_directory(deep));
  EXPECT_EQ(MakeFolders(folder.Path() + "/long/x"), std::errc::not_a_directory);
}

}  // namespace
}  // namespace verlano
