// Books as one file in the editor: a book's row exports it into a folder the author picks,
// and ".pexlo" files dropped on the window, chosen in the picker or named when the program
// starts come in as new books, the last one opened at its first page.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "book/px_archiv.h"
#include "book/px_editor.h"
#include "book/px_editor_cmd.h"
#include "book/px_ks.h"
#include "book/px_sprava.h"
#include "book/px_stav.h"
#include "framework/core/tf_fsi.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace {
// A book file named on the command line, brought in once the editor is set up.
struct PriStarte {
    std::string subor;
} pri_starte;
}  // namespace

void PX_ExportBook(int book, const std::string& priecinok) {
    const std::string path = PX_Cesta_knihy(book);
    if (path.empty() || (book == current_book && !PX_Uloz_zmeny())) return;  // said why
    const std::string meno = tf_FSI_Odstrihni_meno(path.c_str()).substr(strlen("KNIHA_"));
    const std::string ciel = PX_Archiv_Ciel(priecinok, meno.c_str());
    const plat_ArchiveResult r = PX_Archiv_Zapis(plat_HostPath(path.c_str()), ciel);
    if (!r.ok()) return PX_Chyba(PX_Archiv_Sprava(r).c_str());
    PX_Oznam((plat_W1250(u8"Kniha uložená do ") + PX_Kratka_cesta(ciel)).c_str());
}

void PX_ImportBooks(const std::vector<std::string>& files) {
    if (px_editor->group.Ukazuje_dialog()) return PX_Chyba(plat_W1250(u8"[Najprv odpovedz na otázku]"));
    if (!std::all_of(files.begin(), files.end(), PX_Je_archiv))
        return PX_Chyba(plat_W1250(u8"[Knihy a obrázky importuj zvlášť]"));
    if (!PX_Uloz_zmeny()) return;  // the shown book gives way to the new one
    std::string meno, chyba;
    int pocet = 0;
    for (size_t i = 0; i < files.size() && chyba.empty(); ++i)
        if (const std::string m = PX_Archiv_Nacitaj(files[i], &chyba); !m.empty()) {
            meno = m;
            ++pocet;
        }
    if (pocet > 0) {
        NACITAJ_KNIHY();
        const int id = NAJDI_KNIHU(meno.c_str());
        if (id > -1) VOLBA_KNIHY(id, true);
    }
    if (!chyba.empty()) return PX_Chyba(chyba.c_str());
    const std::string ktore = pocet == 1 ? meno : meno + plat_W1250(u8" a ďalšie: ") + std::to_string(pocet - 1);
    PX_Oznam((plat_W1250(u8"Importovaná kniha: ") + ktore).c_str());
}

void PX_ImportAtStart(const std::string& file) { pri_starte.subor = file; }

// As if dropped on the window: any other file goes the way a dropped one goes.
void PX_ImportStartFile() {
    if (pri_starte.subor.empty()) return;
    PX_ImportDrop({pri_starte.subor});
    pri_starte.subor.clear();
}
