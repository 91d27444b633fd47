// The committed skins as the program sees them: compiled-in pictures measured at the points
// the framework and the editor point at.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "framework/surface/tf_dsrfc.h"

namespace {

enum class Looks { ONE, BUTTON, POINTER };  // Button: normal, over, pressed

struct Element {
    const char* name;
    std::vector<POINT> points;
    int min_w, max_w, min_h, max_h;  // drawn size
    Looks looks;
};

const std::vector<Element> FRAMEWORK = {
    {"_T_x_", {{45, 10}, {45, 10}, {45, 25}}, 10, 16, 10, 16, Looks::BUTTON},
    {"ico_logo", {{100, 180}}, 190, 210, 50, 62, Looks::ONE},
    {"ico_void", {{210, 70}}, 24, 48, 24, 48, Looks::ONE},
    {"ico_help", {{200, 25}}, 20, 41, 20, 48, Looks::ONE},
    {"ico_ok", {{45, 40}}, 10, 24, 10, 20, Looks::ONE},
    {"ico_cancel", {{45, 55}}, 10, 24, 10, 20, Looks::ONE},
    {"_posuvV_", {{120, 50}, {120, 50}, {145, 50}}, 10, 24, 12, 60, Looks::BUTTON},
    {"_posuvV_btnA_", {{120, 10}, {120, 10}, {145, 10}}, 10, 24, 10, 24, Looks::BUTTON},
    {"_posuvV_btnB_", {{120, 85}, {120, 85}, {145, 85}}, 10, 24, 10, 24, Looks::BUTTON},
    {"posuvV_podklad", {{170, 30}}, 10, 24, 2, 40, Looks::ONE},
    {"_posuvH_", {{50, 80}, {50, 80}, {50, 105}}, 12, 60, 10, 24, Looks::BUTTON},
    {"_posuvH_btnA_", {{10, 80}, {10, 80}, {10, 105}}, 10, 24, 10, 24, Looks::BUTTON},
    {"_posuvH_btnB_", {{85, 80}, {85, 80}, {85, 105}}, 10, 24, 10, 24, Looks::BUTTON},
    {"posuvH_podklad", {{30, 130}}, 2, 40, 10, 24, Looks::ONE},
    {"_posuvH2_", {{5, 32}, {14, 32}, {23, 32}}, 4, 16, 4, 16, Looks::BUTTON},
    {"_posuvV2_", {{9, 45}, {9, 55}, {9, 65}}, 4, 16, 4, 16, Looks::BUTTON},
    // Title buttons stand 29 pixels apart.
    {"close 601", {{80, 10}, {80, 30}, {80, 55}}, 16, 28, 16, 28, Looks::BUTTON},
    {"info 602", {{220, 100}, {220, 120}, {220, 140}}, 16, 28, 16, 28, Looks::BUTTON},
    {"resolution 603", {{200, 100}, {200, 120}, {200, 140}}, 16, 28, 16, 28, Looks::BUTTON},
    {"timer 604", {{180, 100}, {180, 120}, {180, 140}}, 16, 28, 16, 28, Looks::BUTTON},
};

// Sizes follow from the places: next page at W - 47, leave before new page (40 apart), play
// centred by (24, 18), save centred by 20 and ending above the status line 37 rows lower.
const std::vector<Element> EDITOR = {
    {"next page", {{10, 10}, {50, 10}, {90, 10}}, 24, 44, 24, 48, Looks::BUTTON},
    {"previous page", {{200, 10}, {160, 10}, {130, 10}}, 24, 44, 24, 48, Looks::BUTTON},
    {"new page", {{10, 100}, {50, 100}, {90, 100}}, 24, 52, 24, 48, Looks::BUTTON},
    {"leave new page", {{130, 100}, {160, 100}, {200, 100}}, 24, 40, 24, 48, Looks::BUTTON},
    {"play", {{320, 20}, {370, 20}, {415, 20}}, 44, 52, 32, 40, Looks::BUTTON},
    {"save", {{320, 80}, {360, 80}, {400, 80}}, 36, 44, 24, 37, Looks::BUTTON},
    {"pointer", {{10, 50}, {40, 50}, {80, 50}}, 16, 32, 16, 32, Looks::POINTER},
    {"list slider", {{230, 10}, {230, 10}, {260, 10}}, 12, 24, 16, 60, Looks::BUTTON},
    {"list up", {{130, 50}, {130, 50}, {160, 50}}, 12, 24, 12, 24, Looks::BUTTON},
    {"list down", {{180, 50}, {180, 50}, {210, 50}}, 12, 24, 12, 24, Looks::BUTTON},
    {"list track", {{290, 10}}, 12, 24, 2, 40, Looks::ONE},
    {"application icon", {{432, 86}}, 24, 42, 24, 48, Looks::ONE},
};

int drawn_w(const tf_TFAZA& f) { return f.x2 - f.x1; }
int drawn_h(const tf_TFAZA& f) { return f.y2 - f.y1; }
bool inside(const tf_TFAZA& f, int x, int y) { return x >= f.x1 && x < f.x2 && y >= f.y1 && y < f.y2; }
bool on_frame(const tf_TFAZA& f, int x, int y) {
    return x >= f.x1 - 1 && x <= f.x2 && y >= f.y1 - 1 && y <= f.y2 && !inside(f, x, y);
}
std::string where(const tf_TFAZA& f) {
    return "(" + std::to_string(f.x1) + "," + std::to_string(f.y1) + ")-(" + std::to_string(f.x2) + "," +
           std::to_string(f.y2) + ")";
}

class Skin : public testing::Test {
protected:
    void TearDown() override {
        s.RELEASE_SURFACE();
        if (dd) dd->Release();
    }
    void Load(const char* name, int key_x, int key_y) {
        if (!dd) {
            ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
        }
        s.NAHRAJ_SURFACE(dd, name);  // no such file here: the compiled-in picture
        ASSERT_NE(s.lpDDS, nullptr) << name;
        s.TC_NASTAV(key_x, key_y);
    }
    void LoadSheet(const char* name, int key_x, int key_y) {
        Load(name, key_x, key_y);
        s.BC_NASTAV(0, 0);
        ASSERT_NE(s.TC, s.BC);
    }
    uint16_t Px(int x, int y) { return s.lpDDS->Row(y)[x]; }
    // Mean brightness of the drawn pixels of a phase, 0 ... 255.
    double Brightness(const tf_TFAZA& f) {
        double sum = 0;
        int n = 0;
        for (int y = f.y1; y < f.y2; ++y)
            for (int x = f.x1; x < f.x2; ++x) {
                const uint16_t v = Px(x, y);
                if (v == s.TC) continue;
                sum +=
                    0.299 * ((v >> 11) * 255 / 31) + 0.587 * ((v >> 5 & 63) * 255 / 63) + 0.114 * ((v & 31) * 255 / 31);
                ++n;
            }
        return n ? sum / n : -1;
    }
    bool Framed(const tf_TFAZA& f) {
        bool all = true;
        for (int x = f.x1 - 1; x <= f.x2; ++x) all = all && Px(x, f.y1 - 1) == s.BC && Px(x, f.y2) == s.BC;
        for (int y = f.y1 - 1; y <= f.y2; ++y) all = all && Px(f.x1 - 1, y) == s.BC && Px(f.x2, y) == s.BC;
        return all;
    }
    // Measures every element; checks frames, sizes, looks, overlaps and where the border colour lies.
    std::vector<std::vector<tf_TFAZA>> ExpectSheet(const std::vector<Element>& elements, int key_x, int key_y);
    // The drawn width of an element's first phase, or its height.
    static int W(const std::vector<tf_TFAZA>& e) { return drawn_w(e[0]); }
    static int H(const std::vector<tf_TFAZA>& e) { return drawn_h(e[0]); }
    void ExpectSeamless(const tf_TFAZA& f, bool vertical);

