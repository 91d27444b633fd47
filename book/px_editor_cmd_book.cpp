// The editor's book commands: the main menu, choosing books and pages, the page buttons,
// saving, the new book, and storing the work before the editor ends.
#include <cstdio>
#include <string>

#include "book/px_citanie.h"
#include "book/px_editor.h"
#include "book/px_editor_cmd.h"
#include "book/px_vyber.h"
#include "book/px_historia.h"
#include "book/px_ks.h"
#include "book/px_obnova.h"
#include "book/px_otazka.h"
#include "book/px_sprava.h"
#include "book/px_stav.h"
#include "book/px_trieda.h"
#include "framework/app/tf_appdlg.h"
#include "framework/widgets/tf_utl.h"
#include "platform/codepage.h"

namespace {
enum { INFO = 7, KONIEC = 100 };
}  // namespace

// "Koniec" goes the way Esc does: the page is saved first.
void PX_MainMenu(int id) {
    if (id == INFO && app_screen->m_pDlgInfo) app_screen->m_pDlgInfo->zivy = !app_screen->m_pDlgInfo->zivy;
    if (id == KONIEC) app_screen->Close();
    if (id == PX_ID_IMPORT) PX_OpenPicker();
}

// Every way off the shown page saves its changes first; a failed save keeps the author on it.
void PX_ChooseBook(int id) {
    if (zvuk_naraz) zvuk_naraz->SPUSTI();
    const size_t sablona = id == PX_ID_NEW_BOOK ? 0 : static_cast<size_t>(id - PX_ID_SABLONA);
    if (id == PX_ID_NEW_BOOK || (id > PX_ID_SABLONA && sablona < px_trieda.sablony.size())) {
        PX_Spytaj_nazov(plat_W1250(u8"Nová kniha"), plat_W1250(u8"Zadajte názov knihy"), "", [sablona](const char* name) {
            if (PX_Uloz_zmeny()) PX_Nova_kniha_zadana(name, sablona);
        });
    } else if (id != PX_ID_CLOSE_BOOKS && PX_Uloz_zmeny()) {
        VOLBA_KNIHY(id, true);
    }
}

// A page of a book that is not the current one makes that book current first; a book that
// cannot be made current shows none of its pages. The lists close: the author came for the page.
void PX_ChoosePage(int id) {
    if (PX_OpenPage(listed_book, id)) PX_CloseLists();
}

bool PX_OpenPage(int book, int page) {
    if (!PX_Uloz_zmeny()) return false;
    if (book != current_book) VOLBA_KNIHY(book, false);
    if (book != current_book) return false;
    VOLBA_STRANY(current_book, page);
    return true;
}

void PX_Play() {
    PX_HIST_Zaznam(PX_UPRAVA_SPUSTENIE);
    running = true;
}

// The save button and Ctrl+S: saved even without changes, as asked.
void PX_SavePage() {
    const int page = current_page;
    const unsigned errors = PX_Sprava_Pocet_chyb();
    if (current_book == -1 || page == -1 || !PX_Uloz_teraz() || PX_Sprava_Pocet_chyb() != errors) return;
    // A page saved under another number says why itself.
    if (const struct_kniha_strana* ks = NAJDI_KS(current_book, current_page); ks && (page == current_page || page == PX_NEW_PAGE))
        PX_Oznam((plat_W1250(u8"Uložené: strana ") + std::string(ks->page_name)).c_str());
}

void PX_NextPage() {
    if (PX_Uloz_zmeny()) VOLBA_STRANY(current_book, next_page);
}

void PX_PreviousPage() {
    if (PX_Uloz_zmeny()) VOLBA_STRANY(current_book, prev_page);
}

// The unsaved new page is dropped, as the author chose; the page before it comes back from its file.
void PX_LeaveNewPage() {
    if (current_page != PX_NEW_PAGE) return;
    PX_HIST_Zabudni("");
    VOLBA_STRANY(current_book, prev_page);
}

// The button may still be shown for a frame after it was pressed: a new page comes after a
// saved one only.
void PX_NewPage() {
    if (current_page != -1 && current_page != PX_NEW_PAGE && PX_Uloz_zmeny()) NOVA_STRANA(current_page);
}

// At start: pages that a crash or a kill left unsaved are offered back, one after another
// while the author drops them.
void PX_OfferRecovery() {
    std::string page;
    if (!PX_Obnova_Najdi(&page)) return;
    PX_Spytaj_ano_nie(
        plat_W1250(u8"Obnova"), plat_W1250(u8"Neuložené zmeny z minula:"), page.c_str(), plat_W1250(u8"Obnoviť"),
        [] {
            if (PX_Obnova_Obnov())
                PX_Oznam(plat_W1250(u8"Obnovené neuložené zmeny"));
            else
                PX_Chyba(plat_W1250(u8"[Chyba: zmeny sa nepodarilo obnoviť]"));
        },
        plat_W1250(u8"Zahodiť"), [] {
            PX_Obnova_Zahod();
            PX_OfferRecovery();
        });
}

// A page that cannot be saved keeps the editor open, unless the author chooses to end anyway.
bool CKnihaScreen::SaveWork(bool closing) {
    if (closing && PX_Trieda_Zakazuje(PX_ZAKAZ_KONCA)) return false;
    PX_Citanie_Skonci();  // the author's page, not the one being read
    if (px_editor->bez_ulozenia || PX_Uloz_zmeny()) return true;
    if (closing)
        PX_Spytaj_ano_nie(plat_W1250(u8"Koniec"), plat_W1250(u8"Stranu sa nepodarilo uložiť."),
                          plat_W1250(u8"Skončiť bez uloženia?"), plat_W1250(u8"Skončiť"), [] {
                              px_editor->bez_ulozenia = true;
                              app_screen->Close();
                          });
    return false;
}
