// The catalogue: built from the book folders beside the program's own, the books and pages
// lists filled from it, choosing a book, and the final clean-up.
#include "book/px_ks.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <set>
#include <string>

#include "book/px_narracia.h"
#include "book/px_nazov.h"
#include "book/px_nastavenia.h"
#include "book/px_plocha.h"
#include "book/px_reg.h"
#include "book/px_sprava.h"
#include "book/px_stav.h"
#include "book/px_trieda.h"
#include "framework/core/tf_dso.h"
#include "framework/core/tf_fsi.h"
#include "framework/core/tf_log.h"
#include "framework/surface/tf_dbmp.h"
#include "framework/surface/tf_icon.h"
#include "framework/widgets/tf_duir.h"
#include "framework/widgets/tf_polchlo.h"
#include "framework/widgets/tf_utl.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace {
const char SRC[] = "PX_KS";
const size_t PREFIX = 6;  // "KNIHA_"

struct_kniha_strana* zaznam(int i) { return static_cast<struct_kniha_strana*>(KS.GET(i)); }

void znic_zaznamy() {
    for (int i = 0; i < KS.count; ++i) {
        delete zaznam(i);
        KS.SET(i, nullptr);
    }
    KS.Zhod_count();
}

void pridaj_riadok_knihy(int id, const char* book_path, const char* name) {
    if (!duir_KNIHY) return;
    const std::string icon = std::string(book_path) + "\\kniha_ikona.bmp";
    if (tf_FSI_Existuje_sub(icon.c_str()))
        duir_KNIHY->PRIDAJ(id, name, icon.c_str());
    else
        duir_KNIHY->PRIDAJ(id, name, default_book_icon, false);
}

void nacitaj_strany(int i, const char* book_path, const char* name) {
    TF_LOG("---- kniha");
    TF_LOG(book_path, i);
    tf_CARRE pages(0, 0, 2);
    if (!tf_FSI_ExistsFolder(book_path) || tf_FSI_Zisti_SubAdr(book_path, "*.str", 0, true, &pages) != 0)
        TF_LOG("Doslo k chybe pri nacitani stran v", book_path);
    TF_LOG("#stran", pages.count);
    for (int j = 0; j < pages.count; ++j) {
        const char* page_path = static_cast<const char*>(pages[j]);
        const std::string page_name = tf_FSI_Vystrihni_meno(page_path);
        KS.Add(new struct_kniha_strana(i, book_path, name, j, j + 1, page_path, page_name.c_str()));
    }
    pages.UVOLNI_char();
}

// A path as the file system matches it: without regard to case.
std::string bez_velkych(std::string path) {
    for (char& c : path) c = static_cast<char>(plat_Cp1250Lower(static_cast<unsigned char>(c)));
    return path;
}

// The book's files of one kind, as the file system matches them: without regard to case.
std::set<std::string> subory(const char* book_path, const char* pattern) {
    std::set<std::string> names;
    tf_CARRE found(0, 0, 2);
    tf_FSI_Zisti_SubAdr(book_path, pattern, 0, true, &found);
    for (int j = 0; j < found.count; ++j) names.insert(bez_velkych(static_cast<const char*>(found[j])));
    found.UVOLNI_char();
    return names;
}

// Page thumbnails are loaded when their book's pages are first listed, not with the catalogue:
// one book's pages show at a time, and a school's library holds thousands. The book's
// thumbnails and narrations are listed once, so that a page without them costs no search of
// its folder.
void nahraj_ikony(int book) {
    std::set<std::string> thumbnails, narrations;
    bool listed = false;
    for (int i = 0; i < KS.count; ++i) {
        struct_kniha_strana* ks = zaznam(i);
        if (ks->book_id != book || ks->page_icon || ks->icon_sought) continue;
        if (!listed) {
            listed = true;
            thumbnails = subory(ks->book_path, "*.thm");
            narrations = subory(ks->book_path, "*.wav");
        }
        ks->icon_sought = true;
        ks->hlas = narrations.count(bez_velkych(tf_FSI_Zmen_priponu(ks->page_path, "wav"))) > 0;
        const std::string path = tf_FSI_Zmen_priponu(ks->page_path, "thm");
        if (thumbnails.count(bez_velkych(path))) ks->page_icon = PX_Nahraj_nahlad(path.c_str());
    }
}

