// Reading: which page shows, when it turns, and what the keys and the pointer do meanwhile.
// The editor's own input, history, recovery and saving see none of it.
#include "book/px_citanie.h"

#include <algorithm>
#include <cmath>

#include "book/px_anim.h"
#include "book/px_editor.h"
#include "book/px_editor_cmd.h"
#include "book/px_herec.h"
#include "book/px_ks.h"
#include "book/px_narracia.h"
#include "book/px_nastavenia.h"
#include "book/px_pisanie.h"
#include "book/px_plocha.h"
#include "book/px_pozadie.h"
#include "book/px_reg.h"
#include "book/px_sprava.h"
#include "book/px_stav.h"
#include "book/px_tah.h"
#include "framework/core/tf_log.h"
#include "framework/surface/tf_display.h"
#include "framework/surface/tf_dsrfc.h"
#include "platform/codepage.h"
#include "platform/window.h"

PX_Citanie px_citanie;

namespace {
const char SRC[] = "PX_CITANIE";
constexpr int SPRAVA_MS = 3000;
constexpr int OKRAJ_DIEL = 6;  // a click within a sixth of the width from an edge turns the page

PX_Citanie& c = px_citanie;

size_t karta() { return c.strany.size(); }

const char* nazov_knihy() {
    const struct_kniha_strana* ks = c.strany.empty() ? nullptr : NAJDI_KS(current_book, c.strany.front());
    return ks ? ks->book_name : "";
}

// The editor's widgets and the window's title buttons neither show nor take the pointer.
void widgety(bool zive) {
    px_editor->group.zivy = zive;
    if (app_screen) app_screen->zivy = zive;
}

void pusti_still() {
    if (c.still) c.still->Release();
    c.still = nullptr;
}

// The page as it shows now, kept for the turn to slide away; without memory for it the page
// turns at once.
void zachyt_still() {
    if (!c.still) c.still = DDCreateOffscreenSurface(tf_lpDD, tf_ScreenW, tf_ScreenH);
    c.prechod_ms = 0;
    if (!c.still) return;
    if (c.index >= karta()) return PX_Zaverecna_karta(c.still, nazov_knihy());
    ZOBRAZ_STRANU(PX_Plocha_Povrch(c.still));
    PX_Plocha_Ukaz(c.still);
}

// The page at `i` as it begins: the one reading began on as the author left it, any other as
// its file holds it; playing, its sound from the start. False (logged, said) when its file
// cannot be read.
bool nahraj(size_t i) {
    running = false;
    hovered = dragged = -1;
    const int id = c.strany[i];
    if (id == c.editor_strana) {
        PX_Snimka_Obnov(*c.editor, false);
    } else {
        const struct_kniha_strana* ks = NAJDI_KS(current_book, id);
        if (!ks || !RELOAD_REG(ks->page_path)) {
            TF_LOG("PX_Citanie: strana sa neda citat, preskocena", id);
            c.sprava = std::string(plat_W1250(u8"Stranu ")) + (ks ? ks->page_name : "?") + plat_W1250(u8" sa nedá prečítať");
            c.sprava_ms = SPRAVA_MS;
            return false;
        }
        PX_Narracia_Nahraj(ks->page_path);
    }
    dirty = false;
    PX_Narracia_Zastav();
    running = !c.pauza;
    c.uplynulo_ms = 0;
    c.trvanie_ms = PX_Cas_citania_ms(px_narracia.hlas ? px_narracia.hlas->Seconds() : 0, c.cas_strany_ms);
    return true;
}

// The first page from `od` on in the direction `krok` that can be read, shown; false for none.
bool najdi(long od, int krok) {
    for (long i = od; i >= 0 && i < static_cast<long>(karta()); i += krok)
        if (nahraj(static_cast<size_t>(i))) {
            c.index = static_cast<size_t>(i);
            return true;
        }
    return false;
}

// To the page `ciel`, or past pages that cannot be read: on in the direction `smer`, and when
// going back finds none, on forward again; past the last page, the closing card.
void otoc(size_t ciel, int smer) {
    zachyt_still();
    c.smer = smer;
    const long i = static_cast<long>(ciel);
    if (najdi(i, smer) || (smer < 0 && najdi(i + 1, +1))) return;
    c.index = karta();
    running = false;
    hovered = dragged = -1;
    VYMAZ_REG();
    PX_Narracia_Vymaz();
}

void dalej() {
    if (c.index < karta()) otoc(c.index + 1, +1);
}
void spat() {
    if (c.index > 0) otoc(c.index - 1, -1);
}

void klaves(int key) {
    switch (key) {
    case VK_ESCAPE:
        return PX_Citanie_Skonci();
    case VK_SPACE:
        if (c.index >= karta()) return otoc(0, +1);
        c.pauza = !c.pauza;
        running = !c.pauza;
        return;
    case VK_RIGHT:
    case VK_NEXT:
        return dalej();
    case VK_LEFT:
    case VK_PRIOR:
        return spat();
    case VK_HOME:
        return otoc(0, -1);
    default:
        return;
    }
}

// Pictures are taken and thrown as in the editor; a press beside them near an edge turns the
// page, on the closing card the arrow reads the book again.
void stlacenie(int x, int y) {
    if (c.index >= karta()) {
        const RECT r = PX_Karta_sipka(tf_ScreenW, tf_ScreenH);
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) otoc(0, +1);
        return;
    }
    const POINT p = PX_Na_stranu(x, y);
    const int i = REG_Pod(p.x, p.y);
    if (const CHerec* o = REG_Objekt(i); o && o->eui() != PX_TEXT) {
        PX_Tah_Zacni(i, p);
        px_editor->kurzor.SF(1);
    } else if (x < tf_ScreenW / OKRAJ_DIEL) {
        spat();
    } else if (x >= tf_ScreenW - tf_ScreenW / OKRAJ_DIEL) {
        dalej();
    }
}

