#include "files/replace_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

#include "files/read_file.h"
#include "memory/temp_folder.h"

namespace verlano {
namespace {

// Texts of different lengths and fillings, so that a mixture of two is no one of them.
std::string Version(int n) {
  return std::string(static_cast<std::size_t>(40000 + 977 * (n % 7)),
                     static_cast<char>('a' + n % 26)) +
         "\nversion " + std::to_string(n) + "\n";
}

TEST(ReplaceFile, AWriterKilledAnywhereLeavesTheOldFileOrTheNewOneWhole) {
  test::TempFolder folder;
  const std::string path = folder.Path() + "/match";
  ASSERT_FALSE(ReplaceFile(path, Version(0), 0600));
  std::string old = Version(0);
  int killedMidway = 0;
  for (int i = 1; i <= 1000; ++i) {
    const std::string next = Version(i);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(ReplaceFile(path, next, 0600) ? 1 : 0);
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
  ASSERT_FALSE(ReplaceFile(path, "whole\n", 0600));
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    EXPECT_EQ(entry.path().filename(), "match");
  }
}

// Two processes writing one file at once each use a temporary of their own:
// every write lands, and the file is always one writer's whole text.
TEST(ReplaceFile, TwoWritersOfOneFileNeverTakeEachOthersTemporary) {
  test::TempFolder folder;
  const std::string path = folder.Path() + "/statistics";
  constexpr int kWrites = 400;
  pid_t writers[2];
  for (int w = 0; w < 2; ++w) {
    writers[w] = fork();
    ASSERT_GE(writers[w], 0);
    if (writers[w] == 0) {
      int failed = 0;
      for (int i = 0; i < kWrites; ++i) failed += ReplaceFile(path, Version(w), 0600) ? 1 : 0;
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

TEST(ReplaceFile, LinksAreNeverFollowed) {
  test::TempFolder folder;
  const std::string target = folder.Path() + "/elsewhere";
  const std::string path = folder.Path() + "/settings";
  ASSERT_FALSE(ReplaceFile(target, "theirs\n", 0600));
  std::filesystem::create_symlink(target, path);
  std::string text;
  EXPECT_EQ(ReadSmallFile(path, 100, text), std::errc::too_many_symbolic_link_levels);
  // Writing replaces the link itself, and one planted at this writer's
  // temporary name is removed unread; what they pointed at keeps every byte.
  std::filesystem::create_symlink(target, path + ".new." + std::to_string(getpid()));
  ASSERT_FALSE(ReplaceFile(path, "ours\n", 0600));
  EXPECT_FALSE(std::filesystem::is_symlink(path));
  ASSERT_FALSE(ReadSmallFile(target, 100, text));
  EXPECT_EQ(text, "theirs\n");
}

TEST(ReadSmallFile, OddFilesAreRefused) {
  test::TempFolder folder;
  std::string text;
  EXPECT_EQ(ReadSmallFile(folder.Path() + "/none", 100, text),
            std::errc::no_such_file_or_directory);
  EXPECT_EQ(ReadSmallFile(folder.Path(), 100, text), std::errc::invalid_argument);
  ASSERT_FALSE(ReplaceFile(folder.Path() + "/long", std::string(200, 'x'), 0600));
  EXPECT_EQ(ReadSmallFile(folder.Path() + "/long", 100, text), std::errc::file_too_large);
}

// Only this writer's own kind of temporary is ever cleared, and only when its
// process is gone: a live writer's, and names that merely look alike, stay.
TEST(ReplaceFile, ClearsOnlyTheTemporariesOfDeadWriters) {
  test::TempFolder folder;
  const pid_t dead = fork();
  ASSERT_GE(dead, 0);
  if (dead == 0) _exit(0);
  ASSERT_EQ(waitpid(dead, nullptr, 0), dead);
  const std::string base = folder.Path() + "/statistics";
  const std::string left = base + ".new." + std::to_string(dead);
  const std::vector<std::string> kept = {base + ".new." + std::to_string(getppid()), base + ".new",
                                         base + ".new.12x", base + ".bad"};
  for (const std::string& path : kept) ASSERT_FALSE(ReplaceFile(path, "x", 0600));
  ASSERT_FALSE(ReplaceFile(left, "half", 0600));
  ASSERT_FALSE(ReplaceFile(base, "whole", 0600));
  EXPECT_FALSE(std::filesystem::exists(left));
  for (const std::string& path : kept) EXPECT_TRUE(std::filesystem::exists(path)) << path;
}

// The mode is the new file's whatever the old one had, less the umask; a
// rename that fails (a folder at the name) leaves the folder as it was.
TEST(ReplaceFile, TakesItsModeAndLeavesNothingWhenItFails) {
  test::TempFolder folder;
  const std::string path = folder.Path() + "/res077.pak";
  const mode_t mask = umask(022);
  ASSERT_FALSE(ReplaceFile(path, "one", 0600));
  ASSERT_FALSE(ReplaceFile(path, "two", 0666));
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0644u);
  umask(mask);
  std::filesystem::create_directory(folder.Path() + "/sub");
  EXPECT_EQ(ReplaceFile(folder.Path() + "/sub", "three", 0600), std::errc::is_a_directory);
  EXPECT_EQ(ReplaceFile(folder.Path() + "/none/x", "four", 0600),
            std::errc::no_such_file_or_directory);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"res077.pak", "sub"}));
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path() + "/sub"));
}

}  // namespace
}  // namespace verlano
