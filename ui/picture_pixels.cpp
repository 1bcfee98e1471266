#include "ui/picture_pixels.h"

#include <algorithm>
#include <cmath>

#include "app/rounding.h"
#include "ui/icon_decoder.h"

namespace {

struct Tap {
    int Index;
    float Weight;
};

// For every destination index along one axis, the source indices and weights.
std::vector<std::vector<Tap>> AxisTaps(int from, int to) {
    std::vector<std::vector<Tap>> taps(static_cast<size_t>(to));
    double scale = static_cast<double>(from) / to;
    for (int d = 0; d < to; ++d) {
        std::vector<Tap>& list = taps[static_cast<size_t>(d)];
        if (scale > 1.0) {
            double start = d * scale, end = (d + 1) * scale;
            for (int s = static_cast<int>(std::floor(start)); s < end && s < from; ++s) {
                double cover = std::min<double>(end, s + 1) - std::max<double>(start, s);
                if (cover > 0) list.push_back({s, static_cast<float>(cover / scale)});
            }
        } else {
            double centre = (d + 0.5) * scale - 0.5;
            int left = static_cast<int>(std::floor(centre));
            float right = static_cast<float>(centre - left);
            int a = std::clamp(left, 0, from - 1), b = std::clamp(left + 1, 0, from - 1);
            list.push_back({a, 1.0f - right});
            list.push_back({b, right});
        }
    }
    return taps;
}

uint8_t ToByte(float value) { return static_cast<uint8_t>(std::clamp(std::lround(value), 0L, 255L)); }

bool SameColour(const uint8_t* pixel, PixelColour c) {
    return pixel[0] == c.Blue && pixel[1] == c.Green && pixel[2] == c.Red;
}

void Write(uint8_t* pixel, PixelColour c) {
    pixel[0] = c.Blue;
    pixel[1] = c.Green;
    pixel[2] = c.Red;
    pixel[3] = 255;
}

}  // namespace

int ScaledSide(int size, double factor) {
    int64_t side = RoundHalfEven(static_cast<double>(size) * factor);
    return static_cast<int>(std::clamp<int64_t>(side, 1, MaxPictureSide));
}

PixelBuffer ResamplePixels(PixelView source, int width, int height) {
    PixelBuffer out;
    if (width < 1 || height < 1 || width > MaxPictureSide || height > MaxPictureSide) return out;
    if (source.Width < 1 || source.Height < 1 || !source.Pixels) return out;
    // Premultiplied floats, then a horizontal and a vertical pass.
    size_t sw = static_cast<size_t>(source.Width), sh = static_cast<size_t>(source.Height);
    std::vector<float> pre(sw * sh * 4);
    for (size_t i = 0; i < sw * sh; ++i) {
        float a = source.Pixels[i * 4 + 3] / 255.0f;
        for (int c = 0; c < 3; ++c) pre[i * 4 + c] = source.Pixels[i * 4 + c] * a;
        pre[i * 4 + 3] = source.Pixels[i * 4 + 3];
    }
    std::vector<std::vector<Tap>> across = AxisTaps(source.Width, width), down = AxisTaps(source.Height, height);
    size_t dw = static_cast<size_t>(width), dh = static_cast<size_t>(height);
    std::vector<float> rows(dw * sh * 4, 0.0f);
    for (size_t y = 0; y < sh; ++y)
        for (size_t x = 0; x < dw; ++x)
            for (const Tap& t : across[x])
                for (int c = 0; c < 4; ++c) rows[(y * dw + x) * 4 + c] += pre[(y * sw + t.Index) * 4 + c] * t.Weight;
    out.Width = width;
    out.Height = height;
    out.Pixels.assign(dw * dh * 4, 0);
    for (size_t y = 0; y < dh; ++y)
        for (size_t x = 0; x < dw; ++x) {
            float sum[4] = {0, 0, 0, 0};
            for (const Tap& t : down[y])
                for (int c = 0; c < 4; ++c) sum[c] += rows[(static_cast<size_t>(t.Index) * dw + x) * 4 + c] * t.Weight;
            uint8_t* p = &out.Pixels[(y * dw + x) * 4];
            float a = sum[3] / 255.0f;
            for (int c = 0; c < 3; ++c) p[c] = a > 0 ? ToByte(sum[c] / a) : 0;
            p[3] = ToByte(sum[3]);
        }
    return out;
}

