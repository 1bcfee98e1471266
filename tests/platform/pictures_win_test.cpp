#include <windows.h>

#include <gtest/gtest.h>

#include "platform/pictures.h"

namespace {

class Pictures : public ::testing::Test {
protected:
    void TearDown() override { FreeAllPictures(); }
};

HFONT MakeFont(int height) {
    return CreateFontW(-height, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, PROOF_QUALITY, 0, L"Tahoma");
}

// Bounding box of the pixels that are not the background colour.
RECT InkBox(const Picture* p, COLORREF background) {
    RECT box = {p->Width, p->Height, -1, -1};
    for (int y = 0; y < p->Height; ++y)
        for (int x = 0; x < p->Width; ++x)
            if (PicturePixel(p, x, y) != background) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x);
                box.bottom = std::max<LONG>(box.bottom, y);
            }
    return box;
}

}  // namespace

TEST_F(Pictures, NumberedTableOwnsAndReplaces) {
    SetNumberedPicture(3, CreatePicture(5, 6, false));
    EXPECT_EQ(PictureWidth(3), 5);
    EXPECT_EQ(PictureHeight(3), 6);
    SetNumberedPicture(3, CreatePicture(7, 2, true));
    EXPECT_EQ(PictureWidth(3), 7);
    EXPECT_TRUE(NumberedPicture(3)->HasAlpha);
    SetNumberedPicture(PictureSlots, CreatePicture(1, 1, false));  // freed, not stored
    SetNumberedPicture(-1, CreatePicture(1, 1, false));
    EXPECT_EQ(NumberedPicture(PictureSlots), nullptr);
    EXPECT_EQ(NumberedPicture(-1), nullptr);
    FreeNumberedPicture(3);
    EXPECT_EQ(NumberedPicture(3), nullptr);
    EXPECT_EQ(CreatePicture(0, 4, false), nullptr);
    EXPECT_EQ(CreatePicture(4, 100000, false), nullptr);
}

TEST_F(Pictures, UnnumberedCopiesAreIndependent) {
    SetNumberedPicture(18, CreatePicture(4, 4, false));
    FillPictureRect(NumberedPicture(18), 0, 0, 4, 4, RGB(250, 200, 40));
    Picture* row = CopyPictureUnnumbered(18);
    ASSERT_NE(row, nullptr);
    EXPECT_NE(row, NumberedPicture(18));
    EXPECT_EQ(PicturePixel(row, 3, 3), RGB(250, 200, 40));
    SetPicturePixel(row, 3, 3, RGB(0, 0, 0));
    EXPECT_EQ(PicturePixel(NumberedPicture(18), 3, 3), RGB(250, 200, 40));
    FreePicture(row);
    EXPECT_EQ(row, nullptr);
    EXPECT_EQ(CopyPictureUnnumbered(60), nullptr);
}

TEST_F(Pictures, FloodFillColoursAFreshHeader) {
    Picture* header = CreatePicture(46, 7, false);
    FloodFillPicture(header, 0, 0, RGB(0x00, 0x33, 0x99));
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 46; ++x) ASSERT_EQ(PicturePixel(header, x, y), RGB(0x00, 0x33, 0x99));
    FreePicture(header);
}

TEST_F(Pictures, TextOnABackgroundKeepsThePictureOpaque) {
    Picture* p = CreatePicture(120, 40, false);
    FillPictureRect(p, 0, 0, 120, 40, RGB(0x00, 0x33, 0x99));
    HFONT font = MakeFont(16);
    ASSERT_TRUE(DrawPictureText(p, font, 20, 10, u"Computer", RGB(255, 255, 255), RGB(0x00, 0x33, 0x99)));
    RECT ink = InkBox(p, RGB(0x00, 0x33, 0x99));
    EXPECT_GE(ink.left, 20);
    EXPECT_GE(ink.top, 10);
    EXPECT_GT(ink.right, 60);
    for (int i = 0; i < 120 * 40; ++i) ASSERT_EQ(p->Bits[i * 4 + 3], 255);
    DeleteObject(font);
    FreePicture(p);
}

