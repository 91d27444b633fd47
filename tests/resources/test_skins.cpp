// The committed skins as the program reads them: every phase that the framework's design, its
// title buttons and the editor measure out of them, at the points their own tables name.
#include <string>
#include <vector>

#include "book/px_strany.h"
#include "framework/widgets/tf_dsgn.h"
#include "framework/widgets/tf_tlac.h"
#include "tests/book/editor_fixture.h"
#include "tests/support/pixels.h"

using namespace editor_test;

namespace {

// Named phases on one sheet.
using Phases = std::vector<std::pair<std::string, tf_TFAZA>>;

void add(Phases& out, const char* name, tf_CDAS* e) {
    for (int i = 0; i < e->PocetFaz(); ++i) out.push_back({name, *e->Faza(i)});
}

bool inside(const tf_TFAZA& f, int x, int y) { return x >= f.x1 && x < f.x2 && y >= f.y1 && y < f.y2; }
bool same(const tf_TFAZA& a, const tf_TFAZA& b) { return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2; }

// Every phase framed by the border colour inside the sheet, drawn, clear of the
// pixel the see-through colour is read from ((1, 1) or (3, 3)) and of every other phase but
// its own repeats; the border colour nowhere but on frames.
void expect_sheet(const tf_CDas_Surface& s, const Phases& phases) {
    ASSERT_NE(s.lpDDS, nullptr);
    const auto px = [&](int x, int y) { return test_support::Px(s.lpDDS, x, y); };
    std::vector<bool> frame(size_t(s.sir * s.vys));
    for (size_t i = 0; i < phases.size(); ++i) {
        const auto& [name, f] = phases[i];
        SCOPED_TRACE(name + " at " + std::to_string(f.x1) + "," + std::to_string(f.y1));
        ASSERT_TRUE(f.x1 > 0 && f.y1 > 0 && f.x2 < s.sir && f.y2 < s.vys && f.x2 > f.x1 && f.y2 > f.y1);
        for (int y = f.y1 - 1; y <= f.y2; ++y)
            for (int x = f.x1 - 1; x <= f.x2; ++x)
                if (!inside(f, x, y)) {
                    EXPECT_EQ(px(x, y), s.BC) << x << "," << y;
                    frame[size_t(y * s.sir + x)] = true;
                }
        EXPECT_GT(test_support::CountIn(f.x1, f.y1, f.x2 - 1, f.y2 - 1, [&](int x, int y) { return px(x, y) != s.TC; }),
                  0);
        EXPECT_FALSE(inside(f, 1, 1) || inside(f, 3, 3)) << "the see-through colour is read inside a picture";
        for (size_t j = 0; j < i; ++j) {
            const tf_TFAZA& o = phases[j].second;
            EXPECT_TRUE((same(f, o) && name == phases[j].first) || f.x2 <= o.x1 || o.x2 <= f.x1 || f.y2 <= o.y1 ||
                        o.y2 <= f.y1)
                << "overlaps " << phases[j].first;
        }
    }
    for (int y = 0; y < s.vys; ++y)
        for (int x = 0; x < s.sir; ++x)
            EXPECT_TRUE(px(x, y) != s.BC || (x == 0 && y == 0) || frame[size_t(y * s.sir + x)])
                << "border colour at " << x << "," << y;
}

TEST_F(Editor, SkinsHoldEveryPhaseTheFrameworkAndTheEditorPointAt) {
    Run([&] {
        tf_DSGN_Struct& d = tf_DSGN;
        Phases framework = {{"ico_logo", d.ico_logo->faza},       {"ico_void", d.ico_void->faza},
                            {"ico_help", d.ico_help->faza},       {"ico_ok", d.ico_ok->faza},
                            {"ico_cancel", d.ico_cancel->faza},   {"posuvV_podklad", d.posuvV_podklad.faza},
                            {"posuvH_podklad", d.posuvH_podklad.faza}};
        const std::pair<const char*, tf_CDAS*> parts[] = {
            {"_T_x_", d._T_x_},           {"_posuvV_", d._posuvV_},         {"_posuvV_btnA_", d._posuvV_btnA_},
            {"_posuvV_btnB_", d._posuvV_btnB_}, {"_posuvH_", d._posuvH_},  {"_posuvH_btnA_", d._posuvH_btnA_},
            {"_posuvH_btnB_", d._posuvH_btnB_}, {"_posuvH2_", d._posuvH2_}, {"_posuvV2_", d._posuvV2_}};
        for (const auto& [name, part] : parts) add(framework, name, part);
        for (int id = TF_APP_ID_CLOSE; id < TF_APP_ID_CLOSE + 4; ++id)
            add(framework, "title button", static_cast<tf_CDAS*>(screen->FindCHLWithID(id)));
        expect_sheet(*d.rezia_dll_srf, framework);

        PX_Editor& e = *px_editor;
        Phases editor = {{"list track", duir_KNIHY->ikona_drahy.faza},
                         {"application icon", screen->m_pAppIcon->faza},
                         {"narration mark", static_cast<PX_CStrany*>(duir_STRANY)->znacka.faza}};
        const std::pair<const char*, tf_CDAS*> buttons[] = {
            {"previous page", &e.tlac_Prev}, {"next page", &e.tlac_Next},  {"new page", &e.tlac_Nova},
            {"leave new page", &e.tlac_Opusti}, {"play", &e.tlac_Play},    {"save", &e.tlac_Save},
            {"list slider", &duir_KNIHY->posuvnik}, {"list up", &duir_KNIHY->tlac_hore},
            {"list down", &duir_KNIHY->tlac_dole}, {"pointer", &e.kurzor},
            {"microphone", &e.vzhlad_mikrofonu[0]}, {"recording", &e.vzhlad_mikrofonu[1]},
            {"no microphone", &e.vzhlad_mikrofonu[2]}, {"sound on", &e.vzhlad_stlmenia[0]},
            {"muted", &e.vzhlad_stlmenia[1]},        {"read the book", &e.tlac_Citaj}};
        for (const auto& [name, part] : buttons) add(editor, name, part);
        expect_sheet(e.rezia, editor);
    });
}

}  // namespace
