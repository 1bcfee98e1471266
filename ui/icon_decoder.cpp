#include "ui/icon_decoder.h"

#include <cstring>

namespace {

const uint8_t kPngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
constexpr size_t kIconHeaderSize = 6;
constexpr size_t kDirectoryEntrySize = 16;
constexpr size_t kBitmapHeaderSize = 40;

uint16_t Word(ByteView data, size_t at) { return static_cast<uint16_t>(data[at] | (data[at + 1] << 8)); }

uint32_t Dword(ByteView data, size_t at) {
    return static_cast<uint32_t>(data[at]) | (static_cast<uint32_t>(data[at + 1]) << 8) |
           (static_cast<uint32_t>(data[at + 2]) << 16) | (static_cast<uint32_t>(data[at + 3]) << 24);
}

bool StartsWithPng(ByteView data) { return data.size() >= 8 && std::memcmp(data.data(), kPngSignature, 8) == 0; }

// The entry's bytes, or an empty view when they do not lie inside the file.
ByteView EntryBytes(ByteView data, const IconDirectoryEntry& entry) {
    if (entry.Offset > data.size() || entry.Size > data.size() - entry.Offset) return {};
    return data.subspan(entry.Offset, entry.Size);
}

int EffectiveBitCount(ByteView data, const IconDirectoryEntry& entry) {
    if (entry.BitCount != 0) return entry.BitCount;
    ByteView bytes = EntryBytes(data, entry);
    if (bytes.size() < kBitmapHeaderSize || StartsWithPng(bytes)) return 0;
    return Word(bytes, 14);
}

size_t RowStride(int64_t width, int bitCount) { return static_cast<size_t>(((width * bitCount + 31) / 32) * 4); }

bool MaskBitSet(const uint8_t* row, int x) { return (row[x / 8] & (0x80 >> (x % 8))) != 0; }

// Palette index of pixel x in a row of 1, 4 or 8 bits.
unsigned PaletteIndex(const uint8_t* row, int x, int bitCount) {
    switch (bitCount) {
        case 1: return (row[x / 8] >> (7 - x % 8)) & 1;
        case 4: return (x % 2 == 0) ? (row[x / 2] >> 4) : (row[x / 2] & 0x0F);
        default: return row[x];
    }
}

IconResult DecodeBitmapEntry(ByteView bytes, DecodedPicture& picture) {
    if (bytes.size() < kBitmapHeaderSize) return IconResult::Refused;
    uint32_t headerSize = Dword(bytes, 0);
    int32_t width = static_cast<int32_t>(Dword(bytes, 4));
    int32_t doubledHeight = static_cast<int32_t>(Dword(bytes, 8));
    int bitCount = Word(bytes, 14);
    uint32_t compression = Dword(bytes, 16);
    uint32_t coloursUsed = Dword(bytes, 32);
    if (headerSize < kBitmapHeaderSize || headerSize > bytes.size()) return IconResult::Refused;
    if (width <= 0 || width > MaxIconSide || doubledHeight < 2 || doubledHeight > 2 * MaxIconSide)
        return IconResult::Refused;
    if (compression != 0) return IconResult::Refused;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32) return IconResult::Refused;
    int height = doubledHeight / 2;

    size_t at = headerSize;
    size_t paletteSize = 0;
    if (bitCount <= 8) {
        size_t full = size_t(1) << bitCount;
        paletteSize = (coloursUsed != 0 && coloursUsed < full) ? coloursUsed : full;
        if (bytes.size() - at < paletteSize * 4) return IconResult::Refused;
    }
    const uint8_t* palette = bytes.data() + at;
    at += paletteSize * 4;

    size_t colourStride = RowStride(width, bitCount);
    size_t maskStride = RowStride(width, 1);
    size_t colourBytes = colourStride * static_cast<size_t>(height);
    size_t maskBytes = maskStride * static_cast<size_t>(height);
    if (bytes.size() - at < colourBytes) return IconResult::Refused;
    const uint8_t* colours = bytes.data() + at;
    at += colourBytes;
    // A 32-bit entry has its alpha; the other depths need the mask.
    bool haveMask = bytes.size() - at >= maskBytes;
    if (!haveMask && bitCount != 32) return IconResult::Refused;
    const uint8_t* mask = haveMask ? bytes.data() + at : nullptr;

