#include "sysinfo/fact_text.h"
#include "sysinfo/memory_figures.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const int64_t kGiB = int64_t(1) << 30;
const int64_t kMiB = int64_t(1) << 20;

int64_t Tenths(int64_t tenthsOfGiB) { return tenthsOfGiB * kGiB / 10; }

TEST(SysinfoMemoryFigures, WholeGibibytesAsTheWindowShowsThem) {
    struct Case { const char* name; int64_t total, free, t, f, u; };
    const Case cases[] = {
        {"16 GiB installed, 15.8 usable, 9.6 free", Tenths(158), Tenths(96), 16, 9, 6},
        {"0.9 GiB free", Tenths(158), Tenths(9), 16, 0, 14},
        {"3 GiB shows 4", 3 * kGiB, kGiB, 4, 1, 2},
        {"7.5 GiB shows 8", Tenths(75), Tenths(75), 8, 7, 0},
        {"exact 8 GiB", 8 * kGiB, 0, 8, 0, 8},
        {"nothing", 0, 0, 0, 0, 0},
        {"free read above total", 2 * kGiB, 3 * kGiB, 2, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TotalGibibytes(c.total), c.t);
        EXPECT_EQ(FreeGibibytes(c.free), c.f);
        EXPECT_EQ(UsedGibibytes(c.total, c.free), c.u);
    }
}

TEST(SysinfoMemoryFigures, GraphicsMemoryTextInMebibytes) {
    struct Case { const char16_t* text; int64_t mebibytes; };
    const Case cases[] = {{u"8589934592", 8192}, {u"4294967296", 4096}, {u"1572864", 1},
                          {u"1048575", 0}, {u"Error", 0}, {u"", 0}, {u"-3145728", -3}};
    for (const Case& c : cases) EXPECT_EQ(MebibytesFromRegistryText(c.text), c.mebibytes) << TextToUtf8(c.text);
}

TEST(SysinfoFactText, NumberKindReadsEightBytesLittleEndian) {
    uint8_t buffer[16] = {};
    buffer[0] = 0x58;
    buffer[1] = 0x0B;  // 2904 as a 4-byte value, the rest zero
    EXPECT_EQ(RegistryBufferText(buffer, sizeof buffer, kRegistryNumber), u"2904");
    uint64_t eightGiB = uint64_t(8) * uint64_t(kGiB);
    std::memcpy(buffer, &eightGiB, 8);
    EXPECT_EQ(RegistryBufferText(buffer, sizeof buffer, kRegistryNumber), u"8589934592");
    std::memset(buffer, 0xFF, 8);
    EXPECT_EQ(RegistryBufferText(buffer, sizeof buffer, kRegistryNumber), u"-1");
    EXPECT_EQ(RegistryBufferText(buffer, 2, kRegistryNumber), u"65535");
}

TEST(SysinfoFactText, TextKindStopsAtTheFirstZeroCharacter) {
    const uint8_t buffer[] = {'A', 0, 0xFC, 0, 0x20, 0x26, 0, 0, 'Z', 0};
    EXPECT_EQ(RegistryBufferText(buffer, sizeof buffer, kRegistryText), u"A\u00FC\u2620");
    EXPECT_EQ(RegistryBufferText(buffer, 3, kRegistryText), u"A");
    EXPECT_EQ(RegistryBufferText(buffer, sizeof buffer, 2), u"");
    EXPECT_EQ(RegistryBufferText(buffer, sizeof buffer, -1), u"");
}

TEST(SysinfoFactText, BrandStringLosesOnlyLeadingBlanks) {
    struct Case { const char* bytes; const char16_t* text; };
    const Case cases[] = {
        {"        Intel(R) Core(TM) i7 CPU  ", u"Intel(R) Core(TM) i7 CPU  "},
        {"\t \tAMD Ryzen", u"AMD Ryzen"},
        {"Plain", u"Plain"},
        {"    ", u""},
        {"", u""},
    };
    for (const Case& c : cases) {
        char brand[48] = {};
        std::memcpy(brand, c.bytes, std::strlen(c.bytes));
        EXPECT_EQ(CpuBrandText(brand, sizeof brand), c.text) << c.bytes;
    }
    char full[48];
    std::memset(full, 'x', sizeof full);  // no zero byte at all
    EXPECT_EQ(CpuBrandText(full, sizeof full).size(), 48u);
}

}  // namespace
