// The widget tests' screens, a container that records what is reported to it, and list menus.
#pragma once
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "framework/surface/tf_display.h"
#include "framework/widgets/tf_dsgn.h"
#include "framework/widgets/tf_dui.h"
#include "framework/widgets/tf_polchlo.h"
#include "tests/framework/surface/surface_fixture.h"
#include "tests/support/test_support.h"

namespace widget_test {
using srf_test::ScreenTest;
using Reports = std::vector<std::pair<int, int>>;

// The screen, the design record released after each test.
struct DesignedScreen : ScreenTest {
    void TearDown() override { tf_DSGN_DONE(), ScreenTest::TearDown(); }
};

// A container that records the actions reported to it.
struct Recorder : tf_CPolCHLO {
    bool HandleFWInteraction(int id, int value, tf_CPol*) override { return reports.emplace_back(id, value), true; }
    Reports reports;
};

// Arm, press and poll at (x, y) as a container passes them on, then release: the id
// reported, or 0.
inline int Click(tf_CPolCHLO& owner, int x, int y) {
    int id = 0;
    owner.INFORMUJ_SA(x, y, 0);
    owner.INFORMUJ_SA(x, y, 1);
    const bool reported = owner.INFORMUJ_MA(&id);
    owner.INFORMUJ_SA(x, y, -1);
    return reported ? id : 0;
}

// List menus: no placeholders unless a test wants them, entries by index.
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
}  // namespace widget_test
