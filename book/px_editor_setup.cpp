// The editor's set-up: skin, cursor, buttons, fonts, the main menu, the lists and menus, the
// group that holds them, pens, the new-book dialog, sounds and the timer. The widgets come
// from the tables below; the buttons are placed by one routine that a change of the display
// mode runs again.
#include <algorithm>
#include <cstring>
#include <iterator>
#include <span>

#include "book/px_anim.h"
#include "book/px_editor.h"
#include "book/px_editor_cmd.h"
#include "book/px_ks.h"
#include "book/px_naposledy.h"
#include "book/px_nazov.h"
#include "book/px_sprava.h"
#include "book/px_stav.h"
#include "book/px_stlmenie.h"
#include "book/px_strany.h"
#include "book/px_trieda.h"
#include "book/px_vyber.h"
#include "framework/surface/tf_draw.h"
#include "framework/surface/tf_icon.h"
#include "framework/widgets/tf_utl.h"
#include "platform/codepage.h"

namespace {

// A button coordinate: from the screen's start, centre or end.
enum Kotva { ZACIATOK, STRED, KONIEC };
struct Miesto {
    Kotva kotva;
    int posun;
};
int poloha(Miesto m, int dlzka, int stred) {
    return (m.kotva == ZACIATOK ? 0 : m.kotva == STRED ? stred : dlzka) + m.posun;
}

// Three skin points each: normal, pointer over, pressed.
struct Tlacidlo {
    tf_CTlac PX_Editor::*tlac;
    POINT faza[3];
    Miesto x, y;
};
const Tlacidlo TLACIDLA[] = {
    {&PX_Editor::tlac_Prev, {{200, 10}, {160, 10}, {130, 10}}, {ZACIATOK, 10}, {KONIEC, -50}},
    {&PX_Editor::tlac_Next, {{10, 10}, {50, 10}, {90, 10}}, {KONIEC, -47}, {KONIEC, -50}},
    {&PX_Editor::tlac_Nova, {{10, 100}, {50, 100}, {90, 100}}, {KONIEC, -100}, {KONIEC, -50}},
    {&PX_Editor::tlac_Opusti, {{130, 100}, {160, 100}, {200, 100}}, {KONIEC, -140}, {KONIEC, -50}},
    {&PX_Editor::tlac_Play, {{320, 20}, {370, 20}, {415, 20}}, {STRED, -24}, {STRED, -18}},
    {&PX_Editor::tlac_Save, {{320, 80}, {360, 80}, {400, 80}}, {STRED, -20}, {KONIEC, -62}},
    {&PX_Editor::tlac_Mikrofon, {{20, 131}, {58, 131}, {96, 131}}, {KONIEC, -185}, {KONIEC, -50}},
    {&PX_Editor::tlac_Stlmenie, {{282, 125}, {308, 125}, {334, 125}}, {KONIEC, -168}, {ZACIATOK, 6}},
    {&PX_Editor::tlac_Citaj, {{25, 172}, {75, 172}, {125, 172}}, {ZACIATOK, 56}, {KONIEC, -50}},
};

struct Polozka {
    int id;
    const char8_t* text;
};
const int TITLE_BUTTONS_ROOM = 180;  // the frame's four title buttons and the mute switch
const int MAX_SPACING = 40;         // more room beside a menu bar's caption is no help
const Polozka HLAVNE[] = {{1, u8"Knihy..."}, {2, u8"Strany..."},   {3, u8"Pozadie..."}, {4, u8"Kulisy..."},
                           {5, u8"Herci..."}, {6, u8"Poz.Geom..."}, {PX_ID_ZVUKY, u8"Zvuky..."},   {PX_ID_TEXT, u8"Text..."},
                           {PX_ID_IMPORT, u8"Importovať..."}, {7, u8"Info..."},
                           {100, u8"Koniec"}};
const Polozka GEOMETRIA[] = {{1, u8"No"}, {2, u8"Simple"}, {3, u8"Center"}, {4, u8"Stretch"}, {5, u8"Tile"}};
const Polozka OBJEKT[] = {{1, u8"Inštancia"}, {2, u8"Pohyb"}, {3, u8"Kolízia"}, {4, u8"Animácia"}};
const Polozka INSTANCIA[] = {{1, u8"Odstrániť"}, {2, u8"Kópia/Klon"}};
const Polozka POHYB[] = {{6, u8"0-Stat,pokoj"}, {1, u8"1-Horizontálne"}, {2, u8"2-Vlna"},
                          {3, u8"3-2D Voľné"},   {4, u8"4-Neurotik"},   {5, u8"5-Vznášanie"}};
const Polozka KOLIZIA[] = {{1, u8"S odrazom"}, {2, u8"Bez odrazu"}};
const Polozka TEMPO[] = {{1, u8"+"}, {2, u8"-"}};

// The column menus, hidden until opened, on the white net, in the menu font: the background-
// mode menu, and the object menu with its four submenus.
struct Menu {
    const char* nazov;
    tf_CDUI** ciel;
    std::span<const Polozka> polozky;
};
const Menu GEOMETRIA_MENU = {"dui_PozGeometria", &dui_PozGeometria, GEOMETRIA};
const Menu OBJEKTOVE_MENU[] = {
    {"dui_setup", &dui_setup, OBJEKT},    {"dui_setup_1", &dui_setup_1, INSTANCIA},
    {"dui_setup_2", &dui_setup_2, POHYB}, {"dui_setup_3", &dui_setup_3, KOLIZIA},
    {"dui_setup_4", &dui_setup_4, TEMPO},
};

// The picture lists and how many rows each shows.
struct Obrazky {
    const char* nazov;
    tf_UTL_CDUIR_THMFILE** ciel;
    int viditelnych;
};
const Obrazky OBRAZKY[] = {
    {"utl_duir_Pozadia", &utl_duir_Pozadia, 7},
    {"utl_duir_Kulisy", &utl_duir_Kulisy, 8},
    {"utl_duir_Herci", &utl_duir_Herci, 8},
};

// The looks every row list takes for its slider, scroll buttons and track.
struct Vzhlad {
    explicit Vzhlad(tf_CDas_Surface* skin) : draha(skin, 290, 10) {
        posuvnik.Dsgn2_UserA(0, 0, skin, 230, 10, 230, 10, 260, 10);
        hore.Dsgn2_UserA(0, 0, skin, 130, 50, 130, 50, 160, 50);
        dole.Dsgn2_UserA(0, 0, skin, 180, 50, 180, 50, 210, 50);
    }
    void Daj(tf_CDUIR* l) {
        l->posuvnik.EVID_PREBER(&posuvnik);
        l->tlac_hore.EVID_PREBER(&hore);
        l->tlac_dole.EVID_PREBER(&dole);
        l->ikona_drahy.EVID_PREBER(&draha);
    }
    tf_CDAS posuvnik, hore, dole;
    tf_CIcon draha;
};

void napln(tf_CDUI* menu, std::span<const Polozka> polozky) {
    for (const Polozka& p : polozky) menu->PRIDAJ(p.id, plat_W1250(p.text));
}

void urob_menu(const Menu& m, HFONT font) {
    tf_CDUI* l = *m.ciel = new tf_CDUI(m.nazov, 2);
    l->zivy = false;
    l->pozadie = 1;
    l->font = font;
    napln(l, m.polozky);
}

HFONT verdana(int vyska, int sirka, int hrubka) {
    return CreateFontA(vyska, sirka, 0, 0, hrubka, 0, 0, 0, 238, 0, 0, 0, 34, "Verdana");
}

// The books and the pages list: rows of icons with the caption beside them.
constexpr int OKRAJ_IKONY = 2;
void stlpec_s_ikonami(tf_CDUIR* l, int sirka, int text_okraj, Vzhlad& vzhlad) {
    l->Nastav_Konstanty(76, 81, sirka, 5);
    l->SetTextMode("LC");
    l->SetIconMode("LC");
    l->text_okraj = text_okraj;
    l->ikona_okraj = OKRAJ_IKONY;
    l->max_viditelnych = 6;
    vzhlad.Daj(l);
}

void hlavne_menu(PX_Editor& e) {
    tf_CDUI& m = e.dui_M;
    m.zivy = true;
    m.zamknute = false;
    m.pozadie = 1;
    napln(&m, HLAVNE);  // the first three take the placeholders' places
    m.vyska_volby = 20;
    tf_CDUI_NoVoid = true;
}

void zoznamy(PX_Editor& e, Vzhlad& vzhlad) {
    duir_STRANY = new PX_CStrany("duir_STRANY", &e.rezia);
    duir_STRANY->zivy = false;
    // The page number right of the thumbnail, on the list's own ground however dark the page.
    stlpec_s_ikonami(duir_STRANY, 100, OKRAJ_IKONY + PX_NAHLAD_SIR + 8, vzhlad);

    duir_KNIHY = new tf_CDUIR("duir_KNIHY");
    duir_KNIHY->zivy = false;
    NACITAJ_KNIHY();
    duir_KNIHY->font = e.font_knihy;
    stlpec_s_ikonami(duir_KNIHY, 190, 96, vzhlad);  // the name clear of the book's icon

    e.kos = new tf_CDUIR("duir_KOS");
    e.kos->zivy = false;
    e.kos->font = e.font_menu;
    e.kos->Nastav_Konstanty(30, 32, 260, 5);
    e.kos->max_viditelnych = 8;
    vzhlad.Daj(e.kos);

    for (const Obrazky& o : OBRAZKY) {
        tf_UTL_CDUIR_THMFILE* l = *o.ciel = new tf_UTL_CDUIR_THMFILE(o.nazov);
        l->zivy = false;
        l->sirka_volby = 200;
        l->max_viditelnych = o.viditelnych;
        vzhlad.Daj(l);
    }
    urob_menu(GEOMETRIA_MENU, e.font_menu);
    e.vyber = PX_Vyber_Vytvor(e.font_menu);
    vzhlad.Daj(e.vyber);
}

// Main-menu items 1 ... 6 open the lists and the background-mode menu.
void popupy_hlavneho(PX_Editor& e) {
    tf_CDUI* detail[] = {duir_KNIHY, duir_STRANY, utl_duir_Pozadia, utl_duir_Kulisy, utl_duir_Herci, dui_PozGeometria};
    for (int i = 0; i < 6; ++i) e.dui_M.Eviduj_Master_Detail_popup(i + 1, detail[i]);
}

// Object-menu items 1 ... 4 open its submenus.
void objektove_menu(PX_Editor& e) {
    for (const Menu& m : OBJEKTOVE_MENU) urob_menu(m, e.font_menu);
    urob_menu({"dui_riadok", &e.riadok, {}}, e.font_menu);
    tf_CDUI* detail[] = {dui_setup_1, dui_setup_2, dui_setup_3, dui_setup_4};
    for (int i = 0; i < 4; ++i) dui_setup->Eviduj_Master_Detail_popup(i + 1, detail[i]);
}

// Drawn in this order, asked in the reverse one. The mute switch lies on the menu bar: it comes last.
void skupina(PX_Editor& e) {
    for (const Tlacidlo& t : TLACIDLA)
        if (t.tlac != &PX_Editor::tlac_Stlmenie) e.group.PRIDAJ(&(e.*t.tlac), (e.*t.tlac).rx, (e.*t.tlac).ry);
    tf_CPol* vrstvy[] = {&e.dui_M,         duir_KNIHY,     duir_STRANY,    e.kos,       utl_duir_Pozadia,
                         utl_duir_Kulisy,  utl_duir_Herci, dui_PozGeometria, dui_setup, dui_setup_1,
                         dui_setup_2,      dui_setup_3,    dui_setup_4,    e.zvuky,     e.vyber,     e.riadok};
    for (tf_CPol* w : vrstvy) e.group.PRIDAJ(w, w->rx, w->ry);
    for (tf_CPol* w : e.text_menu) e.group.PRIDAJ(w, w->rx, w->ry);
    e.group.PRIDAJ(&e.tlac_Stlmenie, e.tlac_Stlmenie.rx, e.tlac_Stlmenie.ry);
}

// The menu bar's items share what the title buttons and the mute switch leave of the screen's
// width, each as wide as its letters at the bar's width a letter: the widest font whose
// captions all fit there, from 12 pixels a letter down to the narrowest font's need.
void rozmer_listu(PX_Editor& e) {
    tf_CDUI& bar = e.dui_M;
    const int items = static_cast<int>(std::size(HLAVNE));
    const int room = tf_ScreenW - TITLE_BUTTONS_ROOM - (2 * bar.text_okraj + bar.medzera) * items - bar.medzera;
    // The largest font in which every caption fits whole; what room is left spaces them out.
    bar.podla_popisu = true;
    for (HFONT font : {e.font_menu, e.font_uzky, e.font_najuzsi, e.font_drobny}) {
        int need = 0;
        for (const Polozka& p : HLAVNE) {
            int w = 0, h = 0;
            tf_glob_ZISTI_ROZMER_TEXTU(plat_W1250(p.text), font, &w, &h);
            need += w;
        }
        bar.font = font;
        bar.pridavok = std::clamp((room - need) / items, 0, MAX_SPACING);
        if (need <= room) break;
    }
    bar.zmena = true;
}
}  // namespace

