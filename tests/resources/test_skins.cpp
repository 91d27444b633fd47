// The committed skins as the program reads them: every phase that the framework's design, its
// title buttons and the editor measure out of them, at the points their own tables name.
#include <string>
#include <vector>

#include "framework/widgets/tf_dsgn.h"
#include "framework/widgets/tf_tlac.h"
#include "tests/book/editor_fixture.h"
#include "tests/support/pixels.h"

using namespace editor_test;

namespace {

// An element's phases on its sheet; a button's are normal, over and pressed.
struct Element {
    std::string name;
    std::vector<tf_TFAZA> phases;
    bool button = false;
};

Element of(const char* name, tf_CDAS* e) {
    Element out{name, {}, e->PocetFaz() == 3};
    for (int i = 0; i < e->PocetFaz(); ++i) out.phases.push_back(*e->Faza(i));
    return out;
}
Element of(const char* name, const tf_CIcon& i) { return {name, {i.faza}, false}; }

int drawn_w(const tf_TFAZA& f) { return f.x2 - f.x1; }
int drawn_h(const tf_TFAZA& f) { return f.y2 - f.y1; }
bool inside(const tf_TFAZA& f, int x, int y) { return x >= f.x1 && x < f.x2 && y >= f.y1 && y < f.y2; }
bool on_frame(const tf_TFAZA& f, int x, int y) {
    return x >= f.x1 - 1 && x <= f.x2 && y >= f.y1 - 1 && y <= f.y2 && !inside(f, x, y);
}
bool same(const tf_TFAZA& a, const tf_TFAZA& b) { return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2; }
std::string where(const tf_TFAZA& f) {
    return "(" + std::to_string(f.x1) + "," + std::to_string(f.y1) + ")-(" + std::to_string(f.x2) + "," +
           std::to_string(f.y2) + ")";
}

struct Sheet {
    tf_CDas_Surface* s;
    uint16_t Px(int x, int y) const { return s->lpDDS->Row(y)[x]; }
    // Mean brightness of the drawn pixels of a phase, 0 ... 255000; -1 when none is drawn.
    double Brightness(const tf_TFAZA& f) const {
        double sum = 0;
        int n = 0;
        for (int y = f.y1; y < f.y2; ++y)
            for (int x = f.x1; x < f.x2; ++x)
                if (Px(x, y) != s->TC) sum += test_support::Luma(Px(x, y)), ++n;
        return n ? sum / n : -1;
    }
    bool Framed(const tf_TFAZA& f) const {
        bool all = true;
        for (int x = f.x1 - 1; x <= f.x2; ++x) all = all && Px(x, f.y1 - 1) == s->BC && Px(x, f.y2) == s->BC;
        for (int y = f.y1 - 1; y <= f.y2; ++y) all = all && Px(f.x1 - 1, y) == s->BC && Px(f.x2, y) == s->BC;
        return all;
    }
    // Every phase framed inside the sheet, drawn, clear of the pixel the see-through colour is
    // read from ((1, 1) or (3, 3)) and of every other element's phases; a button lights up under the pointer (when it has
    // a look of its own for it) and darkens when pressed; the border colour only on frames.
    void Expect(const std::vector<Element>& elements) const {
        ASSERT_NE(s->lpDDS, nullptr);
        for (const Element& e : elements) {
            ASSERT_FALSE(e.phases.empty()) << e.name;
            for (const tf_TFAZA& f : e.phases) {
                SCOPED_TRACE(e.name + " " + where(f));
                ASSERT_TRUE(f.x1 > 0 && f.y1 > 0 && f.x2 < s->sir && f.y2 < s->vys && f.x2 > f.x1 && f.y2 > f.y1);
                EXPECT_TRUE(Framed(f));
                EXPECT_GT(Brightness(f), 0) << "nothing drawn";
                EXPECT_FALSE(inside(f, 1, 1) || inside(f, 3, 3)) << "the see-through colour is read inside a picture";
                EXPECT_TRUE(drawn_w(f) == drawn_w(e.phases[0]) && drawn_h(f) == drawn_h(e.phases[0]));
            }
            if (!e.button) continue;
            if (!same(e.phases[0], e.phases[1])) {
                EXPECT_GT(Brightness(e.phases[1]), Brightness(e.phases[0])) << e.name << ": pointer over lights up";
            }
            EXPECT_LT(Brightness(e.phases[2]), Brightness(e.phases[0])) << e.name << ": pressed is darker";
        }
        for (size_t i = 0; i < elements.size(); ++i)
            for (size_t j = i; j < elements.size(); ++j)
                for (const tf_TFAZA& a : elements[i].phases)
                    for (const tf_TFAZA& b : elements[j].phases) {
                        if (same(a, b) && i == j) continue;  // one picture for two states
                        EXPECT_TRUE(a.x2 <= b.x1 || b.x2 <= a.x1 || a.y2 <= b.y1 || b.y2 <= a.y1)
                            << elements[i].name << " " << where(a) << " and " << elements[j].name << " " << where(b);
                    }
        for (int y = 0; y < s->vys; ++y)
            for (int x = 0; x < s->sir; ++x) {
                if (Px(x, y) != s->BC || (x == 0 && y == 0)) continue;
                bool framed = false;
                for (const Element& e : elements)
                    for (const tf_TFAZA& f : e.phases) framed = framed || on_frame(f, x, y);
                EXPECT_TRUE(framed) << "border colour at " << x << "," << y;
            }
    }
    // Tiles follow each other with a step of their drawn size: the picture must not change
    // along the track.
    void ExpectSeamless(const tf_TFAZA& f, bool vertical) const {
        for (int i = 0; i < (vertical ? drawn_w(f) : drawn_h(f)); ++i) {
            const uint16_t first = vertical ? Px(f.x1 + i, f.y1) : Px(f.x1, f.y1 + i);
            const uint16_t last = vertical ? Px(f.x1 + i, f.y2 - 1) : Px(f.x2 - 1, f.y1 + i);
            EXPECT_EQ(first, last) << where(f) << " at " << i;
            EXPECT_NE(first, s->TC) << "a gap in the track at " << i;
        }
    }
};

TEST_F(Editor, SkinsHoldEveryPhaseTheFrameworkAndTheEditorPointAt) {
    Run([&] {
        tf_DSGN_Struct& d = tf_DSGN;
        std::vector<Element> framework = {
            of("_T_x_", d._T_x_),       of("_posuvV_", d._posuvV_),       of("_posuvV_btnA_", d._posuvV_btnA_),
            of("_posuvV_btnB_", d._posuvV_btnB_), of("_posuvH_", d._posuvH_), of("_posuvH_btnA_", d._posuvH_btnA_),
            of("_posuvH_btnB_", d._posuvH_btnB_), of("_posuvH2_", d._posuvH2_), of("_posuvV2_", d._posuvV2_),
            of("ico_logo", *d.ico_logo), of("ico_void", *d.ico_void), of("ico_help", *d.ico_help),
            of("ico_ok", *d.ico_ok),    of("ico_cancel", *d.ico_cancel), of("posuvV_podklad", d.posuvV_podklad),
            of("posuvH_podklad", d.posuvH_podklad)};
        tf_CDAS* title[4];  // close, info, resolution, timer: from the right
        for (int i = 0; i < 4; ++i) {
            title[i] = static_cast<tf_CDAS*>(screen->FindCHLWithID(TF_APP_ID_CLOSE + i));
            framework.push_back(of(("title " + std::to_string(TF_APP_ID_CLOSE + i)).c_str(), title[i]));
        }
        const Sheet fw{d.rezia_dll_srf};
        fw.Expect(framework);
        // The parts of a scroll bar line up across it; the title buttons are alike, line up by
        // their bottoms and fit their places.
        for (tf_CDAS* part : {static_cast<tf_CDAS*>(d._posuvV_), static_cast<tf_CDAS*>(d._posuvV_btnB_)})
            EXPECT_EQ(drawn_w(*part->Faza(0)), drawn_w(*d._posuvV_btnA_->Faza(0)));
        for (tf_CDAS* part : {static_cast<tf_CDAS*>(d._posuvH_), static_cast<tf_CDAS*>(d._posuvH_btnB_)})
            EXPECT_EQ(drawn_h(*part->Faza(0)), drawn_h(*d._posuvH_btnA_->Faza(0)));
        EXPECT_EQ(drawn_w(d.posuvV_podklad.faza), drawn_w(*d._posuvV_btnA_->Faza(0)));
        EXPECT_EQ(drawn_h(d.posuvH_podklad.faza), drawn_h(*d._posuvH_btnA_->Faza(0)));
        fw.ExpectSeamless(d.posuvV_podklad.faza, true);
        fw.ExpectSeamless(d.posuvH_podklad.faza, false);
        for (int i = 1; i < 4; ++i) {
            EXPECT_EQ(title[i]->AktSIR(), title[0]->AktSIR()) << i;
            EXPECT_EQ(title[i]->y + title[i]->AktVYS(), title[0]->y + title[0]->AktVYS()) << i;
            EXPECT_LT(title[i]->x + title[i]->AktSIR(), title[i - 1]->x) << i;
        }

        PX_Editor& e = *px_editor;
        const std::vector<Element> editor = {
            of("previous page", &e.tlac_Prev), of("next page", &e.tlac_Next),  of("new page", &e.tlac_Nova),
            of("leave new page", &e.tlac_Opusti), of("play", &e.tlac_Play), of("save", &e.tlac_Save),
            of("list slider", &duir_KNIHY->posuvnik), of("list up", &duir_KNIHY->tlac_hore),
            of("list down", &duir_KNIHY->tlac_dole), of("list track", duir_KNIHY->ikona_drahy),
            of("application icon", *screen->m_pAppIcon)};
        const Sheet ed{&e.rezia};
        std::vector<Element> with_pointer = editor;
        with_pointer.push_back(of("pointer", &e.kurzor));
        with_pointer.back().button = false;  // its phases are no pointer states
        ed.Expect(with_pointer);
        for (size_t part : {7, 8, 9}) EXPECT_EQ(drawn_w(editor[part].phases[0]), drawn_w(editor[6].phases[0]));
        ed.ExpectSeamless(duir_KNIHY->ikona_drahy.faza, true);
        const tf_TFAZA tip = *e.kurzor.Faza(0);
        EXPECT_NE(ed.Px(tip.x1, tip.y1), e.rezia.TC) << "the arrow's tip is the pointer's top-left pixel";
    });
}

// Icons loaded from a file key from their pixel (1, 1) and draw the whole picture less its
// one-pixel frame, small enough for their places: a books-list row is 76 high, the window
// icon square.
TEST(Skin, IconsKeyFromTheirCornerAndFitWhereTheyAreShown) {
    IDirectDraw* dd = nullptr;
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    for (const auto& [name, max_w, max_h] : {std::tuple{"kniha_ikona_default.bmp", 100, 75}, {"QV_ICON.bmp", 64, 64}}) {
        SCOPED_TRACE(name);
        tf_CDas_Surface s;
        s.NAHRAJ_SURFACE(dd, name);  // no such file here: the compiled-in picture
        ASSERT_NE(s.lpDDS, nullptr);
        s.TC_NASTAV(1, 1);
        const tf_TFAZA f = s.ZAMERAJ_FAZU_CS();
        EXPECT_TRUE(drawn_w(f) <= max_w && drawn_h(f) <= max_h);
        const Sheet sheet{&s};
        EXPECT_TRUE(sheet.Px(0, 0) == s.TC && sheet.Px(f.x2 - 1, f.y2 - 1) == s.TC);  // either corner keys
        int drawn = 0;
        for (int y = f.y1; y < f.y2; ++y)
            for (int x = f.x1; x < f.x2; ++x) drawn += sheet.Px(x, y) != s.TC;
        EXPECT_GT(drawn, drawn_w(f) * drawn_h(f) / 3) << "the picture fills its icon";
        s.RELEASE_SURFACE();
    }
    dd->Release();
}

}  // namespace
