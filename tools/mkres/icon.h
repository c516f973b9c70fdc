#pragma once
// The game's desktop icon: two fanned cards, the front one showing a gold coin,
// on a rounded square of green baize. Drawn as vectors at every size the
// desktop asks for, so the small sizes stay sharp.

#include <array>
#include <string>
#include <string_view>

#include "picture.h"

namespace verlano::mkres {

// The icon's name in the desktop's icon theme.
inline constexpr std::string_view kIconName = "org.verlano.Verlano";

// The sizes in pixels of the hicolor theme's folders ("16x16" ... "256x256").
inline constexpr std::array<int, 8> kIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

Surface DrawIcon(int size);

// Writes DIRECTORY/<n>x<n>/apps/org.verlano.Verlano.png for every size.
// Throws std::runtime_error when a file cannot be written.
void WriteIcons(const std::string& directory);

}  // namespace verlano::mkres
