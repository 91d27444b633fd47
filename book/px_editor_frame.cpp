// The editor's frame, one layer after another: the page, its thumbnail, the outlines of the
// objects in hand, which controls show, the status line, the widgets and the cursor.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "book/px_citanie.h"
#include "book/px_editor.h"
#include "book/px_herec.h"
#include "book/px_ks.h"
#include "book/px_narracia.h"
#include "book/px_pisanie.h"
#include "book/px_plocha.h"
#include "book/px_pozadie.h"
#include "book/px_reg.h"
#include "book/px_sprava.h"
#include "book/px_stav.h"
#include "framework/surface/tf_draw.h"
#include "platform/voice.h"

namespace {
const COLORREF STATUS_COLOUR = 0xF0F0F0;
const COLORREF ERROR_STRIP = 0x2828C8;  // a warm red

// What the editor's own layers show beyond the page and the widgets, which change only on
// input or while the page plays: the status line, the controls offered and the outlines.
struct Vrstvy {
    std::string status;
    bool chyba, running, dirty;
    int current, next, prev, hovered, dragged, setup;
    bool nahrava, stlmene;
    int uroven, sekundy;
    bool operator==(const Vrstvy&) const = default;
};
Vrstvy teraz() {
    return {status_text,
            PX_Sprava_Je_chyba(),
            running,
            dirty,
            current_page,
            next_page,
            prev_page,
            hovered,
            dragged,
            setup_target,
            px_narracia.nahrava,
            plat_Muted(),
            PX_Narracia_Uroven(),
            static_cast<int>(PX_Narracia_Sekundy())};
}
Vrstvy nakreslene;  // as the last frame began

// An object's box on the screen.
RECT na_obrazovke(CHerec* o) { return PX_Na_obrazovku({o->x, o->y, o->x + o->AktSIR(), o->y + o->AktVYS()}); }

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Where an object of the page was drawn, on the screen: its box with room for the outline
// around it and the scaling's rounding, its phase and its mirroring.
struct Stopa {
    const CHerec* objekt;
    RECT box;
    int faza, zrkadlo;
    bool operator==(const Stopa&) const = default;
};
Stopa stopa(CHerec* o) {
    RECT page = {o->x, o->y, o->x + o->AktSIR(), o->y + o->AktVYS()};
    if (const PX_TextObraz* t = o->text_obraz.get()) {  // a text's outline and a bubble's tail reach beyond
        page.left = std::min<LONG>(page.left, o->x - t->ox);
        page.top = std::min<LONG>(page.top, o->y - t->oy);
        page.right = std::max<LONG>(page.right, o->x - t->ox + t->obraz.w);
        page.bottom = std::max<LONG>(page.bottom, o->y - t->oy + t->obraz.h);
    }
    const RECT r = PX_Na_obrazovku(page);
    return {o, {r.left - 4, r.top - 4, r.right + 4, r.bottom + 4}, o->akt_faza, o->zrkadlo};
}
std::vector<Stopa> stopy_strany() {
    std::vector<Stopa> all;
    for (int i = 0; i < REG.count; ++i)
        if (CHerec* o = REG_Objekt(i)) all.push_back(stopa(o));
    return all;
}
std::vector<Stopa> stopy;  // of the objects as the last frame drew them

// While the page plays and nothing else changes, only the objects move: the screen changes
// where each object that moved, turned its phase or its face was and is.
void ziadaj_casti() {
    const std::vector<Stopa> teraz_stopy = stopy_strany();
    if (teraz_stopy.size() != stopy.size()) return tf_APP_NeedFrame();
    for (size_t i = 0; i < stopy.size(); ++i) {
        const CHerec* o = teraz_stopy[i].objekt;
        // A text whose picture is still to be made: its size is not known before it is drawn.
        if (o != stopy[i].objekt || (o->eui() == PX_TEXT && !o->text_obraz)) return tf_APP_NeedFrame();
        if (teraz_stopy[i] == stopy[i]) continue;
        tf_APP_NeedPart(stopy[i].box);
        tf_APP_NeedPart(teraz_stopy[i].box);
    }
}

// The 3-pixel pen straddles the object's edge, drawn at the screen's pixels where the page
// shows it.
void obrys(HDC dc, int index, HPEN pen) {
    CHerec* o = REG_Objekt(index);
    if (!o || !pen) return;
    SelectObject(dc, pen);
    const RECT r = na_obrazovke(o);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void obrysy(IDirectDrawSurface* back) {
    if (hovered == -1 && dragged == -1 && setup_target == -1) return;
    HDC dc = nullptr;
    if (back->GetDC(&dc) != DD_OK) return;
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    const int roles[] = {hovered, dragged, setup_target};
    for (int i = 0; i < 3; ++i)
        if (roles[i] != -1) obrys(dc, roles[i], outline_pens[i]);
    back->ReleaseDC(dc);
}

// Which controls this frame offers. The leave-new-page button only means something on a
// new page, so it shows only there.
void viditelnost(PX_Editor& e) {
    e.tlac_Play.zivy = !running && !PX_Pis_Aktivne();  // it stands over a new text's middle
    e.tlac_Save.zivy = dirty;
    e.tlac_Next.zivy = next_page > 0;
    e.tlac_Prev.zivy = prev_page > 0;
    e.tlac_Nova.zivy = current_page != -1 && current_page != PX_NEW_PAGE && next_page == 0;
    e.tlac_Opusti.zivy = current_page == PX_NEW_PAGE;
    e.tlac_Citaj.zivy = current_book != -1;
    const CHerec* menu = REG_Objekt(setup_target);
    const bool text = menu && menu->eui() == PX_TEXT;
    if (dui_setup) dui_setup->zivy = menu && !text;
    if (e.text_menu[0]) e.text_menu[0]->zivy = text;
}

// While reading, the page alone, full screen: composed only where a turn's old page does not
// cover it.
void citanie(IDirectDrawSurface* back) {
    const RECT clip = back->DrawClip();
    RECT odkryte = PX_Citanie_Odkryte(back->Width(), back->Height());
    odkryte = {std::max(odkryte.left, clip.left), std::max(odkryte.top, clip.top), std::min(odkryte.right, clip.right),
               std::min(odkryte.bottom, clip.bottom)};
    if (odkryte.left < odkryte.right && odkryte.top < odkryte.bottom) {
        back->SetDrawClip(&odkryte);
        ZOBRAZ_STRANU(PX_Plocha_Povrch(back));
        PX_Plocha_Ukaz(back);
        back->SetDrawClip(&clip);
    }
    PX_Citanie_Kresli(back);
}

// An error stands on a red strip, so that the author sees it.
void stav(IDirectDrawSurface* back) {
    if (strlen(status_text) <= 1) return;
    const int x = tf_ScreenCX - 75, y = tf_ScreenH - 25;
    if (PX_Sprava_Je_chyba())
        PX_Text_na_pase(back, x, y, status_text, STATUS_COLOUR, ERROR_STRIP, 10, 4);
    else
        tf_glob_Text_srf(back, x, y, STATUS_COLOUR, status_text, true);
}
}  // namespace

void PX_DrawEditorFrame(IDirectDrawSurface* back) {
    if (!back || !px_editor) return;
    // Taken first: what the frame itself changes (a thumbnail's message) asks for the next one.
    nakreslene = teraz();
    if (px_citanie.zapnute) {
        citanie(back);
    } else {
        IDirectDrawSurface* page = PX_Plocha_Povrch(back);
        ZOBRAZ_STRANU(page);
        PX_Pis_Kresli(page);
        PX_Obnov_nahlad();
        PX_Plocha_Ukaz(back);
        obrysy(back);
        viditelnost(*px_editor);
        stav(back);
        PX_DrawSoundControls(back);
        px_editor->group.ZOBRAZ(back);
    }
    px_editor->kurzor.ZOBRAZ(back);
    stopy = stopy_strany();
}

void PX_NeedFrameIfChanged() {
    if (thumbnail_request || !(teraz() == nakreslene) || (px_citanie.zapnute && PX_Citanie_Cely_snimok()))
        tf_APP_NeedFrame();
    else if (running)
        ziadaj_casti();
}
