#include "fonts.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "text.h"

namespace verlano::mkres {

namespace {

// Half a pixel of slack for anti-aliased edges that pass the ink box.
constexpr double kInset = kGlyphMargin + 0.5;
constexpr double kProbeSize = 100.0;  // metrics measured once here, then scaled

struct GlyphBox {
  double left, width;   // ink, from the layout's left edge
  double above, below;  // ink above and below the baseline
};

GlyphBox Measure(const Layout& layout) {
  PangoRectangle ink;
  pango_layout_get_extents(layout.get(), &ink, nullptr);
  const double baseline =
      static_cast<double>(pango_layout_get_baseline(layout.get())) / PANGO_SCALE;
  const double top = static_cast<double>(ink.y) / PANGO_SCALE;
  const double height = static_cast<double>(ink.height) / PANGO_SCALE;
  return {static_cast<double>(ink.x) / PANGO_SCALE, static_cast<double>(ink.width) / PANGO_SCALE,
          baseline - top, top + height - baseline};
}

// A face "has" a character when it maps it to a glyph that leaves ink; some
// faces map punctuation to an empty glyph, which would draw nothing.
bool HasGlyph(cairo_t* cr, const std::string& face, char32_t c) {
  Layout layout = LayoutText(cr, Utf8Of(c), face, kProbeSize);
  if (pango_layout_get_unknown_glyphs_count(layout.get()) != 0) return false;
  return c == U' ' || Measure(layout).width > 0;
}

// The pen's scratch pad: layouts need a context even when nothing is drawn.
struct Scratch {
  Surface surface = NewSurface(1, 1);
  Context cr = NewContext(surface);
};

// Size and baseline shared by all glyphs one face draws in a font.
struct FaceFit {
  double size = 0;
  double baseline = 0;  // from the top of the cell
};

double UsableWidth(const FontStyle& style) {
  return style.cellWidth - 2 * kInset;
}

double UsableHeight(const FontStyle& style) {
  return style.cellHeight - 2 * kInset;
}

// Fitted to the face's plain characters: an accented capital, taller than
// any of them, is pressed into the cell on its own (DrawGlyph) rather than
// shrinking every letter of the font.
FaceFit FitFace(cairo_t* cr, const FontStyle& style, const std::string& face,
                const std::u32string& chars) {
  std::u32string plain;
  for (const char32_t c : chars) {
    if (c <= kLastAsciiCode) plain += c;
  }
  const double outline = style.outlineWidth;
  double widest = 0, above = 0, below = 0;
  for (const char32_t c : plain.empty() ? chars : plain) {
    const GlyphBox box = Measure(LayoutText(cr, Utf8Of(c), face, kProbeSize));
    if (box.width <= 0) continue;
    widest = std::max(widest, box.width);
    above = std::max(above, box.above);
    below = std::max(below, box.below);
  }
  if (widest <= 0) throw std::runtime_error("face \"" + face + "\" draws no visible glyph");
  // Scale from the probe size so the tallest pair of extremes and the widest
  // (condensed) glyph both fit, outline included.
  const double byHeight = (UsableHeight(style) - 2 * outline) / (above + below);
  const double byWidth = (UsableWidth(style) / style.squeezeLimit - 2 * outline) / widest;
  const double scale = std::min(byHeight, byWidth);
  const double used = scale * (above + below) + 2 * outline;
  return {kProbeSize * scale, kInset + outline + scale * above + (UsableHeight(style) - used) / 2};
}

void DrawGlyph(cairo_t* cr, const FontStyle& style, const FaceFit& fit, char32_t c, int cellX,
               int cellY) {
  const std::string& face = FaceForCharacter(style, c);
  Layout layout = LayoutText(cr, Utf8Of(c), face, fit.size);
  if (pango_layout_get_unknown_glyphs_count(layout.get()) != 0) {
    throw std::runtime_error("no face of " + style.fileName + " has the character '" + Utf8Of(c) +
                             "'");
  }
  const GlyphBox box = Measure(layout);
  const double fullWidth = box.width + 2 * style.outlineWidth;
  const double usable = UsableWidth(style);
  const double squeeze = fullWidth > usable ? usable / fullWidth : 1.0;
  // Ink rising past the cell's top (an accent over a capital) is pressed
  // down towards the baseline, the letter's foot staying on the line.
  const double room = fit.baseline - kInset - style.outlineWidth;
  const double press = box.above > room ? room / box.above : 1.0;
  const double baseline =
      static_cast<double>(pango_layout_get_baseline(layout.get())) / PANGO_SCALE;
  cairo_save(cr);
  cairo_translate(cr, cellX + style.cellWidth / 2.0, cellY + fit.baseline);
  cairo_scale(cr, squeeze, press);
  cairo_move_to(cr, -(box.left + box.width / 2), -baseline);
  pango_cairo_layout_path(cr, layout.get());
  if (style.outlineWidth > 0) {
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 2 * style.outlineWidth);
    cairo_set_source_rgb(cr, style.outline.r, style.outline.g, style.outline.b);
    cairo_stroke_preserve(cr);
  }
  Pattern ink(cairo_pattern_create_linear(0, -box.above, 0, box.below));
  cairo_pattern_add_color_stop_rgb(ink.get(), 0, style.ink.r, style.ink.g, style.ink.b);
  cairo_pattern_add_color_stop_rgb(ink.get(), 1, style.inkBottom.r, style.inkBottom.g,
                                   style.inkBottom.b);
  cairo_set_source(cr, ink.get());
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace

const FontStyle& HandFontStyle() {
  // Dark blue ink, like the pen lines it sits between.
  static const FontStyle style{"fntHandParker.bmp",
                               "Humor Sans",
                               "DejaVu Sans",
                               {0.08, 0.14, 0.46},
                               {0.05, 0.09, 0.36},
                               0.0,
                               {}};
  return style;
}

const FontStyle& DigitFontStyle() {
  // Amber segments with a dark rim, readable on the green baize. DSEG7 has
  // digits, colon and letters but little punctuation; the mono face fills in.
  static const FontStyle style{"fntDigit.bmp",     "DSEG7 Classic",    "DejaVu Sans Mono Bold",
                               {1.00, 0.80, 0.25}, {0.98, 0.58, 0.05}, 1.0,
                               {0.10, 0.06, 0.01}};
  return style;
}

const FontStyle& DeluxeFontStyle() {
  static const FontStyle style{"fntDeluxe.bmp",    "DejaVu Serif Bold", "DejaVu Sans Bold",
                               {1.00, 0.95, 0.65}, {0.85, 0.58, 0.12},  1.2,
                               {0.22, 0.11, 0.02}};
  return style;
}

const FontStyle& SmallFontStyle() {
  // Plain light ink, no rim: at this size an outline would fill the letters.
  // The few wide letters (M, W) are condensed further, so that the others
  // fill their narrow cells.
  static const FontStyle style{"fntSmall.bmp",     "DejaVu Sans Bold", "DejaVu Sans Mono Bold",
                               {0.98, 0.95, 0.80}, {0.92, 0.80, 0.50}, 0.0,
                               {},                 10,                 18,
                               0.6};
  return style;
}

std::array<const FontStyle*, 4> FontStyles() {
  return {&HandFontStyle(), &DigitFontStyle(), &DeluxeFontStyle(), &SmallFontStyle()};
}

const std::string& FaceForCharacter(const FontStyle& style, char32_t c) {
  Scratch scratch;
  return HasGlyph(scratch.cr.get(), style.face, c) ? style.face : style.fallbackFace;
}

std::string Utf8Of(char32_t c) {
  std::string bytes;
  if (c < 0x80) {
    bytes += static_cast<char>(c);
  } else if (c < 0x800) {
    bytes += static_cast<char>(0xC0 | (c >> 6));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    bytes += static_cast<char>(0xE0 | (c >> 12));
    bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  }
  return bytes;
}

Surface RenderFont(const FontStyle& style) {
  std::map<std::string, std::u32string> charsByFace;
  for (int cell = 0; cell < kFontCells; ++cell) {
    const char32_t c = FontCellCharacter(cell);
    charsByFace[FaceForCharacter(style, c)] += c;
  }
  Surface picture = NewSurface(kFontColumns * style.cellWidth, kFontRows * style.cellHeight);
  Context cr = NewContext(picture);
  std::map<std::string, FaceFit> fits;
  for (const auto& [face, chars] : charsByFace) {
    fits[face] = FitFace(cr.get(), style, face, chars);
  }
  for (int cell = 0; cell < kFontCells; ++cell) {
    const char32_t c = FontCellCharacter(cell);
    DrawGlyph(cr.get(), style, fits.at(FaceForCharacter(style, c)), c,
              (cell % kFontColumns) * style.cellWidth, (cell / kFontColumns) * style.cellHeight);
  }
  return picture;
}

}  // namespace verlano::mkres
