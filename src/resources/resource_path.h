#pragma once
// The game names its files the Windows way ("res\bitmaps\Back_800x600.bmp")
// while the unpacker makes "res/Bitmaps"; Linux compares names exactly. The
// resolver walks such a path one component at a time and takes whatever entry
// on disk matches it without regard to case, so every load finds its file.

#include <string>
#include <string_view>

namespace verlano {

// `root`/`gamePath` with "\" or "/" separators, each component matched to an
// existing entry ignoring ASCII case (an exact match wins). Components with no
// match are kept as written, so a missing file still gives a readable path.
std::string ResolveResourcePath(const std::string& root, std::string_view gamePath);

}  // namespace verlano