// The path of the page the editor shows (or, on a new page, of the page before it), or "".
std::string cesta_strany() {
    const struct_kniha_strana* ks = NAJDI_KS(current_book, current_page == PX_NEW_PAGE ? prev_page : current_page);
    return ks ? ks->page_path : "";
}

// Ids follow the listing, so a book or page listed before the current one shifts its id: the
// current book and page are found again by their paths. A page no longer there leaves
// current_page -1 (what it showed stays for the caller to replace); a book no longer there,
// no book.
void najdi_znova_aktualnu(const std::string& book_path, const std::string& page_path) {
    const int old = current_book;
    current_book = -1;
    int page = -1;
    for (int i = 0; i < KS.count && !book_path.empty(); ++i) {
        if (book_path == zaznam(i)->book_path) current_book = zaznam(i)->book_id;
        if (book_path == zaznam(i)->book_path && page_path == zaznam(i)->page_path) page = zaznam(i)->page_id;
    }
    if (old == -1) return;
    if (current_book == -1) {
        current_page = -1;
        next_page = prev_page = 0;
    } else if (current_page == PX_NEW_PAGE) {
        // When its page before went, it comes after the book's last page instead.
        int last = 0;
        for (int i = 0; i < KS.count; ++i)
            if (zaznam(i)->book_id == current_book) last = std::max(last, zaznam(i)->page_id);
        prev_page = page != -1 ? page : last;
    } else {
        current_page = page;
        PX_Susedia(current_page);
    }
}

// The folder goes without a trailing "\", so that the rows' paths have no doubled separator.
void nahraj_zoznam(tf_UTL_CDUIR_THMFILE* list, const char* book_path, const char* sub, const char* tag) {
    const std::string path = std::string(book_path) + sub;
    TF_LOG(tag, path.c_str());
    if (list) list->XRELOAD(path.c_str(), false);
}

// The pages of the book are composed at its page size, and its waves fit it.
void nastav_stranu(const char* book_path) {
    const PX_Nastavenia n = PX_Nacitaj_nastavenia(book_path);
    PX_Plocha_Velkost(n.sir, n.vys);
    wave_k = 10.0 * 6.28318531 / n.sir;
}

template <class T>
void znic(T*& p) {
    delete p;
    p = nullptr;
}

// An editor's list is made without a parent and is ours alone (px_stav.h): one that a
// container holds as its child is the container's to destroy, or it would go twice.
template <class T>
void znic_zoznam(T*& zoznam) {
    const tf_CPolCHLO* rodic = zoznam ? zoznam->parent : nullptr;
    for (int i = 0; rodic && i < rodic->deti.count; ++i) {
        if (rodic->deti.data[i] != zoznam) continue;
        TF_FAIL(TF_LOG_ERR, "UVOLNI_VSETKO - zoznam je dietom kontajnera");
        TF_LOG("zoznam:", zoznam->nazov);
        zoznam = nullptr;
        return;
    }
    znic(zoznam);
}
}  // namespace

struct_kniha_strana::struct_kniha_strana(int book_index_, const char* book_path_, const char* book_name_,
                                         int page_index_, int page_id_, const char* page_path_,
                                         const char* page_name_)
    : book_index(book_index_),
      book_id(PX_FIRST_BOOK_ID + book_index_),
      book_path(strdup(book_path_)),
      book_name(strdup(book_name_)),
      page_index(page_index_),
      page_id(page_id_),
      page_path(strdup(page_path_)),
      page_name(strdup(page_name_)) {}

struct_kniha_strana::~struct_kniha_strana() {
    free(book_path);
    free(book_name);
    free(page_path);
    free(page_name);
    delete page_icon;
}

tf_CIcon* PX_Nahraj_nahlad(const char* path) {
    if (!tf_FSI_Existuje_sub(path) || !tf_BMP_Je_nahlad(path)) return nullptr;
    // A thumbnail is a picture of the screen: none of its colours is see-through.
    const tf_CIconTransparency opaque(0);
    auto* icon = new tf_CIcon(path);
    if (!icon->srf) znic(icon);
    return icon;
}

