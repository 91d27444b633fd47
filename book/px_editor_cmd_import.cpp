// Pictures dropped on the window: the author says what they become, then they go into the
// shown book and onto the shown page as one step that undo takes back (the files stay in the
// book's folders, listed). Book files dropped go to PX_ImportBooks.
#include <algorithm>
#include <string>
#include <vector>

#include "book/px_archiv.h"
#include "book/px_editor.h"
#include "book/px_editor_cmd.h"
#include "book/px_import.h"
#include "book/px_otazka.h"
#include "book/px_plocha.h"
#include "book/px_sprava.h"
#include "book/px_stav.h"
#include "platform/codepage.h"

namespace {

// The dialog's line holds this many letters of a name.
constexpr size_t NAZOV_MAX = 32;

const char8_t* otazka(PX_Druh druh) {
    switch (druh) {
    case PX_DRUH_POZADIE: return u8"Importovať ako pozadie?";
    case PX_DRUH_KULISA: return u8"Importovať ako kulisu?";
    case PX_DRUH_HEREC: break;
    }
    return u8"Importovať ako herca?";
}

PX_Druh dalsi(PX_Druh druh) {
    return druh == PX_DRUH_POZADIE ? PX_DRUH_KULISA : druh == PX_DRUH_KULISA ? PX_DRUH_HEREC : PX_DRUH_POZADIE;
}

PX_Uprava uprava(PX_Druh druh) {
    return druh == PX_DRUH_POZADIE ? PX_UPRAVA_POZADIE : druh == PX_DRUH_KULISA ? PX_UPRAVA_KULISA : PX_UPRAVA_HEREC;
}

// The first file's name, and how many more come with it.
std::string nazvy(const std::vector<std::string>& files) {
    std::string meno = plat_Cp1250FromHostName(files[0].substr(files[0].rfind('/') + 1).c_str());
    if (meno.size() > NAZOV_MAX) meno = meno.substr(0, NAZOV_MAX - 3) + "...";
    if (files.size() > 1) meno += plat_W1250(u8" a ďalšie: ") + std::to_string(files.size() - 1);
    return meno;
}

// A file that is no picture is named at once, before anything is asked.
bool su_obrazky(const std::vector<std::string>& files) {
    for (const std::string& f : files) {
        PX_ImportVysledok v;
        v.obrazok = plat_ProbePicture(f);
        if (v.obrazok.fault == plat_PictureFault::NONE) continue;
        v.chyba = PX_ImportChyba::OBRAZOK;
        v.subor = f;
        PX_Chyba(PX_IMPORT_Sprava(v).c_str());
        return false;
    }
    return true;
}

// The shown book's folder: the book may have gone while the question was open.
void importuj(const std::vector<std::string>& files, PX_Druh druh) {
    const std::string kniha = current_page == -1 ? "" : PX_Cesta_knihy(current_book);
    if (kniha.empty()) return PX_Chyba(plat_W1250(u8"[Najprv otvor knihu a stranu]"));
    const PX_ImportVysledok v = PX_IMPORT_Subory(kniha.c_str(), files, druh, PX_Strana_sir(), PX_Strana_vys());
    if (!v.ok()) return PX_Chyba(PX_IMPORT_Sprava(v).c_str());
    PX_HIST_Zaznam(PX_UPRAVA_IMPORT);
    bool vsetky = true;
    for (const PX_ImportObrazok& o : v.obrazky) {
        const int id = PX_IMPORT_ObnovZoznam(kniha.c_str(), o);
        if (id)
            PX_Poloz(uprava(o.druh), id);
        else
            vsetky = false;
    }
    PX_Oznam(PX_IMPORT_Sprava(v).c_str());
    if (!vsetky) PX_Chyba(plat_W1250(u8"[Obrázok je v knihe, ale v zozname sa nenašiel]"));
}

// "Iný druh" asks again with the next kind; Esc or the dialog's cross drops the files.
void spytaj(const std::vector<std::string>& files, PX_Druh druh) {
    PX_Spytaj_ano_nie(
        plat_W1250(u8"Import obrázkov"), plat_W1250(otazka(druh)), nazvy(files).c_str(), plat_W1250(u8"Importovať"),
        [files, druh] { importuj(files, druh); }, plat_W1250(u8"Iný druh"), [files, druh] { spytaj(files, dalsi(druh)); });
}

}  // namespace

void PX_ImportDrop(const std::vector<std::string>& files) {
    if (files.empty()) return;
    if (std::any_of(files.begin(), files.end(), PX_Je_archiv)) return PX_ImportBooks(files);
    if (px_editor->group.Ukazuje_dialog()) return PX_Chyba(plat_W1250(u8"[Najprv odpovedz na otázku]"));
    if (current_book == -1 || current_page == -1) return PX_Chyba(plat_W1250(u8"[Najprv otvor knihu a stranu]"));
    if (su_obrazky(files)) spytaj(files, PX_IMPORT_Navrh(files, PX_Strana_sir(), PX_Strana_vys()));
}
