// A picture of the framework's screen for people to look at: the look of its widgets, its menus
// and its dialogs over a colourful background, one headless frame written next to the test
// program as showcase_screenshot.png and checked only where a whole screen goes wrong.
#include "framework/tf.h"  // the umbrella header alone gives the whole framework

#include "tests/framework/app/app_fixture.h"
#include "tests/support/png_writer.h"

using namespace app_test;

namespace {
constexpr int W = 1920, H = 1080;
constexpr COLORREF INK = 0x00402828;  // dark plum, for text on the panels
// Centres of icons in the editor's skin.
constexpr POINT PLAY = {320, 20}, SAVE = {320, 80}, NEXT = {10, 10}, BACK = {135, 20}, BOOK = {432, 86};
const char* const BACKGROUND = "showcase_pozadie.bmp";

// A screen whose widgets are made at the visual set-up, with the editor's skin at hand.
struct Showcase : tf_CAppScreen {
    Showcase() : tf_CAppScreen(nullptr, SW_SHOWNORMAL, "") {}
    ~Showcase() override { DeleteObject(heading); }
    void Init() override {
        skin.NAHRAJ_SURFACE(tf_lpDD, "rezia.bmp");
        skin.TC_NASTAV(3, 3), skin.BC_NASTAV(0, 0);
        SetAppInfo("Pexlo", "(verzia: 1.1)", plat_W1250(u8"tím Pexlo"), &skin, BOOK.x, BOOK.y);
        tf_CDUI_NoVoid = true;  // the lists are filled at once
    }
    int SetupVisual() override;
    void Redraw_Screen() override { ++frames; }
    void Do_RELEASE_SRF() override { skin.RELEASE_SURFACE(); }

