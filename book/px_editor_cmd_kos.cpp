// The editor's commands for deleting, renaming and bringing back: the menu of a book's or a
// page's row (a right press on it), its questions, and the trash list of the books list; a
// page's row also offers to remove the page's narration, a book's to export the book or to
// import another.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "book/px_editor.h"
#include "book/px_editor_cmd.h"
#include "book/px_historia.h"
#include "book/px_kos.h"
#include "book/px_ks.h"
#include "book/px_narracia.h"
#include "book/px_otazka.h"
#include "book/px_pozadie.h"
#include "book/px_reg.h"
#include "book/px_sprava.h"
#include "book/px_stav.h"
#include "book/px_trieda.h"
#include "book/px_vyber.h"
#include "framework/core/tf_fsi.h"
#include "framework/widgets/tf_duir.h"
#include "framework/widgets/tf_utl.h"
#include "platform/codepage.h"

namespace {
enum { PREMENOVAT = 1, ODSTRANIT = 2, BEZ_ROZPRAVANIA = 3, EXPORTOVAT = 4, IMPORTOVAT = 5, VIDEO = 6, WEB = 7 };

// The row whose menu is open: a book (page -1) or a page of it.
struct Riadok {
    int kniha = -1;
    int strana = -1;
} riadok;

// The trash list's rows, in its order (values 1 ...).
std::vector<PX_Kos_vec> v_kosi;

void povedz(const std::string& text) { PX_Oznam(text.c_str()); }
void chyba(const char8_t* text) { PX_Chyba(plat_W1250(text)); }

// The entry of a shown list under the pointer, with its value; null when none.
tf_TVOLBA* pod_mysou(tf_CDUI* list, int* id) {
    if (!list || !list->zivy || list->zamknute || list->nad < 0 || list->nad >= list->volby.count) return nullptr;
    auto* v = static_cast<tf_TVOLBA*>(list->volby.GET(list->nad));
    *id = v->hodnota;
    return v;
}

std::string cesta_zobrazenej() {
    const struct_kniha_strana* ks = NAJDI_KS(current_book, current_page);
    return ks ? ks->page_path : "";
}

// No book shown any more: an empty page, no pictures to choose.
void ziadna_kniha() {
    PX_HIST_Strana(nullptr);
    VYMAZ_REG();
    free(background_path);
    background_path = nullptr;
    PRIPRAV_POZADIE(true);
    for (tf_UTL_CDUIR_THMFILE* list : {utl_duir_Pozadia, utl_duir_Kulisy, utl_duir_Herci})
        if (list) list->RELOAD("", false);
    current_book = current_page = -1;
    next_page = prev_page = 0;
    dirty = running = false;
}

// After the catalogue was built again without the page shown: the page that took its place in
// the book, else the one before it, else none.
void ukaz_namiesto(int page) {
    if (current_book == -1) return ziadna_kniha();
    if (current_page != -1) return;
    const int id = NAJDI_KS(current_book, page) ? page : page - 1;
    if (NAJDI_KS(current_book, id)) {
        VOLBA_KNIHY(current_book, false);
        VOLBA_STRANY(current_book, id);
    } else {
        ziadna_kniha();
    }
}

void odstran_stranu(int book, int page) {
    const struct_kniha_strana* ks = NAJDI_KS(book, page);
    if (!ks) return;
    const std::string path = ks->page_path, name = ks->page_name;
    const bool shown = path == cesta_zobrazenej();
    if (shown) running = false;
    if (shown && !PX_Uloz_zmeny()) return;  // its last state goes into the trash
    if (!PX_Kos_Odstran_stranu(path.c_str())) return chyba(u8"[Chyba: stranu sa nepodarilo odstrániť]");
    PX_HIST_Zabudni(path.c_str());
    NACITAJ_KNIHY();
    if (shown) ukaz_namiesto(page);
    if (book == current_book) NAPLN_STRANY(current_book, true);
    povedz(plat_W1250(u8"V koši: strana ") + name);
}

void odstran_knihu(int book) {
    const std::string path = PX_Cesta_knihy(book);
    const bool shown = book == current_book;
    if (path.empty() || (shown && !PX_Uloz_zmeny())) return;
    if (!PX_Kos_Odstran_knihu(path.c_str())) return chyba(u8"[Chyba: knihu sa nepodarilo odstrániť]");
    PX_HIST_Zabudni(path.c_str());
    NACITAJ_KNIHY();
    if (shown) ziadna_kniha();
    povedz(plat_W1250(u8"V koši: kniha ") + tf_FSI_Odstrihni_meno(path.c_str()).substr(6));
}

void premenuj_knihu(int book, const char* name) {
    const std::string path = PX_Cesta_knihy(book);
    if (path.empty() || (book == current_book && !PX_Uloz_zmeny())) return;
    const std::string novy = PX_Premenuj_knihu(path.c_str(), name);
    if (novy.empty()) return;  // said why
    PX_HIST_Premenuj(path.c_str(), novy.c_str());
    PX_Kniha_presunuta(path.c_str(), novy.c_str());
    povedz(std::string(plat_W1250(u8"Premenovaná kniha: ")) + name);
}

// Another page's narration goes on that page, shown, as one step to undo: the author hears and
// sees what went, and Ctrl+Z brings it back, as with any change of a page.
void odstran_rozpravanie(int book, int page) {
    const struct_kniha_strana* ks = NAJDI_KS(book, page);
    if (!ks) return;
    const std::string path = ks->page_path, name = ks->page_name;
    if (path != cesta_zobrazenej() && (!PX_OpenPage(book, page) || path != cesta_zobrazenej())) return;  // said why
    PX_HIST_Zaznam(PX_UPRAVA_BEZ_ROZPRAVANIA);
    PX_Narracia_Odstran();
    povedz(plat_W1250(u8"Rozprávanie odstránené: strana ") + name + plat_W1250(u8" (Ctrl+Z ho vráti)"));
}

// The shown page's narration is what it holds now, saved or not.
bool ma_rozpravanie(const struct_kniha_strana& ks) {
    return ks.page_path == cesta_zobrazenej() ? px_narracia.hlas != nullptr : ks.hlas;
}

const char* meno_knihy(int book) {
    const struct_kniha_strana* ks = PX_Prvy_v_knihe(book);
    return ks ? ks->book_name : "";
}
}  // namespace