    std::vector<uint8_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        // Bitmap rows are stored bottom-up.
        const uint8_t* row = colours + colourStride * static_cast<size_t>(height - 1 - y);
        uint8_t* out = pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width) * 4;
        for (int x = 0; x < width; ++x, out += 4) {
            if (bitCount <= 8) {
                unsigned index = PaletteIndex(row, x, bitCount);
                if (index < paletteSize) std::memcpy(out, palette + index * 4, 3);
                out[3] = 255;
            } else if (bitCount == 24) {
                std::memcpy(out, row + x * 3, 3);
                out[3] = 255;
            } else {
                std::memcpy(out, row + x * 4, 4);
                anyAlpha = anyAlpha || out[3] != 0;
            }
        }
    }
    bool useMask = bitCount != 32 || !anyAlpha;
    if (useMask && mask) {
        for (int y = 0; y < height; ++y) {
            const uint8_t* row = mask + maskStride * static_cast<size_t>(height - 1 - y);
            uint8_t* out = pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width) * 4;
            for (int x = 0; x < width; ++x, out += 4) out[3] = MaskBitSet(row, x) ? 0 : 255;
        }
    } else if (useMask) {
        // 32 bits, no alpha and no mask: an opaque picture.
        for (size_t i = 3; i < pixels.size(); i += 4) pixels[i] = 255;
    }
    picture.Width = width;
    picture.Height = height;
    picture.HasAlpha = true;
    picture.Pixels = std::move(pixels);
    picture.ChosenBitCount = bitCount;
    return IconResult::Decoded;
}

}  // namespace

PictureFormat DetectPictureFormat(ByteView data) {
    if (StartsWithPng(data)) return PictureFormat::Png;
    if (data.size() >= 2 && data[0] == 0xFF && data[1] == 0xD8) return PictureFormat::Jpeg;
    if (data.size() >= kIconHeaderSize && Word(data, 0) == 0 && Word(data, 2) == 1 && Word(data, 4) > 0)
        return PictureFormat::Icon;
    return PictureFormat::Unknown;
}

bool ReadIconDirectory(ByteView data, std::vector<IconDirectoryEntry>& entries) {
    entries.clear();
    if (DetectPictureFormat(data) != PictureFormat::Icon) return false;
    size_t count = Word(data, 4);
    if (data.size() < kIconHeaderSize + count * kDirectoryEntrySize) return false;
    for (size_t i = 0; i < count; ++i) {
        size_t at = kIconHeaderSize + i * kDirectoryEntrySize;
        IconDirectoryEntry entry;
        entry.Width = data[at] == 0 ? 256 : data[at];
        entry.Height = data[at + 1] == 0 ? 256 : data[at + 1];
        entry.BitCount = Word(data, at + 6);
        entry.Size = Dword(data, at + 8);
        entry.Offset = Dword(data, at + 12);
        entries.push_back(entry);
    }
    return true;
}

int ChooseIconEntry(ByteView data, const std::vector<IconDirectoryEntry>& entries) {
    if (entries.empty()) return -1;
    int chosen = 0;
    int chosenBits = EffectiveBitCount(data, entries[0]);
    for (size_t i = 1; i < entries.size(); ++i) {
        if (entries[i].Width != entries[0].Width || entries[i].Height != entries[0].Height) continue;
        int bits = EffectiveBitCount(data, entries[i]);
        if (bits > chosenBits) {
            chosen = static_cast<int>(i);
            chosenBits = bits;
        }
    }
    return chosen;
}

IconResult DecodeIconFile(ByteView data, DecodedPicture& picture, ByteView& pngEntry) {
    std::vector<IconDirectoryEntry> entries;
    if (!ReadIconDirectory(data, entries)) return IconResult::Refused;
    int chosen = ChooseIconEntry(data, entries);
    if (chosen < 0) return IconResult::Refused;
    ByteView bytes = EntryBytes(data, entries[static_cast<size_t>(chosen)]);
    if (bytes.empty()) return IconResult::Refused;
    if (StartsWithPng(bytes)) {
        pngEntry = bytes;
        picture.ChosenEntry = chosen;
        picture.ChosenBitCount = entries[static_cast<size_t>(chosen)].BitCount;
        return IconResult::PngEntry;
    }
    DecodedPicture decoded;
    IconResult result = DecodeBitmapEntry(bytes, decoded);
    if (result != IconResult::Decoded) return result;
    decoded.ChosenEntry = chosen;
    picture = std::move(decoded);
    return IconResult::Decoded;
}
