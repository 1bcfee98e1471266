#include "platform/pictures.h"

#include <cstring>
#include <vector>

#include "platform/wide.h"
#include "ui/icon_decoder.h"

namespace {

Picture* g_pictures[PictureSlots] = {};

bool ValidNumber(int number) { return number >= 0 && number < PictureSlots; }

size_t ByteCount(int width, int height) { return static_cast<size_t>(width) * static_cast<size_t>(height) * 4; }

// A top-down 32-bit DIB section; bits receives its pixels. The caller owns it.
HBITMAP CreateTopDownDib(int width, int height, uint8_t*& bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    bits = static_cast<uint8_t*>(memory);
    if (bitmap && !bits) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
    return bitmap;
}

PixelView ConstView(const Picture* p) { return {p->Bits, p->Width, p->Height}; }

PixelColour FromColourRef(COLORREF c) { return {GetRValue(c), GetGValue(c), GetBValue(c)}; }

// GDI writes 0 into the alpha byte of the pixels it draws. Opaque pictures get
// 255 back everywhere; pictures with alpha where a pixel changed.
void RestoreAlphaAfterGdi(Picture* p, const std::vector<uint8_t>& before) {
    GdiFlush();
    size_t size = ByteCount(p->Width, p->Height);
    for (size_t i = 0; i < size; i += 4) {
        if (!p->HasAlpha || std::memcmp(p->Bits + i, before.data() + i, 4) != 0) p->Bits[i + 3] = 255;
    }
}

// A premultiplied DIB of the picture at width × height; the caller owns it.
HBITMAP PremultipliedDib(const Picture* picture, int width, int height) {
    if (!picture || width < 1 || height < 1 || width > MaxPictureSide || height > MaxPictureSide) return nullptr;
    GdiFlush();
    PixelBuffer resized;
    PixelView source = ConstView(picture);
    if (width != picture->Width || height != picture->Height) {
        resized = ResamplePixels(source, width, height);
        if (resized.Pixels.empty()) return nullptr;
        source = ViewOf(resized);
    }
    uint8_t* bits = nullptr;
    HBITMAP dib = CreateTopDownDib(width, height, bits);
    if (dib) CopyPremultiplied(source, picture->HasAlpha, bits);
    return dib;
}

// Runs draw with a memory DC that has the picture selected.
template <typename Draw>
bool WithPictureDc(Picture* picture, Draw draw) {
    if (!picture) return false;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) return false;
    GdiFlush();
    std::vector<uint8_t> before(picture->Bits, picture->Bits + ByteCount(picture->Width, picture->Height));
    HGDIOBJ old = SelectObject(dc, picture->Bitmap);
    bool done = draw(dc);
    SelectObject(dc, old);
    DeleteDC(dc);
    RestoreAlphaAfterGdi(picture, before);
    return done;
}

}  // namespace

Picture* CreatePicture(int width, int height, bool hasAlpha) {
    if (width < 1 || height < 1 || width > MaxPictureSide || height > MaxPictureSide) return nullptr;
    uint8_t* bits = nullptr;
    HBITMAP bitmap = CreateTopDownDib(width, height, bits);
    if (!bitmap) return nullptr;
    size_t size = ByteCount(width, height);
    std::memset(bits, 0, size);
    if (!hasAlpha)
        for (size_t i = 3; i < size; i += 4) bits[i] = 255;
    return new Picture{bitmap, bits, width, height, hasAlpha};
}

Picture* CreatePictureFromPixels(int width, int height, const uint8_t* pixels, bool hasAlpha) {
    Picture* picture = CreatePicture(width, height, hasAlpha);
    if (!picture || !pixels) return picture;
    std::memcpy(picture->Bits, pixels, ByteCount(width, height));
    if (!hasAlpha)
        for (size_t i = 3; i < ByteCount(width, height); i += 4) picture->Bits[i] = 255;
    return picture;
}

Picture* DuplicatePicture(const Picture* source) {
    if (!source) return nullptr;
    GdiFlush();
    return CreatePictureFromPixels(source->Width, source->Height, source->Bits, source->HasAlpha);
}

