// The sample book, composed at 1920 x 1080, on smaller screens: every object of every page
// shows where the scaled page puts it, the page composed is the same whatever the screen, the
// menu bar over the bar above the page is as light as over a bright page, and a drag on a
// small screen stores page coordinates that a large screen shows at the same place.
#include <algorithm>
#include <map>

#include "book/px_plocha.h"
#include "tests/book/editor_fixture.h"

using namespace editor_test;

namespace {
constexpr int PAGE_W = 1920, PAGE_H = 1080;
// The square around a spot its colour fills, from its left and top: a screen pixel samples
// the page at most 2.4 pixels left of and above the point it shows (1920 to 800).
constexpr int R = 3;

// A point of the page inside an object, drawn by it alone, in one colour all around.
struct Spot {
    int x, y;
    uint16_t colour;
};

class Scaled : public Editor {
protected:
    // Where a page point shows on the screen: the page fitted into it, centred.
    static POINT OnScreen(int x, int y) {
        const double scale = std::min(tf_ScreenW / double(PAGE_W), tf_ScreenH / double(PAGE_H));
        const double left = (tf_ScreenW - PAGE_W * scale) / 2, top = (tf_ScreenH - PAGE_H * scale) / 2;
        return {LONG(left + x * scale), LONG(top + y * scale)};
    }
    static IDirectDrawSurface* Page() { return PX_Plocha_Povrch(plat_PrimarySurface()); }
    // The mean brightness (0 to 255) of the screen's rectangle [x0, x1) x [y0, y1).
    double Brightness(int x0, int y0, int x1, int y1) {
        double sum = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const uint16_t p = Px(x, y);
                sum += 0.3 * (p >> 11) * 255 / 31 + 0.59 * (p >> 5 & 63) * 255 / 63 + 0.11 * (p & 31) * 255 / 31;
            }
        return sum / ((x1 - x0) * (y1 - y0));
    }

    // Object i's spot nearest its middle, or none when it has no such point.
    std::optional<Spot> SpotOf(int i) const {
        CHerec* o = Obj(i);
        const int w = o->AktSIR(), h = o->AktVYS();
        std::optional<Spot> best;
        long best_d = -1;
        for (int y = o->y + R; y < o->y + h - 1; y += 2)
            for (int x = o->x + R; x < o->x + w - 1; x += 2) {
                const long d = long(x - o->x - w / 2) * (x - o->x - w / 2) + long(y - o->y - h / 2) * (y - o->y - h / 2);
                if ((best_d < 0 || d < best_d) && AloneAndEven(i, x, y)) best = Spot{x, y, test_support::Px(Page(), x, y)}, best_d = d;
            }
        return best;
    }
    bool AloneAndEven(int i, int x, int y) const {
        if (x - R < 0 || y - R < 0 || x + 1 >= PAGE_W || y + 1 >= PAGE_H) return false;
        const uint16_t c = test_support::Px(Page(), x, y);
        for (int dy = -R; dy <= 1; ++dy)
            for (int dx = -R; dx <= 1; ++dx) {
                if (!Obj(i)->OSTRY_ZASAH(x + dx, y + dy) || test_support::Px(Page(), x + dx, y + dy) != c) return false;
                for (int j = i + 1; j < REG.count; ++j)
                    if (Obj(j)->ZASAH(x + dx, y + dy)) return false;
            }
        return true;
    }
    // The pointer off the lists and the objects: low on the page, right of its middle.
    void PointerAway() {
        const POINT p = OnScreen(1240, 1050);
        Move(p.x, p.y);
        ASSERT_FALSE(duir_KNIHY->zivy) << "the lists closed";
        ASSERT_EQ(hovered, -1);
    }
};
}  // namespace

