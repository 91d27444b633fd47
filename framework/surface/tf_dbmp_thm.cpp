// Thumbnails: a "thm" file beside every "*.bmp" picture of a folder, made once when missing.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/core/tf_arre.h"
#include "framework/core/tf_fsi.h"
#include "framework/core/tf_log.h"
#include "framework/surface/tf_dbmp.h"
#include "framework/surface/tf_display.h"
#include "platform/bmp.h"
#include "platform/files.h"

namespace {
const char* const SRC = "TF_DBMP_w";

enum class Kind {
    PHASE_OR_SQUEEZE,  // a sprite sheet shows its phase around (10, 10), other pictures are squeezed
    SQUEEZE,
    BAND,
};

// The thumbnail of one picture unless it exists already.
void make_missing(const char* picture, Kind kind, IDirectDraw* dd, int sir, int vys) {
    const std::string thm = tf_FSI_Zmen_priponu(picture, "thm");
    if (tf_FSI_Existuje_sub(thm.c_str())) return;
    if (kind == Kind::BAND)
        tf_BMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(dd, picture, sir, vys, 0.25f, 0.75f, thm.c_str());
    else if (kind == Kind::PHASE_OR_SQUEEZE && tf_FSI_Existuje_sub(tf_FSI_Zmen_priponu(picture, "faz").c_str()))
        tf_BMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(dd, picture, sir, vys, thm.c_str(), 10, 10);
    else
        tf_BMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(dd, picture, sir, vys, thm.c_str());
}

// A missing folder lists as empty; it is said so in the log.
bool folder_exists(const char* adresar) {
    if (tf_FSI_ExistsFolder(adresar)) return true;
    TF_LOG(TF_LOG_ERR, "tf_BMP - adresar neexistuje");
    TF_LOG("adresar:", adresar);
    return false;
}

void log_listing_error() { TF_LOG("Doslo k chybe pri nacitani BMP suborov", "X"); }

int list_and_make(const char* adresar, bool len_cesty, IDirectDraw* dd, int sir, int vys, char** mena, int kapacita,
                  int* posledny, Kind kind) {
    if (!posledny) {
        TF_LOG("tf_BMP_Zisti_Vytvor__bmp2thm - posledny == NULL", TF_LOG_RETURN);
        return 0;
    }
    *posledny = -1;
    if (!adresar || !mena || kapacita < 1) {
        TF_LOG("tf_BMP_Zisti_Vytvor__bmp2thm - chyba vstupu", TF_LOG_RETURN);
        return 0;
    }
    if (!folder_exists(adresar)) return 0;
    if (tf_FSI_ListNames(adresar, "*.bmp", 0, true, mena, kapacita, posledny) != 0) log_listing_error();
    for (int i = 0; i <= *posledny; ++i) {
        make_missing(mena[i], kind, dd, sir, vys);
        if (len_cesty) continue;
        char* meno = strdup(tf_FSI_Vystrihni_meno(mena[i]).c_str());
        if (!meno) continue;
        free(mena[i]);
        mena[i] = meno;
    }
    return 0;
}
}  // namespace

bool tf_BMP_Je_nahlad(const char* subor) {
    uint8_t head[14 + 40] = {};
    size_t got = 0;
    if (FILE* f = subor ? plat_fopen(subor, "rb") : nullptr) {
        got = fread(head, 1, sizeof head, f);
        fclose(f);
    }
    plat_BmpHeader hd;
    if (plat_ReadBmpHeader(head, got, &hd) && hd.w <= TF_BMP_NAHLAD_MAX && hd.h <= TF_BMP_NAHLAD_MAX) return true;
    TF_LOG(TF_LOG_ERR, "Nahlad nie je obrazok do 1024 x 1024, necita sa");
    TF_LOG("subor:", subor ? subor : "");
    return false;
}

int tf_BMP_Vytvor__bmp2thm(const char* adresar, int sir, int vys, int mod) {
    if (!adresar) {
        TF_LOG("tf_BMP_Vytvor__bmp2thm - adresar == NULL", TF_LOG_RETURN);
        return 0;
    }
    if (mod != 1 && mod != 2) {
        TF_LOG("Nekorektny mod", mod);
        return 0;
    }
    if (!folder_exists(adresar)) return 0;
    tf_CARRE obrazky;
    if (tf_FSI_Zisti_SubAdr(adresar, "*.bmp", 0, true, &obrazky) != 0) log_listing_error();
    for (int i = 0; i < obrazky.count; ++i)
        make_missing(static_cast<const char*>(obrazky.GET(i)), mod == 1 ? Kind::PHASE_OR_SQUEEZE : Kind::BAND, tf_lpDD,
                     sir, vys);
    obrazky.UVOLNI_char();
    return 0;
}

int tf_BMP_Zisti_Vytvor__bmp2thm(const char* adresar, bool len_cesty, IDirectDraw* dd, int sir, int vys, char** mena,
                                 int kapacita, int* posledny) {
    return list_and_make(adresar, len_cesty, dd, sir, vys, mena, kapacita, posledny, Kind::SQUEEZE);
}

int tf_BMP_Zisti_Vytvor__bmp2thm_s3C(const char* adresar, bool len_cesty, IDirectDraw* dd, int sir, int vys,
                                     char** mena, int kapacita, int* posledny) {
    return list_and_make(adresar, len_cesty, dd, sir, vys, mena, kapacita, posledny, Kind::BAND);
}
