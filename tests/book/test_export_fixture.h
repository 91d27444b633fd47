// The export tests' set-up: a library in the scratch folder (app/ beside the books, the
// test running inside app/), pictures drawn by functions, and GIFs read back with giflib
// into whole frames as a viewer shows them.
#pragma once
#include <gif_lib.h>

#include <cmath>
#include <cstring>

#include "tests/book/book_fixture.h"

namespace export_test {

struct Gif {
    int w = 0, h = 0, colours = 0;
    bool loops_forever = false;
    std::vector<std::vector<uint32_t>> frames;  // 0xRRGGBB, composed
    std::vector<int> delays;                    // centiseconds
    std::vector<GifImageDesc> images;           // each frame's stored rectangle
};

inline int ReadBytes(GifFileType* gif, GifByteType* out, int n) {
    auto* in = static_cast<std::pair<const uint8_t*, size_t>*>(gif->UserData);
    n = static_cast<int>(std::min<size_t>(static_cast<size_t>(n), in->second));
    memcpy(out, in->first, static_cast<size_t>(n));
    in->first += n;
    in->second -= static_cast<size_t>(n);
    return n;
}

inline Gif Decode(const std::vector<uint8_t>& bytes) {
    Gif g;
    std::pair<const uint8_t*, size_t> in(bytes.data(), bytes.size());
    int error = 0;
    GifFileType* gif = DGifOpen(&in, ReadBytes, &error);
    if (!gif) return g;
    if (DGifSlurp(gif) == GIF_OK && gif->SColorMap) {
        g.w = gif->SWidth;
        g.h = gif->SHeight;
        g.colours = gif->SColorMap->ColorCount;
        std::vector<uint32_t> canvas(static_cast<size_t>(g.w * g.h));
        for (int i = 0; i < gif->ImageCount; ++i) {
            const SavedImage& im = gif->SavedImages[i];
            GraphicsControlBlock gcb{};
            DGifSavedExtensionToGCB(gif, i, &gcb);
            for (int e = 0; e + 1 < im.ExtensionBlockCount; ++e) {
                const ExtensionBlock& b = im.ExtensionBlocks[e];
                const ExtensionBlock& n = im.ExtensionBlocks[e + 1];
                g.loops_forever |= b.Function == APPLICATION_EXT_FUNC_CODE && b.ByteCount == 11 &&
                                   !memcmp(b.Bytes, "NETSCAPE2.0", 11) && n.ByteCount == 3 && n.Bytes[0] == 1 &&
                                   n.Bytes[1] == 0 && n.Bytes[2] == 0;
            }
            const GifImageDesc& d = im.ImageDesc;
            for (int y = 0; y < d.Height; ++y)
                for (int x = 0; x < d.Width; ++x) {
                    const int v = im.RasterBits[y * d.Width + x];
                    const GifColorType c = gif->SColorMap->Colors[v];
                    if (v != gcb.TransparentColor)
                        canvas[static_cast<size_t>((d.Top + y) * g.w + d.Left + x)] =
                            uint32_t(c.Red) << 16 | c.Green << 8 | c.Blue;
                }
            g.frames.push_back(canvas);
            g.delays.push_back(gcb.DelayTime);
            g.images.push_back(d);
        }
    }
    DGifCloseFile(gif, &error);
    return g;
}

// The largest difference of one channel between two colours.
inline int ChannelError(uint32_t a, uint32_t b) {
    int e = 0;
    for (int s = 0; s <= 16; s += 8) e = std::max(e, std::abs(int(a >> s & 0xFF) - int(b >> s & 0xFF)));
    return e;
}

class ExportLibrary : public book_test::BookTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(getcwd(home_, sizeof home_));
        for (const char* d : {"app", "KNIHA_T", "KNIHA_T/Pozadia", "KNIHA_T/Kulisy", "KNIHA_T/Herci"}) tree.Dir(d);
        ASSERT_EQ(chdir(tree.Host("app").c_str()), 0);
        BookTest::SetUp();
        // A sky over green hills with a sun, a tree, and a ball of three phases.
        Picture("KNIHA_T/Pozadia/les.bmp", 480, 270, [](int x, int y) {
            if ((x - 400) * (x - 400) + (y - 50) * (y - 50) < 900) return 0xFFD040u;
            if (y > 190 + 25 * std::sin(x / 40.0)) return 0x40A040u;
            return 0x60A0D0u + 0x000101u * static_cast<uint32_t>(y / 8);
        });
        Picture("KNIHA_T/Kulisy/strom.bmp", 40, 60, [](int x, int y) {
            if (x % 39 == 0 || y % 59 == 0) return 0x00FFFFu;
            if (x >= 16 && x <= 23 && y > 34) return 0x805020u;
            return (x - 20) * (x - 20) + (y - 20) * (y - 20) < 17 * 17 ? 0x208A30u : 0xFF00FFu;
        });
        Picture("KNIHA_T/Herci/pes.bmp", 94, 32, [](int x, int y) {
            const int cx = x % 31 - 15, cy = y - 15, r = 8 + x / 31 * 2;
            if (x % 31 == 0 || y % 31 == 0) return 0x00FFFFu;
            return cx * cx + cy * cy < r * r ? 0xE04020u + 0x003000u * static_cast<uint32_t>(x / 31) : 0xFF00FFu;
        });
        tree.File("KNIHA_T/Herci/pes.faz", "15 15\n46 15\n77 15\n");
    }
    void TearDown() override {
        BookTest::TearDown();
        ASSERT_EQ(chdir(home_), 0);
    }
    void Page(const std::string& name, const std::string& lines) { tree.File("KNIHA_T/" + name + ".str", lines); }

private:
    char home_[4096] = "";
};

}  // namespace export_test
