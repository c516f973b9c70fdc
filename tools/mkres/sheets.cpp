#include "sheets.h"

#include <algorithm>
#include <filesystem>

#include "archive.h"
#include "fonts.h"
#include "pages.h"
#include "text.h"

namespace verlano::mkres {

namespace {

// The picture as the game's colour key leaves it: each pixel either fully
// there or gone, the same cut the BMP encoding makes.
Surface AsGameSees(const Surface& source) {
  cairo_surface_t* s = source.get();
  cairo_surface_flush(s);
  const int width = cairo_image_surface_get_width(s);
  const int height = cairo_image_surface_get_height(s);
  Surface out = NewSurface(width, height);
  const unsigned char* from = cairo_image_surface_get_data(s);
  unsigned char* to = cairo_image_surface_get_data(out.get());
  const int fromStride = cairo_image_surface_get_stride(s);
  const int toStride = cairo_image_surface_get_stride(out.get());
  for (int y = 0; y < height; ++y) {
    const auto* in = reinterpret_cast<const std::uint32_t*>(from + y * fromStride);
    auto* dst = reinterpret_cast<std::uint32_t*>(to + y * toStride);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t a = in[x] >> 24;
      if (a < 128) continue;
      std::uint32_t pixel = 0xFF000000u;
      for (int shift = 16; shift >= 0; shift -= 8) {
        pixel |= std::min<std::uint32_t>(255, (((in[x] >> shift) & 0xFF) * 255 + a / 2) / a)
                 << shift;
      }
      dst[x] = pixel;
    }
  }
  cairo_surface_mark_dirty(out.get());
  return out;
}

void Blit(cairo_t* cr, const Surface& picture, double x, double y, double zoom = 1.0) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, zoom, zoom);
  cairo_set_source_surface(cr, picture.get(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
  cairo_restore(cr);
}

// Text the way the game's bitmap font draws it: one cell per character, the
// cell's width less 2 apart.
void FontText(cairo_t* cr, const Surface& font, int x, int y, const std::string& text,
              const FontStyle& style = DeluxeFontStyle()) {
  const int w = style.cellWidth, h = style.cellHeight;
  int left = x - (w - 2);
  for (const char32_t c : Utf8Characters(text)) {
    left += w - 2;
    const int g = FontCell(c);
    if (g < 0) continue;
    const int cellX = (g % kFontColumns) * w;
    const int cellY = (g / kFontColumns) * h;
    cairo_save(cr);
    cairo_rectangle(cr, left, y, w, h);
    cairo_clip(cr);
    cairo_set_source_surface(cr, font.get(), left - cellX, y - cellY);
    cairo_paint(cr);
    cairo_restore(cr);
  }
}

void Label(cairo_t* cr, double x, double y, const std::string& text, double size = 12) {
  Layout layout = LayoutText(cr, text, "DejaVu Sans", size);
  cairo_move_to(cr, x, y);
  cairo_set_source_rgb(cr, 0.95, 0.95, 0.9);
  pango_cairo_show_layout(cr, layout.get());
}

void Fill(cairo_t* cr, double r, double g, double b) {
  cairo_set_source_rgb(cr, r, g, b);
  cairo_paint(cr);
}

Surface DeckSheet(DeckStyle style) {
  const std::vector<NamedPicture> cards = DrawDeck(style);
  const int perRow = 10;
  const int cellW = 112, cellH = 178;
  const int rows = (static_cast<int>(cards.size()) + perRow - 1) / perRow;
  Surface sheet = NewSurface(perRow * cellW + 8, rows * cellH + 8);
  Context cr = NewContext(sheet);
  Fill(cr.get(), 0.13, 0.40, 0.20);
  for (std::size_t i = 0; i < cards.size(); ++i) {
    const int x = 8 + static_cast<int>(i % perRow) * cellW;
    const int y = 8 + static_cast<int>(i / perRow) * cellH;
    Blit(cr.get(), AsGameSees(cards[i].picture), x, y);
    Label(cr.get(), x, y + 156, cards[i].fileName, 10);
  }
  return sheet;
}

// Each font's grid at double size over the ground it is used on, with a
// sample line drawn cell by cell at the game's advance.
Surface FontSheet(const std::vector<NamedPicture>& fonts) {
  const int gridW = kFontColumns * kGlyphWidth * 2, gridH = kFontRows * kGlyphHeight * 2;
  const int bandH = gridH + 90;
  Surface sheet = NewSurface(gridW + 40, static_cast<int>(fonts.size()) * bandH + 20);
  Context cr = NewContext(sheet);
  Fill(cr.get(), 0.25, 0.25, 0.27);
  const char* samples[] = {"Cards: 24   16 We Won! Kevro: \u00e8", "09:05 PM  12:47 am",
                           "Verlano 1-2-3! Pi\u00f9 \u00c8 gi\u00e0",
                           "Partner (Classic)  THEY  Kevro  \u00e8 pi\u00f9 \u00c8"};
  for (std::size_t i = 0; i < fonts.size(); ++i) {
    const FontStyle& style = *FontStyles().at(i);
    const int cellW = style.cellWidth * 2, cellH = style.cellHeight * 2;
    const int top = 10 + static_cast<int>(i) * bandH;
    const bool onPaper = i == 0;  // the handwriting lives on the score sheet
    cairo_rectangle(cr.get(), 20, top + 20, gridW, gridH + 60);
    if (onPaper) {
      cairo_set_source_rgb(cr.get(), 0.97, 0.94, 0.84);
    } else {
      cairo_set_source_rgb(cr.get(), 0.13, 0.42, 0.21);
    }
    cairo_fill(cr.get());
    Label(cr.get(), 20, top, fonts[i].fileName);
    const Surface glyphs = AsGameSees(fonts[i].picture);
    // Faint cell borders show how each glyph sits in its cell.
    cairo_set_line_width(cr.get(), 1);
    cairo_set_source_rgba(cr.get(), 0.5, 0.5, 0.5, 0.5);
    for (int c = 0; c <= kFontColumns; ++c) {
      cairo_move_to(cr.get(), 20 + c * cellW + 0.5, top + 20);
      cairo_rel_line_to(cr.get(), 0, kFontRows * cellH);
    }
    for (int r = 0; r <= kFontRows; ++r) {
      cairo_move_to(cr.get(), 20, top + 20 + r * cellH + 0.5);
      cairo_rel_line_to(cr.get(), kFontColumns * cellW, 0);
    }
    cairo_stroke(cr.get());
    Blit(cr.get(), glyphs, 20, top + 20, 2.0);
    FontText(cr.get(), glyphs, 30, top + 30 + gridH, samples[i], style);
  }
  return sheet;
}

// During play: the felt, the sheet's binding strip at the right edge, the
// clock and the cursor.
Surface TableSheet(const NamedPicture& digitFont) {
  Surface sheet = DrawTableBackground();
  Context cr = NewContext(sheet);
  cairo_rectangle(cr.get(), 0, 0, kScreenWidth, kScreenHeight);
  cairo_clip(cr.get());
  Blit(cr.get(), AsGameSees(DrawScorePage()), kScoreStripX, kScoreStripY);
  FontText(cr.get(), AsGameSees(digitFont.picture), 700, 572, "09:05 PM");
  Blit(cr.get(), AsGameSees(DrawCursor()), 400 - kCursorHotSpot, 300 - kCursorHotSpot);
  return sheet;
}

// The end-of-hand page at its screen place, with its lines and sample rows.
Surface ScorePageSheet(const NamedPicture& handFont, const NamedPicture& digitFont) {
  Surface sheet = DrawTableBackground();
  Context cr = NewContext(sheet);
  Blit(cr.get(), AsGameSees(DrawScorePage()), kScorePageX, kScorePageY);
  const Surface horizontal = AsGameSees(DrawPenLine(LineDirection::Horizontal));
  Blit(cr.get(), horizontal, 223, 117);
  Blit(cr.get(), AsGameSees(DrawPenLine(LineDirection::Vertical)), 366, 64);
  Blit(cr.get(), horizontal, 223, 430);
  Blit(cr.get(), horizontal, 223, 273);
  const Surface hand = AsGameSees(handFont.picture);
  const char* rows[] = {"  We  )    They   ", "Cards:24   16", "Coins: 6    4",
                        "7coin: 1    0",      "Prime:78   65", "Kevro: 2    1"};
  for (int r = 0; r < 6; ++r) FontText(cr.get(), hand, 213, 94 + 31 * r, rows[r]);
  FontText(cr.get(), hand, 233, 280, "      5    2");
  FontText(cr.get(), hand, 233, 438, "      5    2");
  FontText(cr.get(), hand, 213, 469, "We Won!");
  FontText(cr.get(), AsGameSees(digitFont.picture), 700, 572, "09:05 PM");
  return sheet;
}

Surface CursorAndLinesSheet() {
  Surface sheet = NewSurface(520, 460);
  Context cr = NewContext(sheet);
  Fill(cr.get(), 0.13, 0.42, 0.21);
  cairo_rectangle(cr.get(), 150, 0, 370, 460);
  cairo_set_source_rgb(cr.get(), 0.97, 0.94, 0.84);
  cairo_fill(cr.get());
  const Surface cursor = AsGameSees(DrawCursor());
  Blit(cr.get(), cursor, 10, 10, 4.0);
  Blit(cr.get(), cursor, 10, 150, 1.0);
  Blit(cr.get(), cursor, 200, 150, 1.0);
  Blit(cr.get(), AsGameSees(DrawPenLine(LineDirection::Horizontal)), 165, 30);
  Blit(cr.get(), AsGameSees(DrawPenLine(LineDirection::Vertical)), 480, 40);
  return sheet;
}

}  // namespace

void WriteContactSheets(const std::string& directory) {
  const std::filesystem::path dir(directory);
  MakeFolders(dir);
  SavePng(DeckSheet(DeckStyle::Trevigiano), dir / "deck_trevigiano.png");
  SavePng(DeckSheet(DeckStyle::Royal), dir / "deck_royal.png");
  SavePng(DeckSheet(DeckStyle::Trent), dir / "deck_trent.png");
  const std::vector<NamedPicture> fonts = DrawFontPictures();
  SavePng(FontSheet(fonts), dir / "fonts.png");
  SavePng(TableSheet(fonts[1]), dir / "table.png");
  SavePng(ScorePageSheet(fonts[0], fonts[1]), dir / "scorepage.png");
  SavePng(CursorAndLinesSheet(), dir / "cursor_lines.png");
}

}  // namespace verlano::mkres
