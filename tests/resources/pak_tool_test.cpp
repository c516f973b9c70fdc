// verlano-pak run as the built program, the way a modder would use it.
#include <gtest/gtest.h>
#include <sys/wait.h>

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
  for (const char* archive : {"text.pak", "absent.pak"}) {
    SCOPED_TRACE(archive);
    EXPECT_EQ(Run("list " + Quoted(archive)), 1);
    EXPECT_NE(err.find(archive), std::string::npos) << err;
    EXPECT_EQ(Run("extract " + Quoted(archive) + " " + Quoted("out")), 1);
    EXPECT_EQ(out, "");
  }
}

TEST_F(PakToolTest, CreateRefusesMissingFilesAndOverlongNames) {
  EXPECT_EQ(Run("create " + Quoted("a.pak") + " " + Quoted("absent")), 1);
  EXPECT_NE(err.find("absent"), std::string::npos) << err;
  test::WriteFile(dir / "f", test::Bytes("x"));
  EXPECT_EQ(Run("create " + Quoted("a.pak") + " " + std::string(57, 'n') + "=" + Quoted("f")), 1);
  EXPECT_NE(err.find("1 to 56"), std::string::npos) << err;
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
