// Surfaces for the blit tests, drawn and read back as letters.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "platform/ddraw.h"

namespace blit_fixture {

struct Releaser {
    void operator()(IDirectDrawSurface* s) const { s->Release(); }
};
using Srf = std::unique_ptr<IDirectDrawSurface, Releaser>;

// Pictures are rows of letters separated by '|'; a letter's code is its raw pixel value, '.'
// is 0. Row padding holds a sentinel, so reads and writes past a row's end show up.
constexpr uint16_t SENTINEL = 0xA5A5;

inline Srf picture(const std::string& rows) {
    const size_t w = std::min(rows.find('|'), rows.size()), h = (rows.size() + 1) / (w + 1);
    Srf s(plat_CreateTestSurface(static_cast<int>(w), static_cast<int>(h)));
    for (size_t y = 0; y < h; ++y)
        for (size_t x = 0; x < static_cast<size_t>(s->Pitch() / 2); ++x) {
            const char c = x < w ? rows[y * (w + 1) + x] : 0;
            s->Row(static_cast<int>(y))[x] = x >= w ? SENTINEL : c == '.' ? 0 : static_cast<uint16_t>(c);
        }
    return s;
}

inline Srf blank(int w, int h) {
    std::string rows;
    for (int y = 0; y < h; ++y) rows += (y ? "|" : "") + std::string(static_cast<size_t>(w), '.');
    return picture(rows);
}

// The picture back as letters; '?' is a value that is no letter, '#' damaged padding.
inline std::string dump(const Srf& s) {
    std::string r;
    for (int y = 0; y < s->Height(); ++y) {
        r += y ? "|" : "";
        for (int x = 0; x < s->Pitch() / 2; ++x) {
            const uint16_t v = s->Row(y)[x];
            if (x >= s->Width())
                r += v == SENTINEL ? "" : "#";
            else
                r += v == 0 ? '.' : v < 128 ? static_cast<char>(v) : '?';
        }
    }
    return r;
}

inline void set_key(const Srf& s, char c) {
    const DWORD v = c == '.' ? 0 : static_cast<DWORD>(c);
    DDCOLORKEY k{v, v};
    ASSERT_EQ(s->SetColorKey(DDCKEY_SRCBLT, &k), DD_OK);
}

}  // namespace blit_fixture
