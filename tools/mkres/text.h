#pragma once
// Owners for the pango objects the builder uses to set type, and one way to lay
// out a line of text in a chosen face with pango's silent glyph substitution
// turned off, so a face that lacks a character shows it as unknown instead of
// borrowing from whatever font the system has.

#include <cairo.h>
#include <glib-object.h>
#include <pango/pangocairo.h>

#include <memory>
#include <string>

namespace verlano::mkres {

struct GObjectDeleter {
  void operator()(void* object) const { g_object_unref(object); }
};
using Layout = std::unique_ptr<PangoLayout, GObjectDeleter>;

struct FontDescriptionDeleter {
  void operator()(PangoFontDescription* d) const { pango_font_description_free(d); }
};
using FontDescription = std::unique_ptr<PangoFontDescription, FontDescriptionDeleter>;

struct PatternDeleter {
  void operator()(cairo_pattern_t* p) const { cairo_pattern_destroy(p); }
};
using Pattern = std::unique_ptr<cairo_pattern_t, PatternDeleter>;

// `face` is a pango font string without size ("DejaVu Serif Bold");
// `pixelSize` is the em size in pixels.
Layout LayoutText(cairo_t* cr, const std::string& text, const std::string& face, double pixelSize);

}  // namespace verlano::mkres
