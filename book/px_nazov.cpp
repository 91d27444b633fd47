#include "book/px_nazov.h"

#include <cstring>

#include "book/px_ks.h"
#include "book/px_trieda.h"
#include "framework/core/tf_fsi.h"
#include "platform/codepage.h"

std::string PX_Nazov_orezany(const char* name) {
    const std::string s = name ? name : "";
    const size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The name is one folder name beside the others: nothing that leads elsewhere.
const char* PX_Chyba_nazvu_knihy(const char* name) {
    if (!name || PX_Nazov_orezany(name).empty()) return plat_W1250(u8"Názov knihy je prázdny");
    if (strlen(name) > PX_NAZOV_KNIHY_MAX) return plat_W1250(u8"Názov knihy má viac ako 40 znakov");
    if (strstr(name, "..") || !tf_FSI_Pouzitelny_nazov(name))
        return plat_W1250(u8"Názov knihy nesmie mať / \\ : * ? \" < > |");
    return nullptr;
}

const char* PX_Chyba_pisania(const char* name, int znak) {
    const std::string typed = std::string(name ? name : "") + static_cast<char>(znak);
    if (const char* chyba = PX_Chyba_nazvu_knihy(typed.c_str())) return chyba;
    return plat_W1250(u8"Názov knihy má len písmená, číslice, medzery, - a _");
}

std::string PX_Volne_meno(const std::string& meno, const std::function<bool(const std::string&)>& obsadene) {
    std::string volne = meno;
    for (int n = 2; obsadene(volne); ++n) volne = meno + " (" + std::to_string(n) + ")";
    return volne;
}

std::string PX_Volny_priecinok_knihy(const std::string& dir_name) {
    return PX_Volne_meno(PX_Knihy_dir() + dir_name, [](const std::string& p) { return tf_FSI_ExistsFolder(p.c_str()); });
}
