// The picture blocks for the image benches: the executable's RCDATA blocks
// when it carries them, otherwise the committed files of assets/ read into
// memory (the bench targets are linked without the resource script).
#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "platform/embedded_data.h"
#include "ui/image_set.h"

struct ImageBlocks {
    std::vector<std::vector<uint8_t>> Files;  // read from assets/ when not embedded
    std::span<const uint8_t> Blocks[ImageSetCount];
    bool Embedded = true;
};

inline std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    std::vector<uint8_t> out;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        uint8_t buffer[8192];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) out.insert(out.end(), buffer, buffer + n);
        std::fclose(f);
    }
    return out;
}

inline void GatherImageBlocks(ImageBlocks& blocks) {
    for (int n = 0; n < ImageSetCount; ++n) blocks.Blocks[n] = EmbeddedBytes(ImageSetFirstResource + n);
    if (!blocks.Blocks[0].empty()) return;
    blocks.Embedded = false;
    std::string root = __FILE__;
    root = root.substr(0, root.rfind("bench/")) + "assets/";
    blocks.Files.resize(ImageSetCount);
    for (int n = 0; n < ImageSetCount; ++n) {
        char name[8];
        for (const char* ext : {"ico", "png", "jpg"}) {
            std::snprintf(name, sizeof name, "%02d.%s", n, ext);
            blocks.Files[n] = ReadWholeFile(root + name);
            if (!blocks.Files[n].empty()) break;
        }
        blocks.Blocks[n] = blocks.Files[n];
    }
}

// Same order and rule as LoadImageSet, from the gathered blocks.
inline int DecodeImageBlocks(const ImageBlocks& blocks) {
    int decoded = 0;
    for (int n = 0; n < ImageSetCount; ++n) decoded += LoadPictureFromBytes(n, blocks.Blocks[n]);
    return decoded;
}
