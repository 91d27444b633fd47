#include "framework/surface/tf_geom.h"

#include <cmath>

#include "framework/surface/tf_display.h"

bool tf_glob_test_v_rect(int left, int top, int right, int bottom, int x, int y) {
    return left <= x && x <= right && top <= y && y <= bottom;
}

double tf_glob_Distance(int x1, int y1, int x2, int y2) {
    double dx = static_cast<double>(x1) - x2;
    double dy = static_cast<double>(y1) - y2;
    return std::sqrt(dx * dx + dy * dy);
}

void tf_glob_Orez_Rect2Screen(RECT* r) {
    if (r->right > tf_ScreenW + 1) r->right = tf_ScreenW + 1;
    if (r->bottom > tf_ScreenH + 1) r->bottom = tf_ScreenH + 1;
    if (r->left < 1) r->left = 1;
    if (r->top < 1) r->top = 1;
}

bool tf_glob_OREZ_Rect2LPHD(int L, int P, int H, int D, int* x, int* y, RECT* zdroj) {
    // 64-bit sums: callers may pass positions far off the screen.
    long long w = static_cast<long long>(zdroj->right) - zdroj->left;
    long long h = static_cast<long long>(zdroj->bottom) - zdroj->top;
    if (*x + w < L || P < *x || *y + h < H || D < *y) return false;
    if (*x < L) {
        long long d = static_cast<long long>(L) - *x;
        *x = L;
        zdroj->left = static_cast<LONG>(zdroj->left + d);
        w -= d;
    }
    if (P < *x + w) zdroj->right = static_cast<LONG>(zdroj->right + (P - (*x + w)));
    if (*y < H) {
        long long d = static_cast<long long>(H) - *y;
        *y = H;
        zdroj->top = static_cast<LONG>(zdroj->top + d);
        h -= d;
    }
    if (D < *y + h) zdroj->bottom = static_cast<LONG>(zdroj->bottom + (D - (*y + h)));
    return true;
}
