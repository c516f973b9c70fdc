#include "pages.h"

#include <gtest/gtest.h>

#include "mkres/bmp_view.h"

namespace verlano::mkres {
namespace {

using testing::BmpView;

std::uint32_t Argb(const Surface& s, int x, int y) {
  cairo_surface_flush(s.get());
  const unsigned char* row =
      cairo_image_surface_get_data(s.get()) + y * cairo_image_surface_get_stride(s.get());
  return reinterpret_cast<const std::uint32_t*>(row)[x];
}

int Green(const Surface& s, int x, int y) {
  return (Argb(s, x, y) >> 8) & 0xFF;
}

TEST(TableBackground, IsOpaqueScreenSizedAndLitFromTheMiddle) {
  const Surface table = DrawTableBackground();
  ASSERT_EQ(cairo_image_surface_get_width(table.get()), 800);
  ASSERT_EQ(cairo_image_surface_get_height(table.get()), 600);
  // The background is drawn without a colour key: any transparency would
  // show as garbage.
  int translucent = 0;
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x) translucent += (Argb(table, x, y) >> 24) != 0xFF ? 1 : 0;
  EXPECT_EQ(translucent, 0);
  for (auto [x, y] : {std::pair{2, 2}, {797, 2}, {2, 597}, {797, 597}}) {
    EXPECT_GT(Green(table, 400, 280), Green(table, x, y) + 30) << x << "," << y;
  }
}

TEST(ScorePage, FitsOnScreenAtItsCorner) {
  const BmpView page(EncodeBmp24(DrawScorePage()));
  EXPECT_LE(kScorePageX + page.Width(), 800);
  EXPECT_LE(kScorePageY + page.Height(), 600);
  // The rows of text the game writes reach x 519 and y 496.
  EXPECT_GE(kScorePageX + page.Width(), 560);
  EXPECT_GE(kScorePageY + page.Height(), 500);
}

TEST(ScorePage, BindingStripIsSolidTheWholeHeight) {
  // During play only the left 20 columns show, at the table's right edge: a
  // hole in them would let the table show through as a notch.
  const BmpView page(EncodeBmp24(DrawScorePage()));
  EXPECT_EQ(page.CountOpaque(0, 0, kBindingWidth, page.Height()), kBindingWidth * page.Height());
}

TEST(ScorePage, PaperIsRoundedOnItsFreeSide) {
  const BmpView page(EncodeBmp24(DrawScorePage()));
  EXPECT_FALSE(page.Opaque(page.Width() - 1, 0));
  EXPECT_FALSE(page.Opaque(page.Width() - 1, page.Height() - 1));
  EXPECT_TRUE(page.Opaque(page.Width() / 2, page.Height() / 2));
}

// Every step along a pen line has ink across it: no gaps in the stroke.
int ColumnsWithoutInk(const BmpView& line, bool horizontal) {
  const int length = horizontal ? line.Width() : line.Height();
  int gaps = 0;
  for (int i = 3; i < length - 3; ++i) {
    const int ink = horizontal ? line.CountOpaque(i, 0, i + 1, line.Height())
                               : line.CountOpaque(0, i, line.Width(), i + 1);
    gaps += ink == 0 ? 1 : 0;
  }
  return gaps;
}

TEST(PenLines, HorizontalSpansTheColumnsWithoutGaps) {
  const BmpView line(EncodeBmp24(DrawPenLine(LineDirection::Horizontal)));
  EXPECT_EQ(line.Width(), kHorizontalLineLength);
  EXPECT_EQ(line.Height(), kPenLineThickness);
  // Drawn from x 223, it must stay on the sheet.
  EXPECT_LE(223 + line.Width(), kScorePageX + kScorePageWidth);
  EXPECT_EQ(ColumnsWithoutInk(line, true), 0);
  EXPECT_LT(line.CountOpaque(0, 0, line.Width(), line.Height()), line.Width() * line.Height() / 2);
}

TEST(PenLines, VerticalRunsFromTheHeadingPastTheTotalsRow) {
  const BmpView line(EncodeBmp24(DrawPenLine(LineDirection::Vertical)));
  EXPECT_EQ(line.Width(), kPenLineThickness);
  EXPECT_EQ(line.Height(), kVerticalLineLength);
  // Drawn from y 64; the totals row is written at y 438.
  EXPECT_GE(64 + line.Height(), 438 + 20);
  EXPECT_LE(64 + line.Height(), kScorePageY + kScorePageHeight);
  EXPECT_EQ(ColumnsWithoutInk(line, false), 0);
}

TEST(Cursor, IsCentredOnItsHotSpot) {
  const BmpView cursor(EncodeBmp24(DrawCursor()));
  ASSERT_EQ(cursor.Width(), 32);
  ASSERT_EQ(cursor.Height(), 32);
  EXPECT_TRUE(cursor.Opaque(kCursorHotSpot, kCursorHotSpot));
  EXPECT_FALSE(cursor.Opaque(0, 0));
  EXPECT_FALSE(cursor.Opaque(31, 31));
  // The game draws it at the mouse minus (16, 16): its ink must balance
  // around that point, or clicks land beside where the pointer seems to aim.
  const int c = kCursorHotSpot;
  const int quadrants[] = {cursor.CountOpaque(0, 0, c, c), cursor.CountOpaque(c + 1, 0, 32, c),
                           cursor.CountOpaque(0, c + 1, c, 32),
                           cursor.CountOpaque(c + 1, c + 1, 32, 32)};
  for (int q : quadrants) {
    EXPECT_GT(q, 20);
    EXPECT_NEAR(q, quadrants[0], quadrants[0] / 5);
  }
}

}  // namespace
}  // namespace verlano::mkres