    tf_CDas_Surface skin{"showcase.skin"};
    HFONT heading = CreateFontA(28, 0, 0, 0, FW_BOLD, 0, 0, 0, EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0x22, "Verdana");
    int frames = 0;
};

tf_CDDialog* panel(tf_CPolCHLO* parent, int rx, int efekt, const char* title,
                   std::vector<std::tuple<int, int, const char*>> captions) {
    auto* d = new tf_CDDialog(parent, 2000 + rx);
    d->Dsgn(rx, 90, 300, 250, efekt);
    d->ram.Set_Titulok(title);
    for (const auto& [x, y, text] : captions) (new tf_CLabel(d, x, y, text))->farba = INK;
    return d;
}

// Buttons in their three states, a scroll bar, icons and captions on two dialog backgrounds; a
// menu bar with its first pop-up and an arc of icons; the edit dialog and a picture picker with
// the starter library's backgrounds, scrolled so that its top and bottom rows are cut.
int Showcase::SetupVisual() {
    tf_CAppScreen::SetupVisual();
    auto* title = new tf_CLabel(this, 30, 6, "Pexlo framework");
    title->farba = 0x00FFFFFF, title->font = heading;
    tf_CDDialog* d = panel(this, 310, 1, "Controls", {{14, 22, "buttons"}, {14, 92, "scroll bar"}});
    const POINT buttons[3][3] = {{PLAY, {370, 20}, {415, 20}}, {NEXT, {50, 10}, {90, 10}}, {SAVE, {360, 80}, {400, 80}}};
    for (int i = 0; i < 3; ++i) {
        const POINT* p = buttons[i];
        auto* button = new tf_CTlac(d, 0, 0, 3100 + i);
        button->SF(i);  // one in each state
        button->Dsgn2_UserA(i ? 30 + 38 * i : 14, 42, &skin, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y);
    }
    auto* bar = new tf_CScrollBar(d, 3110);
    bar->Dsgn_Stock('H', 14, 114, 220), bar->SP(40);
    d = panel(this, 642, 3, "Icons",
              {{198, 40, "application"}, {150, 158, "default book"}, {16, 190, plat_W1250(u8"Ďateľ, ťava, ľalia, kôň,")},
               {16, 208, plat_W1250(u8"päť žltých ôsmych áut")}});
    (new tf_CPolIcon(d, 3200))->Dsgn_PolIcon_User(150, 28, &skin, BOOK.x, BOOK.y);
    new tf_CPolIcon(d, 150, 76, "kniha_ikona_default.bmp");

    auto* arc = new tf_CDUI(this, 4200);
    arc->Nastav_Triedu(0);
    const std::pair<POINT, const char*> icons[] = {{BACK, "Spat"}, {PLAY, "Hraj"}, {BOOK, "Kniha"}, {SAVE, "Uloz"}, {NEXT, "Dalej"}};
    for (const auto& [p, name] : icons) arc->PRIDAJ(arc->Count() + 1, name, new tf_CIcon(&skin, p.x, p.y), true);
    arc->Dsgn(310, 714);

    (new tf_UTL_CDLG_EDIT(this, plat_W1250(u8"Nová kniha"), "Meno knihy:"))->MoveToRel(1400, 700);
    auto* picker = new tf_UTL_CDUIR_THMFILE(this, 1400, 90);
    std::string folder = PEXLO_STARTER_DIR "/library/app/KNIHA_DEFNEW/Pozadia";
    std::replace(folder.begin(), folder.end(), '/', '\\');
    picker->XRELOAD(folder.c_str(), false);
    // Fitting the rows to the thumbnails leaves the width to the owner: room for the names.
    picker->Nastav_Konstanty(picker->vyska_volby, picker->krok_volby, 200, picker->medzera);
    picker->max_viditelnych = 4;
    picker->Dsgn(1400, 90);
    picker->RESET_GEOMETRIER();  // the slider takes its range
    picker->posuvnik.SP(40);

    auto* menu = new tf_CDUI(this, 4100);  // last, so that its pop-up is drawn over everything else
    menu->Nastav_Triedu(1);
    for (const char* entry : {"Knihy...", "Strany", "Zvuky", "Info"}) menu->PRIDAJ(menu->Count() + 1, entry);
    menu->Dsgn(0, 44);
    auto* popup = new tf_CDUI(this, 4101);
    for (const char* entry : {"Nova kniha", "Otvor knihu", "Kopia knihy", "Zmaz knihu", "Koniec"})
        popup->PRIDAJ(popup->Count() + 11, entry);
    popup->zivy = false;  // opened by the pointer on its entry
    menu->Eviduj_Master_Detail_popup(1, popup);
    return 0;
}

// What happens after the first frame: the pointer opens the menu bar's first pop-up; the
// frame's dialogs open as the title buttons do, each clear of the others, and a name is typed.
void after_the_first_frame(Showcase& s) {
    const RECT r = static_cast<tf_TVOLBA*>(static_cast<tf_CDUI*>(s.FindCHLWithID(4100))->volby.GET(0))->obdlz;
    plat_Headless_Post(WM_MOUSEMOVE, 0, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    for (int id : {TF_APP_ID_INFO, TF_APP_ID_RESOLUTION, TF_APP_ID_TIMER}) s.HandleFWInteraction(id, 1, nullptr);
    s.m_pDlgInfo->CHOD_NA(974, 90);
    s.m_pDlgRozlisenie->CHOD_NA(1020, 700);
    s.m_pDlgCasovac->CHOD_NA(24, 700);
    for (char key : std::string("ROZPRAVKY")) plat_Headless_Post(WM_KEYDOWN, WPARAM(key), 0);
}
// A diagonal sky-to-rose gradient, dithered so that the 16-bit picture shows no bands.
void save_gradient() {
    IDirectDrawSurface* s = plat_CreateTestSurface(W, H);
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const float t = 0.6f * float(x) / W + 0.4f * float(y) / H, d = (float(bayer[y & 3][x & 3]) + 0.5f) / 16;
            const auto c = [&](float from, float to, float step) { return uint8_t(std::min(255.0f, from + (to - from) * t + step * d)); };
            s->Row(y)[x] = plat_To565(RGB(c(86, 214, 8), c(156, 118, 4), c(222, 160, 8)));
        }
    ASSERT_TRUE(plat_SaveSurfaceBMP(s, BACKGROUND));
    s->Release();
}

// A shown dialog or list with its captions (labels or entries) and the pop-ups hanging from it.
struct Panel {
    RECT box;
    const tf_CPol* widget;
    std::vector<std::pair<RECT, std::string>> captions;
    std::vector<const tf_CPol*> popups;
};
std::vector<Panel> panels(Showcase& s) {
    std::vector<Panel> out;
    for (int i = 0; i < s.deti.count; ++i) {
        auto* w = static_cast<tf_CPol*>(s.deti.GET(i));
        if (auto* d = dynamic_cast<tf_CDDialog*>(w); d && d->zivy) {
            Panel& p = out.emplace_back(Panel{{d->x, d->y, d->x + d->sir, d->y + d->vys}, d, {}, {}});
            for (int j = 0, lw = 0, lh = 0; j < d->deti.count; ++j)
                if (auto* l = dynamic_cast<tf_CLabel*>(static_cast<tf_CPol*>(d->deti.GET(j))); l && l->zivy)
                    l->GetSize(&lw, &lh), p.captions.push_back({{l->x, l->y, l->x + lw - 1, l->y + lh - 1}, l->text});
        } else if (auto* l = dynamic_cast<tf_CDUI*>(w); l && l->zivy) {
            Panel& p = out.emplace_back(Panel{{l->obal.left, l->obal.top, l->obal.right - 1, l->obal.bottom - 1}, l, {}, {}});
            for (int j = 0; j < l->volby.count; ++j)  // a cut row's caption may lie out of view
                if (const auto* v = static_cast<const tf_TVOLBA*>(l->volby.GET(j)); p.popups.push_back(v->detail), !v->rez)
                    p.captions.push_back({{v->obdlz.left, v->obdlz.top, v->obdlz.right - 1, v->obdlz.bottom - 1}, v->text ? v->text : ""});
        }
    }
    return out;
}
bool apart(const RECT& a, const RECT& b) { return a.left > b.right || b.left > a.right || a.top > b.bottom || b.top > a.bottom; }

using Showcases = AppTest;

// The frame after the first, written as showcase_screenshot.png in the build folder and checked:
// panels apart, each caption inked inside its panel, clear of the others.
TEST_F(Showcases, TheFrameworksWidgetsMenusAndDialogs) {
    tf_ScreenW = W, tf_ScreenH = H, save_gradient();
    Showcase screen;
    screen.SetBackground(-1, BACKGROUND, true);
    IDirectDrawSurface* shot = nullptr;
    std::vector<Panel> shown;  // measured while the display is there
    bool acted = false;
    EXPECT_EQ(Run(screen, [&](int) {
                  if (shot || screen.frames < 1) return;
                  if (!acted) return after_the_first_frame(screen), void(acted = true);
                  if (screen.frames < 2) return;
                  shot = plat_CreateTestSurface(W, H);
                  shot->BltFast(0, 0, plat_PrimarySurface(), nullptr, DDBLTFAST_NOCOLORKEY);
                  shown = panels(screen), screen.Close();
              }), 0);
    remove(BACKGROUND);
    ASSERT_NE(shot, nullptr);
    EXPECT_TRUE(test_support::SavePNG(shot, PEXLO_STARTER_DIR "/../showcase_screenshot.png"));
    ASSERT_EQ(shown.size(), 10u);  // every dialog and list
    for (size_t i = 0; i < shown.size(); ++i) {
        const auto& [b, widget, captions, popups] = shown[i];
        for (size_t j = 0; j < i; ++j)
            EXPECT_TRUE(std::count(shown[j].popups.begin(), shown[j].popups.end(), widget) || apart(b, shown[j].box))
                << "panels " << j << " and " << i;
        for (size_t c = 0; c < captions.size(); ++c) {
            const auto& [r, text] = captions[c];
            EXPECT_TRUE(r.left > b.left && r.right < b.right && r.top >= b.top && r.bottom <= b.bottom) << text;
            const auto ink = [&](int x, int y) {  // darker than about a quarter of white
                const COLORREF p = plat_From565(Px(shot, x, y));
                return 299 * GetRValue(p) + 587 * GetGValue(p) + 114 * GetBValue(p) < 60000;
            };
            EXPECT_GT(test_support::CountIn(r.left, r.top, r.right, r.bottom, ink), 8) << text;
            for (size_t o = 0; o < c; ++o) EXPECT_TRUE(apart(r, captions[o].first)) << text << ", " << captions[o].second;
        }
    }
    shot->Release();
}
}  // namespace
