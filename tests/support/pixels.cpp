#include "tests/support/pixels.h"

#include "platform/pixel.h"

namespace test_support {

int CountIn(int l, int t, int r, int b, const std::function<bool(int, int)>& pick) {
    int n = 0;
    for (int y = t; y <= b; ++y)
        for (int x = l; x <= r; ++x) n += pick(x, y);
    return n;
}

bool Shows(IDirectDrawSurface* s, int l, int t, int r, int b, uint16_t value) {
    return CountIn(l, t, r, b, [&](int x, int y) { return Px(s, x, y) == value; }) > 0;
}

std::string Letters(IDirectDrawSurface* s, int x, int y, int n, bool down, const std::function<char(uint16_t)>& letter) {
    std::string out;
    for (int i = 0; i < n; ++i) out += letter(down ? Px(s, x, y + i) : Px(s, x + i, y));
    return out;
}

int Luma(uint16_t px) {
    const COLORREF c = plat_From565(px);
    return 299 * GetRValue(c) + 587 * GetGValue(c) + 114 * GetBValue(c);
}

}  // namespace test_support
