#include "ui/icon_decoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

using Bytes = std::vector<uint8_t>;

void PutWord(Bytes& b, size_t at, uint32_t v) {
    b[at] = v & 0xFF;
    b[at + 1] = (v >> 8) & 0xFF;
}
void PutDword(Bytes& b, size_t at, uint32_t v) {
    PutWord(b, at, v & 0xFFFF);
    PutWord(b, at + 2, v >> 16);
}

// One entry: width × height, bits per pixel, and pixel (x, y) as B, G, R, A.
// Palette entries use index (x + y) % palette size with colour (index * 10, 1, 2).
// The mask marks the top-left pixel transparent.
struct EntrySpec {
    int Width, Height, Bits;
    int DirectoryBits = -1;  // -1: same as Bits
};

uint8_t Channel(int x, int y, int c) { return static_cast<uint8_t>(10 * x + 40 * y + c); }

Bytes EntryBytes(const EntrySpec& e) {
    size_t stride = ((e.Width * e.Bits + 31) / 32) * 4, maskStride = ((e.Width + 31) / 32) * 4;
    size_t palette = e.Bits <= 8 ? (size_t(1) << e.Bits) : 0;
    Bytes b(40 + palette * 4 + stride * e.Height + maskStride * e.Height, 0);
    PutDword(b, 0, 40);
    PutDword(b, 4, e.Width);
    PutDword(b, 8, e.Height * 2);
    PutWord(b, 12, 1);
    PutWord(b, 14, e.Bits);
    for (size_t i = 0; i < palette; ++i) {
        b[40 + i * 4] = static_cast<uint8_t>(i * 10);
        b[40 + i * 4 + 1] = 1;
        b[40 + i * 4 + 2] = 2;
    }
    size_t colours = 40 + palette * 4;
    for (int y = 0; y < e.Height; ++y) {
        uint8_t* row = &b[colours + stride * (e.Height - 1 - y)];
        for (int x = 0; x < e.Width; ++x) {
            if (e.Bits <= 8) {
                unsigned index = (x + y) % palette;
                if (e.Bits == 8) row[x] = static_cast<uint8_t>(index);
                if (e.Bits == 4) row[x / 2] |= static_cast<uint8_t>(index << (x % 2 ? 0 : 4));
                if (e.Bits == 1) row[x / 8] |= static_cast<uint8_t>(index << (7 - x % 8));
            } else {
                int n = e.Bits / 8;
                for (int c = 0; c < n; ++c) row[x * n + c] = Channel(x, y, c);
            }
        }
    }
    size_t mask = colours + stride * e.Height;
    b[mask + maskStride * (e.Height - 1)] = 0x80;  // top row is stored last
    return b;
}

Bytes IconFile(const std::vector<EntrySpec>& specs) {
    Bytes out(6 + 16 * specs.size(), 0);
    PutWord(out, 2, 1);
    PutWord(out, 4, static_cast<uint32_t>(specs.size()));
    for (size_t i = 0; i < specs.size(); ++i) {
        Bytes entry = EntryBytes(specs[i]);
        size_t d = 6 + 16 * i;
        out[d] = static_cast<uint8_t>(specs[i].Width);
        out[d + 1] = static_cast<uint8_t>(specs[i].Height);
        PutWord(out, d + 4, 1);
        PutWord(out, d + 6, specs[i].DirectoryBits < 0 ? specs[i].Bits : specs[i].DirectoryBits);
        PutDword(out, d + 8, static_cast<uint32_t>(entry.size()));
        PutDword(out, d + 12, static_cast<uint32_t>(out.size()));
        out.insert(out.end(), entry.begin(), entry.end());
    }
    return out;
}

IconResult Decode(const Bytes& file, DecodedPicture& picture) {
    ByteView png;
    return DecodeIconFile(ByteView(file.data(), file.size()), picture, png);
}

const uint8_t* PixelOf(const DecodedPicture& p, int x, int y) { return &p.Pixels[(y * p.Width + x) * 4]; }

}  // namespace

TEST(IconDecoder, RecognisesFormatsFromFirstBytes) {
    struct Case {
        Bytes Data;
        PictureFormat Expected;
    } cases[] = {
        {{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0}, PictureFormat::Png},
        {{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A}, PictureFormat::Unknown},
        {{0xFF, 0xD8, 0xFF}, PictureFormat::Jpeg},
        {{0xFF}, PictureFormat::Unknown},
        {{0, 0, 1, 0, 3, 0}, PictureFormat::Icon},
        {{0, 0, 1, 0, 0, 0}, PictureFormat::Unknown},  // no entries
        {{0, 0, 2, 0, 1, 0}, PictureFormat::Unknown},  // cursor file
        {{}, PictureFormat::Unknown},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DetectPictureFormat(ByteView(c.Data.data(), c.Data.size())), c.Expected) << c.Data.size();
}

