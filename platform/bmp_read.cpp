// BMP decoding: the header is checked here before anything is allocated; pictures of 16, 24
// and 32 bits (plain or with any bit fields) are read directly, SDL's reader decodes those
// with a colour table (1, 4 and 8 bits, RLE4/RLE8, both row orders), and the result is XRGB.
// Narrow channels are widened by replicating their bits, so that full values become 255.
#include <SDL2/SDL.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>

#include "platform/bmp.h"
#include "platform/bytes.h"
#include "platform/gdi_internal.h"
#include "platform/pixel.h"

namespace {

constexpr uint32_t BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3;

// Red, green and blue of a 16- or 32-bit pixel; alpha is ignored, as GDI does.
struct Fields {
    uint32_t mask[3] = {0, 0, 0};
};

// The header's bit fields (right after a 40-byte header, or inside a larger one: the same
// place), or 5-5-5 and 8-8-8 for a plain picture. Null when usable, else why not: each mask
// must be one run of bits inside the pixel.
const char* read_fields(const uint8_t* d, size_t size, const plat_BmpHeader& hd, Fields* f) {
    if (hd.compression != BI_BITFIELDS) {
        f->mask[0] = hd.bpp == 16 ? 0x7C00 : 0xFF0000;
        f->mask[1] = hd.bpp == 16 ? 0x03E0 : 0x00FF00;
        f->mask[2] = hd.bpp == 16 ? 0x001F : 0x0000FF;
        return nullptr;
    }
    if (size < 14 + 40 + 12) return "truncated";
    const uint32_t room = hd.bpp == 16 ? 0xFFFFu : 0xFFFFFFFFu;
    for (int i = 0; i < 3; ++i) {
        const uint32_t m = f->mask[i] = plat_ReadLE(d + 14 + 40 + 4 * i, 4);
        const uint32_t run = m ? m >> std::countr_zero(m) : 0;
        if ((m & ~room) || (run & (run + 1))) return "unsupported bit fields";
    }
    return nullptr;
}

// A picture larger than this must be paid for by its RLE stream: its runs write at least
// one pixel in RLE_SKIP_SHARE. Line ends and moves only skip pixels; counted as rows, a few
// bytes of them would buy a picture of any size (and its allocation).
constexpr int64_t RLE_FREE_PIXELS = 256 * 256;
constexpr int64_t RLE_SKIP_SHARE = 4;

// Whether the RLE stream gets to the picture's last row and its runs write enough of it.
bool rle_pays_for(const uint8_t* p, size_t n, int64_t w, int64_t h, bool four) {
    int64_t x = 0, y = 0, written = 0;
    for (size_t i = 0; i + 1 < n;) {
        const uint8_t count = p[i], code = p[i + 1];
        i += 2;
        int64_t run = count;
        if (count == 0 && code == 0) {  // the end of a line
            x = 0;
            ++y;
            continue;
        }
        if (count == 0 && code == 1) break;  // the end of the picture
        if (count == 0 && code == 2) {       // a move right and down
            if (i + 1 >= n) break;
            x += p[i];
            y += p[i + 1];
            i += 2;
            continue;
        }
        if (count == 0) {  // pixels as they stand, word-aligned
            run = code;
            const size_t bytes = four ? (code + 1u) / 2 : code;
            i += (bytes + 1) & ~size_t(1);
        }
        if (y < h && x < w) written += std::min(run, w - x);
        x += run;
    }
    return y >= h - 1 && written * RLE_SKIP_SHARE + RLE_FREE_PIXELS >= w * h;
}

// Why the picture cannot be decoded, or null when it can.
const char* refusal(const uint8_t* d, size_t size, plat_BmpHeader* hd, Fields* f) {
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
    if (c == BI_RLE8 || c == BI_RLE4)
        return rle_pays_for(d + hd->offBits, size - hd->offBits, hd->w, hd->h, c == BI_RLE4)
                   ? nullptr
                   : "RLE data cannot fill the picture";
    const int64_t rowBytes = (hd->w * b + 31) / 32 * 4;
    if (static_cast<int64_t>(size - hd->offBits) < rowBytes * hd->h) return "truncated";
    return b == 16 || b == 32 ? read_fields(d, size, *hd, f) : nullptr;
}

// A surface with a colour table, as SDL's reader returns every picture of 1, 4 or 8 bits.
void indexed_to_xrgb(SDL_Surface* s, std::vector<uint32_t>* px) {
    const SDL_Palette* pal = s->format->palette;
    px->resize(static_cast<size_t>(s->w) * s->h);
    uint32_t* out = px->data();
    for (int y = 0; y < s->h; ++y) {
        const uint8_t* row = static_cast<const uint8_t*>(s->pixels) + static_cast<ptrdiff_t>(y) * s->pitch;
        for (int x = 0; x < s->w; ++x, ++out) {
            const SDL_Color c = row[x] < pal->ncolors ? pal->colors[row[x]] : SDL_Color{0, 0, 0, 0};
            *out = uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
        }
    }
}

// Pictures without a colour table, straight from the file's bytes: `xrgb` turns the bytes of
// one pixel into its colour.
template <class Xrgb>
void pixels_to_xrgb(const uint8_t* data, const plat_BmpHeader& hd, Xrgb xrgb, std::vector<uint32_t>* px) {
    const size_t w = static_cast<size_t>(hd.w), h = static_cast<size_t>(hd.h), bytes = static_cast<size_t>(hd.bpp / 8);
    const size_t rowBytes = (w * bytes + 3) & ~size_t(3);
    px->resize(w * h);
    for (size_t y = 0; y < h; ++y) {
        const uint8_t* in = data + hd.offBits + (hd.topDown ? y : h - 1 - y) * rowBytes;
        uint32_t* out = px->data() + y * w;
        for (size_t x = 0; x < w; ++x, in += bytes) out[x] = xrgb(in);
    }
}

void fields_to_xrgb(const uint8_t* data, const plat_BmpHeader& hd, const Fields& f, std::vector<uint32_t>* px) {
    int shift[3], bits[3];
    for (int i = 0; i < 3; ++i) {
        shift[i] = f.mask[i] ? std::countr_zero(f.mask[i]) : 0;
        bits[i] = std::popcount(f.mask[i]);
    }
    const int bytes = hd.bpp / 8;
    pixels_to_xrgb(data, hd, [&](const uint8_t* in) {
        const uint32_t v = plat_ReadLE(in, bytes);
        uint32_t c = 0;
        for (int i = 0; i < 3; ++i) c = c << 8 | plat_Expand((v & f.mask[i]) >> shift[i], bits[i]);
        return c;
    }, px);
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
    Fields fields;
    if (const char* why = refusal(data, size, &hd, &fields)) {
        plat_GdiWarn("BMP refused", why);
        return false;
    }
    *w = static_cast<int>(hd.w);
    *h = static_cast<int>(hd.h);
    if (hd.bpp == 24) {
        pixels_to_xrgb(data, hd, [](const uint8_t* in) { return uint32_t(in[2]) << 16 | uint32_t(in[1]) << 8 | in[0]; },
                       px);
        return true;
    }
    if (hd.bpp > 8) {
        fields_to_xrgb(data, hd, fields, px);
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
    const bool ok = s->w == hd.w && s->h == hd.h && s->format->palette && s->format->BytesPerPixel == 1 &&
                    SDL_LockSurface(s) == 0;
    if (ok) {
        indexed_to_xrgb(s, px);
        SDL_UnlockSurface(s);
    } else {
        plat_GdiWarn("BMP not readable", "pixels do not match the header");
    }
    SDL_FreeSurface(s);
    return ok;
}