void pohyb(int x, int y) {
    px_editor->kurzor.CHOD_NA(x, y);
    PX_Tah_Pohyb(PX_Na_stranu(x, y));
}

void uvolnenie(int x, int y) {
    px_editor->kurzor.SF(0);
    PX_Tah_Pusti(PX_Na_stranu(x, y));
}

void tik() {
    const int ms = PX_Perioda_ms();
    if (c.still && (c.prechod_ms += ms) >= PX_PRECHOD_MS) pusti_still();
    if (c.sprava_ms > 0 && (c.sprava_ms -= ms) <= 0) c.sprava.clear();
    if (c.index < karta() && !c.pauza) {
        TIK_ANIMACIE();
        // A picture in a child's hand holds the page.
        if ((c.uplynulo_ms += ms) >= c.trvanie_ms && dragged == -1) dalej();
    }
    PX_Narracia_Tik(running);
    PX_ExportPoll();
    PX_Sprava_Tik(GetTickCount());
    PX_NeedFrameIfChanged();
}

double cast_prechodu() { return static_cast<double>(c.prechod_ms) / PX_PRECHOD_MS; }
}  // namespace

int PX_Cas_citania_ms(double narracia_sekund, int cas_strany_ms) {
    if (!(narracia_sekund > 0)) return cas_strany_ms;
    return static_cast<int>(std::ceil(std::min(narracia_sekund, 3600.0) * 1000)) + PX_DOZNIEVANIE_MS;
}

