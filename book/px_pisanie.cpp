// Writing a text in place: letters of the code page, line ends, Backspace and Delete, the arrows,
// Home and End (with Shift they select), Ctrl+A; Esc ends. Each change makes the text's
// picture again; the caret and the selection are drawn over the page each frame.
#include "book/px_pisanie.h"

#include <algorithm>
#include <string>
#include <utility>

#include "book/px_herec.h"
#include "book/px_historia.h"
#include "book/px_reg.h"
#include "book/px_sprava.h"
#include "book/px_stav.h"
#include "framework/core/tf_log.h"
#include "platform/canvas.h"
#include "platform/codepage.h"
#include "platform/window.h"

PX_Pisanie px_pisanie;

namespace {
const char* const SRC = "PX_PISANIE";
const COLORREF VYBER = RGB(80, 150, 255), TMAVA = 0x201818;
constexpr DWORD DVOJKLIK_MS = 500;

CHerec* text() {
    CHerec* o = REG_Objekt(px_pisanie.index);
    return o && o->eui() == PX_TEXT && o->text ? o : nullptr;
}

size_t od() { return std::min(px_pisanie.kurzor, px_pisanie.kotva); }
size_t po() { return std::max(px_pisanie.kurzor, px_pisanie.kotva); }

void chod(size_t pos, bool vyber) {
    px_pisanie.kurzor = pos;
    if (!vyber) px_pisanie.kotva = pos;
}

// A text being written grows and shrinks about its middle: the box moves sideways so that its
// middle stays at half of `stred2`, the half pixel it cannot keep kept for the next change.
void vycentruj(CHerec* o, int stred2) {
    const int x = (stred2 - o->sir) >> 1;  // rounded down, left of the page too
    px_pisanie.pol_pixela = stred2 - o->sir - 2 * x;
    o->fx += x - o->x;  // its motion goes on from the new place
    o->MoveToRel(x, o->y);
}

// The selection (or nothing) replaced by `s`; refused, with a message, past a text's bounds.
void vloz(const std::string& s) {
    CHerec* o = text();
    PX_Text t = *o->text;
    const size_t a = std::min(od(), t.text.size()), b = std::min(po(), t.text.size());
    std::string novy = t.text.substr(0, a) + s + t.text.substr(b);
    if (!PX_Text_Zmesti(novy)) {
        TF_LOG("PX_Pis: text by bol prilis dlhy, znak neprijaty", static_cast<int>(t.text.size()));
        PX_Chyba(plat_W1250(u8"Text je už dlhý: ďalší znak sa nezmestí"));
        return;
    }
    t.text = std::move(novy);
    const int stred2 = 2 * o->x + o->sir + px_pisanie.pol_pixela;  // twice the middle, exact
    o->Nastav_text(t);
    vycentruj(o, stred2);
    PX_Text_Zamier(px_pisanie.index);  // a bubble's tail stays at the grown box
    chod(a + s.size(), false);
    dirty = true;
}

size_t zaciatok_riadku(const std::string& s, size_t pos) {
    const size_t nl = pos == 0 ? std::string::npos : s.rfind('\n', pos - 1);
    return nl == std::string::npos ? 0 : nl + 1;
}
size_t koniec_riadku(const std::string& s, size_t pos) { return std::min(s.find('\n', pos), s.size()); }

// The same column on the line above (-1) or below (+1), or the text's start or end.
size_t riadok_vedla(const std::string& s, size_t pos, int smer) {
    const size_t z = zaciatok_riadku(s, pos), stlpec = pos - z;
    if (smer < 0) return z == 0 ? 0 : std::min(zaciatok_riadku(s, z - 1) + stlpec, z - 1);
    const size_t k = koniec_riadku(s, pos);
    return k == s.size() ? s.size() : std::min(k + 1 + stlpec, koniec_riadku(s, k + 1));
}

void obdlznik(IDirectDrawSurface* page, int x, int y, int w, int h, COLORREF farba, int alpha) {
    if (w <= 0 || h <= 0) return;
    plat_Mask m(w, h);
    std::fill(m.px.begin(), m.px.end(), uint8_t(255));
    plat_Canvas c(w, h);
    plat_CanvasPaint(c, m, farba, alpha);
    plat_CanvasPrepare(c);
    plat_CanvasBlend(page, x, y, c);
}
}  // namespace

bool PX_Pis_Aktivne() { return text() != nullptr; }

void PX_Pis_Zacni(int index, bool novy) {
    if (PX_Pis_Aktivne() && index != px_pisanie.index) index = PX_Pis_Skonci_pri(index);
    const CHerec* o = REG_Objekt(index);
    if (!o || o->eui() != PX_TEXT) return;
    px_pisanie.index = index;
    px_pisanie.novy = novy;
    px_pisanie.pol_pixela = 0;
    if (novy) px_pisanie.dirty_pred = dirty;
    dirty = true;
    chod(o->text->text.size(), false);
}

