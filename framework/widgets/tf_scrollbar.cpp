#include "framework/widgets/tf_scrollbar.h"

#include <algorithm>
#include <climits>

#include "framework/core/tf_log.h"
#include "framework/surface/tf_display.h"
#include "framework/widgets/tf_dsgn.h"

namespace {
const char* const SRC = "TF_ScrollBar_w";
// Cross-size of the window the last, cut tile of the track is drawn in.
constexpr long long CROSS = 30;

int to_int(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

// A bar shorter than nothing has no sensible layout: it is taken as empty.
int checked_length(int dlzka) {
    if (dlzka >= 0) return dlzka;
    TF_LOG(TF_LOG_ERR, "tf_CScrollBar - zaporna dlzka", dlzka);
    return 0;
}
}  // namespace

tf_CScrollBar::tf_CScrollBar(tf_CPolCHLO* parent_, int ID_)
    : tf_CPolCHLO(parent_, ID_),
      posuv(new tf_CPosuv(this, ID_POSUV)),
      btnA(new tf_CTlac(this, ID_BTN_A)),
      btnB(new tf_CTlac(this, ID_BTN_B)) {
    class_id = TF_CLASS_SCROLLBAR;
    Set_Nazov("noname_scrollbar");
}

void tf_CScrollBar::navrh(char smer_, int rx_, int ry_, int dlzka_) {
    if (smer_ != 'H' && smer_ != 'V') {
        // Laid out as vertical, drawn without a track; the owner has made a mistake.
        TF_FAIL(TF_LOG_ERR, "tf_CScrollBar - neznamy smer", smer_);
    }
    smer = smer_;
    dlzka = checked_length(dlzka_);
    MoveToRel(rx_, ry_);
}

void tf_CScrollBar::Dsgn_Stock(char smer_, int rx_, int ry_, int dlzka_) {
    navrh(smer_, rx_, ry_, dlzka_);
    stock = 1;
}

void tf_CScrollBar::Dsgn_Void(char smer_, int rx_, int ry_, int dlzka_, int hrubka_) {
    navrh(smer_, rx_, ry_, dlzka_);
    hrubka = hrubka_;
    stock = 0;
}

int tf_CScrollBar::po_osi(tf_CDAS* e) const { return smer == 'H' ? e->AktSIR() : e->AktVYS(); }

void tf_CScrollBar::koniec_drahy() {
    posuv->rel_do = to_int(static_cast<long long>(dlzka) - po_osi(btnA) - po_osi(posuv) + 2);
}

// The knob runs from just after button A to just before button B, which ends the bar
// (a phase draws one pixel less than its size). The set-up walk re-places the children.
int tf_CScrollBar::SetupVisual() {
    if (stock == 1) {
        const bool h = smer == 'H';
        btnA->Dsgn1_Stock(0, 0, h ? "_posuvH_btnA_" : "_posuvV_btnA_");
        const int a = po_osi(btnA);
        posuv->Dsgn(1, h ? 'H' : 'V', 0, a - 1, to_int(static_cast<long long>(dlzka) - a - 70));
        koniec_drahy();
        const int b = to_int(static_cast<long long>(dlzka) - a + 1);
        btnB->Dsgn1_Stock(h ? b : 0, h ? 0 : b, h ? "_posuvH_btnB_" : "_posuvV_btnB_");
        podklad.EVIDUJ_PREBER(h ? &tf_DSGN.posuvH_podklad : &tf_DSGN.posuvV_podklad);
    }
    if (rozsah_od == 0 && rozsah_do == 0)
        posuv->SR(1, 100);
    else
        posuv->SR(rozsah_od, rozsah_do);
    return 0;
}

void tf_CScrollBar::GetSize(int* sir, int* vys) {
    if (smer != 'H' && smer != 'V') return;
    int aw = 0, ah = 0;
    btnA->GetSize(&aw, &ah);
    *sir = smer == 'H' ? dlzka : aw;
    *vys = smer == 'H' ? ah : dlzka;
}

void tf_CScrollBar::SetSize(int sir, int vys) {
    if (smer == 'H' || smer == 'V') {
        dlzka = checked_length(smer == 'H' ? sir : vys);
        (smer == 'H' ? btnB->rx : btnB->ry) = to_int(static_cast<long long>(dlzka) - po_osi(btnA) + 1);
        koniec_drahy();
    }
    btnB->Rodic_reset();
    posuv->Rodic_reset();
}

void tf_CScrollBar::SR(int od, int po) {
    rozsah_od = od;
    rozsah_do = po;
    posuv->SR(od, po);
}

bool tf_CScrollBar::HandleFWInteraction(int id, int value, tf_CPol* source) {
    const int krok = id == ID_BTN_A ? -1 : id == ID_BTN_B ? 1 : 0;
    if (krok == 0 && id != ID_POSUV) return tf_CPolCHLO::HandleFWInteraction(id, value, source);
    // A step moves the knob even when nobody listens; the knob keeps it within the range.
    if (krok != 0) posuv->SP(to_int(static_cast<long long>(posuv->GP()) + krok));
    return parent ? parent->HandleFWInteraction(ID, posuv->GP(), this) : false;
}

void tf_CScrollBar::ZOBRAZ(IDirectDrawSurface* surface) {
    if (!zivy) return;
    kresli_podklad(surface);
    tf_CPolCHLO::ZOBRAZ(surface);
}

// Whole tiles along the bar, then the remainder cut at the bar's end.
void tf_CScrollBar::kresli_podklad(IDirectDrawSurface* surface) {
    const bool h = smer == 'H';
    if ((!h && smer != 'V') || !podklad.srf || podklad.faza.sir == 0 || podklad.faza.vys == 0 || dlzka <= 0) return;
    const long long krok = (h ? podklad.faza.sir : podklad.faza.vys) - 1LL;  // the drawn length
    if (krok <= 0) return;
    const long long od = h ? x : y, n = dlzka / krok, okraj = h ? tf_ScreenW : tf_ScreenH;
    // Tiles off the screen draw nothing, so a long bar walks only the ones it shows.
    for (long long k = std::max(0LL, -od / krok - 2); k < n && od + k * krok < okraj; ++k) {
        const int p = static_cast<int>(od + k * krok);
        podklad.ZOBRAZ(surface, h ? p : x, h ? y : p);
    }
    const long long zvysok = od + n * krok;
    if (zvysok + krok < 0 || zvysok > INT_MAX - krok) return;
    const int p = static_cast<int>(zvysok), koniec = to_int(od + dlzka);
    if (h)
        podklad.ZOBRAZ_2(surface, x, koniec, y, to_int(y + CROSS), p, y);
    else
        podklad.ZOBRAZ_2(surface, x, to_int(x + CROSS), y, koniec, x, p);
}