void BlendPixelsOver(PixelView target, PixelView source, int x, int y, bool sourceHasAlpha) {
    int x0 = std::max(0, x), y0 = std::max(0, y);
    int x1 = std::min<int64_t>(target.Width, int64_t(x) + source.Width);
    int y1 = std::min<int64_t>(target.Height, int64_t(y) + source.Height);
    for (int ty = y0; ty < y1; ++ty)
        for (int tx = x0; tx < x1; ++tx) {
            const uint8_t* s = &source.Pixels[(static_cast<size_t>(ty - y) * source.Width + (tx - x)) * 4];
            uint8_t* d = &target.Pixels[(static_cast<size_t>(ty) * target.Width + tx) * 4];
            float sa = sourceHasAlpha ? s[3] / 255.0f : 1.0f;
            float da = d[3] / 255.0f;
            float outA = sa + da * (1.0f - sa);
            for (int c = 0; c < 3; ++c)
                d[c] = outA > 0 ? ToByte((s[c] * sa + d[c] * da * (1.0f - sa)) / outA) : 0;
            d[3] = ToByte(outA * 255.0f);
        }
}

void CopyPremultiplied(PixelView source, bool hasAlpha, uint8_t* out) {
    size_t size = static_cast<size_t>(source.Width) * static_cast<size_t>(source.Height) * 4;
    for (size_t i = 0; i < size; i += 4) {
        unsigned a = hasAlpha ? source.Pixels[i + 3] : 255;
        for (int c = 0; c < 3; ++c) out[i + c] = static_cast<uint8_t>((source.Pixels[i + c] * a + 127) / 255);
        out[i + 3] = static_cast<uint8_t>(a);
    }
}

PixelColour PixelAt(PixelView buffer, int x, int y) {
    if (x < 0 || y < 0 || x >= buffer.Width || y >= buffer.Height) return {};
    const uint8_t* p = &buffer.Pixels[(static_cast<size_t>(y) * buffer.Width + x) * 4];
    return {p[2], p[1], p[0]};
}

void SetPixelAt(PixelView buffer, int x, int y, PixelColour colour) {
    if (x < 0 || y < 0 || x >= buffer.Width || y >= buffer.Height) return;
    Write(&buffer.Pixels[(static_cast<size_t>(y) * buffer.Width + x) * 4], colour);
}

void FillPixelRect(PixelView buffer, int x, int y, int width, int height, PixelColour colour) {
    int x0 = std::max(0, x), y0 = std::max(0, y);
    int x1 = static_cast<int>(std::min<int64_t>(buffer.Width, int64_t(x) + std::max(0, width)));
    int y1 = static_cast<int>(std::min<int64_t>(buffer.Height, int64_t(y) + std::max(0, height)));
    for (int ty = y0; ty < y1; ++ty)
        for (int tx = x0; tx < x1; ++tx) Write(&buffer.Pixels[(static_cast<size_t>(ty) * buffer.Width + tx) * 4], colour);
}

void FloodFillPixels(PixelView buffer, int x, int y, PixelColour colour) {
    if (x < 0 || y < 0 || x >= buffer.Width || y >= buffer.Height) return;
    auto at = [&](int px, int py) { return &buffer.Pixels[(static_cast<size_t>(py) * buffer.Width + px) * 4]; };
    // Scanline fill with an explicit stack: no recursion depth to run out of.
    std::vector<std::pair<int, int>> stack{{x, y}};
    while (!stack.empty()) {
        auto [sx, sy] = stack.back();
        stack.pop_back();
        if (SameColour(at(sx, sy), colour)) continue;
        int left = sx, right = sx;
        while (left > 0 && !SameColour(at(left - 1, sy), colour)) --left;
        while (right + 1 < buffer.Width && !SameColour(at(right + 1, sy), colour)) ++right;
        for (int px = left; px <= right; ++px) Write(at(px, sy), colour);
        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= buffer.Height) continue;
            bool inRun = false;
            for (int px = left; px <= right; ++px) {
                bool open = !SameColour(at(px, ny), colour);
                if (open && !inRun) stack.push_back({px, ny});
                inRun = open;
            }
        }
    }
}
