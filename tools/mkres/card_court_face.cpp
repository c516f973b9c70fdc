#include "card_court_face.h"

#include <algorithm>
#include <numbers>

#include "card_body.h"
#include "card_figure_parts.h"
#include "card_figures.h"

namespace verlano::mkres {

namespace {

constexpr double kPanelInset = 6.5;
constexpr double kFigureWidth = 64;    // figure units, x -32..32
constexpr double kFigureHeight = 132;  // figure units, y 0..132
constexpr double kBustHeight = kBustBottom - kBustTop;
constexpr double kTabWidth = 17;
constexpr double kTabHeight = 37;

struct Panel {
  double x, y, width, height;
};

Panel PanelOf(const DeckLook& look) {
  return {kPanelInset, kPanelInset, look.width - 2 * kPanelInset, kCardHeight - 2 * kPanelInset};
}

void PanelPath(cairo_t* cr, const Panel& panel) {
  RoundedRectPath(cr, panel.x, panel.y, panel.width, panel.height, 2.5);
}

void FullLength(cairo_t* cr, const DeckLook& look, const Panel& panel, Figure figure, Suit suit) {
  const double scale = std::min(panel.width / kFigureWidth, panel.height / kFigureHeight);
  cairo_translate(cr, panel.x + panel.width / 2, panel.y + panel.height - kFigureHeight * scale);
  cairo_scale(cr, scale, scale);
  DrawFigure(cr, look, figure, suit);
}

// The half figure in the top half, the same turned round in the bottom half,
// split by a line across the middle.
void DoubleHeaded(cairo_t* cr, const DeckLook& look, const Panel& panel, Figure figure, Suit suit) {
  const double half = panel.height / 2;
  const double scale = half / kBustHeight;
  for (int turn = 0; turn < 2; ++turn) {
    SavedState saved(cr);
    if (turn == 1) {
      cairo_translate(cr, look.width, kCardHeight);
      cairo_rotate(cr, std::numbers::pi);
    }
    cairo_rectangle(cr, panel.x, panel.y, panel.width, half);
    cairo_clip(cr);
    cairo_translate(cr, panel.x + panel.width / 2, panel.y);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, 0, -kBustTop);
    DrawFigure(cr, look, figure, suit);
  }
  cairo_move_to(cr, panel.x, panel.y + half);
  cairo_line_to(cr, panel.x + panel.width, panel.y + half);
  SetColour(cr, look.ink);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// Paper tabs in the two index corners, so the indexes stay readable over the picture.
void IndexTabs(cairo_t* cr, const DeckLook& look) {
  for (int turn = 0; turn < 2; ++turn) {
    SavedState saved(cr);
    if (turn == 1) {
      cairo_translate(cr, look.width, kCardHeight);
      cairo_rotate(cr, std::numbers::pi);
    }
    RoundedRectPath(cr, kPanelInset - 2.5, kPanelInset - 2.5, kTabWidth, kTabHeight, 2.5);
    FillAndOutline(cr, look.paper, look.borderOuter, 0.8);
  }
}

}  // namespace

void DrawCourtFace(cairo_t* cr, const DeckLook& look, Figure figure, Suit suit) {
  const Panel panel = PanelOf(look);
  {
    SavedState saved(cr);
    PanelPath(cr, panel);
    cairo_clip_preserve(cr);
    FillShadedAndOutline(cr, look.panel, look.ink, 0, panel.y, panel.y + panel.height);
    if (look.framing == Framing::DoubleHeaded) {
      DoubleHeaded(cr, look, panel, figure, suit);
    } else {
      FullLength(cr, look, panel, figure, suit);
    }
  }
  PanelPath(cr, panel);
  SetColour(cr, look.borderOuter);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  IndexTabs(cr, look);
}

}  // namespace verlano::mkres
