// Pango, cairo and fontconfig keep process-wide font caches; releasing them
// after the last test lets the leak checker see only leaks of our own code.

#include <gtest/gtest.h>

#include "text.h"

namespace {

class FontCacheRelease : public ::testing::Environment {
 public:
  void TearDown() override { verlano::mkres::ReleaseFontCaches(); }
};

const auto* const kRegistered = ::testing::AddGlobalTestEnvironment(new FontCacheRelease);

}  // namespace
