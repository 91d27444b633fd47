// Pictures of the framework's screens for people to look at: the look, the menus, the dialogs
// and the tuning overlay, each one headless frame over a colourful background, written next
// to the test program as <name>.png. Each is checked only where a whole screen goes wrong:
// every caption inked inside its panel, panels and captions clear of each other.
#include "framework/tf.h"  // the umbrella header alone gives the whole framework

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/pixels.h"
#include "tests/support/png_writer.h"
#include "tests/support/test_support.h"

namespace {
constexpr int W = 1024, H = 768;
constexpr COLORREF INK = 0x00402828;  // dark plum, for text on the panels
// Centres of icons in the editor's skin.
constexpr POINT PLAY = {320, 20}, SAVE = {320, 80}, NEXT = {10, 10}, BACK = {135, 20}, ADD_PAGE = {20, 90},
                LEAVE = {135, 90}, BOOK = {432, 86};

// A screen whose widgets `build` makes at the visual set-up, with the editor's skin at hand.
struct Showcase : tf_CAppScreen {
    explicit Showcase(std::function<void(Showcase&)> b) : tf_CAppScreen(nullptr, SW_SHOWNORMAL, ""), build(b) {}
    ~Showcase() override { DeleteObject(heading); }
    void Init() override {
        skin.NAHRAJ_SURFACE(tf_lpDD, "rezia.bmp");
        skin.TC_NASTAV(3, 3);
        skin.BC_NASTAV(0, 0);
        SetAppInfo("Pexlo", "(verzia: 1.1)", plat_W1250(u8"tím Pexlo"), &skin, BOOK.x, BOOK.y);
        tf_CDUI_NoVoid = true;  // the lists are filled at once
    }
    int SetupVisual() override { return tf_CAppScreen::SetupVisual(), build(*this), 0; }
    void Redraw_Screen() override { ++frames; }
    void Do_RELEASE_SRF() override { skin.RELEASE_SURFACE(); }
    tf_CIcon* Icon(POINT p) { return new tf_CIcon(&skin, p.x, p.y); }

