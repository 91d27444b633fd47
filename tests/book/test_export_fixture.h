// GIFs read back with giflib into whole frames as a viewer shows them, and compared.
#pragma once
#include <gif_lib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace export_test {

struct Gif {
    int w = 0, h = 0;
    bool loops_forever = false;
    std::vector<std::vector<uint32_t>> frames;  // 0xRRGGBB, composed as a viewer shows them
    std::vector<int> delays;                    // centiseconds
    std::vector<GifImageDesc> images;           // each frame's stored rectangle
};

inline Gif Decode(std::string_view bytes) {
    Gif g;
    g.loops_forever = bytes.find(std::string_view("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19)) != bytes.npos;
    const InputFunc read = [](GifFileType* gif, GifByteType* out, int n) {
        auto* at = static_cast<std::string_view*>(gif->UserData);
        const size_t got = at->copy(reinterpret_cast<char*>(out), static_cast<size_t>(n));
        at->remove_prefix(got);
        return static_cast<int>(got);
    };
    int error = 0;
    GifFileType* gif = DGifOpen(&bytes, read, &error);
    if (gif && DGifSlurp(gif) == GIF_OK && gif->SColorMap) {
        g.w = gif->SWidth;
        g.h = gif->SHeight;
        std::vector<uint32_t> canvas(static_cast<size_t>(g.w * g.h));
        for (int i = 0; i < gif->ImageCount; ++i) {
            const GifImageDesc& d = gif->SavedImages[i].ImageDesc;
            GraphicsControlBlock gcb{};
            DGifSavedExtensionToGCB(gif, i, &gcb);
            for (int p = 0; p < d.Width * d.Height; ++p) {
                const int v = gif->SavedImages[i].RasterBits[p];
                const GifColorType c = gif->SColorMap->Colors[v];
                if (v != gcb.TransparentColor)
                    canvas[static_cast<size_t>((d.Top + p / d.Width) * g.w + d.Left + p % d.Width)] =
                        uint32_t(c.Red) << 16 | c.Green << 8 | c.Blue;
            }
            g.frames.push_back(canvas);
            g.delays.push_back(gcb.DelayTime);
            g.images.push_back(d);
        }
    }
    if (gif) DGifCloseFile(gif, &error);
    return g;
}

// The mean and the largest difference of one channel between two pictures of 0xRRGGBB.
inline std::pair<double, int> ColourError(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    if (a.size() != b.size() || a.empty()) return {255, 255};
    double sum = 0;
    int worst = 0;
    for (size_t i = 0; i < a.size(); ++i)
        for (int s = 0; s <= 16; s += 8) {
            const int e = std::abs(int(a[i] >> s & 0xFF) - int(b[i] >> s & 0xFF));
            sum += e;
            worst = std::max(worst, e);
        }
    return {sum / (3.0 * static_cast<double>(a.size())), worst};
}

}  // namespace export_test
