// The editor's book commands: the main menu, choosing books and pages, the page buttons,
// saving, and the new-book dialog.
#include "book/px_editor.h"
#include "book/px_editor_cmd.h"
#include "book/px_historia.h"
#include "book/px_ks.h"
#include "book/px_stav.h"
#include "framework/app/tf_appdlg.h"
#include "framework/widgets/tf_utl.h"

namespace {
enum { INFO = 7, KONIEC = 100 };
}  // namespace

void PX_MainMenu(int id) {
    if (id == INFO && app_screen->m_pDlgInfo) app_screen->m_pDlgInfo->zivy = !app_screen->m_pDlgInfo->zivy;
    if (id == KONIEC) app_screen->Close();
}

void PX_ChooseBook(int id) {
    if (zvuk_naraz) zvuk_naraz->SPUSTI();
    if (id == PX_ID_NEW_BOOK) {
        px_editor->nova_kniha->CHOD_NA_CENTER(tf_ScreenCX, tf_ScreenCY);
        px_editor->nova_kniha->zivy = true;
    } else if (id != PX_ID_CLOSE_BOOKS) {
        VOLBA_KNIHY(id, true);
        PX_HIST_Vymaz();
    }
}

// A page of a book that is not the current one makes that book current first; a book that
// cannot be made current shows none of its pages.
void PX_ChoosePage(int id) {
    if (listed_book != current_book) VOLBA_KNIHY(listed_book, false);
    if (listed_book == current_book) VOLBA_STRANY(current_book, id);
    PX_HIST_Vymaz();
}

void PX_Play() {
    PX_HIST_Zaznam(PX_UPRAVA_SPUSTENIE);
    running = true;
}

void PX_SavePage() {
    dirty = false;
    ULOZ_STRANU();  // a page that could not be written stays dirty
    PX_HIST_Ulozene();
}

void PX_NextPage() {
    VOLBA_STRANY(current_book, next_page);
    PX_HIST_Vymaz();
}

void PX_PreviousPage() {
    VOLBA_STRANY(current_book, prev_page);
    PX_HIST_Vymaz();
}

// The unsaved new page is dropped; the page before it comes back from its file.
void PX_LeaveNewPage() {
    if (current_page != PX_NEW_PAGE) return;
    VOLBA_STRANY(current_book, prev_page);
    PX_HIST_Vymaz();
}

void PX_NewPage() {
    NOVA_STRANA(current_page);
    PX_HIST_Vymaz();
}

void PX_NewBookDialog(int id) {
    tf_UTL_CDLG_EDIT* dialog = px_editor->nova_kniha;
    if (id == TF_UTL_EDIT_CANCEL) dialog->zivy = false;
    if (id != TF_UTL_EDIT_OK) return;
    PX_Nova_kniha_zadana(dialog->Get_Text());
    PX_HIST_Vymaz();
    dialog->zivy = false;
}
