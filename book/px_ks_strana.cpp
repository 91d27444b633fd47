// The page commands of the catalogue: showing a page, starting a new one, saving, and the
// thumbnail that follows a save.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "book/px_historia.h"
#include "book/px_ks.h"
#include "book/px_narracia.h"
#include "book/px_obnova.h"
#include "book/px_plocha.h"
#include "book/px_pozadie.h"
#include "book/px_reg.h"
#include "book/px_sprava.h"
#include "book/px_stav.h"
#include "framework/core/tf_dso.h"
#include "framework/core/tf_fsi.h"
#include "framework/core/tf_log.h"
#include "framework/surface/tf_dbmp.h"
#include "framework/surface/tf_display.h"
#include "framework/surface/tf_icon.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace {
const char SRC[] = "PX_KS";

// The shown page's file as it was loaded or last saved: a file another editor changed since
// is not overwritten.
std::string verzia_zobrazenej;

void klik() {
    if (zvuk_naraz) zvuk_naraz->SPUSTI();
}

// Nothing was written: the page keeps its changes and the author is told.
bool neulozene() {
    dirty = true;
    PX_Chyba(plat_W1250(u8"[Chyba: stranu sa nepodarilo uložiť!]"));
    return false;
}

struct_kniha_strana* posledna_v_knihe(int book) {
    struct_kniha_strana* last = nullptr;
    for (int i = 0; i < KS.count; ++i) {
        auto* ks = static_cast<struct_kniha_strana*>(KS.GET(i));
        if (ks->book_id == book && (!last || ks->page_id > last->page_id)) last = ks;
    }
    return last;
}

// Page files moved in from outside may hold the number already: the first free one from
// `from` on, never overwriting a page.
int volne_cislo(const char* book_path, int from, std::string* path) {
    const size_t n = strlen(book_path);
    const char* sep = n > 0 && book_path[n - 1] == '\\' ? "" : "\\";
    for (int number = from;; ++number) {
        *path = std::string(book_path) + sep + std::to_string(number) + ".str";
        if (!tf_FSI_ExistsFolder(path->c_str())) return number;
    }
}

bool uloz_novu() {
    const struct_kniha_strana* prev = NAJDI_KS(current_book, prev_page);
    if (!prev) {
        TF_LOG(TF_LOG_ERR, "pks_PREV == NULL !");
        return neulozene();
    }
    std::string path;
    const int number = volne_cislo(prev->book_path, prev_page + 1, &path);
    if (!SAVE_REG(path.c_str()) || !PX_Narracia_Uloz(path.c_str())) return neulozene();
    verzia_zobrazenej = plat_FileVersion(path.c_str());

    // The new page goes behind the book's last one, whatever number its file took, so that
    // ids stay 1 ... n in list order.
    const struct_kniha_strana* last = posledna_v_knihe(current_book);
    auto* ks = new struct_kniha_strana(prev->book_index, prev->book_path, prev->book_name, last->page_index + 1,
                                       last->page_id + 1, path.c_str(), std::to_string(number).c_str());
    if (PX_Nastav_cestu_nahladu(ks->page_path) && PX_Zapis_nahlad()) ks->page_icon = PX_Nahraj_nahlad(thumbnail_path);
    ks->hlas = PX_Narracia_Ma_subor(ks->page_path);
    KS.Add(ks);

    current_page = ks->page_id;
    PX_Susedia(current_page);
    PX_Stav_strany();
    NAPLN_STRANY(current_book, true);
    PX_HIST_Premenuj("", ks->page_path);
    thumbnail_request = true;
    dirty = false;
    return true;
}
// The page's file was changed or removed meanwhile (another editor on the same library): the
// author's page goes behind the book's last one instead, and the status line says so.
bool uloz_namiesto(const struct_kniha_strana* ks) {
    TF_LOG("ULOZ_STRANU: subor strany sa medzitym zmenil, ukladam ako novu", ks->page_path);
    const std::string old_name = ks->page_name, old_path = ks->page_path;
    PX_HIST_Premenuj(old_path.c_str(), "");
    prev_page = posledna_v_knihe(current_book)->page_id;
    current_page = PX_NEW_PAGE;
    if (!uloz_novu()) return false;
    const struct_kniha_strana* now = NAJDI_KS(current_book, current_page);
    PX_Chyba((plat_W1250(u8"Strana ") + old_name + plat_W1250(u8" sa medzitým zmenila inde, uložené ako strana ") +
              (now ? now->page_name : ""))
                 .c_str());
    return true;
}
}  // namespace

void PX_Stav_strany() {
    const bool nova = current_page == PX_NEW_PAGE;
    const struct_kniha_strana* ks = NAJDI_KS(current_book, nova ? prev_page : current_page);
    if (nova)
        snprintf(status_text, sizeof status_text, "%s%s  %s", ks ? "kniha: " : "         ", ks ? ks->book_name : "",
                 plat_W1250(u8"[Nová strana]"));
    else if (ks)
        snprintf(status_text, sizeof status_text, "kniha: %s  strana: %s", ks->book_name, ks->page_name);
    else
        snprintf(status_text, sizeof status_text, "%s",
                 plat_W1250(KS.count == 0 ? u8"Začnite tu: Knihy... » Nová kniha"
                                          : u8"Knihy... » vyberte knihu a stranu"));
    TF_LOG(status_text);
}

