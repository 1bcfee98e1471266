#include "ui/main_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "platform/pictures.h"
#include "platform/wide.h"
#include "settings/settings_store.h"
#include "ui/color_schemes.h"
#include "ui/image_set.h"
#include "ui/main_window_ids.h"

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        static bool platformReady = (InitPlatform(), BuildColorSchemeTable(), LoadImageSet(), true);
        (void)platformReady;
        gSettings = Settings{};
        BuildMainWindow();
        top = FindWindowW(L"OrvantoWindow", L"Start");
        ASSERT_NE(top, nullptr);
        panel = GetDlgItem(top, MainPanelId);
        ASSERT_NE(panel, nullptr);
    }
    void TearDown() override {
        CloseWindowNumber(MainWindowNumber);
        FreeNumberedPicture(BannerPicture);
    }
    HWND top = nullptr;
    HWND panel = nullptr;
};

struct ExpectedFont {
    int control;
    const wchar_t* face;
    int points;
    bool bold;
    bool italic;
};

constexpr ExpectedFont Fonts[] = {
    {1, L"Calibri", 14, false, false},  {10, L"Calibri", 14, false, false}, {11, L"Calibri", 14, false, false},
    {12, L"Calibri", 14, false, false}, {29, L"Calibri", 14, true, false},  {25, L"Tahoma", 18, true, true},
    {2, L"Microsoft Sans Serif", 14, true, false},  {3, L"Microsoft Sans Serif", 14, true, false},
    {4, L"Microsoft Sans Serif", 14, true, false},  {8, L"Microsoft Sans Serif", 14, true, false},
    {9, L"Microsoft Sans Serif", 14, true, false},  {21, L"Microsoft Sans Serif", 14, true, false},
    {22, L"Microsoft Sans Serif", 14, true, false}, {23, L"Microsoft Sans Serif", 14, true, false},
    {24, L"Microsoft Sans Serif", 14, true, false}, {26, L"Microsoft Sans Serif", 14, true, false},
    {27, L"Microsoft Sans Serif", 14, true, false}, {28, L"Microsoft Sans Serif", 14, true, false},
};

}  // namespace

TEST_F(MainWindowTest, EveryControlHasTheFontOfTheTable) {
    for (const ExpectedFont& expected : Fonts) {
        HWND control = GetDlgItem(panel, expected.control);
        ASSERT_NE(control, nullptr) << expected.control;
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        LOGFONTW lf = {};
        ASSERT_TRUE(font && GetObjectW(font, sizeof(lf), &lf)) << expected.control;
        EXPECT_STREQ(lf.lfFaceName, expected.face) << expected.control;
        EXPECT_EQ(lf.lfHeight, -MulDiv(expected.points, SystemDpiY(), 72)) << expected.control;
        EXPECT_EQ(lf.lfWeight, expected.bold ? FW_BOLD : FW_NORMAL) << expected.control;
        EXPECT_EQ(lf.lfItalic != 0, expected.italic) << expected.control;
        EXPECT_EQ(lf.lfQuality, PROOF_QUALITY) << expected.control;
        EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET) << expected.control;
    }
    LOGFONTW banner = {};
    ASSERT_TRUE(GetObjectW(FontHandle(MainWindowFont(MainFont::BannerFont)), sizeof(banner), &banner));
    EXPECT_STREQ(banner.lfFaceName, L"Tahoma");
    EXPECT_EQ(banner.lfWeight, FW_BOLD);
    EXPECT_FALSE(banner.lfItalic);
}

TEST_F(MainWindowTest, BannerIsTheGradientWithTheProductTextOnIt) {
    const Picture* banner = NumberedPicture(BannerPicture);
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->Width, int(std::lround(ScaleX * 32)));
    EXPECT_EQ(banner->Height, int(std::lround(ScaleY * 656)));
    int edge = banner->Width - 1;
    EXPECT_EQ(PicturePixel(banner, edge, 0), RGB(0, 230, 0));
    EXPECT_EQ(PicturePixel(banner, edge, banner->Height - 1), RGB(0, 0, 255));
    int white = 0, black = 0;
    for (int y = 0; y < banner->Height; ++y)
        for (int x = 0; x < banner->Width; ++x) {
            COLORREF c = PicturePixel(banner, x, y);
            white += c == RGB(255, 255, 255);
            black += c == RGB(0, 0, 0);
        }
    EXPECT_GT(white, 100);
    EXPECT_GT(black, 10);
    EXPECT_EQ(OsProductName.empty(), false);
}

TEST(MakeGradientImageTest, SizesNoPictureCanHaveGiveNothing) {
    struct Case {
        int width, height;
    } cases[] = {{0, 10}, {10, 0}, {-1, 5}, {5, -1}, {1 << 20, 1 << 20}};
    for (const Case& c : cases) {
        Picture* picture = MakeGradientImage(c.width, c.height, RGB(0, 230, 0), RGB(0, 0, 255));
        EXPECT_EQ(picture, nullptr) << c.width << "x" << c.height;
        FreePicture(picture);
    }
    Picture* one = MakeGradientImage(3, 1, RGB(10, 20, 30), RGB(200, 100, 0));
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(PicturePixel(one, 2, 0), RGB(10, 20, 30));
    FreePicture(one);
}
