#include "framework/widgets/tf_tlac.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "framework/core/tf_log.h"
#include "framework/widgets/tf_polchlo.h"

namespace {
const char* const SRC = "TF_DAS_w";

// Share of `part` in `whole` in single precision; a zero-length whole gives 0.
float ratio(long long part, long long whole) {
    return whole == 0 ? 0.0f : static_cast<float>(part) / static_cast<float>(whole);
}

// from + trunc((to - from) * f), kept between the two ends against float rounding.
int along(int from, int to, float f) {
    const long long span = static_cast<long long>(to) - from;
    const long long v = from + static_cast<long long>(static_cast<float>(span) * f);
    return static_cast<int>(std::clamp<long long>(v, std::min(from, to), std::max(from, to)));
}

int clamp_between(int v, int a, int b) { return std::clamp(v, std::min(a, b), std::max(a, b)); }
}  // namespace

// ---- button

tf_CTlac::tf_CTlac() { init(); }

tf_CTlac::tf_CTlac(const char* nazov_) {
    init();
    Set_Nazov(nazov_);
}

tf_CTlac::tf_CTlac(tf_CPolCHLO* parent_, int rx_, int ry_, int ID_) : tf_CDAS(parent_, rx_, ry_) {
    init();
    ID = ID_;
}

tf_CTlac::tf_CTlac(tf_CPolCHLO* parent_, int ID_) : tf_CDAS(parent_, ID_) {
    init();
    snprintf(nazov, sizeof nazov, "ID %d", ID_);
    TF_LOG("  tf_CTlac::tf_CTlac(parent.)", nazov);
}

void tf_CTlac::init() {
    class_id = TF_CLASS_TLAC;
    Set_Nazov("noname_tlac");
    sir = 100;
    vys = 45;
    tahom = false;
}

tf_CTlac::~tf_CTlac() { TF_LOG("  tf_CTlac::~tf_CTlac()", nazov); }

bool tf_CTlac::INFORMUJ_SA(int px, int py, int event) {
    if (!zivy) return false;
    const bool consumed = tf_CDAS::INFORMUJ_SA(px, py, event);
    SF(stav);
    stlacene = stav == 2 ? 1 : 0;
    return consumed;
}

bool tf_CTlac::INFORMUJ_SA2(int px, int py, int event) {
    const int before = stav;
    INFORMUJ_SA(px, py, event);
    return stav != before;
}

bool tf_CTlac::STLACENE() {
    if (stav != 2) return false;
    stav = 1;
    stlacene = 0;
    SF(1);
    return true;
}

bool tf_CTlac::PollAction(int* value) {
    if (!STLACENE()) return false;
    *value = 1;
    return true;
}

// ---- slider

tf_CPosuv::tf_CPosuv() { init(); }

tf_CPosuv::tf_CPosuv(const char* nazov_) {
    init();
    Set_Nazov(nazov_);
}

tf_CPosuv::tf_CPosuv(tf_CPolCHLO* parent_, int ID_, int rx_, int ry_) : tf_CDAS(parent_, rx_, ry_) {
    ID = ID_;
    init();
}

tf_CPosuv::tf_CPosuv(tf_CPolCHLO* parent_, int ID_) : tf_CDAS(parent_, ID_) { init(); }

void tf_CPosuv::init() {
    class_id = TF_CLASS_POSUV;
    Set_Nazov("noname_posuv");
    sir = 10;
    vys = 10;
    Dsgn(0, 'V', 50, 20, 100);
}

void tf_CPosuv::Dsgn(int skin, char smer_, int os, int zaciatok, int dlzka) {
    smer = smer_ == 'H' ? 'H' : 'V';
    if (skin == 1) Dsgn1_Stock(0, 0, smer == 'H' ? "_posuvH_" : "_posuvV_");
    if (skin == 2) Dsgn1_Stock(0, 0, smer == 'H' ? "_posuvH2_" : "_posuvV2_");
    rel_os = os;
    rel_od = zaciatok;
    rel_do = zaciatok + dlzka;
    Rodic_reset();
}

