// Pango and fontconfig keep process-wide font caches; releasing them after the
// last test lets the leak checker see only leaks of our own drawing code.

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>
#include <pango/pangocairo.h>

namespace {

class FontCacheRelease : public ::testing::Environment {
 public:
  void TearDown() override {
    pango_cairo_font_map_set_default(nullptr);
    FcFini();
  }
};

const auto* const kRegistered = ::testing::AddGlobalTestEnvironment(new FontCacheRelease);

}  // namespace
