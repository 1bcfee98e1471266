#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/embedded_data.h"
#include "platform/pictures.h"
#include "ui/image_set.h"
#include "ui/picture_decoder.h"

namespace {

struct Expected {
    int Number;
    int Width, Height;
    bool HasAlpha;
    int ChosenEntry;  // icons: the directory entry the rule picks; -1 for PNG and JPEG
    int ChosenBits;
};

const Expected kImageSet[] = {
    {0, 16, 16, true, 0, 24},   {1, 16, 16, true, 1, 32},   {2, 128, 128, true, -1, 0},
    {3, 32, 32, true, 0, 8},    {4, 32, 32, true, 0, 4},    {5, 420, 77, false, -1, 0},
    {6, 42, 42, false, -1, 0},  {7, 42, 42, false, -1, 0},  {8, 42, 42, false, -1, 0},
    {9, 50, 45, true, -1, 0},   {10, 134, 31, false, -1, 0}, {11, 134, 31, false, -1, 0},
    {12, 16, 16, true, 2, 32},  {13, 16, 16, true, 0, 24},  {14, 16, 16, true, 0, 24},
    {15, 16, 16, true, -1, 0},  {16, 16, 16, true, 0, 24},  {17, 16, 16, true, 0, 24},
    {18, 32, 32, true, 0, 8},   {19, 40, 40, true, -1, 0},  {20, 48, 48, true, 0, 4},
    {21, 48, 48, true, 3, 32},  {22, 48, 48, true, 0, 32},  {23, 48, 48, true, 0, 32},
    {24, 48, 48, true, 3, 32},  {25, 64, 64, true, -1, 0},  {26, 64, 64, true, -1, 0},
    {27, 48, 48, true, 0, 32},  {28, 48, 48, true, 0, 32},  {29, 48, 48, true, 0, 32},
    {30, 48, 48, true, 0, 32},  {31, 48, 48, true, 0, 32},  {32, 48, 48, true, 0, 32},
    {33, 16, 16, true, 2, 32},  {34, 16, 16, true, 2, 32},
};

class ImageSet : public ::testing::Test {
protected:
    void SetUp() override { LoadImageSet(); }
    void TearDown() override { FreeAllPictures(); }
};

std::vector<uint8_t> Embedded(int number) {
    std::span<const uint8_t> bytes = EmbeddedBytes(ImageSetFirstResource + number);
    return {bytes.begin(), bytes.end()};
}

bool AnyAlphaBelow(const Picture* p, uint8_t limit) {
    for (int i = 0; i < p->Width * p->Height; ++i)
        if (p->Bits[i * 4 + 3] < limit) return true;
    return false;
}

}  // namespace

TEST_F(ImageSet, EveryPictureHasItsSizeAlphaAndChosenEntry) {
    static_assert(std::size(kImageSet) == ImageSetCount);
    for (const Expected& e : kImageSet) {
        SCOPED_TRACE(e.Number);
        const Picture* p = NumberedPicture(e.Number);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->Width, e.Width);
        EXPECT_EQ(p->Height, e.Height);
        EXPECT_EQ(p->HasAlpha, e.HasAlpha);
        // A picture with alpha shows it: some pixel is transparent; opaque ones have none.
        EXPECT_EQ(AnyAlphaBelow(p, 255), e.HasAlpha);
        std::vector<uint8_t> bytes = Embedded(e.Number);
        DecodedPicture decoded;
        ASSERT_TRUE(DecodePicture(bytes, decoded));
        EXPECT_EQ(decoded.ChosenEntry, e.ChosenEntry);
        EXPECT_EQ(decoded.ChosenBitCount, e.ChosenBits);
    }
    EXPECT_EQ(NumberedPicture(ImageSetCount), nullptr);
}

TEST_F(ImageSet, AlphaIconsKeepSoftEdgesAndMaskIconsAreHardEdged) {
    // 32-bit entries carry graded alpha; 24-bit and palette entries only 0 or 255.
    auto graded = [](int n) {
        const Picture* p = NumberedPicture(n);
        for (int i = 0; i < p->Width * p->Height; ++i) {
            uint8_t a = p->Bits[i * 4 + 3];
            if (a != 0 && a != 255) return true;
        }
        return false;
    };
    for (int n : {1, 12, 21, 24, 33}) EXPECT_TRUE(graded(n)) << n;
    for (int n : {0, 3, 4, 13, 18, 20}) EXPECT_FALSE(graded(n)) << n;
}

