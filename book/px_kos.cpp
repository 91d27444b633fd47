// The trash: a folder "Kôš" beside the books, one numbered folder in it for each thing deleted,
// holding the thing (a book's folder, or a page's files in a folder named as its book) and a
// line saying where it was.
#include "book/px_kos.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "book/px_ks.h"
#include "book/px_nazov.h"
#include "book/px_sprava.h"
#include "book/px_trieda.h"
#include "framework/core/tf_arre.h"
#include "framework/core/tf_fsi.h"
#include "framework/core/tf_log.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace {
const char SRC[] = "PX_KOS";
const char ODKIAL[] = "\\odkial.txt";  // "kniha <folder>" or "strana <page file>"
const char KNIHA[] = "kniha ", STRANA[] = "strana ";

std::string kos() { return std::string(PX_Knihy_dir()) + plat_W1250(u8"Kôš"); }

// The names in `dir` matching `pattern`, full paths.
std::vector<std::string> zoznam(const std::string& dir, const char* pattern, int kind) {
    tf_CARRE found(0, 0, 2);
    std::vector<std::string> names;
    if (tf_FSI_ExistsFolder(dir.c_str()) && tf_FSI_Zisti_SubAdr(dir.c_str(), pattern, kind, true, &found) == 0)
        for (int i = 0; i < found.count; ++i) names.emplace_back(static_cast<const char*>(found[i]));
    found.UVOLNI_char();
    return names;
}

int cislo(const std::string& path) { return atoi(tf_FSI_Odstrihni_meno(path.c_str()).c_str()); }

// A new numbered folder for one thing, after the highest there is; "" when the trash cannot
// be written.
std::string novy_priecinok() {
    CreateDirectoryA(kos().c_str(), nullptr);
    int n = 0;
    for (const std::string& p : zoznam(kos(), "*", 1)) n = std::max(n, cislo(p));
    const std::string p = kos() + "\\" + std::to_string(n + 1);
    if (CreateDirectoryA(p.c_str(), nullptr)) return p;
    TF_LOG(TF_LOG_ERR, "Kos: priecinok sa neda vytvorit");
    TF_LOG("priecinok:", p.c_str());
    return "";
}

bool zapis_odkial(const std::string& priecinok, const char* druh, const char* path) {
    const std::string line = std::string(druh) + path + "\n";
    return plat_WriteFileAtomic((priecinok + ODKIAL).c_str(), line.data(), line.size());
}

void zmaz_priecinok(const std::string& p) { tf_FSI_Zmaz_strom(p.c_str()); }

std::string meno_priecinka(const std::string& path) { return tf_FSI_Odstrihni_meno(path.c_str()); }

std::string rodic(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

// A page's files: the page file last, so that a page is in one place or the other whole.
std::vector<std::string> subory_strany(const char* page_path) {
    const std::string name = tf_FSI_Vystrihni_meno(page_path);
    std::vector<std::string> files;
    for (const std::string& f : zoznam(rodic(page_path), (name + ".*").c_str(), 0))
        if (tf_FSI_Vystrihni_meno(f.c_str()) == name && !plat_Cp1250EqualNoCase(f.c_str(), page_path))
            files.push_back(f);
    files.push_back(page_path);
    return files;
}

// Moves files into `to` (a folder), under the stem `stem` when given; all or none.
bool presun(const std::vector<std::string>& files, const std::string& to, const std::string& stem, DWORD flags) {
    std::vector<std::pair<std::string, std::string>> done;
    for (const std::string& f : files) {
        std::string name = meno_priecinka(f);
        if (!stem.empty()) name = stem + name.substr(name.find('.'));
        const std::string target = to + "\\" + name;
        if (!MoveFileExA(f.c_str(), target.c_str(), flags)) {
            TF_LOG(TF_LOG_ERR, "Kos: subor sa neda presunut");
            TF_LOG("subor:", f.c_str());
            for (auto it = done.rbegin(); it != done.rend(); ++it) MoveFileExA(it->second.c_str(), it->first.c_str(), 0);
            return false;
        }
        done.emplace_back(f, target);
    }
    return true;
}

// The page's stem in its book: its own when free, else one past the book's highest number.
std::string volna_strana(const std::string& book, const std::string& stem) {
    if (!tf_FSI_Existuje_sub((book + "\\" + stem + ".str").c_str())) return stem;
    int n = 0;
    for (const std::string& p : zoznam(book, "*.str", 0)) n = std::max(n, cislo(p));
    return std::to_string(n + 1);
}

bool citaj_vec(const std::string& priecinok, PX_Kos_vec* vec) {
    FILE* f = plat_fopen((priecinok + ODKIAL).c_str(), "rb");
    char line[MAX_PATH + 16] = "";
    const bool read = f && fgets(line, sizeof line, f);
    if (f) fclose(f);
    line[strcspn(line, "\r\n")] = '\0';
    vec->priecinok = priecinok;
    vec->kniha = strncmp(line, KNIHA, strlen(KNIHA)) == 0;
    const size_t skip = vec->kniha ? strlen(KNIHA) : strncmp(line, STRANA, strlen(STRANA)) == 0 ? strlen(STRANA) : 0;
    vec->odkial = skip ? line + skip : "";
    return read && skip > 0 && !vec->odkial.empty();
}

// Where the thing lies inside its folder: the book's folder, or the page file.
std::string obsah(const PX_Kos_vec& vec) {
    const std::string book = meno_priecinka(vec.kniha ? vec.odkial : rodic(vec.odkial));
    return vec.priecinok + "\\" + book + (vec.kniha ? "" : "\\" + meno_priecinka(vec.odkial));
}
}  // namespace

