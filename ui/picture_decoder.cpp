#include "ui/picture_decoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <png.h>

namespace {

struct JpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
};

void JpegFail(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegError*>(info->err)->Jump, 1); }

// Warnings mean corrupt or truncated data (libjpeg then pads with grey): a failure here.
void JpegMessage(j_common_ptr info, int level) {
    if (level < 0) JpegFail(info);
}

// Only plain C data lives in this frame, so the jump skips no destructor;
// the pixels go into the caller's record.
bool RunJpeg(ByteView data, DecodedPicture& into) {
    jpeg_decompress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.Manager);
    error.Manager.error_exit = JpegFail;
    error.Manager.emit_message = JpegMessage;
    if (setjmp(error.Jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
    bool ok = jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK && info.image_width >= 1 && info.image_height >= 1 &&
              info.image_width <= MaxPictureSide && info.image_height <= MaxPictureSide;
    if (ok) {
        info.out_color_space = JCS_EXT_BGRA;
        jpeg_start_decompress(&info);
        into.Width = static_cast<int>(info.output_width);
        into.Height = static_cast<int>(info.output_height);
        into.Pixels.assign(static_cast<size_t>(into.Width) * into.Height * 4, 0);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = &into.Pixels[static_cast<size_t>(info.output_scanline) * into.Width * 4];
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
    }
    jpeg_destroy_decompress(&info);
    return ok;
}

}  // namespace

bool DecodePng(ByteView data, DecodedPicture& picture) {
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) return false;
    if (image.width < 1 || image.height < 1 || image.width > MaxPictureSide || image.height > MaxPictureSide) {
        png_image_free(&image);
        return false;
    }
    DecodedPicture decoded;
    decoded.Width = static_cast<int>(image.width);
    decoded.Height = static_cast<int>(image.height);
    decoded.HasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.format = PNG_FORMAT_BGRA;
    decoded.Pixels.assign(PNG_IMAGE_SIZE(image), 0);
    if (!png_image_finish_read(&image, nullptr, decoded.Pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    picture = std::move(decoded);
    return true;
}

bool DecodeJpeg(ByteView data, DecodedPicture& picture) {
    DecodedPicture decoded;
    if (!RunJpeg(data, decoded)) return false;
    for (size_t i = 3; i < decoded.Pixels.size(); i += 4) decoded.Pixels[i] = 255;
    picture = std::move(decoded);
    return true;
}

bool DecodePicture(ByteView data, DecodedPicture& picture) {
    switch (DetectPictureFormat(data)) {
        case PictureFormat::Png: return DecodePng(data, picture);
        case PictureFormat::Jpeg: return DecodeJpeg(data, picture);
        case PictureFormat::Icon: {
            DecodedPicture decoded;
            ByteView pngEntry;
            IconResult result = DecodeIconFile(data, decoded, pngEntry);
            if (result == IconResult::PngEntry) {
                DecodedPicture fromPng;
                if (!DecodePng(pngEntry, fromPng)) return false;
                fromPng.ChosenEntry = decoded.ChosenEntry;
                fromPng.ChosenBitCount = decoded.ChosenBitCount;
                decoded = std::move(fromPng);
            } else if (result != IconResult::Decoded) {
                return false;
            }
            picture = std::move(decoded);
            return true;
        }
        case PictureFormat::Unknown: break;
    }
    return false;
}