    std::function<void(Showcase&)> build;
    tf_CDas_Surface skin{"showcase.skin"};
    HFONT heading = CreateFontA(28, 0, 0, 0, FW_BOLD, 0, 0, 0, EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0x22, "Verdana");
    int frames = 0;
};

tf_CLabel* label(tf_CPolCHLO* parent, int rx, int ry, const char* text, COLORREF colour = INK) {
    auto* l = new tf_CLabel(parent, rx, ry, text);
    l->farba = colour;
    return l;
}

tf_CDDialog* panel(tf_CPolCHLO* parent, int rx, int ry, int w, int h, int efekt, const char* title) {
    auto* d = new tf_CDDialog(parent, 2000 + rx);
    d->Dsgn(rx, ry, w, h, efekt);
    d->ram.Set_Titulok(title);
    return d;
}

void title(Showcase& s, const char* text) { label(&s, 30, 6, text, 0x00FFFFFF)->font = s.heading; }

// The title buttons in their three states, the three dialog backgrounds, the basic widgets,
// the void looks and the logo.
void look(Showcase& s) {
    title(s, "Pexlo look");
    tf_CDDialog* d = panel(&s, 30, 50, 300, 250, 2, "Title buttons");
    const int ids[] = {TF_APP_ID_TIMER, TF_APP_ID_RESOLUTION, TF_APP_ID_INFO, TF_APP_ID_CLOSE};
    const char* const states[] = {"normal", "pointer over", "pressed"};
    const tf_CPol* first = s.FindCHLWithID(ids[0]);
    for (int st = 0; st < 3; ++st) {
        label(d, 14, 35 + 56 * st, states[st]);
        for (int j = 0; j < 4; ++j) {
            auto* model = static_cast<tf_CTlac*>(s.FindCHLWithID(ids[j]));
            auto* b = new tf_CTlac(d, 0, 0, 3000 + 10 * st + j);
            b->Dsgn3_UserB(150 + model->x - first->x, 34 + 56 * st + model->y - first->y, model);
            b->SF(st);
        }
    }
    label(d, 14, 203, "stock close");
    for (int st = 0; st < 2; ++st) {
        auto* b = new tf_CTlac(d, 0, 0, 3040 + st);
        b->Dsgn1_Stock(150 + 29 * st, 203, "_T_x_");
        b->SF(2 * st);
    }

    d = panel(&s, 362, 50, 300, 250, 1, "Controls");
    label(d, 14, 22, "buttons");
    const POINT buttons[3][3] = {
        {PLAY, {370, 20}, {415, 20}}, {NEXT, {50, 10}, {90, 10}}, {SAVE, {360, 80}, {400, 80}}};
    for (int i = 0; i < 3; ++i) {
        auto* b = new tf_CTlac(d, 0, 0, 3100 + i);
        const POINT* p = buttons[i];
        b->Dsgn2_UserA(i ? 30 + 38 * i : 14, 42, &s.skin, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y);
        b->SF(i);  // one in each state
    }
    label(d, 14, 92, "slider");
    auto* h = new tf_CScrollBar(d, 3110);
    h->Dsgn_Stock('H', 14, 114, 220);
    h->SP(40);
    auto* v = new tf_CScrollBar(d, 3111);
    v->Dsgn_Stock('V', 262, 24, 210);
    v->SP(20);
    label(d, 14, 146, "switch off, on");  // no skin point names a switch: the cross and the check mark
    for (int i = 0; i < 2; ++i) {
        auto* sw = new tf_CDPrep(d, 3120 + i);
        sw->Dsgn2_UserA(14 + 30 * i, 168, tf_DSGN.rezia_dll_srf, 45, 55, 45, 55, 45, 40);
        sw->EVIDUJ(45, 40);
        sw->zapnute = i == 1;
        sw->SF(2 * i);
    }
    label(d, 14, 196, "small knobs");
    (new tf_CPosuv(d, 3130, 0, 0))->Dsgn(2, 'H', 202, 120, 40);
    (new tf_CPosuv(d, 3131, 0, 0))->Dsgn(2, 'V', 180, 196, 20);

    d = panel(&s, 694, 50, 300, 250, 3, "Icons");
    const struct {
        tf_CIcon* model;
        int ry;
        const char* name;
    } stock[] = {{tf_DSGN.ico_help, 28, "help"}, {tf_DSGN.ico_ok, 72, "ok"}, {tf_DSGN.ico_cancel, 96, "cancel"},
                 {tf_DSGN.ico_void, 124, "void"}};
    for (const auto& st : stock) {
        new tf_CPolIcon(d, 16 + (st.model->faza.x2 - st.model->faza.x1 < 20) * 8, st.ry, st.model);
        label(d, 62, st.ry + (st.model->faza.y2 - st.model->faza.y1) / 2 - 8, st.name);
    }
    (new tf_CPolIcon(d, 3200))->Dsgn_PolIcon_User(150, 28, &s.skin, BOOK.x, BOOK.y);
    label(d, 198, 40, "application");
    new tf_CPolIcon(d, 150, 76, "kniha_ikona_default.bmp");
    label(d, 150, 158, "default book");
    label(d, 16, 190, plat_W1250(u8"Ďateľ, ťava, ľalia, kôň,"));
    label(d, 16, 208, plat_W1250(u8"päť žltých ôsmych áut"));

    // Elements without pictures: boxes with their class name and nazov, and the button fills.
    auto* box = new tf_CDAS(&s, 0, 0);
    box->Set_Nazov("prazdny_obrazok");
    box->Dsgn0_VoidDC(40, 470, 220, 120);
    for (int i = 0; i < 2; ++i) {
        auto* b = new tf_CTlac(&s, 0, 0, 3300 + i);
        b->Set_Nazov(i ? "stlacene" : "tlacidlo");
        b->Dsgn0_VoidDC(290, 470 + 60 * i, 110, 45);
        b->SF(2 * i);
    }
    const std::pair<const char*, COLORREF> lines[] = {{"Labels in the design font", 0x00FFFFFF},
                                                      {"white, yellow, pink and ink", 0x0000FFFF},
                                                      {"over the background picture", 0x00D0B0FF},
                                                      {"drawn with their own colour", INK}};
    for (int i = 0; i < 4; ++i) label(&s, 520, 470 + 24 * i, lines[i].first, lines[i].second);
}

// A menu bar with its first pop-up, an arc of icons, a scrolled row list whose top and bottom
// rows are cut, edit boxes and both scroll bars.
void menus(Showcase& s) {
    title(s, "Pexlo menus");
    auto* arc = new tf_CDUI(&s, 4200);
    arc->Nastav_Triedu(0);
    const std::pair<POINT, const char*> arc_entries[] = {
        {BACK, "Spat"}, {PLAY, "Hraj"}, {BOOK, "Kniha"}, {SAVE, "Uloz"}, {NEXT, "Dalej"}};
    for (int i = 0; i < 5; ++i) arc->PRIDAJ(i + 1, arc_entries[i].second, s.Icon(arc_entries[i].first), true);
    arc->Dsgn(330, 140);

    auto* rows = new tf_CDUIR(&s, 4250);
    rows->Nastav_Konstanty(40, 43, 220, 3);
    rows->max_viditelnych = 8;
    rows->SetIconMode("LC");
    rows->ikona_okraj = 6;
    rows->SetTextMode("LC");
    rows->text_okraj = 56;
    const POINT icons[] = {ADD_PAGE, PLAY, SAVE, BOOK, NEXT, BACK, LEAVE};
    for (int i = 0; i < 14; ++i)
        rows->PRIDAJ(i + 1, ("Strana " + std::to_string(i + 1)).c_str(), s.Icon(icons[i % 7]), true);
    rows->Dsgn(30, 220);
    rows->RESET_GEOMETRIER();  // the slider takes its range
    rows->posuvnik.SP(17);

    tf_CDDialog* d = panel(&s, 330, 380, 660, 350, 3, "Edit boxes and scroll bars");
    label(d, 20, 34, "book name");
    auto* edit = new tf_CDEDB(d, 4300);
    edit->Dsgn(20, 56, 260, 26);
    edit->Set_Text("MOJA PRVA KNIHA");
    label(d, 320, 34, "page");
    auto* number = new tf_CDEDB(d, 4301);
    number->Dsgn(320, 56, 80, 26);
    number->Set_Number(12);
    label(d, 20, 110, "horizontal, 35 of 0 ... 100");
    auto* h = new tf_CScrollBar(d, 4400);
    h->Dsgn_Stock('H', 20, 134, 420);
    h->SR(0, 100);
    h->SP(35);
    label(d, 470, 34, "vertical");
    auto* v = new tf_CScrollBar(d, 4401);
    v->Dsgn_Stock('V', 600, 34, 290);
    v->SP(70);

    auto* bar = new tf_CDUI(&s, 4100);  // last, so that its pop-up is drawn over everything else
    bar->Nastav_Triedu(1);
    for (const char* entry : {"Knihy...", "Strany", "Zvuky", "Info"}) bar->PRIDAJ(bar->Count() + 1, entry);
    bar->Dsgn(0, 44);
    auto* popup = new tf_CDUI(&s, 4101);
    for (const char* entry : {"Nova kniha", "Otvor knihu", "Kopia knihy", "Zmaz knihu", "Koniec"})
        popup->PRIDAJ(popup->Count() + 11, entry);
    popup->zivy = false;  // opened by the pointer on its entry
    bar->Eviduj_Master_Detail_popup(1, popup);
}

// The pointer rests on the menu bar's first entry, which opens its pop-up.
void point_at_the_bar(Showcase& s) {
    const RECT r = static_cast<tf_TVOLBA*>(static_cast<tf_CDUI*>(s.FindCHLWithID(4100))->volby.GET(0))->obdlz;
    plat_Headless_Post(WM_MOUSEMOVE, 0, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
}

// The frame's info, resolution and timer dialogs, the edit dialog and a picture picker with
// the starter library's backgrounds.
void dialogs(Showcase& s) {
    auto* edit = new tf_UTL_CDLG_EDIT(&s, plat_W1250(u8"Nová kniha"), "Meno knihy:");
    edit->MoveToRel(390, 410);
    auto* picker = new tf_UTL_CDUIR_THMFILE(&s, 780, 60);
    std::string folder = PEXLO_STARTER_DIR "/library/app/KNIHA_DEFNEW/Pozadia";
    std::replace(folder.begin(), folder.end(), '/', '\\');
    picker->XRELOAD(folder.c_str(), false);
    // Fitting the rows to the thumbnails leaves the width to the owner: room for the names.
    picker->Nastav_Konstanty(picker->vyska_volby, picker->krok_volby, 200, picker->medzera);
    picker->Dsgn(780, 60);
}

// Opens the frame's dialogs as the title buttons do, each clear of the others, and types a name.
void open_the_dialogs(Showcase& s) {
    for (int id : {TF_APP_ID_INFO, TF_APP_ID_RESOLUTION, TF_APP_ID_TIMER}) s.HandleFWInteraction(id, 1, nullptr);
    s.m_pDlgRozlisenie->CHOD_NA(24, 60);
    s.m_pDlgCasovac->CHOD_NA(24, 350);
    s.m_pDlgInfo->CHOD_NA(390, 60);
    for (char key : std::string("ROZPRAVKY")) plat_Headless_Post(WM_KEYDOWN, WPARAM(key), 0);
}

// The tuning overlay over the menus, the row list picked by the band.
void tune_the_rows(Showcase& s) {
    const tf_CPol* rows = s.FindCHLWithID(4250);
    plat_Headless_SetKeyDown(VK_CONTROL, true);
    plat_Headless_Post(WM_KEYDOWN, VK_F1, 0);
    plat_Headless_Post(WM_RBUTTONDOWN, 0, MAKELPARAM(rows->x - 6, rows->y - 6));
    plat_Headless_Post(WM_MOUSEMOVE, 0, MAKELPARAM(rows->x + 40, rows->y + 30));
}

// A diagonal sky-to-rose gradient, dithered so that the 16-bit picture shows no bands.
IDirectDrawSurface* gradient() {
    IDirectDrawSurface* s = plat_CreateTestSurface(W, H);
    const float stops[3][3] = {{86, 156, 222}, {140, 120, 206}, {214, 118, 160}}, step[3] = {8, 4, 8};
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const float t = 0.6f * float(x) / W + 0.4f * float(y) / H, u = t < 0.5f ? t * 2 : t * 2 - 1;
            const float *from = stops[t >= 0.5f], *to = from + 3;
            uint8_t c[3];
            for (int i = 0; i < 3; ++i)
                c[i] = uint8_t(std::min(255.0f, from[i] + (to[i] - from[i]) * u +
                                                    step[i] * (float(bayer[y & 3][x & 3]) + 0.5f) / 16));
            s->Row(y)[x] = plat_To565(RGB(c[0], c[1], c[2]));
        }
    return s;
}

// A panel on the screen with its captions' boxes and texts; a list's pop-ups hang from it.
struct Panel {
    RECT box;
    const tf_CPol* widget;
    std::vector<std::pair<RECT, std::string>> captions;
    std::vector<const tf_CPol*> popups;
};

// The screen's shown dialogs with their labels, and its shown lists with their entries.
std::vector<Panel> panels(Showcase& s) {
    std::vector<Panel> out;
    for (int i = 0; i < s.deti.count; ++i) {
        auto* w = static_cast<tf_CPol*>(s.deti.GET(i));
        if (!w->zivy) continue;
        if (auto* d = dynamic_cast<tf_CDDialog*>(w)) {
            Panel& p = out.emplace_back(Panel{{d->x, d->y, d->x + d->sir, d->y + d->vys}, d, {}, {}});
            for (int j = 0; j < d->deti.count; ++j)
                if (auto* l = dynamic_cast<tf_CLabel*>(static_cast<tf_CPol*>(d->deti.GET(j)))) {
                    int lw = 0, lh = 0;
                    l->GetSize(&lw, &lh);
                    p.captions.push_back({{l->x, l->y, l->x + lw - 1, l->y + lh - 1}, l->text});
                }
        } else if (auto* l = dynamic_cast<tf_CDUI*>(w)) {
            const RECT o = l->obal;
            Panel& p = out.emplace_back(Panel{{o.left, o.top, o.right - 1, o.bottom - 1}, l, {}, {}});
            for (int j = 0; j < l->volby.count; ++j) {
                const auto* v = static_cast<const tf_TVOLBA*>(l->volby.GET(j));
                p.popups.push_back(v->detail);
                if (v->rez) continue;  // a cut row's caption may lie out of view
                const RECT& r = v->obdlz;
                p.captions.push_back({{r.left, r.top, r.right - 1, r.bottom - 1}, v->text ? v->text : ""});
            }
        }
    }
    return out;
}

bool apart(const RECT& a, const RECT& b) {
    return a.left > b.right || b.left > a.right || a.top > b.bottom || b.top > a.bottom;
}

class Showcases : public testing::Test {
protected:
    void SetUp() override {
        test_support::FreshLog();
        std::swap(tf_ScreenW, saved_w);
        std::swap(tf_ScreenH, saved_h);
        IDirectDrawSurface* g = gradient();
        ASSERT_TRUE(plat_SaveSurfaceBMP(g, BACKGROUND));
        g->Release();
    }
    void TearDown() override {
        tf_KM_on = false;
        tf_DSGN_DONE();
        std::swap(tf_ScreenW, saved_w);
        std::swap(tf_ScreenH, saved_h);
        if (shot) shot->Release();
        remove(BACKGROUND);
    }