bool PX_Nastav_cestu_nahladu(const char* page_path) {
    const std::string thm = tf_FSI_Zmen_priponu(page_path, "thm");
    thumbnail_path[0] = '\0';
    if (thm.size() >= sizeof thumbnail_path) {
        TF_LOG(TF_LOG_ERR, "Pridlha cesta nahladu");
        TF_LOG("cesta:", page_path);
        return false;
    }
    strcpy(thumbnail_path, thm.c_str());
    return true;
}

void NACITAJ_KNIHY() {
    const struct_kniha_strana* current = PX_Prvy_v_knihe(current_book);
    const std::string current_path = current ? current->book_path : "", page_path = cesta_strany();
    if (duir_KNIHY && duir_KNIHY->CountR() > 0) duir_KNIHY->VYMAZ();
    // The pages list borrows the records' icons: it goes before they do.
    if (duir_STRANY) {
        duir_STRANY->VYMAZ();
        duir_STRANY->zamknute = true;
    }
    listed_book = -1;
    znic_zaznamy();

    tf_CARRE books(0, 0, 2);
    if (!tf_FSI_ExistsFolder(PX_Knihy_dir()) || tf_FSI_Zisti_SubAdr(PX_Knihy_dir(), "KNIHA_*", 1, true, &books) != 0)
        TF_LOG("Doslo k chybe pri nacitani adresarov knih", "X");
    for (int i = 0; i < books.count; ++i) {
        const char* book_path = static_cast<const char*>(books[i]);
        const std::string dir = tf_FSI_Odstrihni_meno(book_path);
        const std::string name = dir.size() > PREFIX ? dir.substr(PREFIX) : "";
        pridaj_riadok_knihy(PX_FIRST_BOOK_ID + i, book_path, name.c_str());
        nacitaj_strany(i, book_path, name.c_str());
    }
    books.UVOLNI_char();
    najdi_znova_aktualnu(current_path, page_path);

    if (!duir_KNIHY) return;
    // Each book row opens its pages; the trash row opens the trash, which the editor fills.
    for (int r = 0; duir_STRANY && r < duir_KNIHY->CountR(); ++r)
        duir_KNIHY->Eviduj_Master_Detail_popupR__indexovo(r, duir_STRANY);
    // A new book from each of the classroom's templates; the only one needs no name.
    const size_t sablon = px_trieda.sablony.size();
    for (size_t i = 0; i < sablon; ++i)
        duir_KNIHY->PRIDAJ(i == 0 ? PX_ID_NEW_BOOK : PX_ID_SABLONA + static_cast<int>(i),
                           (plat_W1250(u8"Nová kniha") + (sablon > 1 ? ": " + px_trieda.sablony[i].nazov : "")).c_str());
    duir_KNIHY->PRIDAJ(PX_ID_TRASH, plat_W1250(u8"Kôš"));
    duir_KNIHY->PRIDAJ(PX_ID_CLOSE_BOOKS, plat_W1250(u8"Zavrieť"));
}

struct_kniha_strana* NAJDI_KS(int book, int page) {
    for (int i = 0; i < KS.count; ++i)
        if (zaznam(i)->book_id == book && zaznam(i)->page_id == page) return zaznam(i);
    return nullptr;
}

struct_kniha_strana* PX_Prvy_v_knihe(int book) {
    for (int i = 0; i < KS.count; ++i)
        if (zaznam(i)->book_id == book) return zaznam(i);
    return nullptr;
}

std::vector<const struct_kniha_strana*> PX_Strany_v_knihe(int book) {
    std::vector<const struct_kniha_strana*> strany;
    for (int i = 0; i < KS.count; ++i)
        if (zaznam(i)->book_id == book) strany.push_back(zaznam(i));
    return strany;
}

int NAJDI_KNIHU(const char* name) {
    for (int i = 0; i < KS.count && name; ++i)
        if (strcmp(zaznam(i)->book_name, name) == 0) return zaznam(i)->book_id;
    return -1;
}

