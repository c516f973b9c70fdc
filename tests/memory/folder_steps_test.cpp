#include "memory/folder_steps.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "memory/temp_folder.h"

namespace verlano {
namespace {

TEST(FolderSteps, FoldersAreMadeBelowWhatIsThereButNotThroughAFile) {
  test::TempFolder folder;
  const std::string deep = folder.Path() + "/a/b/verlano";
  ASSERT_FALSE(MakeFolders(deep));
  EXPECT_TRUE(std::filesystem::is_directory(deep));
  std::ofstream(folder.Path() + "/long") << "a file";
  EXPECT_EQ(MakeFolders(folder.Path() + "/long/x"), std::errc::not_a_directory);
}

}  // namespace
}  // namespace verlano
