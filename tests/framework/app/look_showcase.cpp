#include "tests/framework/app/look_showcase.h"

#include <algorithm>

#include "framework/widgets/tf_dialog.h"
#include "framework/widgets/tf_dsgn.h"
#include "framework/widgets/tf_label.h"
#include "framework/widgets/tf_policon.h"
#include "framework/widgets/tf_tlac.h"
#include "platform/codepage.h"
#include "platform/pixel.h"

namespace look_test {
namespace {
constexpr int DIALOG_TOP = 50, DIALOG_W = 300, DIALOG_H = 250;
constexpr COLORREF INK = 0x00402828;  // dark plum, for text on the panels

tf_CLabel* label(tf_CPolCHLO* parent, int rx, int ry, const char* text, COLORREF colour = INK) {
    auto* l = new tf_CLabel(parent, rx, ry, text);
    l->farba = colour;
    return l;
}

tf_CPolIcon* icon(tf_CPolCHLO* parent, int rx, int ry, tf_CIcon* model) {
    return new tf_CPolIcon(parent, rx, ry, model);
}

// A track of tiles that overlap by one pixel, from `from` for `length` pixels along the axis.
void track(tf_CPolCHLO* parent, tf_CIcon* tile, bool horizontal, int from, int across, int length) {
    for (int at = from; at < from + length; at += 10)
        icon(parent, horizontal ? at : across, horizontal ? across : at, tile);
}

float mix(int a, int b, float t) { return static_cast<float>(a) + static_cast<float>(b - a) * t; }

// Ordered dither, so that the 16-bit gradient shows no bands: a threshold in [0, 1) a pixel.
float dither(int x, int y) {
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (static_cast<float>(bayer[y & 3][x & 3]) + 0.5f) / 16;
}

// step: how far apart the channel's 16-bit levels lie.
uint8_t channel(float v, float step, float d) { return static_cast<uint8_t>(std::min(255.0f, v + step * d)); }
}  // namespace

IDirectDrawSurface* MakeGradient(int w, int h) {
    IDirectDrawSurface* s = plat_CreateTestSurface(w, h);
    // Sky blue at the top left, through lavender, to rose at the bottom right.
    const int stops[3][3] = {{86, 156, 222}, {140, 120, 206}, {214, 118, 160}};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float t = 0.6f * static_cast<float>(x) / static_cast<float>(w) +
                            0.4f * static_cast<float>(y) / static_cast<float>(h);
            const int* from = t < 0.5f ? stops[0] : stops[1];
            const int* to = t < 0.5f ? stops[1] : stops[2];
            const float u = t < 0.5f ? t * 2 : t * 2 - 1, d = dither(x, y);
            s->Row(y)[x] = plat_To565(RGB(channel(mix(from[0], to[0], u), 8, d), channel(mix(from[1], to[1], u), 4, d),
                                          channel(mix(from[2], to[2], u), 8, d)));
        }
    return s;
}

LookScreen::LookScreen() : tf_CAppScreen(nullptr, SW_SHOWNORMAL, "") {}

LookScreen::~LookScreen() {
    delete editor_skin;
    DeleteObject(heading);
}

void LookScreen::Do_RELEASE_SRF() {
    if (editor_skin) editor_skin->RELEASE_SURFACE();
}

int LookScreen::SetupVisual() {
    tf_CAppScreen::SetupVisual();  // the title buttons take their skin
    editor_skin = new tf_CDas_Surface("look.editor_skin");
    editor_skin->NAHRAJ_SURFACE(tf_lpDD, "rezia.bmp");
    editor_skin->TC_NASTAV(3, 3);
    editor_skin->BC_NASTAV(0, 0);
    TitleButtons(Dialog(30, 2, "Title buttons"));
    Controls(Dialog(362, 1, "Controls"));
    Icons(Dialog(694, 3, "Icons"));
    VoidLooks();
    Labels();
    return 0;
}

tf_CDDialog* LookScreen::Dialog(int rx, int efekt, const char* title) {
    auto* d = new tf_CDDialog(this, 2000 + efekt);
    d->Dsgn(rx, DIALOG_TOP, DIALOG_W, DIALOG_H, efekt);
    d->ram.Set_Titulok(title);
    dialogs[efekt - 1] = d;
    return d;
}

// Copies of the screen's own title buttons, kept in one state per row.
void LookScreen::TitleButtons(tf_CDDialog* d) {
    const char* const states[] = {"normal", "pointer over", "pressed"};
    const int ids[] = {TF_APP_ID_TIMER, TF_APP_ID_RESOLUTION, TF_APP_ID_INFO, TF_APP_ID_CLOSE};
    const tf_CPol* first = FindCHLWithID(ids[0]);
    for (int s = 0; s < 3; ++s) {
        const int top = 34 + 56 * s;
        label(d, 14, top + 1, states[s]);
        for (int j = 0; j < 4; ++j) {
            auto* model = static_cast<tf_CTlac*>(FindCHLWithID(ids[j]));
            auto* b = new tf_CTlac(d, 0, 0, 3000 + 10 * s + j);
            b->Dsgn3_UserB(150 + model->x - first->x, top + model->y - first->y, model);
            b->SF(s);
            title_states[s][j] = b;
        }
    }
    label(d, 14, 203, "stock close");
    for (int s = 0; s < 2; ++s) {
        auto* b = new tf_CTlac(d, 0, 0, 3040 + s);
        b->Dsgn1_Stock(150 + 29 * s, 203, "_T_x_");
        b->SF(2 * s);
    }
}

