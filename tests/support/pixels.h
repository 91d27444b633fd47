// Pixel checks the tests share: raw values, boxes counted, rows read as letters.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/ddraw.h"

namespace test_support {

inline uint16_t Px(IDirectDrawSurface* s, int x, int y) { return s->Row(y)[x]; }
// Points of the box (both ends included) for which `pick(x, y)` holds.
int CountIn(int l, int t, int r, int b, const std::function<bool(int, int)>& pick);
// n pixels from (x, y), rightwards or downwards, each as `letter` names its value.
std::string Letters(IDirectDrawSurface* s, int x, int y, int n, bool down, const std::function<char(uint16_t)>& letter);

}  // namespace test_support