bool PX_RowMenuAt(int x, int y) {
    tf_CDUI* menu = px_editor->riadok;
    int id = 0;
    if (pod_mysou(duir_STRANY, &id)) {
        riadok = {listed_book, id};
    } else if (pod_mysou(duir_KNIHY, &id) && id >= PX_FIRST_BOOK_ID) {
        riadok = {id, -1};
    } else {
        return false;
    }
    PX_CloseLists();
    menu->VYMAZ();
    if (riadok.strana == -1) menu->PRIDAJ(PREMENOVAT, plat_W1250(u8"Premenovať"));
    menu->PRIDAJ(ODSTRANIT, plat_W1250(u8"Odstrániť"));
    if (const struct_kniha_strana* ks = NAJDI_KS(riadok.kniha, riadok.strana); ks && ma_rozpravanie(*ks))
        menu->PRIDAJ(BEZ_ROZPRAVANIA, plat_W1250(u8"Odstrániť rozprávanie"));
    if (riadok.strana == -1) menu->PRIDAJ(EXPORTOVAT, plat_W1250(u8"Exportovať"));
    if (riadok.strana == -1) menu->PRIDAJ(VIDEO, plat_W1250(u8"Exportovať video"));
    if (riadok.strana == -1) menu->PRIDAJ(WEB, plat_W1250(u8"Exportovať web"));
    if (riadok.strana == -1) menu->PRIDAJ(IMPORTOVAT, plat_W1250(u8"Importovať knihu"));
    menu->CHOD_NA_OBRAZOVKU(x, y);
    menu->zivy = true;
    return true;
}