void FreePicture(Picture*& picture) {
    if (!picture) return;
    if (picture->Bitmap) DeleteObject(picture->Bitmap);
    delete picture;
    picture = nullptr;
}

Picture* NumberedPicture(int number) { return ValidNumber(number) ? g_pictures[number] : nullptr; }

void SetNumberedPicture(int number, Picture* picture) {
    if (!ValidNumber(number)) {
        FreePicture(picture);
        return;
    }
    if (g_pictures[number] == picture) return;
    FreePicture(g_pictures[number]);
    g_pictures[number] = picture;
}

void FreeNumberedPicture(int number) {
    if (ValidNumber(number)) FreePicture(g_pictures[number]);
}

void FreeAllPictures() {
    for (Picture*& picture : g_pictures) FreePicture(picture);
}

int PictureWidth(int number) {
    const Picture* p = NumberedPicture(number);
    return p ? p->Width : 0;
}

int PictureHeight(int number) {
    const Picture* p = NumberedPicture(number);
    return p ? p->Height : 0;
}

bool CopyPicture(int from, int to) {
    if (!ValidNumber(to)) return false;
    if (from == to) return NumberedPicture(from) != nullptr;
    Picture* copy = DuplicatePicture(NumberedPicture(from));
    if (!copy) return false;
    SetNumberedPicture(to, copy);
    return true;
}

Picture* CopyPictureUnnumbered(int number) { return DuplicatePicture(NumberedPicture(number)); }

bool ResizePicture(Picture* picture, int width, int height) {
    if (!picture) return false;
    if (width == picture->Width && height == picture->Height) return true;
    GdiFlush();
    PixelBuffer resized = ResamplePixels(ConstView(picture), width, height);
    if (resized.Pixels.empty()) return false;
    uint8_t* bits = nullptr;
    HBITMAP bitmap = CreateTopDownDib(width, height, bits);
    if (!bitmap) return false;
    std::memcpy(bits, resized.Pixels.data(), resized.Pixels.size());
    if (!picture->HasAlpha)
        for (size_t i = 3; i < resized.Pixels.size(); i += 4) bits[i] = 255;
    DeleteObject(picture->Bitmap);
    picture->Bitmap = bitmap;
    picture->Bits = bits;
    picture->Width = width;
    picture->Height = height;
    return true;
}

bool ResizePicture(int number, int width, int height) { return ResizePicture(NumberedPicture(number), width, height); }

bool ScalePicture(int number, double factorX, double factorY) {
    Picture* p = NumberedPicture(number);
    if (!p) return false;
    return ResizePicture(p, ScaledSide(p->Width, factorX), ScaledSide(p->Height, factorY));
}

PixelView PictureView(Picture* picture) {
    if (!picture) return {};
    GdiFlush();
    return {picture->Bits, picture->Width, picture->Height};
}

void FillPictureRect(Picture* picture, int x, int y, int width, int height, COLORREF colour) {
    if (picture) FillPixelRect(PictureView(picture), x, y, width, height, FromColourRef(colour));
}

COLORREF PicturePixel(const Picture* picture, int x, int y) {
    if (!picture) return 0;
    GdiFlush();
    PixelColour c = PixelAt(ConstView(picture), x, y);
    return RGB(c.Red, c.Green, c.Blue);
}

void SetPicturePixel(Picture* picture, int x, int y, COLORREF colour) {
    if (picture) SetPixelAt(PictureView(picture), x, y, FromColourRef(colour));
}

void FloodFillPicture(Picture* picture, int x, int y, COLORREF colour) {
    if (picture) FloodFillPixels(PictureView(picture), x, y, FromColourRef(colour));
}

bool DrawPictureText(Picture* picture, HFONT font, int x, int y, const Text& text, COLORREF colour, COLORREF background) {
    return WithPictureDc(picture, [&](HDC dc) {
        HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
        SetTextColor(dc, colour);
        SetBkColor(dc, background);
        SetBkMode(dc, OPAQUE);
        bool done = TextOutW(dc, x, y, Wide(text), static_cast<int>(text.size())) != 0;
        if (oldFont) SelectObject(dc, oldFont);
        return done;
    });
}

