// Contact sheet of the decoded image set: every picture at its natural size,
// blended onto a checkerboard (so transparency shows), with its number.
// Usage: image_sheet_bench.exe [out.png]   (default image-set.png)
#include <windows.h>

#include <png.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "bench/image_bench_blocks.h"
#include "platform/pictures.h"
#include "platform/wide.h"

namespace {

constexpr int kSheetWidth = 900;
constexpr int kGap = 14;
constexpr int kLabel = 18;

void Checkerboard(Picture* sheet) {
    for (int y = 0; y < sheet->Height; y += 8)
        for (int x = 0; x < sheet->Width; x += 8) {
            bool dark = ((x / 8) + (y / 8)) % 2 != 0;
            FillPictureRect(sheet, x, y, 8, 8, dark ? RGB(204, 204, 204) : RGB(255, 255, 255));
        }
}

struct Place {
    int X, Y;
};

// Shelf layout: left to right, a new row when the width is used up.
int LayOut(Place* places) {
    int x = kGap, y = kGap, rowHeight = 0;
    for (int n = 0; n < ImageSetCount; ++n) {
        int w = std::max(PictureWidth(n), 40), h = PictureHeight(n);
        if (x + w + kGap > kSheetWidth) {
            x = kGap;
            y += rowHeight + kLabel + kGap;
            rowHeight = 0;
        }
        places[n] = {x, y};
        x += w + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    return y + rowHeight + kLabel + kGap;
}

}  // namespace

int main(int argc, char** argv) {
    const char* out = argc > 1 ? argv[1] : "image-set.png";
    ImageBlocks blocks;
    GatherImageBlocks(blocks);
    auto start = std::chrono::steady_clock::now();
    if (blocks.Embedded) {
        LoadImageSet();
    } else {
        DecodeImageBlocks(blocks);
    }
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

    Place places[ImageSetCount];
    int height = LayOut(places);
    Picture* sheet = CreatePicture(kSheetWidth, height, false);
    if (!sheet) return 1;
    Checkerboard(sheet);
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, PROOF_QUALITY, 0, L"Tahoma");
    for (int n = 0; n < ImageSetCount; ++n) {
        const Picture* p = NumberedPicture(n);
        if (p) DrawPictureOnPicture(sheet, p, places[n].X, places[n].Y);
        wchar_t label[16];
        std::swprintf(label, 16, p ? L"%d" : L"%d: none", n);
        Text text = FromWide(label);
        DrawPictureText(sheet, font, places[n].X, places[n].Y + std::max(PictureHeight(n), 0) + 2, text, RGB(0, 0, 0),
                        RGB(255, 255, 160));
    }
    DeleteObject(font);

    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(sheet->Width);
    image.height = static_cast<png_uint_32>(sheet->Height);
    image.format = PNG_FORMAT_BGR;
    std::vector<uint8_t> rgb(static_cast<size_t>(sheet->Width) * sheet->Height * 3);
    for (size_t i = 0; i < static_cast<size_t>(sheet->Width) * sheet->Height; ++i)
        std::copy_n(sheet->Bits + i * 4, 3, &rgb[i * 3]);
    bool written = png_image_write_to_file(&image, out, 0, rgb.data(), 0, nullptr) != 0;
    std::printf("%s: %d x %d, %s; decoding the set took %.3f ms (%s)\n", out, sheet->Width, sheet->Height,
                written ? "written" : "NOT written", ms, blocks.Embedded ? "embedded blocks" : "files of assets/");
    FreePicture(sheet);
    FreeAllPictures();
    return written ? 0 : 1;
}