void NAPLN_STRANY(int book, bool force) {
    if (!force && book == listed_book) return;
    listed_book = book;
    if (!duir_STRANY) return;
    duir_STRANY->VYMAZ();
    nahraj_ikony(book);
    for (int i = 0; i < KS.count; ++i) {
        struct_kniha_strana* ks = zaznam(i);
        if (ks->book_id == book) duir_STRANY->PRIDAJ(ks->page_id, ks->page_name, ks->page_icon, false);
    }
    // A book without pages has nothing to open.
    duir_STRANY->zamknute = duir_STRANY->CountR() == 0;
}

void VOLBA_KNIHY(int book, bool first_page) {
    const struct_kniha_strana* ks = PX_Prvy_v_knihe(book);
    if (!ks || !ks->book_path[0]) {
        TF_LOG(TF_LOG_ERR, "VOLBA_KNIHY() - nenajdena kniha v strukture KS");
        TF_LOG("ID knihy", book);
        return;
    }
    nastav_stranu(ks->book_path);
    nahraj_zoznam(utl_duir_Pozadia, ks->book_path, "\\Pozadia", "Reload P");
    nahraj_zoznam(utl_duir_Kulisy, ks->book_path, "\\Kulisy", "Reload K");
    nahraj_zoznam(utl_duir_Herci, ks->book_path, "\\Herci", "Reload H");
    current_book = book;
    // The pages list may show another book, or nothing after a rebuild.
    NAPLN_STRANY(book, false);
    if (first_page) VOLBA_STRANY(book, ks->page_id);
}

void PX_Kniha_presunuta(const char* from, const char* to) {
    const size_t n = strlen(from);
    auto move = [&](char*& text) {
        if (!text || strncmp(text, from, n) != 0 || (text[n] != '\0' && text[n] != '\\')) return;
        char* moved = strdup((std::string(to) + (text + n)).c_str());
        free(text);
        text = moved;
    };
    for (int i = 0; i < KS.count; ++i) {
        move(zaznam(i)->book_path);
        move(zaznam(i)->page_path);
    }
    move(background_path);
    NACITAJ_KNIHY();
    if (current_book != -1) VOLBA_KNIHY(current_book, false);
}

void PX_Uprac_docasne() {
    int removed = plat_RemoveWriteTemporaries(".") + plat_RemoveWriteTemporaries(PX_Knihy_dir());
    for (const char* dir : {".", PX_Knihy_dir()}) removed += plat_RemoveLeftovers(dir, PX_NOVA_PREFIX);
    removed += plat_RemoveLeftovers(".", PX_EXPORT_PREFIX);
    tf_CARRE books(0, 0, 2);
    tf_FSI_Zisti_SubAdr(PX_Knihy_dir(), "KNIHA_*", 1, true, &books);
    for (int i = 0; i < books.count; ++i) {
        const std::string book = static_cast<const char*>(books[i]);
        removed += plat_RemoveWriteTemporaries(book.c_str());
        for (const char* sub : {"\\Pozadia", "\\Kulisy", "\\Herci"})
            removed += plat_RemoveWriteTemporaries((book + sub).c_str());
    }
    books.UVOLNI_char();
    if (removed > 0) TF_LOG("Odstranene docasne subory po preruseni zapisu", removed);
}

void UVOLNI_VSETKO() {
    TF_LOG("PX - UVOLNI_VSETKO()");
    znic_zoznam(duir_KNIHY);
    znic_zoznam(duir_STRANY);
    listed_book = -1;
    znic_zoznam(utl_duir_Pozadia);
    znic_zoznam(utl_duir_Kulisy);
    znic_zoznam(utl_duir_Herci);
    for (tf_CDUI** menu : {&dui_PozGeometria, &dui_setup, &dui_setup_1, &dui_setup_2, &dui_setup_3, &dui_setup_4})
        znic_zoznam(*menu);
    znic(default_book_icon);
    VYMAZ_REG();
    PX_Narracia_Vymaz();  // the devices close before the output goes
    znic_zaznamy();
    for (HPEN& pen : outline_pens) {
        if (pen) DeleteObject(pen);
        pen = nullptr;
    }
    if (zvuk_naraz) zvuk_naraz->ODSTRAN();
    if (zvuk_koniec) zvuk_koniec->ODSTRAN();
}
