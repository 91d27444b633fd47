// The list menu: construction, entries and alignment codes.
#include "framework/widgets/tf_dui.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/core/tf_log.h"
#include "framework/surface/tf_display.h"
#include "framework/surface/tf_draw.h"

bool tf_CDUI_NoVoid = false;

namespace {
const char* const SRC = "TF_DUI_w";

const char* const KODY_EN[9] = {"LT", "CT", "RT", "LC", "CC", "RC", "LB", "CB", "RB"};
const char* const KODY_SK[9] = {"LH", "CH", "PH", "LC", "CC", "PC", "LD", "CD", "PD"};

int platna_trieda(int trieda) { return trieda >= 0 && trieda <= 2 ? trieda : 2; }

// The codes are two letters and the fields hold three bytes and the end.
void kopiruj_kod(char* mod, const char* kod) { snprintf(mod, 4, "%s", kod); }

bool je_kod(const char* kod) {
    if (!kod) return false;
    for (int i = 0; i < 9; ++i)
        if (strcmp(kod, KODY_EN[i]) == 0 || strcmp(kod, KODY_SK[i]) == 0) return true;
    return false;
}

void nastav_kod(char* mod, const char* kod) {
    if (je_kod(kod)) {
        kopiruj_kod(mod, kod);
        return;
    }
    TF_FAIL(TF_LOG_ERR, "tf_CDUI::SetMode");
}

void nastav_cislo(char* mod, int cislo) {
    if (cislo >= 1 && cislo <= 9) {
        kopiruj_kod(mod, KODY_EN[cislo - 1]);
        return;
    }
    TF_FAIL(TF_LOG_ERR, "SetMode_EN");
}

void nastav_dalsi(char* mod) {
    for (int i = 0; i < 9; ++i)
        if (strcmp(mod, KODY_EN[i]) == 0) {
            kopiruj_kod(mod, KODY_EN[(i + 1) % 9]);
            return;
        }
    TF_FAIL(TF_LOG_ERR, "SetMode_NEXT_EN");
    kopiruj_kod(mod, "LT");
}
}  // namespace

tf_TVOLBA::tf_TVOLBA() : text(strdup("[X]")) {}

tf_TVOLBA::~tf_TVOLBA() {
    if (vlastni_text) free(text);
    if (vlastni_ikona) delete ikona;
}

tf_CDUI::tf_CDUI() {
    TF_LOG("  tf_CDUI::tf_CDUI()");
    zacni("noname", 2);
}

tf_CDUI::tf_CDUI(int trieda_) {
    TF_LOG("  tf_CDUI::tf_CDUI(.)");
    zacni("noname", trieda_);
}

tf_CDUI::tf_CDUI(const char* nazov_) {
    TF_LOG("  tf_CDUI::tf_CDUI(.)", nazov_ ? nazov_ : "");
    zacni(nazov_, 2);
}

tf_CDUI::tf_CDUI(const char* nazov_, int trieda_) {
    TF_LOG("  tf_CDUI::tf_CDUI(..)", nazov_ ? nazov_ : "");
    zacni(nazov_, trieda_);
}

tf_CDUI::tf_CDUI(tf_CPolCHLO* parent_, int rx_, int ry_) : tf_CPol(parent_, rx_, ry_) {
    TF_LOG("  tf_CDUI::tf_CDUI(parent,rx,ry)");
    zacni("noname", 2);
}

tf_CDUI::tf_CDUI(tf_CPolCHLO* parent_, int ID_) : tf_CPol(parent_, ID_) {
    TF_LOG("  tf_CDUI::tf_CDUI(parent,ID)");
    zacni("noname", 2);
}

tf_CDUI::~tf_CDUI() {
    DeleteObject(pero_tmave);
    DeleteObject(pero_ramika);
    DeleteObject(stetec_oznacenej);
    DeleteObject(pero_znacky);
    for (int i = 0; i < volby.count; ++i) delete volba(i);
}

void tf_CDUI::zacni(const char* nazov_, int trieda_) {
    class_id = TF_CLASS_DUI;
    Set_Nazov(nazov_ ? nazov_ : "noname");
    trieda = platna_trieda(trieda_);
    inicializuj();
}

