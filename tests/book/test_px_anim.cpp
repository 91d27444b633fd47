// Playback: the program's random numbers, the six motion kinds, edges, phase pace, throws,
// and the editor's motion commands.
#include <cmath>
#include <numbers>

#include "framework/app/tf_appstate.h"
#include "platform/backend.h"
#include "platform/window_internal.h"
#include "tests/book/book_fixture.h"

using namespace book_test;

namespace {
constexpr int DRAWS[] = {41, 18467, 6334, 26500, 19169};  // the generator's well-known start
double rnd(int draw) { return draw / 32767.0 * 2.0 - 1.0; }

struct Motion : PageTest {
    // A 20 x 10 object without picture.
    CHerec& Place(int x, int y, int motion, int edge, double vx, double vy) {
        o.SetSize(20, 10);
        o.Umiestni(x, y);
        std::tie(o.motion, o.edge, o.vx, o.vy, o.zrkadlo) = std::tuple(motion, edge, vx, vy, 0);
        return o;
    }
    CHerec o;
};
}  // namespace

// One step of each kind from a place and speed: where it lands, its speed after and its mirror.
// Bounce turns at the sides (motions one to three mirror), wrap re-enters from outside.
TEST_F(Motion, KindsAndEdgesOneStep) {
    EXPECT_EQ((std::vector{PX_rand(), PX_rand(), PX_rand(), PX_rand(), PX_rand()}), std::vector(DRAWS, DRAWS + 5));
    wave_k = std::numbers::pi / 200;  // a quarter wave at x = 100; vy plays no part
    using Row = std::tuple<int, int, int, int, double, double, std::tuple<int, int, double, double, int>>;
    const Row rows[] = {
        {100, 50, PX_MOTION_HORIZONTAL, PX_EDGE_BOUNCE, 3, 5, {103, 50, 3, 5, 0}},  // y stays
        {W - 22, 50, PX_MOTION_HORIZONTAL, PX_EDGE_BOUNCE, 3, 0, {W - 20, 50, -3, 0, 1}},
        {1, 50, PX_MOTION_HORIZONTAL, PX_EDGE_BOUNCE, -3, 0, {0, 50, 3, 0, 1}},  // each turn flips the mirror
        {100, H - 12, PX_MOTION_FREE, PX_EDGE_BOUNCE, 1, 4, {101, H - 10, 1, -4, 0}},  // top and bottom: no turn
        {W, H - 1, PX_MOTION_FREE, PX_EDGE_WRAP, 2, 2, {-20, -10, 2, 2, 0}},
        {-20, -10, PX_MOTION_FREE, PX_EDGE_WRAP, -1, -1, {W, H, -1, -1, 0}},
        {100, 60, PX_MOTION_WAVE, PX_EDGE_WRAP, 3, 5, {103, 10, 3, 5, 0}},
        {100, 50, PX_MOTION_STILL, PX_EDGE_BOUNCE, 7, 7, {100, 50, 0, 0, 0}},
    };
    for (const auto& [x, y, motion, edge, vx, vy, after] : rows) {
        Place(x, y, motion, edge, vx, vy).AKTIVUJ();
        EXPECT_EQ(std::tuple(o.x, o.y, o.vx, o.vy, o.zrkadlo), after) << x << "," << y << " " << motion;
    }
    PX_srand(1);
    Place(100, 50, PX_MOTION_NERVOUS, PX_EDGE_WRAP, 2, 3.95).AKTIVUJ();  // speeds stop at 4
    EXPECT_EQ(std::tuple(o.ax, o.ay, o.vy, o.fy), std::tuple(rnd(DRAWS[0]), rnd(DRAWS[1]), 4.0, 54.0));
    EXPECT_DOUBLE_EQ(o.fx, 102 + rnd(DRAWS[0]));
    PX_srand(1);
    PX_rand();
    Place(100, 50, PX_MOTION_HOVER, PX_EDGE_WRAP, 25, 0).turn = 0.199;
    o.AKTIVUJ();  // a positive draw: the angle stops at 0.2, the runaway speed calms to 5
    EXPECT_EQ(std::tuple(o.turn, o.vx, o.vy), std::tuple(0.2, 5.0, 25 * std::sin(0.2)));

    // A prop leaving on the right is drawn in part as it comes back on the left.
    PRIDAJ_KULISU(strom.c_str(), W, 50, PX_MOTION_HORIZONTAL, PX_EDGE_WRAP);
    running = true;
    for (int tick = 0; tick < 3; ++tick) TIK_ANIMACIE();
    ZOBRAZ_STRANU(back);
    EXPECT_EQ(std::tuple(Obj(0)->x, Px(1, 50), Px(2, 50)), std::tuple(-12, Raw(Obj(0), 14, 1), FILL));
}

TEST_F(Motion, TickPacesPhasesAndSkipsTheHeldObjects) {
    PRIDAJ_HERCA(pes.c_str(), 10, 10, PX_MOTION_HORIZONTAL, PX_EDGE_WRAP, 0);
    PRIDAJ_HERCA(pes.c_str(), 10, 30, PX_MOTION_HORIZONTAL, PX_EDGE_WRAP, 2);
    PRIDAJ_KULISU(strom.c_str(), 10, 50, PX_MOTION_HORIZONTAL, PX_EDGE_WRAP);
    std::vector<int> phases;
    running = true;
    for (int tick = 0; tick < 7; ++tick)
        for (TIK_ANIMACIE(); int i : {0, 1, 2}) phases.push_back(Obj(i)->akt_faza);
    EXPECT_EQ(phases, (std::vector<int>{1, 1, 0, 2, 1, 0, 0, 1, 0, 1, 2, 0, 2, 2, 0, 0, 2, 0, 1, 0, 0}));
    dragged = 0;
    setup_target = 2;
    TIK_ANIMACIE();
    EXPECT_EQ(std::tuple(Obj(0)->x, Obj(0)->akt_faza, Obj(1)->x, Obj(2)->x), std::tuple(24, 1, 26, 24));
}

TEST_F(Motion, ThrowsPaceAndTheSpeedLevelThatSetsTheTimer) {
    Place(40, 77, PX_MOTION_STILL, PX_EDGE_BOUNCE, 0, 0);
    o.fx = o.fy = 0;  // the drag moved only x and y
    HOD(&o, 5, 1);
    EXPECT_EQ(std::tuple(o.fx, o.fy, o.vx, o.vy, o.motion), std::tuple(40.0, 77.0, 5.0, 1.0, 1));
    o.motion = PX_MOTION_STILL;
    HOD(&o, 1, -1);  // at most a pixel: put down at rest
    EXPECT_EQ(std::tuple(o.vx, o.vy, o.motion), std::tuple(0.0, 0.0, 6));
    std::vector<int> delays;
    for (int item : {2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1}) {
        NASTAV_TEMPO(&o, item);
        delays.push_back(o.phase_delay);
    }
    EXPECT_EQ(delays, (std::vector<int>{1, 2, 4, 8, 16, 32, 64, 128, 128, 64, 32, 16, 8, 4, 2, 1, 0, 0}));

    plat_Headless_Start(plat_HeadlessConfig{});  // the frame timer: 4 ms times the level's square, up to level 10
    const HWND saved = std::exchange(tf_hWnd, nullptr);
    for (int i = 0; i < 12; ++i) NASTAV_RYCHLOST(+1);
    EXPECT_EQ(std::pair(speed_level, plat_NextTimerDue() - plat_Headless_Now()), std::pair(10, uint64_t{400}));
    KillTimer(nullptr, 1);
    tf_hWnd = saved;
}