TEST_F(ImageSet, BrokenBlocksLeaveTheirNumberEmpty) {
    std::vector<uint8_t> png = Embedded(19), jpeg = Embedded(10), icon = Embedded(21);
    ASSERT_FALSE(png.empty());
    ASSERT_FALSE(jpeg.empty());
    auto cut = [](std::vector<uint8_t> b, size_t keep) {
        b.resize(keep);
        return b;
    };
    auto poke = [](std::vector<uint8_t> b, size_t at, std::initializer_list<uint8_t> v) {
        std::copy(v.begin(), v.end(), b.begin() + at);
        return b;
    };
    // Picture 21 chooses directory entry 3 (48 x 48 at 32 bits): break that one.
    const size_t dir3 = 6 + 3 * 16;
    const size_t entry3 = icon[dir3 + 12] | (icon[dir3 + 13] << 8);
    struct Case {
        const char* Name;
        std::vector<uint8_t> Bytes;
    } cases[] = {
        {"empty", {}},
        {"unknown format", {'G', 'I', 'F', '8', '9', 'a'}},
        {"truncated PNG", cut(png, png.size() / 2)},
        {"PNG signature only", cut(png, 8)},
        {"truncated JPEG", cut(jpeg, jpeg.size() / 2)},
        {"JPEG start marker only", cut(jpeg, 2)},
        {"icon header only", cut(icon, 6)},
        {"icon directory cut", cut(icon, 30)},
        {"icon data cut inside the chosen entry", cut(icon, entry3 + 100)},
        {"icon count past directory", poke(icon, 4, {0xFF, 0xFF})},
        {"icon offset past end", poke(icon, dir3 + 12, {0xFF, 0xFF, 0xFF, 0x7F})},
        {"icon size past end", poke(icon, dir3 + 8, {0xFF, 0xFF, 0xFF, 0xFF})},
        {"icon size 0", poke(icon, dir3 + 8, {0, 0, 0, 0})},
        {"icon bit count 0 in header", poke(icon, entry3 + 14, {0, 0})},
        {"icon bit count 2", poke(icon, entry3 + 14, {2, 0})},
        {"icon bit count 3", poke(icon, entry3 + 14, {3, 0})},
        {"icon bit count 64", poke(icon, entry3 + 14, {64, 0})},
        {"icon height 0", poke(icon, entry3 + 8, {0, 0, 0, 0})},
        {"icon negative height", poke(icon, entry3 + 8, {0xA0, 0xFF, 0xFF, 0xFF})},
        {"icon absurd height", poke(icon, entry3 + 8, {0, 0, 0, 0x40})},
        {"icon absurd width", poke(icon, entry3 + 4, {0, 0, 0, 0x10})},
        {"icon width 0", poke(icon, entry3 + 4, {0, 0, 0, 0})},
    };
    for (const Case& c : cases) {
        SetNumberedPicture(8, CreatePicture(4, 4, false));  // something to lose
        EXPECT_FALSE(LoadPictureFromBytes(8, c.Bytes)) << c.Name;
        EXPECT_EQ(NumberedPicture(8), nullptr) << c.Name;
        EXPECT_EQ(PictureWidth(8), 0) << c.Name;
    }
    // Bit count 0 in the directory and the bitmap header: the rule falls back to entry 0.
    std::vector<uint8_t> zero = poke(poke(icon, dir3 + 6, {0, 0}), entry3 + 14, {0, 0});
    DecodedPicture decoded;
    ASSERT_TRUE(DecodePicture(zero, decoded));
    EXPECT_EQ(decoded.ChosenEntry, 0);
    EXPECT_EQ(decoded.ChosenBitCount, 8);
    // The neighbours are untouched and the real blocks still decode.
    EXPECT_EQ(PictureWidth(7), 42);
    EXPECT_TRUE(LoadPictureFromBytes(8, png));
    EXPECT_EQ(PictureWidth(8), 40);
}

TEST_F(ImageSet, CopyOfShieldOverRestartButton) {
    ASSERT_TRUE(CopyPicture(19, 8));
    const Picture* shield = NumberedPicture(19);
    const Picture* eight = NumberedPicture(8);
    ASSERT_NE(eight, shield);  // a copy, not the same picture
    EXPECT_EQ(eight->Width, 40);
    EXPECT_EQ(eight->Height, 40);
    EXPECT_TRUE(eight->HasAlpha);
    EXPECT_EQ(std::memcmp(eight->Bits, shield->Bits, 40 * 40 * 4), 0);
    // Changing the copy leaves the shield alone.
    SetPicturePixel(NumberedPicture(8), 20, 20, RGB(1, 2, 3));
    EXPECT_NE(PicturePixel(shield, 20, 20), RGB(1, 2, 3));
    EXPECT_FALSE(CopyPicture(99, 8)) << "no picture 99";
    EXPECT_EQ(PictureWidth(8), 40) << "a failed copy keeps the target";
}

TEST_F(ImageSet, ResizingTheButtonFaceRoundsHalvesToEven) {
    ASSERT_TRUE(ScalePicture(11, 1.5, 1.5));
    EXPECT_EQ(PictureWidth(11), 201);
    EXPECT_EQ(PictureHeight(11), 46);  // 46.5
    ASSERT_TRUE(ScalePicture(10, 1.25, 1.25));
    EXPECT_EQ(PictureWidth(10), 168);  // 167.5
    EXPECT_EQ(PictureHeight(10), 39);  // 38.75
    // The white face stays white after smooth resizing.
    EXPECT_EQ(PicturePixel(NumberedPicture(11), 195, 23), RGB(255, 255, 255));
}

