// The row list: construction, rows, and finding them.
#include "framework/widgets/tf_duir.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "framework/core/tf_log.h"

namespace {
const char* const SRC = "TF_DUIR_w";
}

tf_TVOLBAR::~tf_TVOLBAR() {
    if (data) {
        TF_FAIL(TF_LOG_ERR, "CHYBA: ~tf_TVOLBAR() detekoval neuvolnene privatne data na (data->) !");
    }
    if (vlastni_text) free(text);
    if (vlastni_ikona) delete ikona;
}

tf_CDUIR::tf_CDUIR() { inicializuj_r(); }

tf_CDUIR::tf_CDUIR(const char* nazov_) {
    Set_Nazov(nazov_ ? nazov_ : "noname");
    inicializuj_r();
}

tf_CDUIR::tf_CDUIR(tf_CPolCHLO* parent_, int rx_, int ry_) : tf_CDUI(parent_, rx_, ry_) { inicializuj_r(); }

tf_CDUIR::tf_CDUIR(tf_CPolCHLO* parent_, int ID_) : tf_CDUI(parent_, ID_) { inicializuj_r(); }

tf_CDUIR::~tf_CDUIR() {
    TF_LOG("tf_CDUIR::~tf_CDUIR()", nazov);
    TF_LOG("  VOLR.count", riadky.count);
    znic_riadky(0);
}

// The embedded slider and buttons have no parent: the list is no container, so they are
// placed on the screen by the layout and the list hands them its events.
void tf_CDUIR::inicializuj_r() {
    class_id = TF_CLASS_DUIR;
    // The menu part is set up again as a column; its placeholders are made afresh.
    for (int i = 0; i < volby.count; ++i) delete volba(i);
    volby.Zhod_count();
    trieda = 2;
    inicializuj();
    nahradene_r = 0;
    posuvnik.zivy = false;
    posuvnik.SetSize(20, 60);
    for (tf_CTlac* t : {&tlac_hore, &tlac_dole}) {
        t->zivy = false;
        t->SetSize(20, 20);
    }
    ikona_drahy.platny = 0;
    posuvanie = false;
    max_viditelnych = 7;
    posun_r = 0;
    max_posun = 100;
    na_koniec = false;
    posuvnik.SP(0);
    if (!tf_CDUI_NoVoid) {
        PRIDAJR(0, "voidR_0", nullptr, false);
        PRIDAJR(1, "voidR_1", nullptr, false);
        PRIDAJR(2, "voidR_2", nullptr, false);
    }
    nahradene_r = 0;
    zmena_r = true;
}

tf_TVOLBAR* tf_CDUIR::riadok(int i) {
    return i >= 0 && i < riadky.count ? static_cast<tf_TVOLBAR*>(riadky.GET(i)) : nullptr;
}

void tf_CDUIR::znic_riadky(int od) {
    while (riadky.count > od) {
        delete riadok(riadky.count - 1);
        riadky.Del();
    }
}

tf_TVOLBAR* tf_CDUIR::PRIDAJR(int hodnota, const char* text, tf_CIcon* ikona, bool vlastni_ikona) {
    tf_TVOLBAR* vr = new tf_TVOLBAR();
    vr->hodnota = hodnota;
    vr->text = text ? strdup(text) : nullptr;
    zmeraj_popis(text, &vr->text_sir, &vr->text_vys);
    vr->ikona = ikona;
    vr->vlastni_ikona = vlastni_ikona;
    // The first real rows take the places of the placeholders.
    const bool skutocny = !text || !strstr(text, "voidR_");
    if (skutocny && !tf_CDUI_NoVoid && nahradene_r < 3 && nahradene_r < riadky.count) {
        tf_TVOLBAR* stary = riadok(nahradene_r);
        riadky.SET(nahradene_r, vr);
        delete stary;
        ++nahradene_r;
        RESET_GEOMETRIER();  // the view borrowed the old row's caption
    } else {
        riadky.Add(vr);
    }
    if (na_koniec) {
        if (!posuvanie && riadky.count <= viditelnych()) {
            zmena_r = true;
        } else {
            RESET_GEOMETRIER();
            posuvnik.SP(max_posun);
        }
    }
    zmena_r = true;
    return vr;
}

void tf_CDUIR::PRIDAJ(int hodnota, const char* text) { PRIDAJR(hodnota, text, nullptr, false); }

void tf_CDUIR::PRIDAJ(int hodnota, const char* text, const char* subor) {
    PRIDAJR(hodnota, text, new tf_CIcon(subor), true);
}

void tf_CDUIR::PRIDAJ(int hodnota, const char* text, tf_CIcon* ikona) { PRIDAJR(hodnota, text, ikona, false); }

void tf_CDUIR::PRIDAJ(int hodnota, const char* text, tf_CIcon* ikona, bool vlastni_ikona) {
    PRIDAJR(hodnota, text, ikona, vlastni_ikona);
}

// The view is laid out at once, so that it never shows or reports a row that is gone.
void tf_CDUIR::ODOBERR() {
    if (riadky.count == 0) return;
    znic_riadky(riadky.count - 1);
    RESET_GEOMETRIER();
}

void tf_CDUIR::VYMAZR() {
    znic_riadky(0);
    tf_CDUI_NoVoid = true;
    nad = nad_nove = -1;
    RESET_GEOMETRIER();
}

tf_TVOLBAR* tf_CDUIR::VratVolbu__indexovo(int index) {
    if (tf_TVOLBAR* vr = riadok(index)) return vr;
    TF_FAIL("CHYBA: tf_CDUIR::VratVolbu__indexovo - Index mimo rozsah", index);
    return nullptr;
}

tf_TVOLBAR* tf_CDUIR::VratVolbu__hodnotovo(int hodnota) {
    for (int i = 0; i < riadky.count; ++i)
        if (riadok(i)->hodnota == hodnota) return riadok(i);
    return nullptr;
}

tf_TVOLBAR* tf_CDUIR::VratVolbu__podla_textu(const char* text) {
    for (int i = 0; text && i < riadky.count; ++i)
        if (riadok(i)->text && strcmp(riadok(i)->text, text) == 0) return riadok(i);
    return nullptr;
}

void tf_CDUIR::Nastav_Text(int hodnota, const char* text) {
    prepis_text<tf_TVOLBAR>(riadky, hodnota, text);
    RESET_GEOMETRIER();  // the view borrowed the old caption
}

void tf_CDUIR::Eviduj_Master_Detail_popupR(int hodnota, tf_CDUI* detail) {
    if (tf_TVOLBAR* vr = VratVolbu__hodnotovo(hodnota)) pripoj_detail(vr, detail);
}

void tf_CDUIR::Eviduj_Master_Detail_popupR__indexovo(int index, tf_CDUI* detail) {
    if (tf_TVOLBAR* vr = riadok(index)) {
        pripoj_detail(vr, detail);
        return;
    }
    TF_FAIL("ERROR,CHYBA: CDUIR::Eviduj_Master_Detail_popupR__indexovo - Nekorektny index", index);
}

void tf_CDUIR::pripoj_detail(tf_TVOLBAR* vr, tf_CDUI* detail) {
    if (tvori_kruh(detail)) return;
    vr->detail = detail;
    if (detail) detail->master = this;
    zmena_r = true;  // the view entry takes it over at the next layout
}
