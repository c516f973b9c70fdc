// Where each glyph of a text lands, how the clip rectangle cuts it, and what
// a font that cannot be loaded reports.
#include "render/bitmap_font.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "i18n/font_cells.h"
#include "platform/platform.h"
#include "test_pictures.h"

namespace verlano {
namespace {

using test::GlyphFont;
using test::GlyphPixel;

constexpr int kGlyphA = 33;  // column 13, row 1 of the grid
constexpr int kGlyphB = 34;

struct FontFixture : ::testing::Test {
  Screen screen = MakeScreen(800, 600);
  clsDXBitmapFont font = GlyphFont();

  std::uint16_t At(int x, int y) const { return screen.BackBuffer.At(x, y); }
  void Draw(const char* text, float x, float y) {
    font.XPos = x;
    font.YPos = y;
    font.DrawText(screen, screen.BackBuffer, text, true);
  }
  int PixelsDrawn() const {
    return static_cast<int>(std::count_if(screen.BackBuffer.Pixels.begin(),
                                          screen.BackBuffer.Pixels.end(),
                                          [](std::uint16_t p) { return p != 0; }));
  }
};

TEST_F(FontFixture, CharactersAdvanceByTwoLessThanTheCellAndOverlap) {
  Draw("AB", 100, 50);
  EXPECT_EQ(At(100, 50), GlyphPixel(kGlyphA, 0, 0));
  EXPECT_EQ(At(116, 76), GlyphPixel(kGlyphA, 16, 26));
  // B starts at 117 and covers the last two columns of A.
  EXPECT_EQ(At(117, 50), GlyphPixel(kGlyphB, 0, 0));
  EXPECT_EQ(At(135, 60), GlyphPixel(kGlyphB, 18, 10));
  EXPECT_EQ(At(136, 60), 0);
  EXPECT_EQ(At(99, 50), 0);
  EXPECT_EQ(At(100, 77), 0);
}

TEST_F(FontFixture, PositionsRoundToNearestWithTiesToEven) {
  Draw("A", 100.5f, 20.5f);  // 100, 20
  EXPECT_EQ(At(100, 20), GlyphPixel(kGlyphA, 0, 0));
  screen = MakeScreen(800, 600);
  Draw("A", 101.5f, 21.5f);  // 102, 22
  EXPECT_EQ(At(101, 22), 0);
  EXPECT_EQ(At(102, 22), GlyphPixel(kGlyphA, 0, 0));
}

TEST_F(FontFixture, BlankIsCellZeroAndEmptyOrControlTextDrawsNothing) {
  Draw("", 10, 10);
  Draw("\t\n", 10, 10);
  EXPECT_EQ(PixelsDrawn(), 0);
  Draw(" ", 10, 10);
  EXPECT_EQ(At(10, 10), GlyphPixel(0, 0, 0));
}

TEST_F(FontFixture, AccentedLettersTakeTheirOwnCellOneAdvanceEach) {
  // UTF-8 from the catalogue: "è" is two bytes but one character, drawn from
  // its cell after "~"; a broken sequence takes a cell's room and draws nothing.
  font = GlyphFont(test::kCellWidth, test::kCellHeight, 6);
  const int e = FontCell(U'\u00E8');
  ASSERT_GE(e, 95);
  Draw("\xC3\xA8" "A", 100, 50);
  EXPECT_EQ(At(100, 50), GlyphPixel(e, 0, 0));
  EXPECT_EQ(At(117, 50), GlyphPixel(kGlyphA, 0, 0));
  EXPECT_EQ(At(134, 60), GlyphPixel(kGlyphA, 17, 10));
  EXPECT_EQ(At(136, 60), 0);
  screen = MakeScreen(800, 600);
  Draw("\xC3" "A", 100, 50);
  EXPECT_EQ(At(100, 50), 0);
  EXPECT_EQ(At(117, 50), GlyphPixel(kGlyphA, 0, 0));
  EXPECT_EQ(font.TextWidth("pi\xC3\xB9"), font.TextWidth("piu"));
  EXPECT_EQ(TextCells("\xC3\xA8\xE2\x82\xAC\xFF"), 3);  // a two-byte, a three-byte, a stray byte
  EXPECT_EQ(TextCells("\xC0\xAF"), 2);                // an overlong "/" is no "/"
}

TEST_F(FontFixture, TransparentTextKeepsWhatLiesUnderTheKeyColour) {
  font.dds.Pixels[static_cast<std::size_t>(test::kCellHeight) * font.dds.Width +
                  13 * test::kCellWidth] = kMagenta565;  // A's top-left pixel
  font.SetTransColor(2);
  screen.BackBuffer.Pixels[static_cast<std::size_t>(50) * 800 + 100] = 0x1234;
  Draw("A", 100, 50);
  EXPECT_EQ(At(100, 50), 0x1234);
  EXPECT_EQ(At(101, 50), GlyphPixel(kGlyphA, 1, 0));
  font.DrawText(screen, screen.BackBuffer, "A", false);
  EXPECT_EQ(At(100, 50), kMagenta565);
}

TEST_F(FontFixture, ClipRectangleCutsTheCellAndMovesItToTheEdge) {
  struct Case {
    float x, y;          // where "A" is drawn
    int firstX, firstY;  // its top-left pixel after clipping ...
    int cellX, cellY;    // ... and which pixel of the cell lands there
    int drawn;
  };
  const Case cases[] = {
      {190, 90, 190, 90, 0, 0, 10 * 10},  // cut at the right and bottom edges
      {5, 12, 10, 20, 5, 8, 14 * 19},     // cut at the left and top, moved to them
  };
  for (const Case& c : cases) {
    screen = MakeScreen(800, 600);
    screen.ClipLeft = 10, screen.ClipTop = 20, screen.ClipRight = 200, screen.ClipBottom = 100;
    Draw("A", c.x, c.y);
    EXPECT_EQ(At(c.firstX, c.firstY), GlyphPixel(kGlyphA, c.cellX, c.cellY)) << c.x;
    EXPECT_EQ(PixelsDrawn(), c.drawn) << c.x;
  }
}

TEST_F(FontFixture, GlyphsFromTheRightClipEdgeOnDrawNothing) {
  Draw("AB", 800, 300);
  Draw("AB", 300, 600);
  EXPECT_EQ(PixelsDrawn(), 0);
  // Also against a clip rectangle inside the screen, where the picture's own
  // edges would not stop the copy.
  screen.ClipRight = 200, screen.ClipBottom = 100;
  Draw("AB", 200, 50);
  Draw("AB", 50, 100);
  EXPECT_EQ(PixelsDrawn(), 0);
  SetClipToScreen(screen);
  // From 790: A is cut to 10 columns, B would start at 807 and is left out.
  Draw("AB", 790, 300);
  EXPECT_EQ(At(799, 300), GlyphPixel(kGlyphA, 9, 0));
  EXPECT_EQ(PixelsDrawn(), 10 * 27);
}

// A platform whose every picture is missing; nothing else is called.
class NoPictures final : public Platform {
 public:
  bool DirectX(bool, bool, std::string&) override { return false; }
  bool CreateSurfaceFromFile(Surface&, const std::string&, bool, std::string& error,
                             int& errorNumber) override {
    error = "cannot read the picture";
    errorNumber = ENOENT;
    return false;
  }
  void FlipScreen(const Surface&) override {}
  bool DisplayAvailable() override { return false; }
  void ShowSystemCursor(bool) override {}
  bool GiveMeInput(std::string&) override { return false; }
  bool KeyBoard(std::string&) override { return false; }
  bool Mouse(std::string&) override { return false; }
  void PollKeyboard() override {}
  void PollMouse() override {}
  bool KeyDown(int) const override { return false; }
  bool KeyPressed(int) const override { return false; }
  bool MouseButton(int) const override { return false; }
  int MouseX() const override { return 0; }
  int MouseY() const override { return 0; }
  bool CloseRequested() const override { return false; }
  void InitSound() override {}
  SoundId LoadSound(const std::string&, std::string&) override { return 0; }
  void PlaySound(SoundId) override {}
  void ReleaseSound(SoundId) override {}
  std::uint64_t TickCount() override { return 0; }
  TimeOfDay Now() override { return {}; }
  void PaceFrame() override {}
  void Warn(const std::string&) override {}
  void ShutDown(const std::string&) override {}
};

TEST(FontLoading, FailureIsReportedUnderTheFontsOwnRoutineName) {
  NoPictures platform;
  clsDXBitmapFont font = GlyphFont();
  std::string error;
  EXPECT_FALSE(
      font.CreateSpriteFromFile(platform, "/nonexistent/fntDigit.bmp", 19, 27, 20, false, error));
  EXPECT_EQ(error,
            "Error in function clsDXBitmapFont.CreateSpriteFromFile() \nError Number: 53\n"
            "cannot read the picture");
  EXPECT_FALSE(font.dds.Pixels.empty());  // the old picture is not half replaced

  error.clear();
  EXPECT_FALSE(font.CreateSpriteFromFile(platform, "x.bmp", 19, 27, 0, false, error));
  EXPECT_NE(error.find("Error Number: 5\n"), std::string::npos);
}

}  // namespace
}  // namespace verlano
