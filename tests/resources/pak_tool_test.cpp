// verlano-pak run as the built program, the way a modder would use it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "pak_fixtures.h"

#ifdef VERLANO_PAK_TOOL

namespace verlano {
namespace {

namespace fs = std::filesystem;

class PakToolTest : public ::testing::Test {
 protected:
  // Runs the tool with `arguments` (already shell-quoted); keeps its output.
  int Run(const std::string& arguments) {
    const std::string command = std::string(VERLANO_PAK_TOOL) + " " + arguments + " >" +
                                (dir / "stdout") + " 2>" + (dir / "stderr");
    const int status = std::system(command.c_str());
    out = test::ReadFile(dir / "stdout");
    err = test::ReadFile(dir / "stderr");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string Quoted(const std::string& name) const { return "'" + (dir / name) + "'"; }

  test::TempDir dir;
  std::string out;
  std::string err;
};

TEST_F(PakToolTest, CreateListExtractRoundTrip) {
  test::WriteFile(dir / "mouse.bmp", test::Bytes("cursor"));
  test::WriteFile(dir / "flip.wav", test::Bytes(std::string("wa\0ve", 5)));
  test::WriteFile(dir / "empty", {});
  ASSERT_EQ(Run("create " + Quoted("a.pak") + " " + Quoted("mouse.bmp") +
                " Sounds_CARD_FLIP.WAV=" + Quoted("flip.wav") + " " + Quoted("empty")),
            0)
      << err;

  ASSERT_EQ(Run("list " + Quoted("a.pak")), 0) << err;
  EXPECT_EQ(out, "0\tmouse.bmp\t12\t6\n1\tSounds_CARD_FLIP.WAV\t18\t5\n2\tempty\t23\t0\n");

  ASSERT_EQ(Run("extract " + Quoted("a.pak") + " " + Quoted("out/deeper")), 0) << err;
  EXPECT_EQ(test::FilesBelow(dir.path() / "out/deeper"),
            (std::vector<std::string>{"Sounds_CARD_FLIP.WAV", "empty", "mouse.bmp"}));
  EXPECT_EQ(test::ReadFile(dir / "out/deeper/Sounds_CARD_FLIP.WAV"), std::string("wa\0ve", 5));
}

TEST_F(PakToolTest, ExtractSkipsEscapingNamesButWritesTheRest) {
  test::WriteFile(dir / "a.pak",
                  test::PakBytes({test::Entry("../escaped", "x"), test::Entry("/tmp/absolute", "x"),
                                  test::Entry("kept", "k")}));
  EXPECT_EQ(Run("extract " + Quoted("a.pak") + " " + Quoted("out")), 1);
  EXPECT_NE(err.find("unsafe name \"../escaped\""), std::string::npos) << err;
  EXPECT_NE(err.find("unsafe name \"/tmp/absolute\""), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(dir.path() / "escaped"));
  EXPECT_EQ(test::FilesBelow(dir.path() / "out"), std::vector<std::string>{"kept"});
}

TEST_F(PakToolTest, ExtractReportsAnEntryOutsideTheArchive) {
  std::vector<std::uint8_t> bytes = test::PakBytes({test::Entry("big", "x")});
  test::SetLe32(bytes, test::RecordAt(bytes, 0) + test::kRecordSizeField, 0x7fffffff);
  test::WriteFile(dir / "a.pak", bytes);
  EXPECT_EQ(Run("extract " + Quoted("a.pak") + " " + Quoted("out")), 1);
  EXPECT_NE(err.find("outside the archive"), std::string::npos) << err;
}

TEST_F(PakToolTest, BrokenOrMissingArchivesFailWithAMessage) {
  test::WriteFile(dir / "text.pak", test::Bytes("pack of lies"));
  fs::create_directory(dir.path() / "folder.pak");
  const struct {
    std::string archive;
    std::string message;
  } rows[] = {
      {dir / "text.pak", dir / "text.pak"},
      {dir / "absent.pak", dir / "absent.pak"},
      {dir / "folder.pak", dir / "folder.pak" + " is a folder, not a PAK archive"},
      {"/dev/zero", "/dev/zero is not a regular file"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.archive);
    EXPECT_EQ(Run("list '" + row.archive + "'"), 1);
    EXPECT_NE(err.find(row.message), std::string::npos) << err;
    EXPECT_EQ(Run("extract '" + row.archive + "' " + Quoted("out")), 1);
    EXPECT_NE(err.find(row.message), std::string::npos) << err;
    EXPECT_EQ(out, "");
  }
}

// Every refusal comes before anything is written: the archive already there
// keeps every byte and no temporary file is left beside it.
TEST_F(PakToolTest, CreateRefusesWhatItCannotPackAndWritesNothing) {
  test::WriteFile(dir / "f", test::Bytes("x"));
  test::WriteFile(dir / "secret", test::Bytes("s"));
  fs::permissions(dir / "secret", fs::perms::none);
  fs::create_directory(dir.path() / "sub");
  test::WriteFile(dir / "a.pak", test::Bytes("the old archive"));
  test::WriteFile(dir / "stdout", {});
  test::WriteFile(dir / "stderr", {});
  const std::vector<std::string> before = test::FilesBelow(dir.path());
  const std::string file = Quoted("f");
  const struct {
    std::string archive;
    std::string sources;
    std::string message;
  } rows[] = {
      {"a.pak", Quoted("sub"), dir / "sub" + " is a folder, not a file"},
      {"a.pak", "/dev/zero", "/dev/zero is not a regular file"},
      {"a.pak", Quoted("absent"), "cannot read " + dir / "absent" + ": No such file or directory"},
      {"a.pak", Quoted("secret"), "cannot read " + dir / "secret" + ": Permission denied"},
      {"a.pak", "../evil=" + file, "entry name \"../evil\" (for "},
      {"a.pak", "/tmp/evil=" + file, "entry name \"/tmp/evil\" (for "},
      {"a.pak", "sub/../../evil=" + file, "not a plain file name"},
      {"a.pak", std::string(57, 'n') + "=" + file, "must have 1 to 56 characters"},
      {"a.pak", file + " f=" + Quoted("secret"), "entry name \"f\" is given twice"},
      {"sub", file, dir / "sub" + " is a folder, not a PAK archive"},
      {"/dev/full", file, "/dev/full is not a regular file"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.sources);
    // Root reads any file, so the unreadable one cannot be refused then.
    if (row.message.ends_with("Permission denied") && geteuid() == 0) continue;
    const std::string archive = row.archive.starts_with('/') ? row.archive : Quoted(row.archive);
    EXPECT_EQ(Run("create " + archive + " " + row.sources), 1);
    EXPECT_NE(err.find(row.message), std::string::npos) << err;
    EXPECT_EQ(test::ReadFile(dir / "a.pak"), "the old archive");
    EXPECT_EQ(test::FilesBelow(dir.path()), before);
  }
  struct stat device {};
  ASSERT_EQ(stat("/dev/full", &device), 0);
  EXPECT_TRUE(S_ISCHR(device.st_mode)) << "a device is never replaced";
}

// `list` is a dry run of `extract`: it leaves out the entries extract would
// refuse, in the same words, with the same status.
TEST_F(PakToolTest, ListRefusesWhatExtractRefusesInTheSameWords) {
  std::vector<std::uint8_t> outside =
      test::PakBytes({test::Entry("big", "x"), test::Entry("fine", "f")});
  test::SetLe32(outside, test::RecordAt(outside, 0) + test::kRecordSizeField, 0x7fffffff);
  std::vector<std::uint8_t> garbage = test::PakBytes(
      {test::Entry("a", "aaaa"), test::Entry("b", "bbbb"), test::Entry("c", "cccc")});
  std::uint32_t noise = 12345;
  for (std::size_t i = test::RecordAt(garbage, 0); i < garbage.size(); ++i) {
    noise = noise * 1103515245u + 12345u;
    garbage[i] = static_cast<std::uint8_t>(noise >> 24);
  }
  const struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
    std::string listed;
  } rows[] = {
      {"an entry outside the file", outside, "1\tfine\t13\t1\n"},
      {"a directory of noise", garbage, ""},
      {"a name that climbs", test::PakBytes({test::Entry("../up", "x")}), ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    test::WriteFile(dir / "a.pak", row.bytes);
    EXPECT_EQ(Run("list " + Quoted("a.pak")), 1);
    EXPECT_EQ(out, row.listed);
    const std::string listErr = err;
    EXPECT_NE(listErr.find("; skipped\n"), std::string::npos) << listErr;
    EXPECT_EQ(Run("extract " + Quoted("a.pak") + " " + Quoted("out")), 1);
    EXPECT_EQ(err, listErr);
  }
}

TEST_F(PakToolTest, NamesAreEscapedSoTheyCannotSplitARowOrReachTheTerminal) {
  test::WriteFile(dir / "a.pak",
                  test::PakBytes({test::Entry("two\nlines", "1"), test::Entry("\x1b[31mred", "2"),
                                  test::Entry("tab\there", "3"), test::Entry("caf\xc3\xa9", "4"),
                                  test::Entry("\x1b]0;title\x07\\..\\up", "5")}));
  EXPECT_EQ(Run("list " + Quoted("a.pak")), 1);
  EXPECT_EQ(out,
            "0\ttwo\\nlines\t12\t1\n1\t\\x1b[31mred\t13\t1\n2\ttab\\there\t14\t1\n"
            "3\tcaf\\xc3\\xa9\t15\t1\n");
  EXPECT_EQ(err,
            "verlano-pak: entry 4 has an unsafe name \"\\x1b]0;title\\x07\\\\..\\\\up\"; "
            "skipped\n");
}

TEST_F(PakToolTest, BadArgumentsPrintUsage) {
  for (const char* arguments : {"", "unpack x", "list", "extract a.pak", "create a.pak"}) {
    SCOPED_TRACE(arguments);
    EXPECT_EQ(Run(arguments), 1);
    EXPECT_NE(err.find("usage: verlano-pak"), std::string::npos) << err;
  }
}

}  // namespace
}  // namespace verlano

#endif