// Without a parent the track is taken from the screen's origin, as any parentless widget's
// place is.
void tf_CPosuv::Rodic_reset() {
    const int ox = parent ? parent->x : 0, oy = parent ? parent->y : 0;
    trasa_od = (smer == 'V' ? oy : ox) + rel_od;
    trasa_do = (smer == 'V' ? oy : ox) + rel_do;
    trasa_os = (smer == 'V' ? ox : oy) + rel_os;
    Poz_reset();
}

void tf_CPosuv::sync_offsets() {
    rx = parent ? x - parent->x : x;
    ry = parent ? y - parent->y : y;
}

void tf_CPosuv::Poz_reset() {
    const int along_track = along(trasa_od, trasa_do, ratio(static_cast<long long>(poz) - rozsah_od,
                                                            static_cast<long long>(rozsah_do) - rozsah_od));
    x = smer == 'V' ? trasa_os : along_track;
    y = smer == 'V' ? along_track : trasa_os;
    sync_offsets();
}

bool tf_CPosuv::INFORMUJ_SA(int px, int py, int event) {
    if (!zivy) return false;
    const bool consumed = tf_CDAS::INFORMUJ_SA(px, py, event);
    SF(stav);
    if (stav != 2) return consumed;
    // The element let the knob follow the pointer freely; put it back on its track.
    int& across = smer == 'V' ? x : y;
    int& on_track = smer == 'V' ? y : x;
    across = trasa_os;
    on_track = clamp_between(on_track, trasa_od, trasa_do);
    sync_offsets();
    const float f = ratio(static_cast<long long>(on_track) - trasa_od, static_cast<long long>(trasa_do) - trasa_od);
    poz = along(rozsah_od, rozsah_do, f);
    return true;
}

bool tf_CPosuv::PollAction(int* value) {
    if (stav != 2) return false;
    *value = GP();
    return true;
}

void tf_CPosuv::SR(int od, int po) {
    if (od > po) std::swap(od, po);
    if (od == po) {
        if (po <= INT_MAX - 100)
            po += 100;
        else
            od -= 100;
    }
    rozsah_od = od;
    rozsah_do = po;
    SP(poz);
}

void tf_CPosuv::SP(int poz_) {
    poz = clamp_between(poz_, rozsah_od, rozsah_do);
    Poz_reset();
}

// ---- switch

tf_CDPrep::tf_CDPrep() {
    init();
    TF_LOG("  tf_CDPrep::tf_CDPrep()", nazov);
}

tf_CDPrep::tf_CDPrep(const char* nazov_) {
    init();
    Set_Nazov(nazov_);
    TF_LOG("  tf_CDPrep::tf_CDPrep(.)", nazov);
}

tf_CDPrep::tf_CDPrep(tf_CPolCHLO* parent_, int ID_) : tf_CDAS(parent_, ID_) {
    init();
    TF_LOG("  tf_CDPrep::tf_CDPrep(parent.)", nazov);
}

void tf_CDPrep::init() {
    class_id = TF_CLASS_DPREP;
    Set_Nazov("noname_prep");
    tahom = false;
}

void tf_CDPrep::ukaz_stav() {
    if (stav != 0)
        SF(zapnute ? 3 : 1);
    else
        SF(zapnute ? 2 : 0);
}

bool tf_CDPrep::INFORMUJ_SA(int px, int py, int event) {
    if (!zivy) return false;
    const int before = stav;
    const bool consumed = tf_CDAS::INFORMUJ_SA(px, py, event);
    if (before == 1 && stav == 2) zapnute = radio != 0 ? true : !zapnute;
    hodnota = zapnute ? 1 : 0;
    ukaz_stav();
    return consumed;
}

bool tf_CDPrep::PollAction(int* value) {
    if (stav != 2) return false;
    stav = 1;
    ukaz_stav();
    *value = 1;
    return true;
}