void LookScreen::Controls(tf_CDDialog* d) {
    label(d, 14, 22, "buttons");
    // The editor's play, next-page and save buttons.
    const int points[3][6] = {{320, 20, 370, 20, 415, 20}, {10, 10, 50, 10, 90, 10}, {320, 80, 360, 80, 400, 80}};
    const int at[3] = {14, 68, 106};
    for (int i = 0; i < 3; ++i) {
        auto* b = new tf_CTlac(d, 0, 0, 3100 + i);
        const int* p = points[i];
        b->Dsgn2_UserA(at[i], 42, editor_skin, p[0], p[1], p[2], p[3], p[4], p[5]);
        b->SF(i);  // one in each state
    }

    label(d, 14, 92, "slider");
    track(d, &tf_DSGN.posuvH_podklad, true, 32, 114, 190);
    (new tf_CTlac(d, 0, 0, 3110))->Dsgn1_Stock(14, 114, "_posuvH_btnA_");
    (new tf_CTlac(d, 0, 0, 3111))->Dsgn1_Stock(222, 114, "_posuvH_btnB_");
    auto* h = new tf_CPosuv(d, 3112, 0, 0);
    h->Dsgn(1, 'H', 114, 32, 160);
    h->SP(60);

    track(d, &tf_DSGN.posuvV_podklad, false, 42, 262, 180);
    (new tf_CTlac(d, 0, 0, 3113))->Dsgn1_Stock(262, 24, "_posuvV_btnA_");
    (new tf_CTlac(d, 0, 0, 3114))->Dsgn1_Stock(262, 222, "_posuvV_btnB_");
    auto* v = new tf_CPosuv(d, 3115, 0, 0);
    v->Dsgn(1, 'V', 262, 42, 150);
    v->SP(30);

    // No skin point names a switch: the cross stands for off, the check mark for on.
    label(d, 14, 146, "switch off, on");
    for (int i = 0; i < 2; ++i) {
        auto* s = new tf_CDPrep(d, 3120 + i);
        s->Dsgn2_UserA(14 + 30 * i, 168, tf_DSGN.rezia_dll_srf, 45, 55, 45, 55, 45, 40);
        s->EVIDUJ(45, 40);
        s->zapnute = i == 1;
        s->hodnota = i;
        s->SF(2 * i);
        switches[i] = s;
    }
    label(d, 14, 196, "small knobs");
    (new tf_CPosuv(d, 3130, 0, 0))->Dsgn(2, 'H', 202, 120, 40);
    (new tf_CPosuv(d, 3131, 0, 0))->Dsgn(2, 'V', 180, 196, 20);
}

void LookScreen::Icons(tf_CDDialog* d) {
    const struct {
        tf_CIcon* model;
        int rx, ry;
        const char* name;
    } stock[] = {{tf_DSGN.ico_help, 16, 28, "help"},
                 {tf_DSGN.ico_ok, 24, 72, "ok"},
                 {tf_DSGN.ico_cancel, 24, 96, "cancel"},
                 {tf_DSGN.ico_void, 16, 124, "void"}};
    for (const auto& s : stock) {
        icon(d, s.rx, s.ry, s.model);
        label(d, 62, s.ry + (s.model->faza.y2 - s.model->faza.y1) / 2 - 8, s.name);
    }
    auto* app = new tf_CPolIcon(d, 3200);
    app->Dsgn_PolIcon_User(150, 28, editor_skin, 432, 86);
    label(d, 198, 40, "application");
    new tf_CPolIcon(d, 150, 76, "kniha_ikona_default.bmp");
    label(d, 150, 158, "default book");
    label(d, 16, 190, plat_W1250(u8"Ďateľ, ťava, ľalia, kôň,"));
    label(d, 16, 208, plat_W1250(u8"päť žltých ôsmych áut"));
}

// Elements without pictures: boxes with their class name and nazov, and the button fills.
void LookScreen::VoidLooks() {
    void_box = new tf_CDAS(this, 0, 0);
    void_box->Set_Nazov("prazdny_obrazok");
    void_box->Dsgn0_VoidDC(40, 470, 220, 120);
    const char* const names[] = {"tlacidlo", "stlacene"};
    for (int i = 0; i < 2; ++i) {
        auto* b = new tf_CTlac(this, 0, 0, 3300 + i);
        b->Set_Nazov(names[i]);
        b->Dsgn0_VoidDC(290, 470 + 60 * i, 110, 45);
        b->SF(2 * i);
    }
    (new tf_CDAS(this, 0, 0))->Dsgn0_VoidDC(430, 470, 30, 30);  // too small for its text
}

void LookScreen::Labels() {
    heading = CreateFontA(28, 0, 0, 0, FW_BOLD, 0, 0, 0, EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, 0x22, "Verdana");
    tf_CLabel* title = label(this, 30, 8, "Pexlo look", 0x00FFFFFF);
    title->font = heading;
    const struct {
        const char* text;
        COLORREF colour;
    } lines[] = {{"Labels in the design font", 0x00FFFFFF},
                 {"white, yellow, pink and ink", 0x0000FFFF},
                 {"over the background picture", 0x00D0B0FF},
                 {"drawn with their own colour", INK}};
    for (int i = 0; i < 4; ++i) label(this, 520, 470 + 24 * i, lines[i].text, lines[i].colour);
}

}  // namespace look_test
