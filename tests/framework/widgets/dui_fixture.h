// List menus for the tests: no placeholders unless a test wants them, entries by index.
#pragma once
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "framework/surface/tf_display.h"
#include "framework/widgets/tf_dui.h"
#include "tests/support/test_support.h"

namespace dui_test {
using Box = std::array<int, 4>;
inline Box B(RECT r) { return {r.left, r.top, r.right, r.bottom}; }
inline tf_TVOLBA* V(tf_CDUI& l, int i) { return static_cast<tf_TVOLBA*>(l.volby.GET(i)); }
// Entries valued 1 ... n captioned "A", "B", ..., laid out at (x, y).
inline void Fill(tf_CDUI& l, int n, int x, int y) {
    for (int i = 0; i < n; ++i) l.PRIDAJ(i + 1, std::string(1, static_cast<char>('A' + i)).c_str());
    l.CHOD_NA(x, y);
    l.RESET_GEOMETRIE();
}

// A 1920 x 1080 screen.
class Dui : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::FreshLog();
        tf_CDUI_NoVoid = true;
        tf_ScreenW = 1920, tf_ScreenH = 1080, tf_ScreenCX = 960, tf_ScreenCY = 540;
    }
    void TearDown() override { tf_ScreenW = saved[0], tf_ScreenH = saved[1], tf_ScreenCX = saved[2], tf_ScreenCY = saved[3]; }

    test_support::AssertCounter asserts;
    const std::array<int, 4> saved{tf_ScreenW, tf_ScreenH, tf_ScreenCX, tf_ScreenCY};
};
}  // namespace dui_test
