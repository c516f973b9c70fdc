// The archive writer: what it refuses, with its own codes and before anything
// is written, and an archive replaced whole with no temporary left beside it.

#include "resources/pak_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "pak_fixtures.h"

namespace verlano {
namespace {

using test::Entry;

TEST(WritePak, RefusesBeforeWritingAndReplacesTheArchiveWhole) {
  test::TempDir dir;
  const std::string path = dir / "a.pak";
  test::WriteFile(path, test::Bytes("the old archive"));
  std::filesystem::create_directory(dir.path() / "sub");
  const struct {
    std::string path;
    std::vector<PakEntry> entries;
    std::error_code refusal;
  } rows[] = {
      {path, {Entry(std::string(57, 'n'), "x")}, PakFault::NameLength},
      {path, {Entry("a", "x"), Entry("", "y")}, PakFault::NameLength},
      {dir / "sub", {Entry("a", "x")}, std::make_error_code(std::errc::is_a_directory)},
      {"/dev/full", {Entry("a", "x")}, PakFault::NotAFile},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(WritePak(row.path, row.entries), row.refusal) << row.path;
    EXPECT_EQ(test::ReadFile(path), "the old archive");
    EXPECT_EQ(test::FilesBelow(dir.path()), std::vector<std::string>{"a.pak"});
  }
  EXPECT_NE(make_error_code(PakFault::NameLength).message().find("1 to 56 characters"),
            std::string::npos);
  struct stat device {};
  ASSERT_EQ(stat("/dev/full", &device), 0);
  EXPECT_TRUE(S_ISCHR(device.st_mode)) << "a device is never replaced";

  const std::vector<PakEntry> entries = {Entry("Sounds_A.WAV", "abc"), Entry("dummy", "")};
  ASSERT_FALSE(WritePak(path, entries));
  const std::vector<std::uint8_t> written = test::PakBytes(entries);
  EXPECT_EQ(test::ReadFile(path), std::string(written.begin(), written.end()));
  EXPECT_EQ(test::FilesBelow(dir.path()), std::vector<std::string>{"a.pak"});
}

}  // namespace
}  // namespace verlano
