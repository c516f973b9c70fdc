#include "resources/tor_pak.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <limits>

#include "pak_fixtures.h"

namespace verlano {
namespace {

using test::Entry;
using test::PakBytes;
using test::ReadFile;
using test::WriteFile;

class TorPakTest : public ::testing::Test {
 protected:
  // Writes `bytes` as an archive and opens it; the reason lands in `error`.
  bool Open(const std::vector<std::uint8_t>& bytes, const std::string& name = "a.pak") {
    WriteFile(dir / name, bytes);
    return pak.OpenQ2Pak(dir / name, error);
  }

  test::TempDir dir;
  torPAK pak;
  std::string error;
};

// ---- Loading the directory -------------------------------------------------

TEST_F(TorPakTest, NewObjectHasNothingLoaded) {
  EXPECT_EQ(pak.NumEntrys(), -1);
  EXPECT_EQ(pak.FileLoaded(), "");
}

TEST_F(TorPakTest, EmptyDirectoryLoadsWithNoEntries) {
  ASSERT_TRUE(Open(PakBytes({}))) << error;
  EXPECT_EQ(pak.NumEntrys(), -1);
  EXPECT_EQ(pak.FileLoaded(), dir / "a.pak");
}

TEST_F(TorPakTest, EntriesKeepStoredOrderOffsetsAndSizes) {
  ASSERT_TRUE(Open(PakBytes({Entry("first", "abc"), Entry("second", "defgh")}))) << error;
  ASSERT_EQ(pak.NumEntrys(), 1);
  EXPECT_EQ(pak.EntryName(0)->substr(0, 6), std::string("first\0", 6));
  EXPECT_EQ(*pak.EntryOffset(0), 12);
  EXPECT_EQ(*pak.EntrySize(0), 3);
  EXPECT_EQ(*pak.EntryOffset(1), 15);
  EXPECT_EQ(*pak.EntrySize(1), 5);
}

TEST_F(TorPakTest, NameKeepsItsPaddingAndIsAlways56Bytes) {
  ASSERT_TRUE(Open(PakBytes({Entry("short", "")}))) << error;
  EXPECT_EQ(*pak.EntryName(0), std::string("short") + std::string(51, '\0'));
}

TEST_F(TorPakTest, FiftySixCharacterNameIsReturnedWhole) {
  const std::string name(56, 'N');
  ASSERT_TRUE(Open(PakBytes({Entry(name, "x")}))) << error;
  EXPECT_EQ(*pak.EntryName(0), name);
}

TEST_F(TorPakTest, SecondLoadReplacesTableAndFileLoaded) {
  ASSERT_TRUE(Open(PakBytes({Entry("a", "1"), Entry("b", "2"), Entry("c", "3")}), "one.pak"));
  ASSERT_TRUE(Open(PakBytes({Entry("only", "4")}), "two.pak")) << error;
  EXPECT_EQ(pak.NumEntrys(), 0);
  EXPECT_EQ(pak.EntryName(0)->substr(0, 4), "only");
  EXPECT_FALSE(pak.EntryName(1).has_value());
  EXPECT_EQ(pak.FileLoaded(), dir / "two.pak");
}

TEST_F(TorPakTest, MagicMustBeExactlyPack) {
  ASSERT_TRUE(Open(PakBytes({Entry("kept", "1")}), "good.pak"));
  for (const std::string magic : {"PAK\0", "pack", "PACk", "KCAP"}) {
    SCOPED_TRACE(magic);
    std::vector<std::uint8_t> bytes = PakBytes({Entry("x", "1"), Entry("y", "2")});
    std::copy(magic.begin(), magic.end(), bytes.begin());
    EXPECT_FALSE(Open(bytes, "bad.pak"));
    EXPECT_NE(error.find("PACK"), std::string::npos) << error;
    // The earlier archive stays loaded.
    EXPECT_EQ(pak.NumEntrys(), 0);
    EXPECT_EQ(pak.FileLoaded(), dir / "good.pak");
  }
}

TEST_F(TorPakTest, MissingArchiveIsReportedWithItsPath) {
  EXPECT_FALSE(pak.OpenQ2Pak(dir / "absent.pak", error));
  EXPECT_NE(error.find("absent.pak"), std::string::npos) << error;
  EXPECT_EQ(pak.FileLoaded(), "");
}

// ---- Copying entries out -----------------------------------------------------

TEST_F(TorPakTest, SavedEntryHoldsExactlyItsBytes) {
  const std::string data("bin\0ary\xff", 8);
  ASSERT_TRUE(Open(PakBytes({Entry("pre", "xx"), Entry("data", data), Entry("post", "yy")})));
  ASSERT_TRUE(pak.SaveFileFromPAK(1, dir / "out", error)) << error;
  EXPECT_EQ(ReadFile(dir / "out"), data);
}

TEST_F(TorPakTest, ZeroLengthEntryGivesEmptyFile) {
  ASSERT_TRUE(Open(PakBytes({Entry("empty", "")})));
  ASSERT_TRUE(pak.SaveFileFromPAK(0, dir / "out", error)) << error;
  EXPECT_TRUE(std::filesystem::exists(dir / "out"));
  EXPECT_EQ(std::filesystem::file_size(dir / "out"), 0u);
}

TEST_F(TorPakTest, IndexOutOfRangeIsAnErrorAndWritesNothing) {
  ASSERT_TRUE(Open(PakBytes({Entry("a", "1"), Entry("b", "2")})));
  for (const std::int32_t index : {-1, 2, std::numeric_limits<std::int32_t>::max()}) {
    SCOPED_TRACE(index);
    EXPECT_FALSE(pak.EntryName(index).has_value());
    EXPECT_FALSE(pak.EntryOffset(index).has_value());
    EXPECT_FALSE(pak.EntrySize(index).has_value());
    EXPECT_FALSE(pak.SaveFileFromPAK(index, dir / "out", error));
    EXPECT_NE(error.find("out of range"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(dir / "out"));
  }
}

TEST_F(TorPakTest, TargetInMissingFolderIsReported) {
  ASSERT_TRUE(Open(PakBytes({Entry("a", "1")})));
  EXPECT_FALSE(pak.SaveFileFromPAK(0, dir / "no/such/folder/out", error));
  EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
}

TEST_F(TorPakTest, ArchiveIsReopenedForEachCopy) {
  ASSERT_TRUE(Open(PakBytes({Entry("a", "1")})));
  std::filesystem::remove(dir / "a.pak");
  EXPECT_FALSE(pak.SaveFileFromPAK(0, dir / "out", error));
  EXPECT_NE(error.find("cannot open the archive"), std::string::npos) << error;
}

// ---- The archive in memory ------------------------------------------------------

TEST_F(TorPakTest, MemoryAndFileGiveTheSameDirectoryAndEntries) {
  const std::string data("bin\0ary\xff", 8);
  const std::vector<std::uint8_t> bytes =
      PakBytes({Entry("pre", "xx"), Entry("data", data), Entry("empty", "")});
  ASSERT_TRUE(Open(bytes)) << error;
  torPAK fromMemory;
  const MemorySource memory(bytes);
  ASSERT_TRUE(fromMemory.Open(memory, error)) << error;
  EXPECT_EQ(fromMemory.FileLoaded(), "");
  ASSERT_EQ(fromMemory.NumEntrys(), pak.NumEntrys());
  std::vector<std::uint8_t> entry;
  for (std::int32_t i = 0; i <= pak.NumEntrys(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(fromMemory.EntryName(i), pak.EntryName(i));
    EXPECT_EQ(fromMemory.EntryOffset(i), pak.EntryOffset(i));
    EXPECT_EQ(fromMemory.EntrySize(i), pak.EntrySize(i));
    ASSERT_TRUE(pak.SaveFileFromPAK(i, dir / "out", error)) << error;
    ASSERT_TRUE(fromMemory.ReadEntry(i, memory, entry, error)) << error;
    EXPECT_EQ(entry, test::Bytes(ReadFile(dir / "out")));
  }
  EXPECT_FALSE(fromMemory.ReadEntry(3, memory, entry, error));
  EXPECT_NE(error.find("out of range"), std::string::npos) << error;
}

TEST_F(TorPakTest, OpeningFromMemoryForgetsTheFile) {
  ASSERT_TRUE(Open(PakBytes({Entry("a", "1")})));
  ASSERT_TRUE(pak.Open(MemorySource(PakBytes({Entry("b", "2")})), error)) << error;
  EXPECT_EQ(pak.FileLoaded(), "");
  // Nothing is copied from the earlier file under the new directory.
  EXPECT_FALSE(pak.SaveFileFromPAK(0, dir / "out", error));
  EXPECT_FALSE(std::filesystem::exists(dir / "out"));
}

// The last guard should the reader's own checks ever be wrong.
TEST(MemorySourceTest, ReadsOnlyWithinItsBytes) {
  const std::vector<std::uint8_t> bytes = test::Bytes("abcdef");
  const MemorySource source(bytes);
  std::array<char, 8> out{};
  EXPECT_TRUE(source.Read(2, 4, out.data()));
  EXPECT_EQ(std::string(out.data(), 4), "cdef");
  EXPECT_TRUE(source.Read(6, 0, out.data()));
  EXPECT_FALSE(source.Read(3, 4, out.data()));
  EXPECT_FALSE(source.Read(7, 0, out.data()));
  EXPECT_FALSE(source.Read(-1, 1, out.data()));
  EXPECT_FALSE(source.Read(1, std::numeric_limits<std::size_t>::max(), out.data()));
}

// ---- Damaged and hostile archives ------------------------------------------------

template <class Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& tested) {
  return tested.param.what;
}

struct BadDirectory {
  const char* what;
  std::int32_t offset;  // directory offset, relative to the real one when `relative`
  std::int32_t length;
  bool relative;
};

class TorPakBadDirectoryTest : public TorPakTest,
                               public ::testing::WithParamInterface<BadDirectory> {};

TEST_P(TorPakBadDirectoryTest, ArchiveIsNotLoaded) {
  std::vector<std::uint8_t> bytes = PakBytes({Entry("a", "1"), Entry("b", "2")});
  const auto real = static_cast<std::int32_t>(test::RecordAt(bytes, 0));
  const BadDirectory& bad = GetParam();
  test::SetLe32(bytes, test::kDirectoryOffsetAt, bad.relative ? real + bad.offset : bad.offset);
  test::SetLe32(bytes, test::kDirectoryLengthAt, bad.length);
  EXPECT_FALSE(Open(bytes));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(pak.NumEntrys(), -1);
  EXPECT_EQ(pak.FileLoaded(), "");
  // The same bytes in memory meet the same checks.
  error.clear();
  EXPECT_FALSE(pak.Open(MemorySource(bytes), error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(pak.NumEntrys(), -1);
}

constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinInt = std::numeric_limits<std::int32_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Hostile, TorPakBadDirectoryTest,
    ::testing::Values(BadDirectory{"negative_offset", -64, 128, false},
                      BadDirectory{"most_negative_offset", kMinInt, 128, false},
                      BadDirectory{"negative_length", 0, -64, true},
                      BadDirectory{"huge_length", 0, kMaxInt - 63, true},
                      BadDirectory{"one_record_past_the_end", 0, 192, true},
                      BadDirectory{"offset_past_the_end", 128, 128, true},
                      BadDirectory{"huge_offset", kMaxInt - 100, 64, false},
                      BadDirectory{"length_not_a_multiple_of_64", 0, 100, true}),
    CaseName<BadDirectory>);

TEST_F(TorPakTest, TruncatedHeaderIsRejected) {
  EXPECT_FALSE(Open(test::Bytes("PACK\x0c\0\0")));
  EXPECT_EQ(pak.NumEntrys(), -1);
}

struct BadExtent {
  const char* what;
  std::int32_t offset;
  std::int32_t size;
};

class TorPakBadEntryTest : public TorPakTest, public ::testing::WithParamInterface<BadExtent> {};

TEST_P(TorPakBadEntryTest, EntryIsNotWrittenButOthersAre) {
  std::vector<std::uint8_t> bytes = PakBytes({Entry("bad", "12345"), Entry("good", "ok")});
  const std::size_t record = test::RecordAt(bytes, 0);
  test::SetLe32(bytes, record + test::kRecordOffsetField, GetParam().offset);
  test::SetLe32(bytes, record + test::kRecordSizeField, GetParam().size);
  ASSERT_TRUE(Open(bytes)) << error;
  EXPECT_FALSE(pak.SaveFileFromPAK(0, dir / "bad", error));
  EXPECT_NE(error.find("outside the archive"), std::string::npos) << error;
  EXPECT_FALSE(std::filesystem::exists(dir / "bad"));
  ASSERT_TRUE(pak.SaveFileFromPAK(1, dir / "good", error)) << error;
  EXPECT_EQ(ReadFile(dir / "good"), "ok");
  const MemorySource memory(bytes);
  ASSERT_TRUE(pak.Open(memory, error)) << error;
  error.clear();
  std::vector<std::uint8_t> data;
  EXPECT_FALSE(pak.ReadEntry(0, memory, data, error));
  EXPECT_NE(error.find("outside the archive"), std::string::npos) << error;
  ASSERT_TRUE(pak.ReadEntry(1, memory, data, error)) << error;
  EXPECT_EQ(data, test::Bytes("ok"));
}

INSTANTIATE_TEST_SUITE_P(Hostile, TorPakBadEntryTest,
                         ::testing::Values(BadExtent{"negative_offset", -1, 5},
                                           BadExtent{"negative_size", 12, -5},
                                           BadExtent{"huge_size", 12, kMaxInt},
                                           BadExtent{"huge_offset", kMaxInt, 1},
                                           BadExtent{"one_byte_past_the_end", 12, 200},
                                           BadExtent{"most_negative", kMinInt, kMinInt}),
                         CaseName<BadExtent>);

}  // namespace
}  // namespace verlano
