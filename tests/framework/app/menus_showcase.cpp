#include "tests/framework/app/menus_showcase.h"

#include <cstdio>

#include "framework/surface/tf_icon.h"
#include "framework/widgets/tf_dedb.h"
#include "framework/widgets/tf_dialog.h"
#include "framework/widgets/tf_dui.h"
#include "framework/widgets/tf_duir.h"
#include "framework/widgets/tf_label.h"
#include "framework/widgets/tf_scrollbar.h"

namespace menus_test {
namespace {
constexpr COLORREF INK = 0x00402828;  // dark plum, for text on the panels

tf_CLabel* label(tf_CPolCHLO* parent, int rx, int ry, const char* text, COLORREF colour = INK) {
    auto* l = new tf_CLabel(parent, rx, ry, text);
    l->farba = colour;
    return l;
}

// Centres of icons in the editor's skin.
constexpr POINT PLAY = {320, 20}, SAVE = {320, 80}, NEXT = {10, 10}, BACK = {135, 20}, ADD_PAGE = {20, 90},
                LEAVE = {135, 90}, BOOK = {432, 86};
}  // namespace

MenusScreen::MenusScreen() : tf_CAppScreen(nullptr, SW_SHOWNORMAL, "") {}

MenusScreen::~MenusScreen() {
    delete editor_skin;
    DeleteObject(heading);
}

void MenusScreen::Do_RELEASE_SRF() {
    if (editor_skin) editor_skin->RELEASE_SURFACE();
}

tf_CIcon* MenusScreen::SkinIcon(int x, int y) { return new tf_CIcon(editor_skin, x, y); }

int MenusScreen::SetupVisual() {
    tf_CAppScreen::SetupVisual();
    tf_CDUI_NoVoid = true;  // these lists are filled at once
    editor_skin = new tf_CDas_Surface("menus.editor_skin");
    editor_skin->NAHRAJ_SURFACE(tf_lpDD, "rezia.bmp");
    editor_skin->TC_NASTAV(3, 3);
    editor_skin->BC_NASTAV(0, 0);

    heading = CreateFontA(28, 0, 0, 0, FW_BOLD, 0, 0, 0, EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, 0x22, "Verdana");
    label(this, 30, 6, "Pexlo menus", 0x00FFFFFF)->font = heading;
    Arc();
    Rows();
    auto* d = new tf_CDDialog(this, 4000);
    d->Dsgn(330, 380, 660, 350, 3);
    d->ram.Set_Titulok("Edit boxes and scroll bars");
    Fields(d);
    ScrollBars(d);
    Bar();  // last, so that its pop-up is drawn over everything else
    return 0;
}

// The menu bar across the screen, its first entry with a column pop-up.
void MenusScreen::Bar() {
    bar = new tf_CDUI(this, 4100);
    bar->Nastav_Triedu(1);
    const char* const entries[] = {"Knihy...", "Strany", "Zvuky", "Info"};
    for (int i = 0; i < 4; ++i) bar->PRIDAJ(i + 1, entries[i]);
    bar->Dsgn(0, 44);

    popup = new tf_CDUI(this, 4101);
    const char* const choices[] = {"Nova kniha", "Otvor knihu", "Kopia knihy", "Zmaz knihu", "Koniec"};
    for (int i = 0; i < 5; ++i) popup->PRIDAJ(11 + i, choices[i]);
    popup->zivy = false;  // opened by the pointer on its entry
    bar->Eviduj_Master_Detail_popup(1, popup);
}

// Icons raised into an arc, captions under them.
void MenusScreen::Arc() {
    arc = new tf_CDUI(this, 4200);
    arc->Nastav_Triedu(0);
    const struct {
        POINT at;
        const char* caption;
    } entries[] = {{BACK, "Spat"}, {PLAY, "Hraj"}, {BOOK, "Kniha"}, {SAVE, "Uloz"}, {NEXT, "Dalej"}};
    for (int i = 0; i < 5; ++i)
        arc->PRIDAJ(i + 1, entries[i].caption, SkinIcon(entries[i].at.x, entries[i].at.y), true);
    arc->Dsgn(330, 140);
}

// More rows than fit, each with an icon, scrolled by less than a row's step.
void MenusScreen::Rows() {
    rows = new tf_CDUIR(this, 4250);
    rows->Nastav_Konstanty(40, 43, 220, 3);
    rows->max_viditelnych = 8;
    rows->SetIconMode("LC");
    rows->ikona_okraj = 6;
    rows->SetTextMode("LC");
    rows->text_okraj = 56;
    const POINT icons[] = {ADD_PAGE, PLAY, SAVE, BOOK, NEXT, BACK, LEAVE};
    char caption[32];
    for (int i = 0; i < 14; ++i) {
        snprintf(caption, sizeof caption, "Strana %d", i + 1);
        rows->PRIDAJ(i + 1, caption, SkinIcon(icons[i % 7].x, icons[i % 7].y), true);
    }
    rows->Dsgn(30, 220);
    rows->RESET_GEOMETRIER();  // the slider takes its range
    rows->posuvnik.SP(17);
}

void MenusScreen::Fields(tf_CDDialog* d) {
    label(d, 20, 34, "book name");
    edit = new tf_CDEDB(d, 4300);
    edit->Dsgn(20, 56, 260, 26);
    edit->Set_Text("MOJA PRVA KNIHA");
    label(d, 320, 34, "page");
    auto* number = new tf_CDEDB(d, 4301);
    number->Dsgn(320, 56, 80, 26);
    number->Set_Number(12);
}

void MenusScreen::ScrollBars(tf_CDDialog* d) {
    label(d, 20, 110, "horizontal, 35 of 0 ... 100");
    horizontal = new tf_CScrollBar(d, 4400);
    horizontal->Dsgn_Stock('H', 20, 134, 420);
    horizontal->SR(0, 100);
    horizontal->SP(35);
    label(d, 470, 34, "vertical");
    vertical = new tf_CScrollBar(d, 4401);
    vertical->Dsgn_Stock('V', 600, 34, 290);
    vertical->SP(70);
}

POINT MenusScreen::PointerSpot() {
    const RECT r = static_cast<tf_TVOLBA*>(bar->volby.GET(0))->obdlz;
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace menus_test
