// A small skin standing in for the program's own, for the widget tests.
#pragma once
#include <string>

#include "platform/resources.h"
#include "tests/framework/surface/surface_fixture.h"

namespace widget_test {
using srf_test::ScreenTest;

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
