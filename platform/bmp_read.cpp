// BMP decoding: the header is checked here before anything is allocated; uncompressed 24-bit
// pictures are read directly, SDL's reader decodes the others (every bit depth, bit fields,
// RLE4/RLE8, both row orders) and the result is widened to XRGB here, replicating the bits of
// narrow channels so that full 5- and 6-bit values become 255.
#include <SDL2/SDL.h>

#include <climits>
#include <cstring>

#include "platform/bmp.h"
#include "platform/bytes.h"
#include "platform/gdi_internal.h"

namespace {

constexpr uint32_t BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3;

// Why the picture cannot be decoded, or null when it can.
const char* refusal(const uint8_t* d, size_t size, plat_BmpHeader* hd) {
    if (!plat_ReadBmpHeader(d, size, hd)) return "not a BMP";
    if (hd->w <= 0 || hd->h <= 0) return "empty picture";
    if (hd->w > PLAT_MAX_SIDE || hd->h > PLAT_MAX_SIDE || hd->w * hd->h > PLAT_MAX_PIXELS) return "picture too large";
    const int b = hd->bpp;
    if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32) return "unsupported bit depth";
    const uint32_t c = hd->compression;
    const bool fits = c == BI_RGB || (c == BI_RLE8 && b == 8) || (c == BI_RLE4 && b == 4) ||
                      (c == BI_BITFIELDS && (b == 16 || b == 32));
    if (!fits || (hd->topDown && (c == BI_RLE8 || c == BI_RLE4))) return "unsupported compression";
    if (hd->offBits >= size) return "truncated";
    if (c == BI_RGB || c == BI_BITFIELDS) {
        const int64_t rowBytes = (hd->w * b + 31) / 32 * 4;
        if (static_cast<int64_t>(size - hd->offBits) < rowBytes * hd->h) return "truncated";
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
            const uint32_t v = plat_ReadLE(row + x * bytes, bytes);
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
void rgb24_to_xrgb(const uint8_t* data, const plat_BmpHeader& hd, std::vector<uint32_t>* px) {
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

bool plat_ReadBmpHeader(const uint8_t* d, size_t size, plat_BmpHeader* out) {
    if (!d || size < 18 || d[0] != 'B' || d[1] != 'M') return false;
    plat_BmpHeader hd;
    hd.offBits = plat_ReadLE(d + 10, 4);
    hd.infoSize = plat_ReadLE(d + 14, 4);
    if (hd.infoSize == 12 && size >= 14 + 12) {
        hd.w = plat_ReadLE(d + 18, 2);
        hd.h = static_cast<int16_t>(plat_ReadLE(d + 20, 2));
        hd.bpp = static_cast<int>(plat_ReadLE(d + 24, 2));
    } else if (hd.infoSize >= 40 && size >= 14 + 40) {
        hd.w = static_cast<int32_t>(plat_ReadLE(d + 18, 4));
        hd.h = static_cast<int32_t>(plat_ReadLE(d + 22, 4));
        hd.bpp = static_cast<int>(plat_ReadLE(d + 28, 2));
        hd.compression = plat_ReadLE(d + 30, 4);
        hd.coloursUsed = plat_ReadLE(d + 46, 4);
    } else {
        return false;
    }
    hd.topDown = hd.h < 0;
    if (hd.topDown) hd.h = -hd.h;
    *out = hd;
    return true;
}

bool plat_DecodeBmp(const uint8_t* data, size_t size, int* w, int* h, std::vector<uint32_t>* px) {
    plat_BmpHeader hd;
    if (const char* why = refusal(data, size, &hd)) {
        plat_GdiWarn("BMP refused", why);
        return false;
    }
    if (hd.bpp == 24 && hd.compression == BI_RGB) {
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
