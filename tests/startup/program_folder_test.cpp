// `ResPath`: the folder the archive is looked for in, always ending in "/".

#include "startup/program_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace verlano {
namespace {

TEST(ProgramFolder, FolderOfKeepsOneTrailingSlash) {
  const struct {
    const char* path;
    const char* folder;
  } rows[] = {
      {"/usr/lib/verlano/verlano", "/usr/lib/verlano/"},
      {"/verlano", "/"},  // the root gets no second slash
      {"/a b/ç/verlano", "/a b/ç/"},
      {"verlano", "./"},
  };
  for (const auto& row : rows) EXPECT_EQ(FolderOf(row.path), row.folder) << row.path;
}

TEST(ProgramFolder, RunningProgramFolderIsThisTestsFolder) {
  const std::string folder = RunningProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_EQ(std::filesystem::path(folder),
            std::filesystem::canonical("/proc/self/exe").parent_path() / "");
}

}  // namespace
}  // namespace verlano