TEST_F(ImageSet, FlagDrawnOnWhiteBlendsItsEdges) {
    Picture* white = CreatePicture(50, 45, false);
    ASSERT_NE(white, nullptr);
    FillPictureRect(white, 0, 0, 50, 45, RGB(255, 255, 255));
    const Picture* flag = NumberedPicture(9);
    DrawPictureOnPicture(white, flag, 0, 0);
    int blended = 0, kept = 0, covered = 0;
    for (int y = 0; y < 45; ++y)
        for (int x = 0; x < 50; ++x) {
            uint8_t a = flag->Bits[(y * 50 + x) * 4 + 3];
            COLORREF c = PicturePixel(white, x, y);
            const uint8_t* f = &flag->Bits[(y * 50 + x) * 4];
            if (a == 0) {
                kept += c == RGB(255, 255, 255);
            } else if (a == 255) {
                covered += c == RGB(f[2], f[1], f[0]);
            } else {
                // Edge: between the flag colour and white, per channel.
                int expected = (f[0] * a + 255 * (255 - a) + 127) / 255;
                EXPECT_NEAR(GetBValue(c), expected, 1) << x << "," << y;
                ++blended;
            }
        }
    EXPECT_GT(blended, 20);
    EXPECT_GT(kept, 20);
    EXPECT_GT(covered, 500);
    EXPECT_EQ(white->Bits[3], 255) << "an opaque target stays opaque";
    FreePicture(white);
}

TEST(IconPngEntry, DecodesThroughLibpngOrIsRefused) {
    // The 256 x 256 PNG entry (directory entry 10) of a real icon file, as the
    // only entry of a new icon file.
    std::string path = __FILE__;
    path = path.substr(0, path.rfind("tests/ui/")) + "tests/data/real/ico/wcs_hostednetwork_computer.ico";
    std::vector<uint8_t> real;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        uint8_t buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) real.insert(real.end(), buffer, buffer + n);
        std::fclose(f);
    }
    ASSERT_GT(real.size(), 6u + 16 * 16);
    const uint8_t* dir = &real[6 + 16 * 10];
    uint32_t size = dir[8] | (dir[9] << 8) | (dir[10] << 16) | (uint32_t(dir[11]) << 24);
    uint32_t offset = dir[12] | (dir[13] << 8) | (dir[14] << 16) | (uint32_t(dir[15]) << 24);
    ASSERT_LE(size_t(offset) + size, real.size());
    std::vector<uint8_t> icon = {0, 0, 1, 0, 1, 0};
    icon.insert(icon.end(), dir, dir + 12);
    icon.insert(icon.end(), {22, 0, 0, 0});
    icon.insert(icon.end(), real.begin() + offset, real.begin() + offset + size);
    DecodedPicture p;
    ASSERT_TRUE(DecodePicture(icon, p));
    EXPECT_EQ(p.Width, 256);
    EXPECT_EQ(p.Height, 256);
    EXPECT_TRUE(p.HasAlpha);
    EXPECT_EQ(p.ChosenEntry, 0);
    // A cut PNG entry is refused.
    icon.resize(icon.size() - size / 2);
    icon[14] = static_cast<uint8_t>((size - size / 2) & 0xFF);
    icon[15] = static_cast<uint8_t>(((size - size / 2) >> 8) & 0xFF);
    icon[16] = static_cast<uint8_t>(((size - size / 2) >> 16) & 0xFF);
    icon[17] = 0;
    DecodedPicture cut;
    EXPECT_FALSE(DecodePicture(icon, cut));
    EXPECT_TRUE(cut.Pixels.empty());
}

TEST(PictureDecoder, MutatedBlocksOfEveryFormatNeverCrash) {
    uint32_t state = 2463534242u;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    int decoded = 0, refused = 0;
    for (int number : {19, 6, 10, 5, 21, 4}) {
        std::vector<uint8_t> seed = Embedded(number);
        ASSERT_FALSE(seed.empty()) << number;
        for (int round = 0; round < 150; ++round) {
            std::vector<uint8_t> bytes = seed;
            int changes = 1 + next() % 3;
            for (int i = 0; i < changes; ++i) {
                // Headers most often: the first 200 bytes hold the PNG, JPEG and icon headers.
                size_t limit = next() % 2 ? std::min<size_t>(bytes.size(), 200) : bytes.size();
                bytes[next() % limit] = static_cast<uint8_t>(next());
            }
            if (next() % 4 == 0) bytes.resize(next() % bytes.size());
            DecodedPicture p;
            if (DecodePicture(bytes, p)) {
                ++decoded;
                ASSERT_GE(p.Width, 1);
                ASSERT_LE(p.Width, MaxPictureSide);
                ASSERT_EQ(p.Pixels.size(), size_t(p.Width) * p.Height * 4);
            } else {
                ++refused;
                ASSERT_TRUE(p.Pixels.empty());
            }
        }
    }
    EXPECT_GT(decoded, 30);
    EXPECT_GT(refused, 30);
}
