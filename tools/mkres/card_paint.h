#pragma once
// Small cairo helpers every card drawer shares: colours, the rounded card
// outline, a scoped save/restore, and filling a path with an ink outline, so
// the pip, figure and back drawers speak the same few words.

#include <cairo.h>

namespace verlano::mkres {

struct Rgb {
  double r = 0;
  double g = 0;
  double b = 0;
};

void SetColour(cairo_t* cr, Rgb colour, double alpha = 1.0);

// A colour moved towards white (amount > 0) or black (amount < 0), |amount| <= 1.
Rgb Shade(Rgb colour, double amount);

// Saves the cairo state and restores it when it goes out of scope.
class SavedState {
 public:
  explicit SavedState(cairo_t* cr) : cr_(cr) { cairo_save(cr_); }
  ~SavedState() { cairo_restore(cr_); }
  SavedState(const SavedState&) = delete;
  SavedState& operator=(const SavedState&) = delete;

 private:
  cairo_t* cr_;
};

void RoundedRectPath(cairo_t* cr, double x, double y, double width, double height, double radius);

// Fills the current path with `fill`, then strokes it with `ink` at `lineWidth`
// (no stroke when lineWidth is 0); the path is consumed.
void FillAndOutline(cairo_t* cr, Rgb fill, Rgb ink, double lineWidth);

// The same with a vertical gradient from the lighter to the darker shade of `fill`
// across [top, bottom], which gives the pips and figures some roundness.
void FillShadedAndOutline(cairo_t* cr, Rgb fill, Rgb ink, double lineWidth, double top,
                          double bottom);

}  // namespace verlano::mkres