    // Runs the screen until a frame is on the primary (a later one when `after_first` is
    // given, which runs after the first), keeps that frame and writes it as <name>.png in the
    // build folder, and checks it as a whole.
    void Show(const std::string& name, const std::function<void(Showcase&)>& build, bool logo,
              const std::function<void(Showcase&)>& after_first = {}) {
        Showcase screen(build);
        screen.SetBackground(-1, BACKGROUND, logo);
        plat_Headless_Start(plat_HeadlessConfig{});
        const int wanted = after_first ? 2 : 1;
        bool prepared = !after_first, closing = false;
        int moments = 0;
        std::vector<Panel> shown;
        plat_Headless_SetIdleScript([&] {
            if (closing) return;
            if (screen.frames > 0 && !prepared) {
                after_first(screen);
                prepared = true;
            } else if (screen.frames >= wanted) {
                shot = plat_CreateTestSurface(W, H);
                shot->BltFast(0, 0, plat_PrimarySurface(), nullptr, DDBLTFAST_NOCOLORKEY);
                shown = panels(screen);  // measured while the display is there
            }
            if (shot || ++moments > 50) {
                closing = true;
                screen.Close();
            }
        });
        EXPECT_EQ(screen.Execute(), 0);
        plat_Headless_SetIdleScript(nullptr);
        ASSERT_NE(shot, nullptr) << name;
        ASSERT_TRUE(test_support::SavePNG(shot, PEXLO_STARTER_DIR "/../" + name + ".png"));
        ExpectWhole(shown);
    }

