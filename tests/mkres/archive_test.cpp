#include "archive.h"

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <set>

#include "common/scratch_files.h"
#include "mkres/bmp_view.h"
#include "rules/cards.h"

namespace verlano::mkres {
namespace {

using testing::BmpView;

// Every file the game loads, by the folder prefix it is unpacked under.
std::set<std::string> FilesTheGameLoads() {
  std::set<std::string> names = {"Bitmaps_Back_800x600.jpg", "Bitmaps_Scorepage_800x600.bmp",
                                 "Bitmaps_line_horz.bmp",    "Bitmaps_line_vert.bmp",
                                 "Bitmaps_mouse.bmp",        "fntFonts_fntHandParker.bmp",
                                 "fntFonts_fntDigit.bmp",    "fntFonts_fntDeluxe.bmp",
                                 "fntFonts_fntSmall.bmp",
                                 "Sounds_CARD_FLIP.WAV",     "Sounds_CARD_FLIP2.WAV",
                                 "Sounds_CARD_FLIP3.WAV",    "Sounds_SIGN1.WAV",
                                 "Sounds_SIGN2.WAV",         "Sounds_SIGN3.WAV",
                                 "Sounds_SHUFFLE.WAV",       "Sounds_INTRO.WAV",
                                 "Sounds_LOSE_GAME.WAV",     "Sounds_WIN_GAME.WAV"};
  CardTables cards;
  BuildCardNames(cards);
  for (const char* deck : {"Trevigiano_", "Royal_", "Trent_"}) {
    names.insert(std::string(deck) + "S_cardback.bmp");
    names.insert(std::string(deck) + "FrameBlue.bmp");
    for (int card = 0; card < kCardIndexCount; ++card) {
      if (InPlay(cards, card)) names.insert(deck + cards.CardFileName[card]);
    }
  }
  return names;
}

bool IsPlaceholder(const PakEntry& e) {
  return e.name.rfind("dumm", 0) == 0;
}

class Archive : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    entries_ = new std::vector<PakEntry>(JoinParts(BuildArchiveParts()));
  }
  static void TearDownTestSuite() { delete entries_; }
  static const std::vector<PakEntry>& Entries() { return *entries_; }
  static const PakEntry& Entry(const std::string& name) {
    for (const PakEntry& e : Entries()) {
      if (e.name == name) return e;
    }
    throw std::out_of_range(name);
  }

 private:
  static inline std::vector<PakEntry>* entries_ = nullptr;
};

TEST_F(Archive, HoldsExactlyTheFilesTheGameLoads) {
  std::set<std::string> names;
  for (const PakEntry& e : Entries()) {
    if (!IsPlaceholder(e)) names.insert(e.name);
  }
  EXPECT_EQ(names, FilesTheGameLoads());
  EXPECT_EQ(FilesTheGameLoads().size(), 9u + 10u + 3u * 42u);
}

TEST_F(Archive, HasOnePlaceholderEntry) {
  EXPECT_EQ(std::count_if(Entries().begin(), Entries().end(), IsPlaceholder), 1);
}

TEST_F(Archive, NamesAreUniqueAndFitTheDirectoryRecord) {
  std::set<std::string> seen;
  for (const PakEntry& e : Entries()) {
    EXPECT_LE(e.name.size(), 56u) << e.name;
    EXPECT_TRUE(seen.insert(e.name).second) << e.name << " appears twice";
    EXPECT_FALSE(e.data.empty()) << e.name;
  }
}

TEST_F(Archive, CardPicturesHaveTheDeckSizes) {
  CardTables cards;
  BuildCardNames(cards);
  const std::pair<const char*, int> decks[] = {
      {"Trevigiano_", 92}, {"Royal_", 100}, {"Trent_", 100}};
  for (const auto& [prefix, width] : decks) {
    for (const char* file : {"S_cardback.bmp", "FrameBlue.bmp", "AC.BMP", "7D.BMP", "KS.BMP"}) {
      const BmpView bmp(Entry(std::string(prefix) + file).data);
      ASSERT_TRUE(bmp.IsBmp()) << prefix << file;
      EXPECT_EQ(bmp.Width(), width) << prefix << file;
      EXPECT_EQ(bmp.Height(), 153) << prefix << file;
    }
  }
}

