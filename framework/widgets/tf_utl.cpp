// The two pickers: pictures of a folder with their thumbnails, and subfolders.
#include "framework/widgets/tf_utl.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/core/tf_fsi.h"
#include "framework/core/tf_log.h"
#include "framework/surface/tf_dbmp.h"

namespace {
const char* const SRC = "TF_UTL_w";

char* kopia(const char* s) { return s ? strdup(s) : nullptr; }

// The rows' path copies are ours; a row must not go with one still set.
void uvolni_data(tf_CDUIR& l) {
    for (int i = 0; i < l.CountR(); ++i) {
        free(l[i]->data);
        l[i]->data = nullptr;
    }
}

// Full paths of the entries of `adresar` into `cesty` (strdup'd). A folder that is gone or
// cannot be listed is logged with `chyba`; what was found is kept.
void zisti(const char* adresar, const char* maska, int druh, const char* chyba, tf_CARRE* cesty) {
    const bool existuje = adresar && *adresar && tf_FSI_ExistsFolder(adresar);
    if (!existuje || tf_FSI_Zisti_SubAdr(adresar, maska, druh, true, cesty) != 0) TF_LOG(chyba, "X");
}

const char* cesta_v(tf_CARRE& cesty, int i) { return static_cast<const char*>(cesty.GET(i)); }
}  // namespace

// ---- pictures

tf_UTL_CDUIR_THMFILE::tf_UTL_CDUIR_THMFILE() {
    nastav();
    TF_LOG("  tf_UTL_CDUIR_THMFILE::tf_UTL_CDUIR_THMFILE()");
}

tf_UTL_CDUIR_THMFILE::tf_UTL_CDUIR_THMFILE(const char* nazov_) : tf_CDUIR(nazov_) {
    nastav();
    Set_Nazov(nazov_ ? nazov_ : "noname");
    TF_LOG("  tf_UTL_CDUIR_THMFILE::tf_UTL_CDUIR_THMFILE(.)", nazov);
}

tf_UTL_CDUIR_THMFILE::tf_UTL_CDUIR_THMFILE(tf_CPolCHLO* parent_, int rx_, int ry_) : tf_CDUIR(parent_, rx_, ry_) {
    nastav();
    TF_LOG("  tf_UTL_CDUIR_THMFILE::tf_UTL_CDUIR_THMFILE(parent,rx,ry)");
}

tf_UTL_CDUIR_THMFILE::tf_UTL_CDUIR_THMFILE(tf_CPolCHLO* parent_, int ID_) : tf_CDUIR(parent_, ID_) {
    nastav();
    TF_LOG("  tf_UTL_CDUIR_THMFILE::tf_UTL_CDUIR_THMFILE(parent,iID)");
}

tf_UTL_CDUIR_THMFILE::~tf_UTL_CDUIR_THMFILE() {
    TF_LOG("  tf_UTL_CDUIR_THMFILE::~tf_UTL_CDUIR_THMFILE", nazov);
    uvolni_data(*this);
}

void tf_UTL_CDUIR_THMFILE::nastav() {
    class_id = TF_CLASS_UTL_THMFILE;
    Set_Nazov("noname");
    thm_sir = 100;
    thm_vys = 75;
    zmena_r = true;
}

int tf_UTL_CDUIR_THMFILE::LOAD(const char* adresar, bool priehladne) {
    tf_CARRE cesty;
    zisti(adresar, "*.bmp", 0, "Doslo k chybe pri nacitani BMP suborov", &cesty);
    // Thumbnails take their key from pixel (1, 1) only when asked to.
    const tf_CIconTransparency priehladnost(priehladne ? 1 : 0);
    for (int i = 0; i < cesty.count; ++i) {
        const char* cesta = cesta_v(cesty, i);
        const std::string thm = tf_FSI_Zmen_priponu(cesta, "thm");
        const bool je = tf_FSI_Existuje_sub(thm.c_str()) && tf_BMP_Je_nahlad(thm.c_str());
        const char* nahlad = je ? thm.c_str() : nullptr;
        PRIDAJ_THMFILE(i + 1, tf_FSI_Vystrihni_meno(cesta).c_str(), nahlad, cesta);
    }
    cesty.UVOLNI_char();
    return 0;
}

void tf_UTL_CDUIR_THMFILE::PRIDAJ_THMFILE(int hodnota, const char* text, const char* thm, const char* cesta) {
    tf_TVOLBAR* vr = PRIDAJR(hodnota, text, new tf_CIcon(thm), true);
    vr->data = kopia(cesta);
}

int tf_UTL_CDUIR_THMFILE::RELOAD(const char* adresar, bool priehladne) {
    if (CountR() > 0) {
        uvolni_data(*this);
        VYMAZR();
    }
    return LOAD(adresar, priehladne);
}