TEST_F(Scaled, EveryObjectOfEveryPageShowsAtItsScaledPlace) {
    std::map<int, std::vector<uint16_t>> composed;  // page number: the page as composed at the first size
    for (const auto& [w, h] : {std::pair{1280, 720}, {1024, 768}, {800, 600}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        ASSERT_NO_FATAL_FAILURE(StarterLibrary(w, h));
        Run([&, w = w, h = h] {
            ASSERT_EQ(tf_ScreenW, w);
            ASSERT_EQ(PX_Strana_sir(), PAGE_W) << "no settings file: the size of the first page's background";
            ASSERT_EQ(PX_Strana_vys(), PAGE_H);
            for (int page = 0; page < 5; ++page) {
                SCOPED_TRACE("page " + std::to_string(page + 1));
                ASSERT_NO_FATAL_FAILURE(OpenPage(0, page));
                ASSERT_NO_FATAL_FAILURE(PointerAway());
                Tick();
                if (OnScreen(0, 0).y > 28) {  // the menu bar's black words on its white net over the bar above
                    EXPECT_GT(Brightness(0, 4, w / 2, 24), 170) << "a menu bar as light as over a bright page";
                }
                ASSERT_GT(REG.count, 0);
                int seen = 0;
                for (int i = 0; i < REG.count; ++i) {
                    const std::optional<Spot> s = SpotOf(i);
                    if (!s) continue;
                    ++seen;
                    const POINT p = OnScreen(s->x, s->y);
                    EXPECT_EQ(Px(p.x, p.y), s->colour) << "object " << i << " at " << Obj(i)->x << "," << Obj(i)->y;
                }
                EXPECT_EQ(seen, REG.count) << "every object has a spot to look at";
                IDirectDrawSurface* surface = Page();
                std::vector<uint16_t> pixels;
                for (int y = 0; y < PAGE_H; ++y) pixels.insert(pixels.end(), surface->Row(y), surface->Row(y) + PAGE_W);
                if (!composed.count(page)) composed[page] = pixels;
                EXPECT_TRUE(composed[page] == pixels) << "the page composed differs from the first size's";
            }
        });
    }
}

TEST_F(Scaled, ADragOnASmallScreenIsAtTheSamePlaceOnALargeOne) {
    constexpr int DOG = 9;  // "h pes 760 720" on the sample book's first page
    const int dx = 60, dy = -30;  // screen pixels at 1280 x 720: 1.5 page pixels each
    std::optional<Spot> spot;
    ASSERT_NO_FATAL_FAILURE(StarterLibrary(1280, 720));
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        ASSERT_EQ(Obj(DOG)->x, 760);
        const POINT from = OnScreen(Mid(DOG).x, Mid(DOG).y);
        Move(from.x, from.y), Down(from.x, from.y), Move(from.x + dx, from.y + dy), Up(from.x + dx, from.y + dy);
        EXPECT_NEAR(Obj(DOG)->x, 760 + dx * 3 / 2, 1);
        EXPECT_NEAR(Obj(DOG)->y, 720 + dy * 3 / 2, 1);
        ASSERT_NO_FATAL_FAILURE(PointerAway());
        Tick();
        spot = SpotOf(DOG);
        Ctrl('S');
    });
    ASSERT_TRUE(spot.has_value());
    const std::string saved = tree.Read("library/KNIHA_Ukážka/1.str");
    const std::string line = "h pes " + std::to_string(760 + dx * 3 / 2);
    EXPECT_NE(saved.find(line), std::string::npos) << saved;

    ASSERT_NO_FATAL_FAILURE(StarterLibrary(1920, 1080));
    Run([&] {  // the start reopens the page last shown
        ASSERT_EQ(tf_ScreenW, 1920);
        ASSERT_EQ(Obj(DOG)->x, 760 + dx * 3 / 2);
        ASSERT_NO_FATAL_FAILURE(PointerAway());
        Tick();
        EXPECT_EQ(Px(spot->x, spot->y), spot->colour) << "the dog's spot on the unscaled screen";
    });
}
