// Pixel arithmetic of pictures: resampling, alpha blending, flood fill. The
// buffers are top-down rows of B, G, R, A bytes with straight alpha, as in
// DecodedPicture and in the pictures of platform/pictures.h. No Windows header.
#pragma once

#include <cstdint>
#include <vector>

// Pixels owned elsewhere (a DIB section, a PixelBuffer): Width * Height * 4 bytes.
struct PixelView {
    uint8_t* Pixels = nullptr;
    int Width = 0;
    int Height = 0;
};

struct PixelBuffer {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Pixels;  // Width * Height * 4 bytes
};

inline PixelView ViewOf(PixelBuffer& buffer) { return {buffer.Pixels.data(), buffer.Width, buffer.Height}; }

// size × factor, nearest, halves to even (31 × 1.5 = 46.5 gives 46); at least 1.
int ScaledSide(int size, double factor);

// Smooth resize: area averaging where a side shrinks, bilinear where it
// grows; colours are weighted by alpha so transparent pixels do not darken
// edges. Empty result for sizes below 1 or above MaxPictureSide.
PixelBuffer ResamplePixels(PixelView source, int width, int height);

// Draws source over target with its top-left at (x, y), blended by the
// source's alpha (sourceHasAlpha false: copied as opaque). Clipped to target.
void BlendPixelsOver(PixelView target, PixelView source, int x, int y, bool sourceHasAlpha);

// Premultiplied copy for AlphaBlend; with hasAlpha false every alpha is 255.
void CopyPremultiplied(PixelView source, bool hasAlpha, uint8_t* out);  // out: same size

// Colours as red, green, blue bytes; alpha is set to 255 where written.
struct PixelColour {
    uint8_t Red = 0, Green = 0, Blue = 0;
};

PixelColour PixelAt(PixelView buffer, int x, int y);  // black outside
void SetPixelAt(PixelView buffer, int x, int y, PixelColour colour);  // ignored outside
void FillPixelRect(PixelView buffer, int x, int y, int width, int height, PixelColour colour);

// Fills the area around (x, y) that is connected through pixels not of the
// fill colour, stopping at pixels of the fill colour (a border fill in the
// fill colour itself). Nothing happens outside the buffer.
void FloodFillPixels(PixelView buffer, int x, int y, PixelColour colour);
