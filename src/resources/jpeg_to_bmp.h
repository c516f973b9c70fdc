#pragma once
// The table background ships as a JPEG but is loaded as a Windows bitmap;
// this decodes the one and writes the other with SDL2_image (no video needed).

#include <string>

namespace verlano {

// False with a reason when the picture cannot be decoded or the BMP written.
bool ConvertJpegToBmp(const std::string& jpegPath, const std::string& bmpPath, std::string& error);

}  // namespace verlano