void PX_RowMenu(int id) {
    if (id == ODSTRANIT && PX_Trieda_Zakazuje(PX_ZAKAZ_MAZANIA)) return;
    const Riadok r = riadok;
    const std::string book = meno_knihy(r.kniha);
    if (id == PREMENOVAT && r.strana == -1)
        PX_Spytaj_nazov(plat_W1250(u8"Premenovať knihu"), plat_W1250(u8"Nový názov knihy"), book.c_str(),
                        [r](const char* name) { premenuj_knihu(r.kniha, name); });
    if (id == ODSTRANIT && r.strana == -1)
        PX_Spytaj_ano_nie(plat_W1250(u8"Odstrániť knihu"), plat_W1250(u8"Presunúť knihu do koša?"), book.c_str(),
                          plat_W1250(u8"Odstrániť"), [r] { odstran_knihu(r.kniha); });
    const struct_kniha_strana* ks = NAJDI_KS(r.kniha, r.strana);
    if (id == ODSTRANIT && ks)
        PX_Spytaj_ano_nie(plat_W1250(u8"Odstrániť stranu"), plat_W1250(u8"Presunúť stranu do koša?"),
                          (book + plat_W1250(u8", strana ") + ks->page_name).c_str(), plat_W1250(u8"Odstrániť"),
                          [r] { odstran_stranu(r.kniha, r.strana); });
    if (id == BEZ_ROZPRAVANIA && ks) odstran_rozpravanie(r.kniha, r.strana);
    // The pickers open beside the menu, so that the release that chose the item chooses no row.
    int w = 0, h = 0;
    px_editor->riadok->GetSize(&w, &h);
    const int x = px_editor->riadok->x + w, y = px_editor->riadok->y;
    // A book's exports, each into the folder the author picks.
    const std::pair<int, void (*)(int, const std::string&)> exporty[] = {
        {EXPORTOVAT, PX_ExportBook}, {VIDEO, PX_ExportVideo}, {WEB, PX_ExportWeb}};
    for (const auto& [polozka, exportuj] : exporty)
        if (id == polozka && r.strana == -1)
            PX_OpenFolderPicker(x, y, [r, exportuj](const std::string& priecinok) { exportuj(r.kniha, priecinok); });
    if (id == IMPORTOVAT) PX_OpenBookPicker(x, y);
}

void PX_FillTrash() {
    tf_CDUIR* list = px_editor->kos;
    list->VYMAZ();
    v_kosi = PX_Kos_Obsah();
    for (size_t i = 0; i < v_kosi.size(); ++i) list->PRIDAJ(int(i) + 1, PX_Kos_Popis(v_kosi[i]).c_str());
    list->zamknute = v_kosi.empty();
    // Laid out at once, so that the row opens the trash at this very move.
    tf_TVOLBAR* row = duir_KNIHY ? duir_KNIHY->VratVolbu__hodnotovo(PX_ID_TRASH) : nullptr;
    if (row && row->detail != list) {
        duir_KNIHY->Eviduj_Master_Detail_popupR(PX_ID_TRASH, list);
        duir_KNIHY->RESET_GEOMETRIER();
    }
}

void PX_ChooseTrash(int id) {
    if (id < 1 || size_t(id) > v_kosi.size()) return;
    const PX_Kos_vec vec = v_kosi[size_t(id) - 1];
    PX_Spytaj_ano_nie(plat_W1250(u8"Kôš"), plat_W1250(u8"Obnoviť z koša?"), PX_Kos_Popis(vec).c_str(),
                      plat_W1250(u8"Obnoviť"), [vec] {
                          if (PX_Kos_Obnov(vec).empty()) return chyba(u8"[Chyba: z koša sa nepodarilo obnoviť]");
                          NACITAJ_KNIHY();
                          if (current_book != -1) NAPLN_STRANY(current_book, true);
                          povedz(plat_W1250(u8"Obnovené: ") + PX_Kos_Popis(vec));
                      });
}

std::string PX_Cesta_knihy(int book) {
    const struct_kniha_strana* ks = PX_Prvy_v_knihe(book);
    return ks ? ks->book_path : "";
}