bool DrawPictureTextRotated(Picture* picture, HFONT font, int x, int y, const Text& text, COLORREF colour) {
    LOGFONTW face = {};
    if (font) {
        if (!GetObjectW(font, sizeof face, &face)) return false;
    } else {
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
    }
    face.lfEscapement = 900;
    face.lfOrientation = 900;
    HFONT rotated = CreateFontIndirectW(&face);
    if (!rotated) return false;
    bool done = WithPictureDc(picture, [&](HDC dc) {
        HGDIOBJ oldFont = SelectObject(dc, rotated);
        SetTextColor(dc, colour);
        SetBkMode(dc, TRANSPARENT);
        SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
        bool ok = TextOutW(dc, x, y, Wide(text), static_cast<int>(text.size())) != 0;
        SelectObject(dc, oldFont);
        return ok;
    });
    DeleteObject(rotated);
    return done;
}

void DrawPictureOnPicture(Picture* target, const Picture* source, int x, int y) {
    if (!target || !source) return;
    BlendPixelsOver(PictureView(target), ConstView(source), x, y, source->HasAlpha);
}

bool DrawPictureOnPicture(int target, int source, int x, int y) {
    Picture* t = NumberedPicture(target);
    const Picture* s = NumberedPicture(source);
    if (!t || !s) return false;
    DrawPictureOnPicture(t, s, x, y);
    return true;
}

void DrawPictureOnDc(HDC dc, const Picture* picture, int x, int y, int width, int height) {
    HBITMAP copy = PremultipliedDib(picture, width, height);
    if (!copy) return;
    HDC source = CreateCompatibleDC(dc);
    if (source) {
        HGDIOBJ old = SelectObject(source, copy);
        BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, x, y, width, height, source, 0, 0, width, height, blend);
        SelectObject(source, old);
        DeleteDC(source);
    }
    DeleteObject(copy);
}

void DrawPictureOnDc(HDC dc, const Picture* picture, int x, int y) {
    if (picture) DrawPictureOnDc(dc, picture, x, y, picture->Width, picture->Height);
}

void DrawPictureOnDc(HDC dc, int number, int x, int y) { DrawPictureOnDc(dc, NumberedPicture(number), x, y); }

void DrawPictureOnDc(HDC dc, int number, int x, int y, int width, int height) {
    DrawPictureOnDc(dc, NumberedPicture(number), x, y, width, height);
}

HBITMAP PictureBitmapForMenu(const Picture* picture, int width, int height) {
    return PremultipliedDib(picture, width, height);
}

HBITMAP PictureBitmapForMenu(int number, int width, int height) {
    return PictureBitmapForMenu(NumberedPicture(number), width, height);
}

HICON MakeIconFromPicture(const Picture* picture, int width, int height) {
    if (!picture || width < 1 || height < 1 || width > MaxIconSide || height > MaxIconSide) return nullptr;
    // Icons take straight alpha in the colour bitmap; the mask marks clear pixels.
    Picture* sized = DuplicatePicture(picture);
    if (!sized || !ResizePicture(sized, width, height)) {
        FreePicture(sized);
        return nullptr;
    }
    size_t maskStride = static_cast<size_t>((width + 15) / 16) * 2;  // CreateBitmap rows are WORD-aligned
    std::vector<uint8_t> mask(maskStride * static_cast<size_t>(height), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (sized->HasAlpha && sized->Bits[ByteCount(width, y) + static_cast<size_t>(x) * 4 + 3] == 0)
                mask[maskStride * y + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    if (!sized->HasAlpha)
        for (size_t i = 3; i < ByteCount(width, height); i += 4) sized->Bits[i] = 255;
    HBITMAP maskBitmap = CreateBitmap(width, height, 1, 1, mask.data());
    HICON icon = nullptr;
    if (maskBitmap) {
        ICONINFO info = {TRUE, 0, 0, maskBitmap, sized->Bitmap};
        icon = CreateIconIndirect(&info);
        DeleteObject(maskBitmap);
    }
    FreePicture(sized);
    return icon;
}

HICON MakeIconFromPicture(int number, int width, int height) {
    return MakeIconFromPicture(NumberedPicture(number), width, height);
}
