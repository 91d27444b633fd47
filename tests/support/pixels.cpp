#include "tests/support/pixels.h"

namespace test_support {

int CountIn(int l, int t, int r, int b, const std::function<bool(int, int)>& pick) {
    int n = 0;
    for (int y = t; y <= b; ++y)
        for (int x = l; x <= r; ++x) n += pick(x, y);
    return n;
}

std::string Letters(IDirectDrawSurface* s, int x, int y, int n, bool down, const std::function<char(uint16_t)>& letter) {
    std::string out;
    for (int i = 0; i < n; ++i) out += letter(down ? Px(s, x, y + i) : Px(s, x + i, y));
    return out;
}

}  // namespace test_support