void PX_PlaceButtons(bool withLooks) {
    rozmer_listu(*px_editor);
    for (const Tlacidlo& t : TLACIDLA) {
        tf_CTlac& b = px_editor->*t.tlac;
        const int x = poloha(t.x, tf_ScreenW, tf_ScreenCX), y = poloha(t.y, tf_ScreenH, tf_ScreenCY);
        if (withLooks)
            b.Dsgn2_UserA(x, y, &px_editor->rezia, t.faza[0].x, t.faza[0].y, t.faza[1].x, t.faza[1].y, t.faza[2].x,
                          t.faza[2].y);
        else
            b.CHOD_NA(x, y);
    }
}

void CKnihaScreen::Init() {
    PX_Editor& e = *px_editor;
    PX_Stlmenie_Nacitaj();
    PX_Trieda_Nacitaj();
    PX_Uprac_docasne();
    wave_k = 10.0 * 6.28318531 / m_ScreenW;
    Do_LOAD_SRF();

    e.kurzor.srf = &e.rezia;
    for (int x : {10, 40, 80}) e.kurzor.EVIDUJ(x, 50);
    e.kurzor.y = 300;
    Vzhlad vzhlad(&e.rezia);
    PX_LoadDefaultBookIcon();
    e.font_menu = verdana(15, 10, 400);
    e.font_uzky = verdana(13, 7, 400);
    e.font_najuzsi = verdana(12, 6, 400);
    e.font_drobny = verdana(11, 5, 400);
    e.font_knihy = verdana(20, 10, 700);

    hlavne_menu(e);
    PX_PlaceButtons(true);
    zoznamy(e, vzhlad);
    popupy_hlavneho(e);
    objektove_menu(e);
    PX_SoundControls(e);
    PX_TextMenus(e);
    skupina(e);

    outline_pens[0] = CreatePen(PS_SOLID, 3, 0x00FF00);  // hovered
    outline_pens[1] = CreatePen(PS_SOLID, 3, 0x0000FF);  // dragged
    outline_pens[2] = CreatePen(PS_SOLID, 3, 0x00FFFF);  // its object menu open

    for (tf_UTL_CDLG_EDIT** d : {&e.nova_kniha, &e.otazka}) {
        *d = new tf_UTL_CDLG_EDIT(nullptr, plat_W1250(u8"Nová kniha"), plat_W1250(u8"Zadajte názov knihy"));
        (*d)->SetupVisual();
        e.group.PRIDAJ(*d, (*d)->rx, (*d)->ry);
        (*d)->zivy = false;
    }
    e.nova_kniha->edit->Rezim_nazvu(PX_NAZOV_KNIHY_MAX);
    m_pGroup = &e.group;  // its dialogs take the keys; the tuning mode reaches its widgets

    e.naraz.NAHRAJ("zvuknaraz.wav");
    e.koniec.NAHRAJ("zvukkoniec.wav");
    zvuk_naraz = &e.naraz;
    zvuk_koniec = &e.koniec;

    speed_level = 2;
    tf_APP_RestartFrameTimer(PX_Perioda_ms());
    PX_Naposledy_Otvor();
    PX_Stav_strany();
    if (!px_trieda.chyba.empty()) PX_Chyba(px_trieda.chyba.c_str());
    PX_ImportStartFile();
    PX_OfferRecovery();
}
