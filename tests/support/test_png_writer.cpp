// The screenshots' PNG writer: published checksum values, the file's structure and its pixels.
#include "tests/support/png_writer.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/ddraw.h"
#include "tests/support/temp_tree.h"

namespace {
using test_support::DecodeStoredPNG;
using Bytes = std::vector<uint8_t>;

uint32_t crc(const char* s) { return test_support::Crc32(reinterpret_cast<const uint8_t*>(s), strlen(s)); }
uint32_t adler(const char* s) { return test_support::Adler32(reinterpret_cast<const uint8_t*>(s), strlen(s)); }
Bytes slice(const Bytes& b, size_t at, size_t n) { return Bytes(b.begin() + long(at), b.begin() + long(at + n)); }
uint32_t be32(const Bytes& b, size_t at) {
    return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}

TEST(PngWriter, ChecksumsGiveTheirPublishedValues) {
    EXPECT_EQ(crc("123456789"), 0xCBF43926u);
    EXPECT_EQ(crc(""), 0u);
    EXPECT_EQ(adler("Wikipedia"), 0x11E60398u);
    EXPECT_EQ(adler(""), 1u);
}

TEST(PngWriter, WritesTheSurfaceAsRgbInStoredBlocks) {
    // 301 bytes a row for 230 rows: the pixels need two stored blocks.
    constexpr int W = 100, H = 230;
    const struct {
        uint16_t px;
        uint32_t rgb;
    } colours[] = {{0xF800, 0xFF0000}, {0x07E0, 0x00FF00}, {0x001F, 0x0000FF},
                   {0xFFFF, 0xFFFFFF}, {0x0000, 0x000000}, {0x8410, 0x848284}};
    IDirectDrawSurface* srf = plat_CreateTestSurface(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) srf->Row(y)[x] = colours[(x + 2 * y) % 6].px;
    const Bytes png = test_support::EncodePNG(srf);
    ASSERT_GT(png.size(), 8u + 25 + 12 + 12);

    EXPECT_EQ(slice(png, 0, 8), (Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    EXPECT_EQ(slice(png, 8, 8), (Bytes{0, 0, 0, 13, 'I', 'H', 'D', 'R'}));
    EXPECT_TRUE(be32(png, 16) == W && be32(png, 20) == H);
    EXPECT_EQ(slice(png, 24, 5), (Bytes{8, 2, 0, 0, 0}));  // 8-bit RGB, not interlaced
    EXPECT_EQ(slice(png, 37, 4), (Bytes{'I', 'D', 'A', 'T'}));
    // zlib header, then a stored block that is not the last one, 65535 bytes long.
    EXPECT_EQ(slice(png, 41, 7), (Bytes{0x78, 0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(slice(png, png.size() - 12, 12), (Bytes{0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82}));

    int w = 0, h = 0;
    std::vector<uint32_t> rgb;
    ASSERT_TRUE(DecodeStoredPNG(png, &w, &h, &rgb));
    ASSERT_TRUE(w == W && h == H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) ASSERT_EQ(rgb[size_t(y * W + x)], colours[(x + 2 * y) % 6].rgb) << x << "," << y;

    Bytes damaged = png;
    damaged[5000] ^= 1;  // a pixel inside the IDAT chunk: its CRC no longer holds
    EXPECT_FALSE(DecodeStoredPNG(damaged, &w, &h, &rgb));
    EXPECT_FALSE(DecodeStoredPNG(slice(png, 0, png.size() - 12), &w, &h, &rgb));

    test_support::TempTree tmp;
    ASSERT_TRUE(test_support::SavePNG(srf, tmp.Host("a.png")));
    EXPECT_TRUE(tmp.Read("a.png") == std::string(png.begin(), png.end()));
    EXPECT_FALSE(test_support::SavePNG(srf, tmp.Host("no/such/dir/a.png")));
    EXPECT_TRUE(test_support::EncodePNG(nullptr).empty());
    srf->Release();
}
}  // namespace
