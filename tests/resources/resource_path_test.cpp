#include "resources/resource_path.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "pak_fixtures.h"

namespace verlano {
namespace {

namespace fs = std::filesystem;

class ResolveResourcePathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir.path() / "res/Bitmaps");
    fs::create_directories(dir.path() / "res/Sounds");
    test::WriteFile(dir / "res/Bitmaps/Back_800x600.bmp", test::Bytes("b"));
    test::WriteFile(dir / "res/Sounds/CARD_FLIP.WAV", test::Bytes("s"));
  }
  std::string Root() const { return dir.path().string() + "/"; }

  test::TempDir dir;
};

TEST_F(ResolveResourcePathTest, GamePathsFindFilesWhoseCaseDiffers) {
  EXPECT_EQ(ResolveResourcePath(Root(), "res\\bitmaps\\Back_800x600.bmp"),
            dir / "res/Bitmaps/Back_800x600.bmp");
  EXPECT_EQ(ResolveResourcePath(Root(), "RES\\sounds\\card_flip.wav"),
            dir / "res/Sounds/CARD_FLIP.WAV");
  EXPECT_EQ(ResolveResourcePath(Root(), "res/Sounds/CARD_FLIP.WAV"),
            dir / "res/Sounds/CARD_FLIP.WAV");
}

TEST_F(ResolveResourcePathTest, ExactMatchWinsOverAnotherCase) {
  test::WriteFile(dir / "res/Bitmaps/back_800x600.bmp", test::Bytes("lower"));
  EXPECT_EQ(ResolveResourcePath(Root(), "res\\Bitmaps\\back_800x600.bmp"),
            dir / "res/Bitmaps/back_800x600.bmp");
}

TEST_F(ResolveResourcePathTest, MissingFileKeepsTheRestAsWrittenWithSlashes) {
  EXPECT_EQ(ResolveResourcePath(Root(), "res\\bitmaps\\none\\X.bmp"),
            dir / "res/Bitmaps/none/X.bmp");
}

}  // namespace
}  // namespace verlano
