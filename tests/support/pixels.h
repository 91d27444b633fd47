// Pixel checks every test shares: raw values, boxes counted, rows read as letters.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/ddraw.h"

namespace test_support {

inline uint16_t Px(IDirectDrawSurface* s, int x, int y) { return s->Row(y)[x]; }
// Points of the box (both ends included) for which `pick(x, y)` holds.
int CountIn(int l, int t, int r, int b, const std::function<bool(int, int)>& pick);
// Some pixel of the box (both ends included) has that value.
bool Shows(IDirectDrawSurface* s, int l, int t, int r, int b, uint16_t value);
// n pixels from (x, y), rightwards or downwards, each as `letter` names its value.
std::string Letters(IDirectDrawSurface* s, int x, int y, int n, bool down, const std::function<char(uint16_t)>& letter);
// Brightness of a pixel: 299 red + 587 green + 114 blue (0 ... 255000).
int Luma(uint16_t px);

}  // namespace test_support
