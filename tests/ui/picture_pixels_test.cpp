#include "ui/picture_pixels.h"

#include <gtest/gtest.h>

namespace {

PixelBuffer Solid(int w, int h, uint8_t b, uint8_t g, uint8_t r, uint8_t a) {
    PixelBuffer p{w, h, std::vector<uint8_t>(size_t(w) * h * 4)};
    for (size_t i = 0; i < p.Pixels.size(); i += 4) {
        p.Pixels[i] = b;
        p.Pixels[i + 1] = g;
        p.Pixels[i + 2] = r;
        p.Pixels[i + 3] = a;
    }
    return p;
}

const uint8_t* At(const PixelBuffer& p, int x, int y) { return &p.Pixels[(size_t(y) * p.Width + x) * 4]; }

}  // namespace

TEST(PicturePixels, ScaledSidesRoundHalvesToEven) {
    struct Case {
        int Size;
        double Factor;
        int Expected;
    } cases[] = {
        {134, 1.5, 201}, {31, 1.5, 46}, {33, 1.5, 50}, {42, 1.25, 52}, {45, 1.25, 56}, {42, 2.0, 84}, {1, 0.1, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(ScaledSide(c.Size, c.Factor), c.Expected) << c.Size << " x " << c.Factor;
}

TEST(PicturePixels, ResampleKeepsFlatColourAndAveragesAreas) {
    PixelBuffer flat = Solid(7, 5, 10, 20, 30, 255);
    for (auto [w, h] : {std::pair{14, 10}, {3, 2}, {201, 46}, {1, 1}}) {
        PixelBuffer out = ResamplePixels(ViewOf(flat), w, h);
        ASSERT_EQ(out.Width, w);
        ASSERT_EQ(out.Pixels.size(), size_t(w) * h * 4);
        for (size_t i = 0; i < out.Pixels.size(); i += 4) {
            ASSERT_EQ(out.Pixels[i], 10);
            ASSERT_EQ(out.Pixels[i + 2], 30);
            ASSERT_EQ(out.Pixels[i + 3], 255);
        }
    }
    // Black and white columns halve to grey.
    PixelBuffer stripes = Solid(4, 1, 0, 0, 0, 255);
    for (int x : {1, 3}) std::fill_n(&stripes.Pixels[x * 4], 3, uint8_t(255));
    PixelBuffer half = ResamplePixels(ViewOf(stripes), 2, 1);
    EXPECT_EQ(At(half, 0, 0)[0], 128);
    EXPECT_EQ(At(half, 1, 0)[1], 128);
}

TEST(PicturePixels, ResampleDoesNotDarkenTransparentNeighbours) {
    PixelBuffer p = Solid(2, 1, 0, 0, 0, 0);           // transparent black
    std::fill_n(&p.Pixels[4], 4, uint8_t(255));       // opaque white
    PixelBuffer out = ResamplePixels(ViewOf(p), 1, 1);
    EXPECT_EQ(At(out, 0, 0)[0], 255);
    EXPECT_EQ(At(out, 0, 0)[3], 128);
}

TEST(PicturePixels, ResampleRefusesBadSizes) {
    PixelBuffer p = Solid(2, 2, 1, 2, 3, 255);
    EXPECT_TRUE(ResamplePixels(ViewOf(p), 0, 5).Pixels.empty());
    EXPECT_TRUE(ResamplePixels(ViewOf(p), 5, -1).Pixels.empty());
    EXPECT_TRUE(ResamplePixels(ViewOf(p), 100000, 2).Pixels.empty());
    EXPECT_TRUE(ResamplePixels(PixelView{}, 2, 2).Pixels.empty());
}

TEST(PicturePixels, BlendMixesByAlphaAndClips) {
    PixelBuffer white = Solid(4, 4, 255, 255, 255, 255);
    PixelBuffer red = Solid(3, 3, 0, 0, 255, 255);
    red.Pixels[3] = 0;                 // (0,0) transparent
    red.Pixels[4 + 3] = 128;           // (1,0) half
    BlendPixelsOver(ViewOf(white), ViewOf(red), 2, 2, true);  // only 2x2 lands inside
    EXPECT_EQ(At(white, 2, 2)[0], 255);  // transparent: white stays
    EXPECT_EQ(At(white, 3, 2)[0], 127);  // half: blue halves
    EXPECT_EQ(At(white, 3, 2)[2], 255);
    EXPECT_EQ(At(white, 3, 3)[0], 0);    // opaque red
    EXPECT_EQ(At(white, 1, 1)[0], 255);  // outside the source
    BlendPixelsOver(ViewOf(white), ViewOf(red), -2, -2, false);  // opaque copy, clipped
    EXPECT_EQ(At(white, 0, 0)[0], 0);
    EXPECT_EQ(At(white, 0, 0)[3], 255);
}

TEST(PicturePixels, PremultipliedCopy) {
    PixelBuffer p = Solid(1, 1, 200, 100, 50, 128);
    uint8_t out[4];
    CopyPremultiplied(ViewOf(p), true, out);
    EXPECT_EQ(out[0], 100);
    EXPECT_EQ(out[2], 25);
    EXPECT_EQ(out[3], 128);
    CopyPremultiplied(ViewOf(p), false, out);
    EXPECT_EQ(out[0], 200);
    EXPECT_EQ(out[3], 255);
}

TEST(PicturePixels, FloodFillStopsAtTheFillColour) {
    // A ring of the fill colour keeps the fill out of its inside.
    PixelBuffer p = Solid(7, 7, 255, 255, 255, 255);
    PixelColour blue{0x00, 0x33, 0x99};
    for (int i = 2; i <= 4; ++i) {
        SetPixelAt(ViewOf(p), i, 2, blue);
        SetPixelAt(ViewOf(p), i, 4, blue);
        SetPixelAt(ViewOf(p), 2, i, blue);
        SetPixelAt(ViewOf(p), 4, i, blue);
    }
    SetPixelAt(ViewOf(p), 5, 5, {10, 10, 10});  // another colour is filled over
    FloodFillPixels(ViewOf(p), 0, 0, blue);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x) {
            PixelColour c = PixelAt(ViewOf(p), x, y);
            bool inside = x == 3 && y == 3;
            EXPECT_EQ(c.Red, inside ? 255 : 0x00) << x << "," << y;
            EXPECT_EQ(c.Blue, inside ? 255 : 0x99) << x << "," << y;
        }
    FloodFillPixels(ViewOf(p), -1, 99, blue);  // outside: nothing happens
    PixelBuffer big = Solid(600, 600, 1, 2, 3, 255);
    FloodFillPixels(ViewOf(big), 599, 599, blue);
    EXPECT_EQ(PixelAt(ViewOf(big), 0, 0).Blue, 0x99);
}

TEST(PicturePixels, PixelsAndRectanglesStayInside) {
    PixelBuffer p = Solid(3, 3, 0, 0, 0, 0);
    FillPixelRect(ViewOf(p), -5, 1, 100, 1, {1, 2, 3});
    FillPixelRect(ViewOf(p), 0, 0, -4, 9, {9, 9, 9});
    SetPixelAt(ViewOf(p), 3, 0, {9, 9, 9});
    EXPECT_EQ(PixelAt(ViewOf(p), 0, 1).Red, 1);
    EXPECT_EQ(PixelAt(ViewOf(p), 2, 1).Blue, 3);
    EXPECT_EQ(At(p, 2, 1)[3], 255);
    EXPECT_EQ(PixelAt(ViewOf(p), 0, 0).Red, 0);
    EXPECT_EQ(PixelAt(ViewOf(p), 7, 7).Red, 0);
}
