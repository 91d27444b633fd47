// The editor's sound commands and controls: the microphone (button and R) recording the page's
// narration with a level meter beside it, the mute switch (button and M), and the sounds menu
// that sets the page's background sound.
#include <string>
#include <vector>

#include "book/px_editor.h"
#include "book/px_editor_cmd.h"
#include "book/px_historia.h"
#include "book/px_ks.h"
#include "book/px_narracia.h"
#include "book/px_sprava.h"
#include "book/px_stav.h"
#include "book/px_stlmenie.h"
#include "book/px_trieda.h"
#include "framework/surface/tf_draw.h"
#include "framework/widgets/tf_dui.h"
#include "platform/codepage.h"
#include "platform/voice.h"

namespace {
enum { MIKROFON_PRIPRAVENY, MIKROFON_NAHRAVA, MIKROFON_NEMOZE };
enum { BEZ_ZVUKU = 1, PRVY_ZVUK = 2 };  // the sounds menu's ids

// The looks' skin points: normal, over, pressed (the greyed microphone has one look).
const POINT MIKROFON[3][3] = {{{20, 131}, {58, 131}, {96, 131}},
                              {{134, 131}, {172, 131}, {210, 131}},
                              {{248, 131}, {248, 131}, {248, 131}}};
const POINT STLMENIE[2][3] = {{{282, 125}, {308, 125}, {334, 125}}, {{360, 125}, {386, 125}, {412, 125}}};

// The meter over the microphone, clear of the status line: the seconds above a bar of the level.
const int METER_W = 120, METER_H = 10, METER_GAP = 8, TEXT_H = 20;
const COLORREF METER_GROUND = 0x303030, METER_LEVEL = 0x40C040, METER_LOUD = 0x2828E0, METER_TEXT = 0xF0F0F0;

std::vector<std::string> zvuky;  // as the sounds menu lists them, from PRVY_ZVUK on

// The book of the shown page (a new page's book through the page it follows); null: none.
const char* kniha() {
    const struct_kniha_strana* ks = NAJDI_KS(current_book, current_page == PX_NEW_PAGE ? prev_page : current_page);
    return ks ? ks->book_path : nullptr;
}

void vzhlad(tf_CDAS& d, tf_CDas_Surface* skin, const POINT (&body)[3]) {
    d.Dsgn2_UserA(0, 0, skin, body[0].x, body[0].y, body[1].x, body[1].y, body[2].x, body[2].y);
}

void obdlznik(HDC dc, int l, int t, int r, int b, COLORREF c) {
    HBRUSH brush = CreateSolidBrush(c);
    const RECT rect = {l, t, r, b};
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void meter(IDirectDrawSurface* back, tf_CTlac& mic) {
    int w = 0, h = 0;
    mic.GetSize(&w, &h);
    const int left = mic.x + w / 2 - METER_W / 2, right = left + METER_W, top = mic.y - METER_GAP - METER_H;
    HDC dc = nullptr;
    if (back->GetDC(&dc) != DD_OK) return;
    const int level = PX_Narracia_Uroven();
    obdlznik(dc, left - 2, top - 2, right + 2, top + METER_H + 2, METER_GROUND);
    obdlznik(dc, left, top, left + METER_W * level / 100, top + METER_H, level > 90 ? METER_LOUD : METER_LEVEL);
    back->ReleaseDC(dc);
    const int s = static_cast<int>(PX_Narracia_Sekundy());
    const std::string text = std::to_string(s / 60) + (s % 60 < 10 ? ":0" : ":") + std::to_string(s % 60) + " / 2:00";
    tf_glob_Text_srf(back, left, top - TEXT_H, METER_TEXT, text.c_str(), true);
}
}  // namespace

void PX_SoundControls(PX_Editor& e) {
    for (int i = 0; i < 3; ++i) vzhlad(e.vzhlad_mikrofonu[i], &e.rezia, MIKROFON[i]);
    for (int i = 0; i < 2; ++i) vzhlad(e.vzhlad_stlmenia[i], &e.rezia, STLMENIE[i]);
    e.zvuky = new tf_CDUI("dui_Zvuky", 2);
    e.zvuky->zivy = false;
    e.zvuky->pozadie = 1;
    e.zvuky->font = e.font_menu;
    e.dui_M.Eviduj_Master_Detail_popup(PX_ID_ZVUKY, e.zvuky);
    PX_FillSounds();
}

void PX_DrawSoundControls(IDirectDrawSurface* back) {
    PX_Editor& e = *px_editor;
    const int mic = px_narracia.nahrava               ? MIKROFON_NAHRAVA
                    : PX_Narracia_Moze_nahravat()     ? MIKROFON_PRIPRAVENY
                                                      : MIKROFON_NEMOZE;
    e.tlac_Mikrofon.EVID_PREBER(&e.vzhlad_mikrofonu[mic]);
    e.tlac_Mikrofon.zivy = current_page != -1;
    e.tlac_Stlmenie.EVID_PREBER(&e.vzhlad_stlmenia[plat_Muted() ? 1 : 0]);
    if (px_narracia.nahrava) meter(back, e.tlac_Mikrofon);
}

// Recording is one step to undo, taken before it starts; one that captured nothing leaves none.
void PX_Record() {
    if (current_page == -1) return;
    if (px_narracia.nahrava) {
        PX_Narracia_Zastav_nahravanie();
    } else if (!PX_Narracia_Moze_nahravat()) {
        PX_Chyba(plat_W1250(u8"Nahrávať sa nedá: chýba mikrofón"));
        return;
    } else {
        PX_HIST_Zaznam(PX_UPRAVA_NAHRAVKA);
        if (PX_Narracia_Nahravaj()) return;
    }
    if (!px_narracia.chyba.empty()) PX_Chyba(px_narracia.chyba.c_str());
}

void PX_ToggleMute() {
    if (PX_Trieda_Zakazuje(PX_ZAKAZ_ZVUKU)) return;
    if (!PX_Stlmenie_Prepni()) PX_Chyba(plat_W1250(u8"Stlmenie sa nepodarilo zapamätať"));
}

void PX_FillSounds() {
    std::vector<std::string> names = PX_Zvuky_knihy(kniha());
    tf_CDUI& l = *px_editor->zvuky;
    if (names != zvuky || l.Count() == 0) {
        zvuky = std::move(names);
        l.VYMAZ();
        l.PRIDAJ(BEZ_ZVUKU, plat_W1250(u8"(bez zvuku)"));
        for (size_t i = 0; i < zvuky.size(); ++i) l.PRIDAJ(PRVY_ZVUK + static_cast<int>(i), zvuky[i].c_str());
    }
    int set = BEZ_ZVUKU;  // the page's sound marked
    for (size_t i = 0; i < zvuky.size(); ++i)
        if (zvuky[i] == px_narracia.pozadie) set = PRVY_ZVUK + static_cast<int>(i);
    l.Oznac(set);
}

void PX_ChooseSound(int id) {
    if (current_page == -1 || id < BEZ_ZVUKU || id >= PRVY_ZVUK + static_cast<int>(zvuky.size())) return;
    const std::string name = id == BEZ_ZVUKU ? "" : zvuky[size_t(id - PRVY_ZVUK)];
    if (name == px_narracia.pozadie) return;
    PX_HIST_Zaznam(PX_UPRAVA_ZVUK);
    if (!PX_Narracia_Nastav_pozadie(kniha(), name.c_str())) PX_Chyba(px_narracia.chyba.c_str());
}
