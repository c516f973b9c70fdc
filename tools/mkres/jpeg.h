#pragma once
// JPEG encoding of an opaque cairo picture through SDL2_image, the same
// library family the game decodes it with. Used for the table background,
// which the archive ships as a JPEG.

#include <cstdint>
#include <vector>

#include "picture.h"

namespace verlano::mkres {

// Throws std::runtime_error with SDL's reason when encoding fails.
std::vector<std::uint8_t> EncodeJpeg(const Surface& surface, int quality);

}  // namespace verlano::mkres
