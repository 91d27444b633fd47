#include "framework/widgets/tf_bevel.h"

namespace {
// A move to the first point and lines through the others (GDI excludes each end point).
void polyline(HDC dc, HGDIOBJ pen, POINT a, POINT b, POINT c) {
    SelectObject(dc, pen);
    MoveToEx(dc, a.x, a.y, nullptr);
    LineTo(dc, b.x, b.y);
    LineTo(dc, c.x, c.y);
}
}  // namespace

void tf_glob_Level_efekt_pero(HDC dc, int L, int T, int R, int B, HPEN tmave, int rezim) {
    HGDIOBJ white = GetStockObject(WHITE_PEN);
    HGDIOBJ black = GetStockObject(BLACK_PEN);
    if (rezim == 1) {
        polyline(dc, white, {L, B}, {L, T}, {R, T});
        polyline(dc, black, {R, T}, {R, B}, {L - 1, B});
        polyline(dc, tmave, {R - 1, T + 1}, {R - 1, B - 1}, {L, B - 1});
    } else if (rezim == 2) {
        polyline(dc, tmave, {L, B}, {L, T}, {R, T});
        polyline(dc, white, {R, T}, {R, B}, {L, B});
        polyline(dc, black, {L + 1, B - 1}, {L + 1, T + 1}, {R, T + 1});
    }
}
