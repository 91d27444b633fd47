// Making a new book: the name checked, the template copied beside the books and renamed into
// place when whole.
#include <algorithm>
#include <cstdio>
#include <string>

#include "book/px_ks.h"
#include "book/px_nazov.h"
#include "book/px_sprava.h"
#include "book/px_stav.h"
#include "book/px_trieda.h"
#include "framework/core/tf_fsi.h"
#include "framework/core/tf_log.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace {
const char SRC[] = "PX_KS";
}  // namespace

bool PX_Platny_nazov_knihy(const char* name) {
    const char* chyba = PX_Chyba_nazvu_knihy(name);
    if (!chyba) return true;
    TF_LOG("nazov:", name ? name : "");
    PX_Chyba(("[" + std::string(chyba) + "]").c_str());
    return false;
}

bool NOVA_KNIHA(const char* name, size_t sablona) {
    if (!PX_Platny_nazov_knihy(name)) return false;
    const char* const TEMPLATE_DIR = px_trieda.sablony[std::min(sablona, px_trieda.sablony.size() - 1)].cesta.c_str();
    char target[MAX_PATH];
    if (snprintf(target, sizeof target, "%sKNIHA_%s", PX_Knihy_dir(), name) >= static_cast<int>(sizeof target)) {
        TF_LOG(TF_LOG_ERR, "Pridlhy nazov knihy!");
        TF_LOG("nazov:", name);
        PX_Chyba(plat_W1250(u8"[Názov knihy je pridlhý]"));
        return false;
    }
    if (!tf_FSI_ExistsFolder(TEMPLATE_DIR)) {
        TF_LOG(TF_LOG_ERR, "Nexistencia sablony novej knihy!");
        TF_LOG("Adresar:", TEMPLATE_DIR);
        PX_Chyba(plat_W1250(u8"[Chýba šablóna novej knihy]"));
        return false;
    }
    if (tf_FSI_ExistsFolder(target)) {
        TF_LOG(TF_LOG_ERR, "Duplicitny nazov knihy! (adresar uz existuje)");
        TF_LOG("Adresar:", target);
        PX_Chyba(plat_W1250(u8"[Kniha s týmto názvom už existuje]"));
        return false;
    }
    // Filled beside the books under a name of its own and renamed into place when whole, so a
    // kill during the copy leaves no half book; the next start removes what it left.
    const std::string temp = std::string(PX_Knihy_dir()) + plat_ProcessPrefix(PX_NOVA_PREFIX) + "kniha";
    int failures = 0;
    const bool copied = CreateDirectoryA(temp.c_str(), nullptr) &&
                        tf_FSI_SynchroFolders(TEMPLATE_DIR, temp.c_str(), &failures) == 0 && failures == 0;
    if (!copied || !MoveFileExA(temp.c_str(), target, 0)) {
        tf_FSI_Zmaz_strom(temp.c_str());
        TF_LOG(TF_LOG_ERR, "Sablonu sa nepodarilo skopirovat");
        TF_LOG("Adresar:", target);
        PX_Chyba(plat_W1250(u8"[Knihu sa nepodarilo vytvoriť]"));
        return false;
    }
    return true;
}

void PX_Nova_kniha_zadana(const char* text, size_t sablona) {
    TF_LOG("Zadany nazov:", text ? text : "");
    if (!text || !*text) {
        TF_LOG(TF_LOG_ERR, "Nezadany nazov knihy!");
        PX_Chyba(plat_W1250(u8"[Kniha potrebuje názov]"));
        return;
    }
    if (!NOVA_KNIHA(text, sablona)) return;
    NACITAJ_KNIHY();
    const int id = NAJDI_KNIHU(text);
    if (id > -1) VOLBA_KNIHY(id, true);
}