void PX_Read() {
    if (c.zapnute || px_editor->group.Ukazuje_dialog()) return;  // a question waits for its answer first
    if (current_book == -1) return PX_Oznam(plat_W1250(u8"Čítať sa dá otvorená kniha: vyber ju v ponuke Knihy"));
    std::vector<int> strany;
    for (const struct_kniha_strana* ks : PX_Strany_v_knihe(current_book)) strany.push_back(ks->page_id);
    if (strany.empty()) return PX_Oznam(plat_W1250(u8"Kniha nemá žiadnu stranu na čítanie"));
    PX_Pis_Skonci();
    if (px_narracia.nahrava) PX_Narracia_Zastav_nahravanie();
    PX_CloseLists();
    setup_target = hovered = dragged = -1;
    if (thumbnail_request) {  // the last save's thumbnail is of the page shown now
        ZOBRAZ_STRANU(PX_Plocha_Povrch(tf_lpDDSBack));
        PX_Obnov_nahlad();
    }
    c = PX_Citanie{};
    c.strany = std::move(strany);
    c.editor = PX_Snimka_Zachyt(nullptr);
    c.editor_dirty = dirty;
    c.editor_strana = current_page;
    c.cas_strany_ms = PX_Nacitaj_nastavenia(PX_Cesta_knihy(current_book).c_str()).cas_strany_ms;
    c.zapnute = true;
    widgety(false);
    const auto od = std::find(c.strany.begin(), c.strany.end(), current_page);
    TF_LOG("PX_Citanie: citanie knihy od strany", current_page);
    otoc(od == c.strany.end() ? 0 : static_cast<size_t>(od - c.strany.begin()), +1);
    pusti_still();  // reading opens on its page, no turn
}

void PX_Citanie_Skonci() {
    if (!c.zapnute) return;
    const int posledna = c.strany[std::min(c.index, karta() - 1)];
    TF_LOG("PX_Citanie: koniec citania na strane", posledna);
    c.zapnute = false;
    pusti_still();
    px_editor->kurzor.SF(0);
    PX_Narracia_Zastav();
    PX_Snimka_Obnov(*c.editor, true);
    dirty = c.editor_dirty;
    c.editor.reset();
    widgety(true);
    // Leaving the page reading began on is a page turn of the editor's: its changes are kept.
    if (posledna != c.editor_strana) PX_OpenPage(current_book, posledna);
}

void PX_Citanie_Nova_obrazovka() { pusti_still(); }

RECT PX_Citanie_Odkryte(int w, int h) {
    if (c.index >= karta()) return {0, 0, 0, 0};
    if (!c.still) return {0, 0, w, h};
    const int posun = PX_Prechod_posun(cast_prechodu(), w);
    return c.smer > 0 ? RECT{w - posun, 0, w, h} : RECT{0, 0, posun, h};
}

void PX_Citanie_Kresli(IDirectDrawSurface* back) {
    if (c.index >= karta()) PX_Zaverecna_karta(back, nazov_knihy());
    if (c.still) PX_Prechod(back, c.still, cast_prechodu(), c.smer);
    if (!c.sprava.empty()) PX_Citanie_Oznam(back, c.sprava);
    c.kreslena = c.index;
    c.kreslena_sprava = !c.sprava.empty();
    c.kresleny_prechod = c.still != nullptr;
}

bool PX_Citanie_Cely_snimok() {
    return c.still || c.kresleny_prechod || c.kreslena != c.index || c.kreslena_sprava != !c.sprava.empty();
}

bool PX_Citanie_Sprava(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_KEYDOWN) c.vzal_klaves = c.zapnute;
    if (!c.zapnute) return false;
    const int x = LOWORD(lParam), y = HIWORD(lParam);
    switch (msg) {
    case WM_TIMER:
        tik();
        return true;
    case WM_KEYDOWN:
        klaves(static_cast<int>(wParam));
        return true;
    case WM_MOUSEMOVE:
        pohyb(x, y);
        return true;
    case WM_LBUTTONDOWN:
        stlacenie(x, y);
        return true;
    case WM_LBUTTONUP:
        uvolnenie(x, y);
        return true;
    case WM_DROPFILES:
        TF_LOG("PX_Citanie: subory pustene pocas citania nevlozene", static_cast<int>(plat_TakeDroppedFiles(wParam).size()));
        return true;
    case WM_CHAR:
    case WM_RBUTTONDOWN:
        return true;
    default:
        return false;  // the window's own: its end, the cursor
    }
}
