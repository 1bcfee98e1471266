// Pictures: 32-bit top-down DIB sections, held in a program-wide numbered
// table (0..34 the image set, 50..52 the hover copies, room up to 127) or by
// pointer (unnumbered pictures).
//
// Pixels are B, G, R, A bytes with STRAIGHT alpha (not premultiplied), so
// reading and writing a pixel gives the colour as it is. HasAlpha false means
// the picture is opaque and its alpha bytes are 255. Drawing onto a DC or
// into a menu bitmap makes a premultiplied copy for AlphaBlend.
//
// Ownership: the table owns every numbered picture and frees the old one when
// a number is replaced; FreeAllPictures empties it at exit. An unnumbered
// picture (CreatePicture, CopyPictureUnnumbered, DuplicatePicture) belongs to
// the caller, who frees it with FreePicture. Handles returned by
// PictureBitmapForMenu and MakeIconFromPicture belong to the caller too.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/text.h"
#include "ui/picture_pixels.h"

struct Picture {
    HBITMAP Bitmap = nullptr;  // the DIB section; owned
    uint8_t* Bits = nullptr;   // its pixels, Width * Height * 4 bytes
    int Width = 0;
    int Height = 0;
    bool HasAlpha = false;
};

constexpr int PictureSlots = 128;

// A new picture, opaque black (hasAlpha false) or fully transparent; nullptr
// when the size is out of range or the DIB cannot be made.
Picture* CreatePicture(int width, int height, bool hasAlpha);
// A new picture holding width × height B, G, R, A pixels (straight alpha).
Picture* CreatePictureFromPixels(int width, int height, const uint8_t* pixels, bool hasAlpha);
Picture* DuplicatePicture(const Picture* source);
void FreePicture(Picture*& picture);  // frees and clears; nullptr is fine

// The table. NumberedPicture gives nullptr for an empty or invalid number;
// the table keeps ownership. SetNumberedPicture takes ownership of picture
// (nullptr empties the number); an invalid number frees the picture.
Picture* NumberedPicture(int number);
void SetNumberedPicture(int number, Picture* picture);
void FreeNumberedPicture(int number);
void FreeAllPictures();
int PictureWidth(int number);   // 0 when there is no picture
int PictureHeight(int number);

// Copies: to another number (replacing what was there), or unnumbered.
bool CopyPicture(int from, int to);
Picture* CopyPictureUnnumbered(int number);

// Resizes in place with smooth sampling; every later use of the number sees
// the new size. ScalePicture rounds size × factor to nearest, halves to even.
bool ResizePicture(Picture* picture, int width, int height);
bool ResizePicture(int number, int width, int height);
bool ScalePicture(int number, double factorX, double factorY);

// Drawing on a picture. Colours are Windows colour values (red in the low byte).
PixelView PictureView(Picture* picture);
void FillPictureRect(Picture* picture, int x, int y, int width, int height, COLORREF colour);
COLORREF PicturePixel(const Picture* picture, int x, int y);  // 0 outside
void SetPicturePixel(Picture* picture, int x, int y, COLORREF colour);
// Fills from (x, y), stopping at pixels of the fill colour.
void FloodFillPicture(Picture* picture, int x, int y, COLORREF colour);
// Text on an opaque background; font is the caller's.
bool DrawPictureText(Picture* picture, HFONT font, int x, int y, const Text& text, COLORREF colour, COLORREF background);
// Text turned 90 degrees counter-clockwise, without background: drawn with a
// copy of font whose escapement is 900. (x, y) is the top-left corner of the
// first character cell before turning; the text runs upward from there.
bool DrawPictureTextRotated(Picture* picture, HFONT font, int x, int y, const Text& text, COLORREF colour);
// source over target at (x, y), blended by the source's alpha.
void DrawPictureOnPicture(Picture* target, const Picture* source, int x, int y);
bool DrawPictureOnPicture(int target, int source, int x, int y);

// Drawing on a device context, blended by alpha: at natural size, or resized
// smoothly to width × height.
void DrawPictureOnDc(HDC dc, const Picture* picture, int x, int y);
void DrawPictureOnDc(HDC dc, const Picture* picture, int x, int y, int width, int height);
void DrawPictureOnDc(HDC dc, int number, int x, int y);
void DrawPictureOnDc(HDC dc, int number, int x, int y, int width, int height);

// A 32-bit premultiplied DIB of width × height for MENUITEMINFO hbmpItem;
// the caller deletes it (DeleteObject). nullptr when there is no picture.
HBITMAP PictureBitmapForMenu(const Picture* picture, int width, int height);
HBITMAP PictureBitmapForMenu(int number, int width, int height);
// An icon of width × height; the caller destroys it (DestroyIcon).
HICON MakeIconFromPicture(const Picture* picture, int width, int height);
HICON MakeIconFromPicture(int number, int width, int height);
