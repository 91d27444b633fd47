// The editor's text commands: a new text written in place ("Text..." and T), writing one again
// (a double click), and the text's menu: instance, motion, size, colour, look and the bubble's
// object.
#include <span>
#include <string>

#include "book/px_editor.h"
#include "book/px_editor_cmd.h"
#include "book/px_herec.h"
#include "book/px_pisanie.h"
#include "book/px_plocha.h"
#include "book/px_reg.h"
#include "book/px_sprava.h"
#include "book/px_stav.h"
#include "framework/core/tf_fsi.h"
#include "framework/widgets/tf_dui.h"
#include "platform/codepage.h"

namespace {
struct Polozka {
    int id;
    const char8_t* text;
};
const Polozka MENU[] = {{1, u8"Inštancia"}, {2, u8"Pohyb"}, {3, u8"Veľkosť"},   {4, u8"Farba"},
                        {5, u8"Vzhľad"},    {6, u8"Bublina k"}, {PX_ID_PISAT, u8"Písať"}};
const Polozka INSTANCIA[] = {{1, u8"Odstrániť"}, {2, u8"Kópia/Klon"}};
const Polozka POHYB[] = {{6, u8"0-Stat,pokoj"}, {1, u8"1-Horizontálne"}, {2, u8"2-Vlna"},
                         {3, u8"3-2D Voľné"},   {4, u8"4-Neurotik"},   {5, u8"5-Vznášanie"}};
const Polozka VELKOST[] = {{1, u8"Malé"}, {2, u8"Stredné"}, {3, u8"Väčšie"},
                           {4, u8"Veľké"}, {5, u8"Najväčšie"}};
const Polozka FARBA[] = {{1, u8"Biela"},  {2, u8"Žltá"},     {3, u8"Červená"}, {4, u8"Modrá"},
                         {5, u8"Zelená"}, {6, u8"Oranžová"}, {7, u8"Fialová"}, {8, u8"Čierna"}};
const Polozka VZHLAD[] = {{1, u8"Titulok"}, {2, u8"Karta"}, {3, u8"Bublina"}};
constexpr int NIKTO = 1, PRVY_OBJEKT = 100;  // the bubble's object: none, or its index + 100
const std::span<const Polozka> PODMENU[] = {INSTANCIA, POHYB, VELKOST, FARBA, VZHLAD, {}};

CHerec* ciel_menu() {
    CHerec* o = REG_Objekt(setup_target);
    return o && o->eui() == PX_TEXT && o->text ? o : nullptr;
}

tf_CDUI* menu(const char* nazov, std::span<const Polozka> polozky) {
    auto* l = new tf_CDUI(nazov, 2);
    l->zivy = false;
    l->pozadie = 1;
    l->font = px_editor->font_menu;
    for (const Polozka& p : polozky) l->PRIDAJ(p.id, plat_W1250(p.text));
    return l;
}

// A change of the text's looks: one step of its own.
template <class Zmena>
void zmen(Zmena zmena) {
    CHerec* o = ciel_menu();
    if (!o) return;
    PX_HIST_Zaznam(PX_UPRAVA_VZHLAD_TEXTU);
    PX_Text t = *o->text;
    zmena(t);
    o->Nastav_text(t);
    PX_Text_Zamier(setup_target);
    dirty = true;
    setup_target = -1;
}
}  // namespace

void PX_TextMenus(PX_Editor& e) {
    tf_CDUI** m = e.text_menu;
    m[0] = menu("dui_text", MENU);
    const char* nazvy[] = {"dui_text_1", "dui_text_2", "dui_text_3", "dui_text_4", "dui_text_5", "dui_text_6"};
    for (int i = 0; i < 6; ++i) {
        m[i + 1] = menu(nazvy[i], PODMENU[i]);
        m[0]->Eviduj_Master_Detail_popup(MENU[i].id, m[i + 1]);
    }
}

void PX_OpenTextMenu(int x, int y) {
    tf_CDUI** m = px_editor->text_menu;
    const CHerec* o = ciel_menu();
    if (!o || !m[0]) return;
    m[3]->Oznac(o->text->velkost + 1);
    m[4]->Oznac(o->text->farba + 1);
    m[5]->Oznac(o->text->vzhlad + 1);
    m[6]->VYMAZ();  // the page's pictures as they stand, each with its place and name
    m[6]->PRIDAJ(NIKTO, plat_W1250(u8"(nikto)"));
    for (int i = 0; i < REG.count; ++i)
        if (const CHerec* p = REG_Objekt(i); p && p->srf && p->srf->subor_nazov) {
            const std::string meno = tf_FSI_Vystrihni_meno(p->srf->subor_nazov);
            m[6]->PRIDAJ(PRVY_OBJEKT + i, (std::to_string(i + 1) + " " + meno.substr(0, meno.rfind('.'))).c_str());
        }
    m[6]->Oznac(o->text->ciel < 0 ? NIKTO : PRVY_OBJEKT + o->text->ciel);
    m[0]->CHOD_NA_OBRAZOVKU(x, y);
}

void PX_NewText() {
    PX_Pis_Skonci();
    if (REG.count >= PX_MAX_OBJECTS) {
        PX_Chyba(plat_W1250(u8"Strana je plná: ďalší objekt sa nezmestí"));
        return;
    }
    PX_HIST_Zaznam(PX_UPRAVA_TEXT);
    const int i = PRIDAJ_TEXT(PX_Text{}, 0, 0);
    CHerec* o = REG_Objekt(i);
    // Its middle a third down the page, where titles go, clear of the Play button in the middle.
    o->Umiestni((PX_Strana_sir() - o->sir) / 2, PX_Strana_vys() / 3 - o->vys / 2);
    PX_Pis_Zacni(i, true);
}

void PX_TextMenu(int id) {
    if (id != PX_ID_PISAT || !ciel_menu()) return;
    PX_HIST_Zaznam(PX_UPRAVA_TEXT);
    PX_Pis_Zacni(setup_target, false);
    setup_target = -1;
}

void PX_SetTextSize(int id) {
    zmen([id](PX_Text& t) { t.velkost = id - 1; });
}
void PX_SetTextColour(int id) {
    zmen([id](PX_Text& t) { t.farba = id - 1; });
}
void PX_SetTextLook(int id) {
    zmen([id](PX_Text& t) { t.vzhlad = id - 1; });
}
void PX_SetBubbleObject(int id) {
    zmen([id](PX_Text& t) {
        t.ciel = id >= PRVY_OBJEKT ? id - PRVY_OBJEKT : -1;
        if (t.ciel >= 0) t.vzhlad = PX_BUBLINA;  // an object to point at makes a bubble
    });
}