std::vector<PX_Kos_vec> PX_Kos_Obsah() {
    std::vector<PX_Kos_vec> veci;
    const std::vector<std::string> folders = zoznam(kos(), "*", 1);
    for (auto it = folders.rbegin(); it != folders.rend(); ++it) {
        PX_Kos_vec vec;
        if (citaj_vec(*it, &vec) && tf_FSI_ExistsFolder(obsah(vec).c_str())) veci.push_back(vec);
    }
    return veci;
}

std::string PX_Kos_Popis(const PX_Kos_vec& vec) {
    const std::string book = meno_priecinka(vec.kniha ? vec.odkial : rodic(vec.odkial));
    const std::string name = book.size() > 6 ? book.substr(6) : "";
    if (vec.kniha) return name;
    return name + plat_W1250(u8", strana ") + tf_FSI_Vystrihni_meno(vec.odkial.c_str());
}

bool PX_Kos_Odstran_stranu(const char* page_path) {
    const std::string p = novy_priecinok();
    const std::string book = p.empty() ? "" : p + "\\" + meno_priecinka(rodic(page_path));
    if (p.empty() || !zapis_odkial(p, STRANA, page_path) || !CreateDirectoryA(book.c_str(), nullptr) ||
        !presun(subory_strany(page_path), book, "", 0)) {
        if (!p.empty()) zmaz_priecinok(p);
        return false;
    }
    TF_LOG("Kos: strana odstranena", page_path);
    return true;
}

bool PX_Kos_Odstran_knihu(const char* book_path) {
    const std::string p = novy_priecinok();
    if (p.empty() || !zapis_odkial(p, KNIHA, book_path) ||
        !MoveFileExA(book_path, (p + "\\" + meno_priecinka(book_path)).c_str(), 0)) {
        TF_LOG(TF_LOG_ERR, "Kos: kniha sa neda presunut");
        TF_LOG("kniha:", book_path);
        if (!p.empty()) zmaz_priecinok(p);
        return false;
    }
    TF_LOG("Kos: kniha odstranena", book_path);
    return true;
}

std::string PX_Kos_Obnov(const PX_Kos_vec& vec) {
    std::string back;
    if (vec.kniha) {
        back = PX_Volny_priecinok_knihy(meno_priecinka(vec.odkial));
        if (!MoveFileExA(obsah(vec).c_str(), back.c_str(), 0)) back.clear();
    } else {
        const std::string book = rodic(vec.odkial);
        const std::string stem = volna_strana(book, tf_FSI_Vystrihni_meno(vec.odkial.c_str()));
        // Files of the number that no page holds (a thumbnail left beside) give way.
        if (tf_FSI_ExistsFolder(book.c_str()) &&
            presun(subory_strany(obsah(vec).c_str()), book, stem, MOVEFILE_REPLACE_EXISTING))
            back = book + "\\" + stem + ".str";
    }
    if (back.empty()) {
        TF_LOG(TF_LOG_ERR, "Kos: vec sa neda obnovit");
        TF_LOG("odkial:", vec.odkial.c_str());
        return "";
    }
    zmaz_priecinok(vec.priecinok);
    TF_LOG("Kos: obnovene", back.c_str());
    return back;
}

std::string PX_Premenuj_knihu(const char* book_path, const char* name) {
    if (!PX_Platny_nazov_knihy(name)) return "";
    const std::string target = std::string(PX_Knihy_dir()) + "KNIHA_" + name;
    if (target == book_path) return target;
    // Only the case of its letters changes: the folder finds itself, so it goes by a detour.
    const bool same = plat_Cp1250EqualNoCase(target.c_str(), book_path);
    const std::string detour = same ? std::string(PX_Knihy_dir()) + plat_ProcessPrefix(PX_NOVA_PREFIX) + "premenovanie" : target;
    if (!same && tf_FSI_ExistsFolder(target.c_str())) {
        TF_LOG("Adresar:", target.c_str());
        PX_Chyba(plat_W1250(u8"[Kniha s týmto názvom už existuje]"));
        return "";
    }
    if (!MoveFileExA(book_path, detour.c_str(), 0) || (same && !MoveFileExA(detour.c_str(), target.c_str(), 0))) {
        if (same) MoveFileExA(detour.c_str(), book_path, 0);
        TF_LOG("kniha:", book_path);
        PX_Chyba(plat_W1250(u8"[Chyba: knihu sa nepodarilo premenovať]"));
        return "";
    }
    return target;
}