    // No panel overlaps another; each caption is inked inside its panel, clear of the others.
    void ExpectWhole(const std::vector<Panel>& shown) {
        ASSERT_GE(shown.size(), 3u);
        for (size_t i = 0; i < shown.size(); ++i) {
            const Panel& p = shown[i];
            for (size_t j = 0; j < i; ++j) {
                const auto& hung = shown[j].popups;
                const bool popup = std::find(hung.begin(), hung.end(), p.widget) != hung.end();
                EXPECT_TRUE(popup || apart(p.box, shown[j].box)) << "panels " << j << " and " << i;
            }
            for (size_t c = 0; c < p.captions.size(); ++c) {
                const auto& [r, text] = p.captions[c];
                const RECT& b = p.box;
                EXPECT_TRUE(r.left > b.left && r.right < b.right && r.top >= b.top && r.bottom <= b.bottom) << text;
                const int ink = test_support::CountIn(r.left, r.top, r.right, r.bottom, [&](int x, int y) {
                    return test_support::Luma(test_support::Px(shot, x, y)) < 60000;
                });
                EXPECT_GT(ink, 8) << text;
                for (size_t o = 0; o < c; ++o)
                    EXPECT_TRUE(apart(r, p.captions[o].first)) << text << ", " << p.captions[o].second;
            }
        }
    }

    static constexpr const char* BACKGROUND = "showcase_pozadie.bmp";
    IDirectDrawSurface* shot = nullptr;
    int saved_w = W, saved_h = H;
};

TEST_F(Showcases, Look) { Show("look_screenshot", look, true); }

TEST_F(Showcases, Menus) { Show("menus_screenshot", menus, false, point_at_the_bar); }

TEST_F(Showcases, Dialogs) { Show("dialogs_screenshot", dialogs, false, open_the_dialogs); }

TEST_F(Showcases, Tuning) { Show("tuning_screenshot", menus, false, tune_the_rows); }
}  // namespace
