// Decoding of the pictures of the image set into plain pixel buffers: the
// format test and the icon file decoder. No Windows header: this also builds
// on the host and runs there under the sanitizers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

using ByteView = std::span<const uint8_t>;

enum class PictureFormat { Unknown, Png, Jpeg, Icon };

// From the first bytes: the PNG signature, the JPEG start-of-image marker or
// an icon file header (reserved 0, type 1, at least one entry).
PictureFormat DetectPictureFormat(ByteView data);

// Top-down rows, 4 bytes per pixel in the order B, G, R, A, straight (not
// premultiplied) alpha. Opaque pictures have alpha 255 everywhere.
struct DecodedPicture {
    int Width = 0;
    int Height = 0;
    bool HasAlpha = false;
    std::vector<uint8_t> Pixels;
    // Icon files only: the chosen directory entry and its bits per pixel.
    int ChosenEntry = -1;
    int ChosenBitCount = 0;
};

// Larger pictures are refused before anything is allocated.
constexpr int MaxPictureSide = 4096;
constexpr int MaxIconSide = 1024;

enum class IconResult {
    Decoded,    // picture filled
    PngEntry,   // the chosen entry holds a PNG file: pngEntry names its bytes,
                // only ChosenEntry and ChosenBitCount are set
    Refused,    // broken or unsupported; picture untouched
};

struct IconDirectoryEntry {
    int Width = 0;   // 0 in the file means 256
    int Height = 0;
    int BitCount = 0;
    uint32_t Size = 0;
    uint32_t Offset = 0;
};

// Reads the directory; false when the header or a directory entry lies
// outside the data.
bool ReadIconDirectory(ByteView data, std::vector<IconDirectoryEntry>& entries);

// The entry rule: start with the first entry; among the entries of the first
// entry's width and height a later one replaces the chosen one only when its
// bits per pixel are strictly higher. A directory bit count of 0 (common in
// real files) is taken from the entry's own bitmap header. -1 when none.
int ChooseIconEntry(ByteView data, const std::vector<IconDirectoryEntry>& entries);

// Bitmap entries of 1, 4, 8, 24 and 32 bits (BI_RGB). Palette and 24-bit
// entries are transparent where the AND mask bit is set; 32-bit entries keep
// their alpha (an all-zero alpha channel falls back to the mask).
IconResult DecodeIconFile(ByteView data, DecodedPicture& picture, ByteView& pngEntry);