    IDirectDraw* dd = nullptr;
    tf_CDas_Surface s;
};

std::vector<std::vector<tf_TFAZA>> Skin::ExpectSheet(const std::vector<Element>& elements, int key_x, int key_y) {
    std::vector<std::vector<tf_TFAZA>> measured;
    std::vector<std::pair<size_t, tf_TFAZA>> all;  // element index, phase
    for (size_t e = 0; e < elements.size(); ++e) {
        const Element& el = elements[e];
        measured.emplace_back();
        for (POINT p : el.points) {
            const tf_TFAZA f = s.ZAMERAJ_FAZU(p.x, p.y);
            SCOPED_TRACE(std::string(el.name) + " at " + std::to_string(p.x) + "," + std::to_string(p.y) + ": " +
                         where(f));
            EXPECT_TRUE(inside(f, p.x, p.y));
            if (!(f.x1 > 0 && f.y1 > 0 && f.x2 < s.sir && f.y2 < s.vys && f.x2 > f.x1 && f.y2 > f.y1)) {
                ADD_FAILURE() << "no frame round the point";
                continue;
            }
            EXPECT_TRUE(Framed(f));
            EXPECT_GE(drawn_w(f), el.min_w);
            EXPECT_LE(drawn_w(f), el.max_w);
            EXPECT_GE(drawn_h(f), el.min_h);
            EXPECT_LE(drawn_h(f), el.max_h);
            EXPECT_GT(Brightness(f), 0) << "nothing drawn";
            EXPECT_FALSE(inside(f, key_x, key_y)) << "the see-through colour is read inside a picture";
            measured.back().push_back(f);
            all.push_back({e, f});
        }
        const std::vector<tf_TFAZA>& m = measured.back();
        for (const tf_TFAZA& f : m) EXPECT_TRUE(drawn_w(f) == W(m) && drawn_h(f) == H(m)) << el.name << " " << where(f);
        if (el.looks == Looks::BUTTON) {
            const bool own_over = el.points[0].x != el.points[1].x || el.points[0].y != el.points[1].y;
            if (own_over) {
                EXPECT_GT(Brightness(m[1]), Brightness(m[0])) << el.name << ": pointer over lights up";
            }
            EXPECT_LT(Brightness(m[2]), Brightness(m[0])) << el.name << ": pressed is darker";
        }
    }
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j) {
            const tf_TFAZA &a = all[i].second, &b = all[j].second;
            const bool same = a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
            if (same && all[i].first == all[j].first) continue;  // one picture for two states
            const bool apart = a.x2 <= b.x1 || b.x2 <= a.x1 || a.y2 <= b.y1 || b.y2 <= a.y1;
            EXPECT_TRUE(apart) << elements[all[i].first].name << " " << where(a) << " and "
                               << elements[all[j].first].name << " " << where(b);
        }
    for (int y = 0; y < s.vys; ++y)
        for (int x = 0; x < s.sir; ++x) {
            if (Px(x, y) != s.BC || (x == 0 && y == 0)) continue;
            bool framed = false;
            for (const auto& [e, f] : all) framed = framed || on_frame(f, x, y);
            EXPECT_TRUE(framed) << "border colour at " << x << "," << y;
        }
    return measured;
}

