// A small skin standing in for the program's own, for the widget tests.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "framework/widgets/tf_polchlo.h"

#include "platform/resources.h"
#include "tests/framework/surface/surface_fixture.h"

namespace widget_test {
using srf_test::ScreenTest;
using Reports = std::vector<std::pair<int, int>>;

// A container that records the actions reported to it.
struct Recorder : tf_CPolCHLO {
    bool HandleFWInteraction(int id, int value, tf_CPol* source) override {
        reports.emplace_back(id, value);
        sources.push_back(source);
        return true;
    }
    Reports reports;
    std::vector<tf_CPol*> sources;
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

// Content (inclusive) and fill of the phases framed in the test skin, 235 x 211 like the real
// one with a cyan border colour and magenta elsewhere: _T_x_ normal and pressed, _posuvV_
// normal and pressed, posuvV_podklad, ico_logo.
struct SkinPhase {
    int l, t, r, b;
    char fill;
};
inline constexpr SkinPhase SKIN_PHASES[6] = {{38, 3, 52, 16, 'g'},    {38, 18, 52, 31, 'y'},  {112, 36, 129, 65, 'g'},
                                             {137, 36, 154, 65, 'y'}, {161, 24, 178, 34, 'w'}, {3, 151, 202, 208, 'r'}};

// Makes the test skin the "rezia_dll.bmp" resource while alive; afterwards the resource it
// hid (the program's own) is found again.
class SkinResource {
public:
    SkinResource() : hidden(plat_FindResource("rezia_dll.bmp")) {
        srf_test::Rows rows(211, std::string(235, '.'));
        rows[0][0] = 'c';
        for (const SkinPhase& p : SKIN_PHASES)
            for (int y = p.t - 1; y <= p.b + 1; ++y)
                for (int x = p.l - 1; x <= p.r + 1; ++x)
                    rows[y][x] = (x < p.l || x > p.r || y < p.t || y > p.b) ? 'c' : p.fill;
        srf_test::AddResource("rezia_dll.bmp", srf_test::Bmp(rows));
    }
    ~SkinResource() {
        if (hidden) plat_AddResource(hidden->name, hidden->data, hidden->size);
    }

private:
    const plat_Resource* hidden;
};

}  // namespace widget_test