TEST_F(Archive, PicturesUseTheMagentaKeyedBmpFormat) {
  for (const PakEntry& e : Entries()) {
    if (e.name.ends_with(".bmp") || e.name.ends_with(".BMP")) {
      const BmpView bmp(e.data);
      ASSERT_TRUE(bmp.IsBmp()) << e.name;
      EXPECT_EQ(bmp.BitsPerPixel(), 24) << e.name;
    }
  }
  // The cursor's corners are the transparent colour, exactly.
  const BmpView cursor(Entry("Bitmaps_mouse.bmp").data);
  EXPECT_EQ(cursor.Rgb(0, 0), 0xFF00FFu);
}

TEST_F(Archive, BackgroundJpegDecodesToTheScreenSize) {
  // The unpacker turns this JPEG into the BMP the game loads, with SDL_image.
  const std::vector<std::uint8_t>& jpeg = Entry("Bitmaps_Back_800x600.jpg").data;
  SDL_Surface* picture =
      IMG_Load_RW(SDL_RWFromConstMem(jpeg.data(), static_cast<int>(jpeg.size())), 1);
  ASSERT_NE(picture, nullptr) << IMG_GetError();
  EXPECT_EQ(picture->w, 800);
  EXPECT_EQ(picture->h, 600);
  SDL_FreeSurface(picture);
  IMG_Quit();
}

TEST_F(Archive, TwoBuildsGiveTheSameBytes) {
  std::vector<std::uint8_t> first, second;
  ASSERT_FALSE(BuildPak(Entries(), first));
  ASSERT_FALSE(BuildPak(JoinParts(BuildArchiveParts()), second));
  EXPECT_TRUE(first == second);
}

TEST(DeckPrefix, NamesEachDeckFolder) {
  EXPECT_EQ(DeckPrefix(DeckStyle::Trevigiano), "Trevigiano_");
  EXPECT_EQ(DeckPrefix(DeckStyle::Royal), "Royal_");
  EXPECT_EQ(DeckPrefix(DeckStyle::Trent), "Trent_");
}

class ArchiveFile : public ::testing::Test {
 protected:
  const test::TempDir scratch_;
  const std::filesystem::path& dir_ = scratch_.path();
  const std::vector<PakEntry> entries_ = {{"Sounds_A.WAV", {1, 2, 3}}, {"dummy", {0}}};
};

TEST_F(ArchiveFile, IsWrittenWholeAndLeavesNoTemporaryFile) {
  const std::string path = (dir_ / "res077.pak").string();
  WriteArchiveFile(path, entries_);
  const std::string written = test::ReadFile(path);
  std::vector<std::uint8_t> expected;
  ASSERT_FALSE(BuildPak(entries_, expected));
  EXPECT_EQ(written, std::string(expected.begin(), expected.end()));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
}

TEST_F(ArchiveFile, FailureKeepsTheOldArchiveAndLeavesNothingBehind) {
  const std::string path = (dir_ / "res077.pak").string();
  WriteArchiveFile(path, entries_);
  const auto before = std::filesystem::file_size(path);
  const std::vector<PakEntry> bad = {{std::string(57, 'x'), {1}}};  // name too long
  EXPECT_THROW(WriteArchiveFile(path, bad), std::runtime_error);
  EXPECT_EQ(std::filesystem::file_size(path), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
}

TEST_F(ArchiveFile, MissingFolderIsReported) {
  EXPECT_THROW(WriteArchiveFile((dir_ / "no" / "res077.pak").string(), entries_),
               std::runtime_error);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "no"));
}

}  // namespace
}  // namespace verlano::mkres
