// Books as one file: the book's folder through the platform's archive, and an archive brought in
// through a folder of its own beside the books, renamed into place only when whole.
#include "book/px_archiv.h"

#include <strings.h>

#include <cstring>

#include "book/px_ks.h"
#include "book/px_nazov.h"
#include "book/px_trieda.h"
#include "framework/core/tf_fsi.h"
#include "framework/core/tf_log.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace {
const char SRC[] = "PX_ARCHIV";
// Room for " (99)" after a name cut to fit.
constexpr size_t NAZOV_MAX = PX_NAZOV_KNIHY_MAX - 5;

std::string meno_suboru(const std::string& host_path) { return host_path.substr(host_path.rfind('/') + 1); }

// The book's name from the file's: "Môj les.pexlo" is "Môj les"; a name no book may have is "Kniha".
std::string nazov(const std::string& subor) {
    std::string meno = meno_suboru(subor);
    if (PX_Je_archiv(meno)) meno.resize(meno.size() - strlen(PX_ARCHIV_PRIPONA));
    meno = PX_Nazov_orezany(plat_Cp1250FromHostName(meno.c_str()).substr(0, NAZOV_MAX).c_str());
    return PX_Chyba_nazvu_knihy(meno.c_str()) ? "Kniha" : meno;
}

std::string v_zatvorkach(const char8_t* text, const std::string& co) {
    return "[" + std::string(plat_W1250(text)) + (co.empty() ? "" : ": " + plat_Cp1250FromHostName(co.c_str())) + "]";
}
}  // namespace

bool PX_Je_archiv(const std::string& host_path) {
    const size_t n = strlen(PX_ARCHIV_PRIPONA);
    return host_path.size() > n && strcasecmp(host_path.c_str() + host_path.size() - n, PX_ARCHIV_PRIPONA) == 0;
}

plat_ArchiveResult PX_Archiv_Zapis(const std::string& kniha, const std::string& subor) {
    plat_WaitForWrites();  // the pages and thumbnails saved a moment ago go in whole
    return plat_WriteArchive(kniha, subor, PX_ARCHIV_STRANA);
}

std::string PX_Archiv_Sprava(const plat_ArchiveResult& r) {
    using F = plat_ArchiveFault;
    const std::string co = meno_suboru(r.entry);  // of a file on this disk, its own name
    // An entry's whole name tells where it would lead; a long one is cut to fit the status line.
    const std::string polozka = r.entry.size() > 60 ? r.entry.substr(0, 57) + "..." : r.entry;
    switch (r.fault) {
    case F::NONE: return "";
    case F::UNREADABLE: return v_zatvorkach(u8"Súbor sa nedá čítať", co);
    case F::NOT_ZIP: return v_zatvorkach(u8"Nie je to kniha: súbor je poškodený alebo neúplný", "");
    case F::NAME: return v_zatvorkach(u8"Kniha má nepoužiteľný názov súboru", polozka);
    case F::LINK: return v_zatvorkach(u8"Kniha má odkaz namiesto súboru", polozka);
    case F::TOO_BIG: return v_zatvorkach(u8"Kniha je priveľká (súbor nad 500 MB alebo spolu nad 2 GB)", "");
    case F::BOMB: return v_zatvorkach(u8"Súbor je podozrivo zbalený, nerozbalí sa", "");
    case F::TOO_MANY: return v_zatvorkach(u8"Kniha má priveľa súborov (najviac 20000)", "");
    case F::MISSING: return v_zatvorkach(u8"V knihe nie je žiadna strana", "");
    case F::WRITE: return v_zatvorkach(u8"Chyba: nedá sa zapisovať", co);
    }
    return "";
}

std::string PX_Archiv_Ciel(const std::string& priecinok, const char* meno) {
    return (priecinok.ends_with('/') ? priecinok : priecinok + "/") + plat_Utf8FromCp1250(meno) + PX_ARCHIV_PRIPONA;
}

std::string PX_Archiv_Nacitaj(const std::string& subor, std::string* chyba) {
    TF_LOG("Import knihy:", subor.c_str());
    const std::string docasny = std::string(PX_Knihy_dir()) + plat_ProcessPrefix(PX_NOVA_PREFIX) + "archiv";
    if (!CreateDirectoryA(docasny.c_str(), nullptr)) {
        TF_LOG(TF_LOG_ERR, "Docasny priecinok sa neda vytvorit");
        *chyba = v_zatvorkach(u8"Chyba: do knižnice sa nedá zapisovať", "");
        return "";
    }
    const plat_ArchiveResult r = plat_ReadArchive(subor, plat_HostPath(docasny.c_str()), PX_ARCHIV_STRANA);
    const std::string ciel = r.ok() ? PX_Volny_priecinok_knihy("KNIHA_" + nazov(subor)) : "";
    if (!r.ok() || !MoveFileExA(docasny.c_str(), ciel.c_str(), 0)) {
        tf_FSI_Zmaz_strom(docasny.c_str());
        TF_LOG(TF_LOG_ERR, "Kniha sa neda importovat");
        TF_LOG("dovod:", plat_ArchiveFaultText(r).c_str());
        *chyba = r.ok() ? v_zatvorkach(u8"Chyba: knihu sa nepodarilo uložiť do knižnice", "") : PX_Archiv_Sprava(r);
        return "";
    }
    return ciel.substr(strlen(PX_Knihy_dir()) + strlen("KNIHA_"));
}