// Tiles follow each other with a step of their drawn size: the picture must not change along the track.
void Skin::ExpectSeamless(const tf_TFAZA& f, bool vertical) {
    for (int i = 0; i < (vertical ? drawn_w(f) : drawn_h(f)); ++i) {
        const uint16_t first = vertical ? Px(f.x1 + i, f.y1) : Px(f.x1, f.y1 + i);
        const uint16_t last = vertical ? Px(f.x1 + i, f.y2 - 1) : Px(f.x2 - 1, f.y1 + i);
        EXPECT_EQ(first, last) << where(f) << " at " << i;
        EXPECT_NE(first, s.TC) << "a gap in the track at " << i;
    }
}

TEST_F(Skin, FrameworkSkinHoldsEveryStockElement) {
    LoadSheet("rezia_dll.bmp", 1, 1);
    EXPECT_EQ(s.sir, 235);
    EXPECT_EQ(s.vys, 211);
    const auto m = ExpectSheet(FRAMEWORK, 1, 1);
    if (HasFailure()) return;
    auto at = [&](const char* name) {
        for (size_t i = 0; i < FRAMEWORK.size(); ++i)
            if (std::string(FRAMEWORK[i].name) == name) return m[i];
        return std::vector<tf_TFAZA>{};
    };
    // The parts of a scroll bar line up across it.
    for (const char* part : {"_posuvV_", "_posuvV_btnB_", "posuvV_podklad"})
        EXPECT_EQ(W(at(part)), W(at("_posuvV_btnA_"))) << part;
    for (const char* part : {"_posuvH_", "_posuvH_btnB_", "posuvH_podklad"})
        EXPECT_EQ(H(at(part)), H(at("_posuvH_btnA_"))) << part;
    ExpectSeamless(at("posuvV_podklad")[0], true);
    ExpectSeamless(at("posuvH_podklad")[0], false);
    // The close button stands one row higher (y 5, the others 6); the four line up by their bottoms.
    for (const char* b : {"info 602", "resolution 603", "timer 604"}) {
        EXPECT_EQ(W(at(b)), W(at("close 601"))) << b;
        EXPECT_EQ(6 + H(at(b)), 5 + H(at("close 601"))) << b;
    }
}

TEST_F(Skin, EditorSkinHoldsButtonsListPartsPointerAndIcon) {
    LoadSheet("rezia.bmp", 3, 3);
    const auto m = ExpectSheet(EDITOR, 3, 3);
    if (HasFailure()) return;
    const auto& knob = m[7];
    for (size_t part : {8, 9, 10}) EXPECT_EQ(W(m[part]), W(knob)) << EDITOR[part].name;
    ExpectSeamless(m[10][0], true);
    EXPECT_NE(Px(m[6][0].x1, m[6][0].y1), s.TC) << "the arrow's tip is the pointer's top-left pixel";
}

// Icons loaded from a file key from their pixel (1, 1) and draw the whole picture less its one-pixel frame.
TEST_F(Skin, IconsKeyFromTheirCornerAndFitWhereTheyAreShown) {
    const struct {
        const char* name;
        int max_w, max_h;  // a books-list row is 76 high; the window icon is square
    } icons[] = {{"kniha_ikona_default.bmp", 100, 75}, {"QV_ICON.bmp", 64, 64}};
    for (const auto& icon : icons) {
        SCOPED_TRACE(icon.name);
        Load(icon.name, 1, 1);
        const tf_TFAZA f = s.ZAMERAJ_FAZU_CS();
        EXPECT_LE(drawn_w(f), icon.max_w);
        EXPECT_LE(drawn_h(f), icon.max_h);
        EXPECT_EQ(Px(0, 0), s.TC);  // keyed the same from either corner
        EXPECT_EQ(Px(f.x2 - 1, f.y2 - 1), s.TC);
        EXPECT_GT(Brightness(f), 0);
        int drawn = 0;
        for (int y = f.y1; y < f.y2; ++y)
            for (int x = f.x1; x < f.x2; ++x) drawn += Px(x, y) != s.TC;
        EXPECT_GT(drawn, drawn_w(f) * drawn_h(f) / 3) << "the picture fills its icon";
    }
}

}  // namespace
