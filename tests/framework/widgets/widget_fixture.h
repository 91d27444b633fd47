// The widget tests' screens and a container that records what is reported to it.
#pragma once
#include <utility>
#include <vector>

#include "framework/widgets/tf_dsgn.h"
#include "framework/widgets/tf_polchlo.h"
#include "tests/framework/surface/surface_fixture.h"

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

}  // namespace widget_test