TEST(IconDecoder, EntryRuleTakesStrictlyHigherBitsOfTheFirstEntrysSize) {
    struct Case {
        std::vector<EntrySpec> Entries;
        int Chosen;
    } cases[] = {
        {{{48, 48, 8}, {32, 32, 8}, {16, 16, 8}, {48, 48, 32}, {32, 32, 32}}, 3},
        {{{48, 48, 8}, {32, 32, 8}, {16, 16, 8}, {48, 48, 32}, {32, 32, 32}, {16, 16, 32}}, 3},
        {{{16, 16, 4}, {16, 16, 24}, {16, 16, 32}}, 2},
        {{{16, 16, 24}, {16, 16, 32}}, 1},
        {{{16, 16, 32}, {16, 16, 24}}, 0},
        {{{32, 32, 8}, {16, 16, 32}}, 0},      // other sizes never win
        {{{16, 16, 24}, {16, 16, 24}}, 0},     // equal is not higher
        {{{16, 16, 4}, {16, 16, 32}, {16, 16, 24}}, 1},
        {{{16, 16, 32, 0}, {16, 16, 24}}, 0},  // directory 0: the bitmap header says 32
        {{{16, 16, 4, 0}, {16, 16, 8, 0}}, 1},
    };
    for (const Case& c : cases) {
        Bytes file = IconFile(c.Entries);
        ByteView view(file.data(), file.size());
        std::vector<IconDirectoryEntry> entries;
        ASSERT_TRUE(ReadIconDirectory(view, entries));
        EXPECT_EQ(ChooseIconEntry(view, entries), c.Chosen) << c.Entries.size() << " entries";
        DecodedPicture picture;
        ASSERT_EQ(Decode(file, picture), IconResult::Decoded);
        EXPECT_EQ(picture.ChosenEntry, c.Chosen);
        EXPECT_EQ(picture.ChosenBitCount, c.Entries[c.Chosen].Bits);
        EXPECT_EQ(picture.Width, c.Entries[c.Chosen].Width);
    }
}

TEST(IconDecoder, DecodesEveryDepthWithMaskOrAlpha) {
    // Odd width 3 exercises row padding of every depth.
    for (int bits : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(bits);
        Bytes file = IconFile({{3, 2, bits}});
        DecodedPicture p;
        ASSERT_EQ(Decode(file, p), IconResult::Decoded);
        ASSERT_EQ(p.Width, 3);
        ASSERT_EQ(p.Height, 2);
        ASSERT_EQ(p.Pixels.size(), 24u);
        EXPECT_TRUE(p.HasAlpha);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) {
                const uint8_t* px = PixelOf(p, x, y);
                if (bits <= 8) {
                    unsigned index = (x + y) % (1u << bits);
                    EXPECT_EQ(px[0], index * 10);
                    EXPECT_EQ(px[1], 1);
                    EXPECT_EQ(px[2], 2);
                    EXPECT_EQ(px[3], (x == 0 && y == 0) ? 0 : 255);
                } else {
                    EXPECT_EQ(px[0], Channel(x, y, 0));
                    EXPECT_EQ(px[2], Channel(x, y, 2));
                    // 32 bits keep their alpha and ignore the mask
                    int alpha = bits == 32 ? Channel(x, y, 3) : (x == 0 && y == 0) ? 0 : 255;
                    EXPECT_EQ(px[3], alpha);
                }
            }
    }
}

TEST(IconDecoder, ThirtyTwoBitsWithoutAnyAlphaFallBackToTheMask) {
    Bytes file = IconFile({{2, 2, 32}});
    size_t colours = 6 + 16 + 40;
    for (size_t i = 0; i < 4; ++i) file[colours + i * 4 + 3] = 0;
    DecodedPicture p;
    ASSERT_EQ(Decode(file, p), IconResult::Decoded);
    EXPECT_EQ(PixelOf(p, 0, 0)[3], 0);
    EXPECT_EQ(PixelOf(p, 1, 0)[3], 255);
    EXPECT_EQ(PixelOf(p, 1, 1)[3], 255);
}

