#include "tests/support/picture_files.h"

#include <SDL2/SDL_image.h>
#include <png.h>

#include <cstdlib>

#include "book/px_export_gif.h"
#include "tests/support/png_writer.h"
#include "tests/support/temp_tree.h"

namespace test_support {

bool WritePng(const std::string& host, int w, int h, const PixelAt& argb) {
    std::vector<uint8_t> rgba;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t c = argb(x, y);
            rgba.insert(rgba.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c), uint8_t(c >> 24)});
        }
    return WritePngBytes(host, w, h, PNG_FORMAT_RGBA, rgba);
}

bool WriteJpeg(const std::string& host, int w, int h, const PixelAt& argb, int quality) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
    if (!s) return false;
    for (int y = 0; y < h; ++y) {
        auto* row = static_cast<uint8_t*>(s->pixels) + static_cast<ptrdiff_t>(y) * s->pitch;
        for (int x = 0; x < w; ++x) {
            const uint32_t c = argb(x, y);
            row[3 * x] = uint8_t(c >> 16);
            row[3 * x + 1] = uint8_t(c >> 8);
            row[3 * x + 2] = uint8_t(c);
        }
    }
    const bool written = IMG_SaveJPG(s, host.c_str(), quality) == 0;
    SDL_FreeSurface(s);
    return written;
}

bool WriteGif(const std::string& host, int w, int h, const std::vector<uint32_t>& palette,
              const std::vector<std::vector<uint8_t>>& frames) {
    PX_GifWriter gif(w, h, palette);
    for (const std::vector<uint8_t>& f : frames) gif.Add(f, 10);
    const std::vector<uint8_t> bytes = gif.Finish();
    if (bytes.empty()) return false;
    WriteFile(host, std::string(bytes.begin(), bytes.end()));
    return true;
}

bool Convert(const std::string& args) { return std::system(("convert " + args + " 2>/dev/null").c_str()) == 0; }

}  // namespace test_support
