// BMP decoding: the header is checked here before anything is allocated; uncompressed 24-bit
// pictures are read directly, SDL's reader decodes the others (every bit depth, bit fields,
// RLE4/RLE8, both row orders) and the result is widened to XRGB here, replicating the bits of
// narrow channels so that full 5- and 6-bit values become 255.
#include <SDL2/SDL.h>

#include <climits>
#include <cstring>

#include "platform/gdi_internal.h"

namespace {

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

uint32_t le(const uint8_t* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
    return v;
}

struct Header {
    int64_t w = 0, h = 0;
    int bpp = 0;
    uint32_t compression = kRgb;
    bool topDown = false;
    uint32_t offBits = 0;
};

const char* check_header(const uint8_t* d, size_t size, Header* hd) {
    if (size < 26 || d[0] != 'B' || d[1] != 'M') return "not a BMP";
    const uint32_t infoSize = le(d + 14, 4), offBits = le(d + 10, 4);
    hd->offBits = offBits;
    if (infoSize == 12) {
        hd->w = le(d + 18, 2);
        hd->h = static_cast<int16_t>(le(d + 20, 2));
        hd->bpp = static_cast<int>(le(d + 24, 2));
    } else if (infoSize >= 40 && size >= 14 + size_t(40)) {
        hd->w = static_cast<int32_t>(le(d + 18, 4));
        hd->h = static_cast<int32_t>(le(d + 22, 4));
        hd->bpp = static_cast<int>(le(d + 28, 2));
        hd->compression = le(d + 30, 4);
    } else {
        return "unknown header";
    }
    hd->topDown = hd->h < 0;
    if (hd->h < 0) hd->h = -hd->h;
    if (hd->w <= 0 || hd->h <= 0) return "empty picture";
    if (hd->w > kPlatMaxSide || hd->h > kPlatMaxSide || hd->w * hd->h > kPlatMaxPixels) return "picture too large";
    const int b = hd->bpp;
    if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32) return "unsupported bit depth";
    const uint32_t c = hd->compression;
    const bool fits =
        c == kRgb || (c == kRle8 && b == 8) || (c == kRle4 && b == 4) || (c == kBitFields && (b == 16 || b == 32));
    if (!fits || (hd->topDown && (c == kRle8 || c == kRle4))) return "unsupported compression";
    if (offBits >= size) return "truncated";
    if (c == kRgb || c == kBitFields) {
        const int64_t rowBytes = (hd->w * b + 31) / 32 * 4;
        if (static_cast<int64_t>(size - offBits) < rowBytes * hd->h) return "truncated";
    }
    return nullptr;
}

uint8_t channel(uint32_t v, uint32_t mask, uint8_t shift, uint8_t loss) {
    return static_cast<uint8_t>(plat_Expand((v & mask) >> shift, 8 - loss));
}

// Any surface SDL's reader returns (palette, 16, 24 or 32 bits) as XRGB.
void to_xrgb(SDL_Surface* s, std::vector<uint32_t>* px) {
    const SDL_PixelFormat* f = s->format;
    const int bytes = f->BytesPerPixel;
    px->resize(static_cast<size_t>(s->w) * s->h);
    uint32_t* out = px->data();
    for (int y = 0; y < s->h; ++y) {
        const uint8_t* row = static_cast<const uint8_t*>(s->pixels) + static_cast<ptrdiff_t>(y) * s->pitch;
        for (int x = 0; x < s->w; ++x, ++out) {
            const uint32_t v = le(row + x * bytes, bytes);
            if (f->palette) {
                const SDL_Color c =
                    static_cast<int>(v) < f->palette->ncolors ? f->palette->colors[v] : SDL_Color{0, 0, 0, 0};
                *out = uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
            } else {
                *out = uint32_t(channel(v, f->Rmask, f->Rshift, f->Rloss)) << 16 |
                       uint32_t(channel(v, f->Gmask, f->Gshift, f->Gloss)) << 8 |
                       channel(v, f->Bmask, f->Bshift, f->Bloss);
            }
        }
    }
}

// The common case of photos and our own thumbnails, straight from the file's bytes: SDL's
// reader and the general widening above cost as much again.
void rgb24_to_xrgb(const uint8_t* data, const Header& hd, std::vector<uint32_t>* px) {
    const size_t w = static_cast<size_t>(hd.w), h = static_cast<size_t>(hd.h);
    const size_t rowBytes = (w * 3 + 3) & ~size_t(3);
    px->resize(w * h);
    for (size_t y = 0; y < h; ++y) {
        const uint8_t* in = data + hd.offBits + (hd.topDown ? y : h - 1 - y) * rowBytes;
        uint32_t* out = px->data() + y * w;
        for (size_t x = 0; x < w; ++x, in += 3) out[x] = uint32_t(in[2]) << 16 | uint32_t(in[1]) << 8 | in[0];
    }
}

}  // namespace

bool plat_DecodeBmp(const uint8_t* data, size_t size, int* w, int* h, std::vector<uint32_t>* px) {
    Header hd;
    if (const char* why = check_header(data, size, &hd)) {
        plat_GdiWarn("BMP refused", why);
        return false;
    }
    if (hd.bpp == 24 && hd.compression == kRgb) {
        rgb24_to_xrgb(data, hd, px);
        *w = static_cast<int>(hd.w);
        *h = static_cast<int>(hd.h);
        return true;
    }
    if (size > INT_MAX) {
        plat_GdiWarn("BMP refused", "file too large");
        return false;
    }
    SDL_Surface* s = SDL_LoadBMP_RW(SDL_RWFromConstMem(data, static_cast<int>(size)), 1);
    if (!s) {
        plat_GdiWarn("BMP not readable", SDL_GetError());
        return false;
    }
    const bool ok = s->w == hd.w && s->h == hd.h && SDL_LockSurface(s) == 0;
    if (ok) {
        to_xrgb(s, px);
        SDL_UnlockSurface(s);
        *w = s->w;
        *h = s->h;
    } else {
        plat_GdiWarn("BMP not readable", "pixels do not match the header");
    }
    SDL_FreeSurface(s);
    return ok;
}
