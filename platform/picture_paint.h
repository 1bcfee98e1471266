// Internal to platform/: how controls and menus show pictures of the image set.
#pragma once

#include <windows.h>

bool PictureDimensions(int picture, int& width, int& height);
// Natural size when width or height is negative; blended by the picture's alpha.
void PaintPicture(HDC dc, int picture, int x, int y, int width = -1, int height = -1);
HICON MakePictureIcon(int picture, int width, int height);          // caller destroys
HBITMAP MakePictureMenuBitmap(int picture, int width, int height);  // caller deletes
