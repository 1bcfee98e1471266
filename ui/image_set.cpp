#include "ui/image_set.h"

#include "platform/embedded_data.h"
#include "platform/pictures.h"
#include "ui/picture_decoder.h"

bool LoadPictureFromBytes(int number, std::span<const uint8_t> bytes) {
    FreeNumberedPicture(number);
    DecodedPicture decoded;
    if (!DecodePicture(bytes, decoded)) return false;
    Picture* picture = CreatePictureFromPixels(decoded.Width, decoded.Height, decoded.Pixels.data(), decoded.HasAlpha);
    if (!picture) return false;
    SetNumberedPicture(number, picture);
    return true;
}

void LoadImageSet() {
    for (int number = 0; number < ImageSetCount; ++number)
        LoadPictureFromBytes(number, EmbeddedBytes(ImageSetFirstResource + number));
}
