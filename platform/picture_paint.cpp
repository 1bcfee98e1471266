#include "platform/picture_paint.h"

#include "platform/pictures.h"

bool PictureDimensions(int picture, int& width, int& height) {
    if (picture < 0 || !NumberedPicture(picture)) return false;
    width = PictureWidth(picture);
    height = PictureHeight(picture);
    return true;
}

void PaintPicture(HDC dc, int picture, int x, int y, int width, int height) {
    if (picture < 0 || !NumberedPicture(picture)) return;
    if (width < 0 || height < 0) DrawPictureOnDc(dc, picture, x, y);
    else DrawPictureOnDc(dc, picture, x, y, width, height);
}

HICON MakePictureIcon(int picture, int width, int height) {
    return picture >= 0 && NumberedPicture(picture) ? MakeIconFromPicture(picture, width, height) : nullptr;
}

HBITMAP MakePictureMenuBitmap(int picture, int width, int height) {
    return picture >= 0 && NumberedPicture(picture) ? PictureBitmapForMenu(picture, width, height) : nullptr;
}