TEST(IconDecoder, RefusesBrokenFilesWithoutReadingOutside) {
    const Bytes good = IconFile({{4, 4, 24}, {4, 4, 32}});
    const size_t dir1 = 22;
    const size_t entry1 = good[dir1 + 12] | (good[dir1 + 13] << 8);
    struct Case {
        const char* Name;
        void (*Break)(Bytes&, size_t entry);
    } cases[] = {
        {"truncated directory", [](Bytes& b, size_t) { b.resize(20); }},
        {"truncated entry", [](Bytes& b, size_t) { b.resize(b.size() - 1); }},
        {"header only", [](Bytes& b, size_t) { b.resize(6); }},
        {"offset past end", [](Bytes& b, size_t) { PutDword(b, 22 + 12, static_cast<uint32_t>(b.size() + 1)); }},
        {"offset huge", [](Bytes& b, size_t) { PutDword(b, 22 + 12, 0xFFFFFFF0u); }},
        {"size past end", [](Bytes& b, size_t) { PutDword(b, 22 + 8, 0xFFFFFFFFu); }},
        {"size 0", [](Bytes& b, size_t) { PutDword(b, 22 + 8, 0); }},
        {"bitmap width 0", [](Bytes& b, size_t e) { PutDword(b, e + 4, 0); }},
        {"bitmap width huge", [](Bytes& b, size_t e) { PutDword(b, e + 4, 0x7FFFFFFF); }},
        {"bitmap width negative", [](Bytes& b, size_t e) { PutDword(b, e + 4, 0xFFFFFFFC); }},
        {"height 0", [](Bytes& b, size_t e) { PutDword(b, e + 8, 0); }},
        {"height negative", [](Bytes& b, size_t e) { PutDword(b, e + 8, 0xFFFFFFF8); }},
        {"height absurd", [](Bytes& b, size_t e) { PutDword(b, e + 8, 0x40000000); }},
        {"height beyond the data", [](Bytes& b, size_t e) { PutDword(b, e + 8, 64); }},
        {"bits 0 in bitmap header", [](Bytes& b, size_t e) { PutWord(b, e + 14, 0); }},
        {"bits 2", [](Bytes& b, size_t e) { PutWord(b, e + 14, 2); }},
        {"bits 3", [](Bytes& b, size_t e) { PutWord(b, e + 14, 3); }},
        {"bits 16", [](Bytes& b, size_t e) { PutWord(b, e + 14, 16); }},
        {"bits 64", [](Bytes& b, size_t e) { PutWord(b, e + 14, 64); }},
        {"compressed", [](Bytes& b, size_t e) { PutDword(b, e + 16, 1); }},
        {"header size past entry", [](Bytes& b, size_t e) { PutDword(b, e, 0x10000); }},
        {"header size too small", [](Bytes& b, size_t e) { PutDword(b, e, 12); }},
        {"entry count past directory", [](Bytes& b, size_t) { PutWord(b, 4, 0xFFFF); }},
    };
    for (const Case& c : cases) {
        Bytes file = good;
        c.Break(file, entry1);
        DecodedPicture p;
        p.Width = 77;
        EXPECT_EQ(Decode(file, p), IconResult::Refused) << c.Name;
        EXPECT_EQ(p.Width, 77) << c.Name << ": picture must stay untouched";
    }
    DecodedPicture p;
    EXPECT_EQ(Decode(good, p), IconResult::Decoded);
}

TEST(IconDecoder, PaletteAndTwentyFourBitEntriesNeedTheirMask) {
    for (int bits : {4, 24}) {
        Bytes file = IconFile({{8, 8, bits}});
        size_t maskBytes = 4 * 8;
        file.resize(file.size() - maskBytes / 2);
        PutDword(file, 6 + 8, static_cast<uint32_t>(file.size() - 22));
        DecodedPicture p;
        EXPECT_EQ(Decode(file, p), IconResult::Refused) << bits;
    }
    Bytes file = IconFile({{8, 8, 32}});
    file.resize(file.size() - 4 * 8);
    PutDword(file, 6 + 8, static_cast<uint32_t>(file.size() - 22));
    DecodedPicture p;
    EXPECT_EQ(Decode(file, p), IconResult::Decoded) << "32 bits carry their own alpha";
}

