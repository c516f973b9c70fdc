#include "text.h"

namespace verlano::mkres {

namespace {

struct AttrListDeleter {
  void operator()(PangoAttrList* list) const { pango_attr_list_unref(list); }
};

struct FontOptionsDeleter {
  void operator()(cairo_font_options_t* o) const { cairo_font_options_destroy(o); }
};

// Unhinted outlines scale in proportion to the size, which the font fitting
// relies on, and do not depend on the machine's font settings.
void TurnOffHinting(PangoLayout* layout) {
  std::unique_ptr<cairo_font_options_t, FontOptionsDeleter> options(cairo_font_options_create());
  cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
  pango_cairo_context_set_font_options(pango_layout_get_context(layout), options.get());
  pango_layout_context_changed(layout);
}

}  // namespace

Layout LayoutText(cairo_t* cr, const std::string& text, const std::string& face, double pixelSize) {
  Layout layout(pango_cairo_create_layout(cr));
  TurnOffHinting(layout.get());
  FontDescription font(pango_font_description_from_string(face.c_str()));
  pango_font_description_set_absolute_size(font.get(), pixelSize * PANGO_SCALE);
  pango_layout_set_font_description(layout.get(), font.get());
  std::unique_ptr<PangoAttrList, AttrListDeleter> attributes(pango_attr_list_new());
  pango_attr_list_insert(attributes.get(), pango_attr_fallback_new(FALSE));
  pango_layout_set_attributes(layout.get(), attributes.get());
  pango_layout_set_text(layout.get(), text.c_str(), -1);
  return layout;
}

}  // namespace verlano::mkres

// Read by the leak checker of sanitised builds (the builder runs at every build,
// and the tests set type too): fontconfig keeps its loaded configuration for
// the whole process by design, and freeing it at exit (FcFini) can race
// pango's font loading thread and abort. This file is linked wherever pango is.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}

// Keeps that expected, suppressed report out of every build log.
extern "C" const char* __lsan_default_options() {
  return "print_suppressions=0";
}
