// Decoding one block of picture bytes, whatever its format: PNG through
// libpng, JPEG through libjpeg, icon files through ui/icon_decoder.h.
// Includes no Windows header, but needs the two libraries (Windows build only).
#pragma once

#include "ui/icon_decoder.h"

// false for unknown formats and broken or truncated data; picture is then
// untouched. RGBA PNG keeps its alpha, RGB PNG and JPEG are opaque.
bool DecodePicture(ByteView data, DecodedPicture& picture);
bool DecodePng(ByteView data, DecodedPicture& picture);
bool DecodeJpeg(ByteView data, DecodedPicture& picture);