TEST(IconDecoder, PngEntryIsHandedBack) {
    Bytes file = IconFile({{16, 16, 32}});
    const uint8_t png[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 1, 2, 3};
    size_t at = 6 + 16;
    file.resize(at);
    file.insert(file.end(), png, png + sizeof png);
    PutDword(file, 6 + 8, sizeof png);
    DecodedPicture p;
    ByteView entry;
    ASSERT_EQ(DecodeIconFile(ByteView(file.data(), file.size()), p, entry), IconResult::PngEntry);
    EXPECT_EQ(entry.size(), sizeof png);
    EXPECT_EQ(entry.data(), file.data() + at);
    EXPECT_EQ(p.ChosenEntry, 0);
}

TEST(IconDecoder, MutatedFilesNeverReadOutsideOrReturnBrokenPictures) {
    const std::vector<Bytes> seeds = {
        IconFile({{16, 16, 4}, {16, 16, 24}, {16, 16, 32}}),
        IconFile({{5, 3, 1}, {5, 3, 8, 0}}),
        IconFile({{48, 48, 8}, {32, 32, 32}}),
    };
    uint32_t state = 12345;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    int decoded = 0, refused = 0;
    for (int round = 0; round < 6000; ++round) {
        Bytes file = seeds[round % seeds.size()];
        // Hit the header and directory most, the bitmap headers next, anything else now and then.
        int changes = 1 + next() % 4;
        for (int i = 0; i < changes; ++i) {
            uint32_t pick = next();
            size_t limit = (pick % 3 == 0) ? 6 + 16 * 3 : (pick % 3 == 1) ? std::min<size_t>(file.size(), 120) : file.size();
            file[next() % limit] = static_cast<uint8_t>(next());
        }
        if (next() % 5 == 0) file.resize(next() % file.size());
        DecodedPicture p;
        ByteView png;
        IconResult r = DecodeIconFile(ByteView(file.data(), file.size()), p, png);
        if (r == IconResult::Decoded) {
            ++decoded;
            ASSERT_GE(p.Width, 1);
            ASSERT_GE(p.Height, 1);
            ASSERT_LE(p.Width, MaxIconSide);
            ASSERT_LE(p.Height, MaxIconSide);
            ASSERT_EQ(p.Pixels.size(), size_t(p.Width) * p.Height * 4);
        } else if (r == IconResult::Refused) {
            ++refused;
            ASSERT_TRUE(p.Pixels.empty());
        } else {
            ASSERT_GE(png.data(), file.data());
            ASSERT_LE(png.data() + png.size(), file.data() + file.size());
        }
    }
    // Both outcomes must occur, or the mutations were too mild or too wild to prove anything.
    EXPECT_GT(decoded, 100);
    EXPECT_GT(refused, 100);
}

namespace {

Bytes ReadRealIcon(const char* name) {
    std::string path = __FILE__;
    path = path.substr(0, path.rfind("tests/ui/")) + "tests/data/real/ico/" + name;
    Bytes out;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        uint8_t buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) out.insert(out.end(), buffer, buffer + n);
        std::fclose(f);
    }
    return out;
}

}  // namespace

TEST(IconDecoder, RealFilesFollowTheEntryRule) {
    struct Case {
        const char* File;
        int Entry, Width, Height, Bits;
    } cases[] = {
        {"dotnet_256x256_seven_entries_multiple_bits.ico", 0, 16, 16, 1},  // no other 16x16
        {"wcs_AmbientLightAware.ico", 6, 48, 48, 24},  // 4-bit first entry has directory bits 0
        {"wcs_aerowizard_notepad.ico", 6, 48, 48, 32},  // every directory bit count is 0
        {"wcs_eventsink_small.ico", 6, 32, 32, 32},
        {"wcs_hostednetwork_computer.ico", 11, 64, 64, 32},
    };
    for (const Case& c : cases) {
        Bytes file = ReadRealIcon(c.File);
        ASSERT_FALSE(file.empty()) << c.File;
        DecodedPicture p;
        ASSERT_EQ(Decode(file, p), IconResult::Decoded) << c.File;
        EXPECT_EQ(p.ChosenEntry, c.Entry) << c.File;
        EXPECT_EQ(p.Width, c.Width) << c.File;
        EXPECT_EQ(p.Height, c.Height) << c.File;
        EXPECT_EQ(p.ChosenBitCount, c.Bits) << c.File;
        // Every real icon here has transparent corners and an opaque middle.
        EXPECT_EQ(PixelOf(p, 0, 0)[3], 0) << c.File;
        EXPECT_GT(PixelOf(p, c.Width / 2, c.Height / 2)[3], 0) << c.File;
    }
}
