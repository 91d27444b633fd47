// Keyed copies go by the runs each picture keeps of its shown pixels: whatever writes a
// picture (its rows, a lock, GDI, a blit into it, a restore) or changes its key shows in the
// next copy, of the whole picture, of a phase, or cut by the destination's edge, facing
// either way, 1:1 or a pixel or two smaller.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/ddraw.h"
#include "platform/gdi.h"
#include "tests/platform/blit_fixture.h"

using namespace blit_fixture;

namespace {

// Two phases of 20 columns: runs of letters on the key 'K', the last row in single pixels.
const std::string SHEET =
    "KKKabcdefghijKKKKKKKKKKKKKKKlmnopqrstuvK|"
    "KabcdKKKKKKKKKefghiKmnopqrstuvwxyzabcdef|"
    "KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK|"
    "aKbKcKdKeKfKgKhKiKjKKkKlKmKnKoKpKqKrKsKt";

struct Case {
    RECT from;  // in the sheet
    int x, y;   // where it goes on a ground of w x h
    int w, h;
};

const std::vector<Case> CASES = {
    {{0, 0, 40, 4}, 0, 0, 40, 4},    // whole
    {{0, 0, 40, 4}, -5, 1, 40, 4},   // whole, cut left and below
    {{20, 0, 40, 4}, 3, 0, 30, 4},   // a phase
    {{0, 0, 20, 4}, 15, -1, 30, 4},  // a phase cut right and above
    {{2, 1, 18, 4}, 0, 0, 20, 3},    // a rectangle cutting runs
    {{-3, 0, 17, 4}, 2, 0, 30, 4},   // a rectangle reaching left of the picture
};

// How a copy is drawn: facing left or right, onto a rectangle `less` pixels narrower and lower
// than the source's (a phase facing left is drawn one pixel smaller).
struct Way {
    bool mirrored;
    int less;
};
const Way WAYS[] = {{false, 0}, {true, 0}, {true, 1}, {false, 1}, {true, 2}};

// What a keyed copy shows, by the definition: the source's pixel wherever it is not the key,
// sampled at the destination pixel's centre; mirrored, counted from the rectangle's right.
std::string expected(const IDirectDrawSurface& src, char key, const Case& c, Way way) {
    const int sw = c.from.right - c.from.left, sh = c.from.bottom - c.from.top;
    const int dw = sw - way.less, dh = sh - way.less;
    std::string out;
    for (int v = 0; v < c.h; ++v) {
        out += v ? "|" : "";
        for (int u = 0; u < c.w; ++u) {
            const int k = u - c.x, j = v - c.y;
            const bool on = k >= 0 && k < dw && j >= 0 && j < dh;
            const int i = way.mirrored ? dw - 1 - k : k;
            const int sx = on ? c.from.left + static_cast<int>(plat_StretchSource(i, dw, sw)) : -1;
            const int sy = on ? c.from.top + static_cast<int>(plat_StretchSource(j, dh, sh)) : -1;
            const bool in = on && sx >= 0 && sx < src.Width() && sy >= 0 && sy < src.Height();
            const uint16_t px = in ? src.Row(sy)[sx] : 0;
            out += !in || px == key ? 'z' : px == 0 ? '.' : static_cast<char>(px);
        }
    }
    return out;
}

std::string drawn(IDirectDrawSurface* src, const Case& c, Way way) {
    std::string rows;
    for (int v = 0; v < c.h; ++v) rows += (v ? "|" : "") + std::string(static_cast<size_t>(c.w), 'z');
    Srf ground = picture(rows);
    RECT from = c.from, to{c.x, c.y, c.x + from.right - from.left - way.less, c.y + from.bottom - from.top - way.less};
    DDBLTFX fx{sizeof(DDBLTFX), DDBLTFX_MIRRORLEFTRIGHT, 0, 0};
    if (way.mirrored)
        EXPECT_EQ(ground->Blt(&to, src, &from, DDBLT_KEYSRC | DDBLT_DDFX, &fx), DD_OK);
    else if (way.less)
        EXPECT_EQ(ground->Blt(&to, src, &from, DDBLT_KEYSRC, nullptr), DD_OK);
    else
        EXPECT_EQ(ground->BltFast(c.x, c.y, src, &from, DDBLTFAST_SRCCOLORKEY), DD_OK);
    return dump(ground);
}

void expect_all(IDirectDrawSurface* src, char key, const std::string& after) {
    for (size_t i = 0; i < CASES.size(); ++i)
        for (Way way : WAYS)
            EXPECT_EQ(drawn(src, CASES[i], way), expected(*src, key, CASES[i], way))
                << after << ", case " << i << (way.mirrored ? ", mirrored" : "") << ", " << way.less << " smaller";
}

// The colour that SetPixel stores as the raw value of letter c.
COLORREF colour_of(char c) {
    const unsigned v = static_cast<unsigned char>(c);
    return RGB((v >> 11) << 3, ((v >> 5) & 63) << 2, (v & 31) << 3);
}

}  // namespace

TEST(KeyedCopies, ShowEveryChangeOfThePicturesPixelsOrKeyInTheNextCopy) {
    Srf sheet = picture(SHEET), patch = picture("tt|tt");
    set_key(sheet, 'K');
    DDSURFACEDESC desc{};
    DDBLTFX fill{sizeof(DDBLTFX), 0, 0, 's'};
    RECT strip{1, 2, 30, 3}, left{0, 0, 20, 4};
    HDC dc = nullptr;
    char key = 'K';
    const std::vector<std::pair<const char*, std::function<void()>>> writes = {
        {"a row written", [&] { sheet->Row(1)[7] = 'q'; }},
        {"a lock", [&] {
             ASSERT_EQ(sheet->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
             static_cast<uint16_t*>(desc.lpSurface)[25] = 'p';
             sheet->Unlock(nullptr);
         }},
        {"GDI", [&] {
             ASSERT_EQ(sheet->GetDC(&dc), DD_OK);
             SetPixel(dc, 30, 2, colour_of('r'));
             sheet->ReleaseDC(dc);
         }},
        {"a fill", [&] { sheet->Blt(&strip, nullptr, nullptr, DDBLT_COLORFILL, &fill); }},
        {"a copy into it", [&] { sheet->BltFast(18, 0, patch.get(), nullptr, 0); }},
        {"a keyed copy onto itself", [&] { sheet->BltFast(20, 0, sheet.get(), &left, DDBLTFAST_SRCCOLORKEY); }},
        {"a new key", [&] { set_key(sheet, key = 'a'); }},
        {"a restore", [&] {
             plat_LoseAllSurfaces();
             sheet->Restore();
         }},
    };
    expect_all(sheet.get(), key, "the first copies");
    for (const auto& [what, write] : writes) {
        write();
        expect_all(sheet.get(), key, what);
    }
}

TEST(KeyedCopies, ManyDifferentRectanglesOfOnePictureEachShowTheirOwnPixels) {
    Srf sheet = picture(SHEET);
    set_key(sheet, 'K');
    for (int round = 0; round < 2; ++round)
        for (int left = 0; left < 40; ++left) {
            const Case c{{left, 0, 40, 4}, 0, 0, 40, 4};
            for (Way way : WAYS) {
                if (40 - left <= way.less) continue;  // nothing left to draw
                EXPECT_EQ(drawn(sheet.get(), c, way), expected(*sheet, 'K', c, way)) << "from column " << left;
            }
        }
}
