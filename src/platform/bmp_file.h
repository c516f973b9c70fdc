#pragma once
// Reading the game's BMP pictures into RGB565 surfaces. Decoding needs no
// display, so the real window and the headless one load pictures the same way.

#include <string>

#include "platform/surface.h"

namespace verlano {

// The whole picture, converted to RGB565 (magenta becomes 0xF81F), no colour
// key. False with the reason in `error` for a missing or unreadable file, and
// for one whose header ReadBmpSize refuses, before any pixel is decoded.
// `errorNumber` is the system's error of opening the file, or EINVAL for a
// file that is no usable picture.
bool LoadBmpFile(const std::string& path, Surface& out, std::string& error, int& errorNumber);

// Only the picture's size, read from the header: what the headless display
// keeps when nobody looks at the pixels. False as above, and for a size the
// game cannot use (CheckBmpHeader): more than 2048 pixels a side, or more
// uncompressed rows than the file holds.
bool ReadBmpSize(const std::string& path, Surface& out, std::string& error, int& errorNumber);

}  // namespace verlano