void PX_Pis_Skonci() {
    CHerec* o = text();
    const int index = px_pisanie.index;
    px_pisanie.index = -1;
    if (!o || !PX_Text_Prazdny(o->text->text)) return;
    TF_LOG("PX_Pis: prazdny text odstraneny", index);
    ODSTRAN_OBJEKT(index);
    if (px_pisanie.novy) dirty = px_pisanie.dirty_pred;
}

int PX_Pis_Skonci_pri(int index) {
    const CHerec* o = REG_Objekt(index);
    PX_Pis_Skonci();
    for (int i = 0; i < REG.count; ++i)
        if (REG_Objekt(i) == o) return i;
    return -1;
}

int PX_Pis_Stlacenie(int index, POINT p) {
    if (const CHerec* o = text(); o && index == px_pisanie.index) {
        chod(PX_Text_Pozicia(*o->text, p.x - o->x, p.y - o->y), GetAsyncKeyState(VK_SHIFT) < 0);
        return -1;
    }
    index = PX_Pis_Skonci_pri(index);
    const CHerec* o = REG_Objekt(index);
    const DWORD teraz = GetTickCount();
    const bool dvoj = o && index == px_pisanie.prvy_klik && teraz - px_pisanie.prvy_klik_kedy <= DVOJKLIK_MS &&
                      o->eui() == PX_TEXT;
    px_pisanie.prvy_klik = dvoj ? -1 : index;
    px_pisanie.prvy_klik_kedy = teraz;
    if (!dvoj) return index;
    PX_HIST_Zaznam(PX_UPRAVA_TEXT);
    PX_Pis_Zacni(index, false);
    return -1;
}

bool PX_Pis_Vzal_klaves() { return std::exchange(px_pisanie.vzal_klaves, false); }

bool PX_Pis_Klaves(int key) {
    CHerec* o = text();
    if (!o) return false;
    px_pisanie.vzal_klaves = true;
    const std::string& s = o->text->text;
    const bool shift = GetAsyncKeyState(VK_SHIFT) < 0, ctrl = GetAsyncKeyState(VK_CONTROL) < 0;
    const size_t k = std::min(px_pisanie.kurzor, s.size());
    switch (key) {
    case VK_ESCAPE: PX_Pis_Skonci(); break;
    case VK_RETURN: vloz("\n"); break;
    case VK_LEFT: chod(!shift && od() != po() ? od() : k > 0 ? k - 1 : 0, shift); break;
    case VK_RIGHT: chod(!shift && od() != po() ? po() : std::min(s.size(), k + 1), shift); break;
    case VK_HOME: chod(zaciatok_riadku(s, k), shift); break;
    case VK_END: chod(koniec_riadku(s, k), shift); break;
    case VK_UP: chod(riadok_vedla(s, k, -1), shift); break;
    case VK_DOWN: chod(riadok_vedla(s, k, +1), shift); break;
    case VK_BACK:
    case VK_DELETE:
        if (od() == po()) chod(key == VK_BACK ? (k > 0 ? k - 1 : 0) : std::min(s.size(), k + 1), true);
        if (od() != po()) vloz("");
        break;
    case 'A':
        if (ctrl) {
            px_pisanie.kotva = 0;
            px_pisanie.kurzor = s.size();
        }
        break;
    default: break;  // every other key stays with the text: none reaches the page's commands
    }
    return true;
}

bool PX_Pis_Znak(int znak) {
    if (!text()) return false;
    const auto c = static_cast<unsigned char>(znak);
    if (znak >= 0x20 && znak <= 0xFF && c != 0x7F && plat_Cp1250ToUnicode(c) != 0xFFFD) vloz(std::string(1, char(c)));
    return true;
}

void PX_Pis_Kresli(IDirectDrawSurface* page) {
    CHerec* o = text();
    if (!o || !page) return;
    const PX_Text& t = *o->text;
    for (size_t a = od(); a < po();) {  // the selection, line by line
        const size_t k = koniec_riadku(t.text, a), b = std::min(k, po());
        const PX_Kurzor z = PX_Text_Kurzor(t, a), v = PX_Text_Kurzor(t, b);
        const int w = std::max(v.x - z.x, b == k && b < po() ? z.vys / 4 : 0);  // a line end shows too
        obdlznik(page, o->x + z.x, o->y + z.y, w, z.vys, VYBER, 120);
        a = k + 1;
    }
    const PX_Kurzor c = PX_Text_Kurzor(t, px_pisanie.kurzor);
    const int w = std::max(2, c.vys / 14);
    obdlznik(page, o->x + c.x - w / 2 - 1, o->y + c.y - 1, w + 2, c.vys + 2, TMAVA, 255);
    obdlznik(page, o->x + c.x - w / 2, o->y + c.y, w, c.vys, PX_Text_Farba(t.farba), 255);
}
