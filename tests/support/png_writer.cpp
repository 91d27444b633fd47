#include "tests/support/png_writer.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

#include "platform/ddraw.h"
#include "platform/pixel.h"

namespace test_support {
namespace {
constexpr uint8_t SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Bit depth 8, colour type 2 (RGB), deflate, standard filtering, not interlaced.
constexpr uint8_t FORMAT[5] = {8, 2, 0, 0, 0};
constexpr size_t STORED_MAX = 65535;  // LEN of a stored block is 16 bits
constexpr uint32_t MAX_SIDE = 16384;  // as the bitmap loader's limit

constexpr std::array<uint32_t, 256> crc_table() {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[n] = c;
    }
    return t;
}
constexpr std::array<uint32_t, 256> CRC_TABLE = crc_table();

void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

uint32_t get32(const uint8_t* p) {
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

void chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    put32(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();  // the CRC covers the type and the data
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put32(out, Crc32(&out[start], out.size() - start));
}

// Each row: filter byte 0 (none), then the pixels' red, green and blue.
std::vector<uint8_t> scanlines(IDirectDrawSurface* srf) {
    const int w = srf->Width(), h = srf->Height();
    std::vector<uint8_t> raw;
    raw.reserve((1 + 3 * static_cast<size_t>(w)) * static_cast<size_t>(h));
    for (int y = 0; y < h; ++y) {
        raw.push_back(0);
        const uint16_t* row = srf->Row(y);
        for (int x = 0; x < w; ++x) {
            const COLORREF c = plat_From565(row[x]);
            raw.insert(raw.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
        }
    }
    return raw;
}

std::vector<uint8_t> zlib_stored(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> z = {0x78, 0x01};  // deflate with a 32 KiB window, no dictionary
    size_t at = 0;
    do {
        const size_t n = std::min(STORED_MAX, raw.size() - at);
        const bool last = at + n == raw.size();
        // BFINAL, BTYPE 00; the block starts on a byte, so the rest of this byte is padding.
        z.push_back(last ? 1 : 0);
        z.insert(z.end(), {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(~n),
                           static_cast<uint8_t>(~n >> 8)});
        z.insert(z.end(), raw.begin() + static_cast<ptrdiff_t>(at), raw.begin() + static_cast<ptrdiff_t>(at + n));
        at += n;
    } while (at < raw.size());
    put32(z, Adler32(raw.data(), raw.size()));
    return z;
}

// The stored blocks of a zlib stream joined; false for any other block type, a damaged
// length, a stream that ends early or a wrong Adler-32.
bool inflate_stored(const std::vector<uint8_t>& z, std::vector<uint8_t>* raw) {
    if (z.size() < 6 || (z[0] & 0x0F) != 8 || (z[0] << 8 | z[1]) % 31 != 0 || (z[1] & 0x20)) return false;
    size_t at = 2;
    for (bool last = false; !last;) {
        if (z.size() - at < 5) return false;
        last = z[at] & 1;
        if ((z[at] >> 1 & 3) != 0) return false;
        const size_t n = z[at + 1] | z[at + 2] << 8;
        if ((n ^ (z[at + 3] | z[at + 4] << 8)) != 0xFFFF) return false;
        at += 5;
        if (n > z.size() - at) return false;
        raw->insert(raw->end(), z.begin() + static_cast<ptrdiff_t>(at), z.begin() + static_cast<ptrdiff_t>(at + n));
        at += n;
    }
    return z.size() - at == 4 && get32(&z[at]) == Adler32(raw->data(), raw->size());
}
}  // namespace

uint32_t Crc32(const uint8_t* data, size_t n) {
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) c = CRC_TABLE[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

uint32_t Adler32(const uint8_t* data, size_t n) {
    constexpr uint32_t BASE = 65521;
    uint32_t a = 1, b = 0;
    for (size_t i = 0; i < n; ++i) {
        a = (a + data[i]) % BASE;
        b = (b + a) % BASE;
    }
    return b << 16 | a;
}

std::vector<uint8_t> EncodePNG(IDirectDrawSurface* srf) {
    if (!srf || srf->Width() <= 0 || srf->Height() <= 0) return {};
    std::vector<uint8_t> png(SIGNATURE, SIGNATURE + sizeof SIGNATURE);
    std::vector<uint8_t> header;
    put32(header, static_cast<uint32_t>(srf->Width()));
    put32(header, static_cast<uint32_t>(srf->Height()));
    header.insert(header.end(), FORMAT, FORMAT + sizeof FORMAT);
    chunk(png, "IHDR", header);
    chunk(png, "IDAT", zlib_stored(scanlines(srf)));
    chunk(png, "IEND", {});
    return png;
}

bool SavePNG(IDirectDrawSurface* srf, const std::string& hostPath) {
    const std::vector<uint8_t> png = EncodePNG(srf);
    if (png.empty()) return false;
    FILE* f = fopen(hostPath.c_str(), "wb");
    if (!f) return false;
    const bool written = fwrite(png.data(), 1, png.size(), f) == png.size();
    if (fclose(f) == 0 && written) return true;
    remove(hostPath.c_str());  // no half picture
    return false;
}

bool DecodeStoredPNG(const std::vector<uint8_t>& png, int* w, int* h, std::vector<uint32_t>* rgb) {
    if (png.size() < sizeof SIGNATURE || memcmp(png.data(), SIGNATURE, sizeof SIGNATURE) != 0) return false;
    std::vector<uint8_t> z;
    uint32_t width = 0, height = 0;
    bool header = false;
    for (size_t at = sizeof SIGNATURE;;) {
        if (png.size() - at < 12) return false;  // no IEND
        const uint32_t n = get32(&png[at]);
        if (n > png.size() - at - 12) return false;
        const uint8_t* type = &png[at + 4];
        const uint8_t* data = type + 4;
        if (get32(data + n) != Crc32(type, n + 4)) return false;
        if (memcmp(type, "IEND", 4) == 0) break;
        if (memcmp(type, "IHDR", 4) == 0) {
            if (header || n != 13 || memcmp(data + 8, FORMAT, sizeof FORMAT) != 0) return false;
            width = get32(data);
            height = get32(data + 4);
            header = true;
        } else if (memcmp(type, "IDAT", 4) == 0) {
            z.insert(z.end(), data, data + n);
        }
        at += 12 + size_t{n};
    }
    if (!header || width == 0 || height == 0 || width > MAX_SIDE || height > MAX_SIDE) return false;
    std::vector<uint8_t> raw;
    const size_t stride = 1 + 3 * size_t{width};
    if (!inflate_stored(z, &raw) || raw.size() != stride * height) return false;
    rgb->assign(size_t{width} * height, 0);
    for (size_t y = 0; y < height; ++y) {
        const uint8_t* row = &raw[y * stride];
        if (row[0] != 0) return false;  // only unfiltered rows are written
        for (size_t x = 0; x < width; ++x) {
            const uint8_t* p = row + 1 + 3 * x;
            (*rgb)[y * width + x] = uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
        }
    }
    *w = static_cast<int>(width);
    *h = static_cast<int>(height);
    return true;
}

}  // namespace test_support