TEST_F(Pictures, RotatedTextRunsUpwardFromItsStartingPoint) {
    Picture* p = CreatePicture(32, 300, false);
    FillPictureRect(p, 0, 0, 32, 300, RGB(0, 200, 0));
    HFONT font = MakeFont(18);
    ASSERT_TRUE(DrawPictureTextRotated(p, font, 0, 250, u"Orvanto Windows", RGB(0, 0, 0)));
    RECT ink = InkBox(p, RGB(0, 200, 0));
    // Upward from y 250, within the font height from the left edge; the
    // background is kept (no box in another colour).
    EXPECT_LE(ink.bottom, 250);
    EXPECT_LT(ink.top, 150);
    EXPECT_LT(ink.right, 24);
    EXPECT_GE(ink.left, 0);
    EXPECT_EQ(PicturePixel(p, 28, 100), RGB(0, 200, 0));
    int black = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 32; ++x) black += PicturePixel(p, x, y) == RGB(0, 0, 0);
    EXPECT_GT(black, 50);
    DeleteObject(font);
    FreePicture(p);
}

TEST_F(Pictures, DrawingOnADcBlendsByAlpha) {
    // Left half opaque red, right half transparent, over a white DIB target.
    Picture* source = CreatePicture(4, 2, true);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) {
            SetPicturePixel(source, x, y, RGB(255, 0, 0));
        }
    Picture* target = CreatePicture(8, 8, false);
    FillPictureRect(target, 0, 0, 8, 8, RGB(255, 255, 255));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, target->Bitmap);
    DrawPictureOnDc(dc, source, 1, 1);
    DrawPictureOnDc(dc, source, 0, 4, 8, 4);  // resized to 8 x 4
    GdiFlush();
    SelectObject(dc, old);
    DeleteDC(dc);
    EXPECT_EQ(PicturePixel(target, 1, 1), RGB(255, 0, 0));
    EXPECT_EQ(PicturePixel(target, 2, 2), RGB(255, 0, 0));
    EXPECT_EQ(PicturePixel(target, 4, 1), RGB(255, 255, 255));
    EXPECT_EQ(PicturePixel(target, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(PicturePixel(target, 0, 5), RGB(255, 0, 0));
    EXPECT_EQ(PicturePixel(target, 7, 5), RGB(255, 255, 255));
    FreePicture(source);
    FreePicture(target);
}

TEST_F(Pictures, MenuBitmapAndIconHaveTheAskedSize) {
    SetNumberedPicture(24, CreatePicture(48, 48, true));
    FillPictureRect(NumberedPicture(24), 8, 8, 32, 32, RGB(120, 180, 225));
    HBITMAP menu = PictureBitmapForMenu(24, 16, 16);
    ASSERT_NE(menu, nullptr);
    DIBSECTION dib = {};
    ASSERT_EQ(GetObjectW(menu, sizeof dib, &dib), static_cast<int>(sizeof dib));
    EXPECT_EQ(dib.dsBm.bmWidth, 16);
    EXPECT_EQ(dib.dsBm.bmHeight, 16);
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 32);
    const uint8_t* bits = static_cast<const uint8_t*>(dib.dsBm.bmBits);
    EXPECT_EQ(bits[3], 0);                     // corner transparent
    EXPECT_EQ(bits[(8 * 16 + 8) * 4 + 3], 255);  // middle opaque
    DeleteObject(menu);

    HICON icon = MakeIconFromPicture(24, 32, 32);
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour = {};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    EXPECT_EQ(PictureBitmapForMenu(70, 16, 16), nullptr);
    EXPECT_EQ(MakeIconFromPicture(70, 16, 16), nullptr);
}

TEST_F(Pictures, ResizeReplacesThePictureUnderItsNumber) {
    SetNumberedPicture(6, CreatePicture(42, 42, false));
    FillPictureRect(NumberedPicture(6), 0, 0, 42, 42, RGB(240, 130, 20));
    ASSERT_TRUE(ScalePicture(6, 1.25, 2.0));
    EXPECT_EQ(PictureWidth(6), 52);  // 52.5
    EXPECT_EQ(PictureHeight(6), 84);
    EXPECT_EQ(PicturePixel(NumberedPicture(6), 51, 83), RGB(240, 130, 20));
    EXPECT_FALSE(ResizePicture(6, 0, 10));
    EXPECT_EQ(PictureWidth(6), 52) << "a refused resize keeps the picture";
    EXPECT_FALSE(ScalePicture(77, 2.0, 2.0));
}