void PX_Susedia(int page) {
    next_page = NAJDI_KS(current_book, page + 1) ? page + 1 : 0;
    prev_page = page >= 2 && NAJDI_KS(current_book, page - 1) ? page - 1 : 0;
}

bool PX_Zapis_nahlad() {
    IDirectDrawSurface* page = PX_Plocha_Povrch(tf_lpDDSBack);
    if (page && thumbnail_path[0] &&
        tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(tf_lpDD, page, true, PX_NAHLAD_SIR, PX_NAHLAD_VYS, thumbnail_path))
        return true;
    TF_LOG(TF_LOG_ERR, "Nahlad strany sa nepodarilo zapisat");
    TF_LOG("subor:", thumbnail_path);
    PX_Chyba(plat_W1250(u8"[Chyba: obrázok strany pre zoznam sa nepodarilo uložiť]"));
    return false;
}

void VOLBA_STRANY(int book, int page) {
    if (book != current_book) {
        TF_LOG(TF_LOG_ERR, "assert");
        return;
    }
    klik();
    struct_kniha_strana* ks = NAJDI_KS(book, page);
    if (!ks) {
        TF_LOG(TF_LOG_ERR, "VOLBA_STRANY() - nenajdena kniha/strana v strukture KS");
        TF_LOG("ID kniha, strana", book, page);
        return;
    }
    // A thumbnail still due belongs to the page being left; the next frame shows this one.
    thumbnail_request = false;
    PX_HIST_Strana(ks->page_path);
    current_page = page;
    PX_Stav_strany();
    RELOAD_REG(ks->page_path);
    verzia_zobrazenej = plat_FileVersion(ks->page_path);
    PX_Narracia_Nahraj(ks->page_path);
    dirty = false;
    PX_Susedia(page);
}

void NOVA_STRANA(int page) {
    klik();
    thumbnail_request = false;
    prev_page = page;
    current_page = PX_NEW_PAGE;
    next_page = 0;
    PX_Stav_strany();
    PX_HIST_Strana("");
    VYMAZ_REG();
    free(background_path);
    background_path = nullptr;
    PRIPRAV_POZADIE(true);
    PX_Narracia_Vymaz();
    dirty = false;
}

bool ULOZ_STRANU() {
    if (current_page == PX_NEW_PAGE) return uloz_novu();
    struct_kniha_strana* ks = NAJDI_KS(current_book, current_page);
    if (!ks) {
        TF_LOG(TF_LOG_ERR, "pks == NULL !");
        return neulozene();
    }
    if (plat_FileVersion(ks->page_path) != verzia_zobrazenej) return uloz_namiesto(ks);
    if (!SAVE_REG(ks->page_path) || !PX_Narracia_Uloz(ks->page_path)) return neulozene();
    ks->hlas = PX_Narracia_Ma_subor(ks->page_path);
    verzia_zobrazenej = plat_FileVersion(ks->page_path);
    PX_Stav_strany();  // clears an earlier failure's message
    thumbnail_request = PX_Nastav_cestu_nahladu(ks->page_path);
    dirty = false;
    return true;
}

bool PX_Uloz_teraz() {
    PX_Narracia_Zastav_nahravanie();  // a recording under way is saved with the page
    ZOBRAZ_STRANU(PX_Plocha_Povrch(tf_lpDDSBack));
    const bool ok = ULOZ_STRANU();
    if (ok) PX_Obnova_Ulozene();
    PX_Obnov_nahlad();
    PX_HIST_Ulozene();
    return ok;
}

const std::string& PX_Verzia_strany() { return verzia_zobrazenej; }

void PX_Nastav_verziu_strany(const std::string& verzia) { verzia_zobrazenej = verzia; }

bool PX_Uloz_zmeny() {
    PX_Narracia_Zastav_nahravanie();  // left or closed while recording: the recording is kept
    return !dirty || current_book == -1 || current_page == -1 || PX_Uloz_teraz();
}

void PX_Obnov_nahlad() {
    if (!thumbnail_request) return;
    thumbnail_request = false;
    PX_Zapis_nahlad();
    struct_kniha_strana* ks = NAJDI_KS(current_book, current_page);
    if (!ks || !tf_FSI_Existuje_sub(thumbnail_path)) {
        TF_LOG(TF_LOG_ERR, "Nenajdeny KS alebo neexistuje subor!");
        return;
    }
    if (!ks->page_icon) {
        TF_LOG("KS bol bez ikony.", thumbnail_path);
        ks->page_icon = PX_Nahraj_nahlad(thumbnail_path);
        NAPLN_STRANY(current_book, true);
        return;
    }
    // The pages list borrows this icon: its picture is refilled in place.
    ks->page_icon->srf->RESTORE_SURFACE();
}