int tf_UTL_CDUIR_THMFILE::XRELOAD(const char* adresar, bool priehladne) {
    tf_BMP_Vytvor__bmp2thm(adresar, thm_sir, thm_vys, 1);
    RELOAD(adresar, priehladne);
    AUTORESIZE();
    return 0;
}

// An icon whose thumbnail was missing keeps the default phase of 100 x 100.
int tf_UTL_CDUIR_THMFILE::GetIconsStatistics(int* min_sir, int* max_sir, int* min_vys, int* max_vys) {
    int n = 0, s_min = 0, s_max = 0, v_min = 0, v_max = 0;
    for (int i = 0; i < CountR(); ++i) {
        const tf_CIcon* ikona = (*this)[i]->ikona;
        if (!ikona) continue;
        const int s = ikona->faza.sir, v = ikona->faza.vys;
        if (n++ == 0) {
            s_min = s_max = s;
            v_min = v_max = v;
            continue;
        }
        s_min = std::min(s_min, s);
        s_max = std::max(s_max, s);
        v_min = std::min(v_min, v);
        v_max = std::max(v_max, v);
    }
    if (n == 0) return 0;
    if (min_sir) *min_sir = s_min;
    if (max_sir) *max_sir = s_max;
    if (min_vys) *min_vys = v_min;
    if (max_vys) *max_vys = v_max;
    return n;
}

// Rows grow to the tallest icon but never beyond 150; the caption moves right of the widest.
int tf_UTL_CDUIR_THMFILE::AUTORESIZE() {
    int sir = 0, vys = 0;
    if (GetIconsStatistics(nullptr, &sir, nullptr, &vys) == 0) return -1;
    vyska_volby = vys >= 151 ? 150 : std::max(vyska_volby, vys + 1);
    krok_volby = vyska_volby + 8;
    ikona_okraj = 1;
    SetIconMode("LC");
    text_okraj = sir < 151 ? std::max(text_okraj, sir + 15) : 150;
    SetTextMode("LC");
    zmena_r = true;
    return 0;
}

// ---- folders

tf_UTL_CDUIR_DIR::tf_UTL_CDUIR_DIR() {
    nastav();
    TF_LOG("  tf_UTL_CDUIR_DIR::tf_UTL_CDUIR_DIR()");
}

tf_UTL_CDUIR_DIR::tf_UTL_CDUIR_DIR(const char* nazov_) : tf_CDUIR(nazov_) {
    nastav();
    Set_Nazov(nazov_ ? nazov_ : "noname");
    TF_LOG("  tf_UTL_CDUIR_DIR::tf_UTL_CDUIR_DIR(.)", nazov);
}

tf_UTL_CDUIR_DIR::tf_UTL_CDUIR_DIR(tf_CPolCHLO* parent_, int rx_, int ry_) : tf_CDUIR(parent_, rx_, ry_) {
    nastav();
    TF_LOG("  tf_UTL_CDUIR_DIR::tf_UTL_CDUIR_DIR(parent,rx,ry)");
}

tf_UTL_CDUIR_DIR::tf_UTL_CDUIR_DIR(tf_CPolCHLO* parent_, int ID_) : tf_CDUIR(parent_, ID_) {
    nastav();
    TF_LOG("  tf_UTL_CDUIR_DIR::tf_UTL_CDUIR_DIR(parent,iID)");
}

tf_UTL_CDUIR_DIR::~tf_UTL_CDUIR_DIR() {
    TF_LOG("  tf_UTL_CDUIR_DIR::~tf_UTL_CDUIR_DIR", nazov);
    uvolni_data(*this);
}

void tf_UTL_CDUIR_DIR::nastav() {
    class_id = TF_CLASS_UTL_DIR;
    Set_Nazov("noname");
    zmena_r = true;
}

int tf_UTL_CDUIR_DIR::LOAD(const char* adresar, const char* maska) {
    tf_CARRE cesty;
    zisti(adresar, maska, 1, "Doslo k chybe pri nacitani adresarov", &cesty);
    for (int i = 0; i < cesty.count; ++i) {
        const char* cesta = cesta_v(cesty, i);
        PRIDAJ_DIR(i + 100, tf_FSI_Odstrihni_meno(cesta).c_str(), cesta);
    }
    cesty.UVOLNI_char();
    return 0;
}

void tf_UTL_CDUIR_DIR::PRIDAJ_DIR(int hodnota, const char* text, const char* cesta) {
    tf_TVOLBAR* vr = PRIDAJR(hodnota, text, nullptr, false);
    vr->data = kopia(cesta);
}