void tf_CDUI::inicializuj() {
    vybrata = 0;
    nad = nad_predtym = nad_nove = -1;
    zamknute = false;
    ciel = nullptr;
    pozadie = 1;
    obal = {1, 1, 100, 100};
    tf_glob_GDI_vytvor();
    stetec_stavu[0] = tf_glob_GDI.brush_blue;
    stetec_stavu[1] = tf_glob_GDI.brush_red;
    stetec_stavu[2] = tf_glob_GDI.brush_yellow;
    stetec_pozadia = GetStockObject(WHITE_BRUSH);
    font = GetStockObject(SYSTEM_FONT);
    sir_znaku = 15;
    posun = posun_x = posun_y = 0;
    rozsir_x = rozsir_y = 0;
    oble = false;
    oble_x = oble_y = 5;
    kreslenie = 1;
    // A derived list runs this again; its pens are made once.
    if (!pero_tmave) pero_tmave = CreatePen(PS_SOLID, 1, 0x00505050);
    if (!pero_ramika) pero_ramika = CreatePen(PS_SOLID, 1, 0x00FF3C3C);
    if (!stetec_oznacenej) stetec_oznacenej = CreateSolidBrush(0x0096DC96);
    if (!pero_znacky) pero_znacky = CreatePen(PS_SOLID, 2, 0x00006E00);
    oznacena = 0;
    vyska_volby = krok_volby = sirka_volby = medzera = 0;
    ramik_volieb = 0;
    master = nullptr;
    popup = false;
    max_riadkov = 0;
    if (!tf_CDUI_NoVoid) {
        tf_CDUI::PRIDAJ(nullptr, 0, "void_0", nullptr, false);
        tf_CDUI::PRIDAJ(nullptr, 1, "void_1", nullptr, false);
        tf_CDUI::PRIDAJ(nullptr, 2, "void_2", nullptr, false);
    }
    nahradene = 0;
    Inic_KP();
    RESET_GEOMETRIE();
}

tf_TVOLBA* tf_CDUI::volba(int i) {
    return i >= 0 && i < volby.count ? static_cast<tf_TVOLBA*>(volby.GET(i)) : nullptr;
}

int tf_CDUI::Count() { return volby.count; }

void tf_CDUI::PRIDAJ(int hodnota, const char* text) { PRIDAJ(nullptr, hodnota, text, nullptr, false); }

void tf_CDUI::PRIDAJ(int hodnota, const char* text, const char* subor) {
    PRIDAJ(nullptr, hodnota, text, new tf_CIcon(subor), true);
}

void tf_CDUI::PRIDAJ(int hodnota, const char* text, tf_CIcon* ikona) { PRIDAJ(nullptr, hodnota, text, ikona, false); }

void tf_CDUI::PRIDAJ(int hodnota, const char* text, tf_CIcon* ikona, bool vlastni_ikona) {
    PRIDAJ(nullptr, hodnota, text, ikona, vlastni_ikona);
}

void tf_CDUI::PRIDAJ(RECT* obdlz, int hodnota, const char* text, tf_CIcon* ikona, bool vlastni_ikona) {
    tf_TVOLBA* v = new tf_TVOLBA();
    v->hodnota = hodnota;
    const int k = volby.count;
    v->obdlz = obdlz ? *obdlz : RECT{50 + 30 * k, 50 + 30 * k, 150 + 30 * k, 100 + 30 * k};
    free(v->text);
    v->text = text ? strdup(text) : nullptr;
    v->vlastni_text = v->text != nullptr;
    zmeraj_popis(text, &v->text_sir, &v->text_vys);
    v->ikona = ikona;
    v->vlastni_ikona = vlastni_ikona;
    // The first real entries take the places of the placeholders; a list that lost some of
    // them meanwhile appends.
    const bool skutocna = !text || !strstr(text, "void_");
    if (skutocna && !tf_CDUI_NoVoid && nahradene < 3 && nahradene < volby.count) {
        delete volba(nahradene);
        volby.SET(nahradene, v);
        ++nahradene;
    } else {
        volby.Add(v);
    }
    zmena = true;
}

void tf_CDUI::Nastav_Text(int hodnota, const char* text) {
    prepis_text<tf_TVOLBA>(volby, hodnota, text);
    zmena = true;
}

// A mark that comes or goes changes the room the captions need.
void tf_CDUI::Oznac(int hodnota) {
    if (hodnota == oznacena) return;
    oznacena = hodnota;
    zmena = true;
}

void tf_CDUI::zmerane_teraz() {
    if (tf_lpDDSPrimary) zmerane = font;  // before the screen there are only stand-in sizes
}

void tf_CDUI::zmeraj_popis(const char* text, int* sir, int* vys) {
    if (!text) {
        *sir = *vys = 0;
    } else if (tf_lpDDSPrimary) {
        tf_glob_ZISTI_ROZMER_TEXTU(text, font, sir, vys);
    } else {
        *sir = 100;
        *vys = 20;
    }
}

void tf_CDUI::ODOBER() {
    if (volby.count == 0) return;
    delete volba(volby.count - 1);
    volby.Del();
    zmena = true;
}

void tf_CDUI::VYMAZ() {
    for (int i = 0; i < volby.count; ++i) delete volba(i);
    volby.Zhod_count();
    tf_CDUI_NoVoid = true;
    zmena = true;
}

void tf_CDUI::SetTextMode(const char* kod) { nastav_kod(text_mod, kod); }
void tf_CDUI::SetTextMode(int cislo) { nastav_cislo(text_mod, cislo); }
void tf_CDUI::SetTextMode_NEXT() { nastav_dalsi(text_mod); }
void tf_CDUI::SetIconMode(const char* kod) { nastav_kod(ikona_mod, kod); }
void tf_CDUI::SetIconMode(int cislo) { nastav_cislo(ikona_mod, cislo); }
void tf_CDUI::SetIconMode_NEXT() { nastav_dalsi(ikona_mod); }
