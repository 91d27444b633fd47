// The book's settings file, read line by line within a small cap, and the page size a book
// without one takes from its first page's background.
#include "book/px_nastavenia.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "framework/core/tf_arre.h"
#include "framework/core/tf_fsi.h"
#include "framework/core/tf_log.h"
#include "platform/files.h"
#include "platform/picture.h"

namespace {
const char SRC[] = "PX_NASTAVENIA";
const char SUBOR[] = "\\KNIHA.INI";
// The background line comes first in a page the editor wrote: a page is looked into no further.
const int MAX_LINES = 64;

bool rozumna(int w, int h) { return w >= PX_STRANA_MIN && w <= PX_STRANA_MAX && h >= PX_STRANA_MIN && h <= PX_STRANA_MAX; }

// The name of the background the page file names first ("p <name> <mode>"), or "".
std::string pozadie_strany(const std::string& page_path) {
    plat_TextFile f(page_path.c_str(), PLAT_PAGE_TEXT);
    std::string line, name;
    plat_TextFile::Read r = plat_TextFile::LINE;
    for (int n = 0; name.empty() && n < MAX_LINES && (r = f.Next(&line)) != plat_TextFile::END; ++n) {
        if (r == plat_TextFile::LIMIT) break;
        char found[228];
        if (r == plat_TextFile::LINE && line[0] == 'p' && sscanf(line.c_str(), "p %227s", found) == 1) name = found;
    }
    return name;
}

// The size of the book's first page's background; false when it has none that can be read.
bool podla_pozadia(const char* book_path, int* w, int* h) {
    tf_CARRE pages(0, 0, 2);
    tf_FSI_Zisti_SubAdr(book_path, "*.str", 0, true, &pages);
    const std::string name = pages.count > 0 ? pozadie_strany(static_cast<const char*>(pages[0])) : "";
    pages.UVOLNI_char();
    if (name.empty()) return false;
    const plat_PictureInfo info =
        plat_ProbePicture(plat_HostPath((std::string(book_path) + "\\Pozadia\\" + name + ".bmp").c_str()));
    *w = info.w;
    *h = info.h;
    return info.fault == plat_PictureFault::NONE && rozumna(info.w, info.h);
}
// "cas_strany S": seconds, whole or not.
void cas_strany(const std::string& hodnota, const std::string& path, PX_Nastavenia* n) {
    double s = 0;
    char rest = 0;
    if (sscanf(hodnota.c_str(), "%lf %c", &s, &rest) != 1 || !std::isfinite(s)) {
        TF_LOG("KNIHA.INI: zly cas strany, beriem 8 s", path.c_str());
        return;
    }
    const double ms = std::clamp(s * 1000, double(PX_CAS_STRANY_MIN_MS), double(PX_CAS_STRANY_MAX_MS));
    if (ms != s * 1000) TF_LOG("KNIHA.INI: cas strany mimo 1 s ... 10 min, upraveny (ms)", static_cast<int>(ms));
    n->cas_strany_ms = static_cast<int>(ms);
}
}  // namespace

PX_Nastavenia PX_Nacitaj_nastavenia(const char* book_path) {
    PX_Nastavenia n;
    const std::string path = std::string(book_path ? book_path : "") + SUBOR;
    plat_TextFile f(path.c_str(), PLAT_BOOK_SETTINGS_TEXT);
    bool size = false, logged = false;
    std::string line;
    for (plat_TextFile::Read r; (r = f.Next(&line)) != plat_TextFile::END;) {
        if (r == plat_TextFile::LIMIT) {
            TF_LOG("KNIHA.INI: subor dlhsi ako 64 riadkov alebo 16 KB, zvysok vynechany", path.c_str());
            break;
        }
        int w = 0, h = 0;
        char rest = 0;
        if (r != plat_TextFile::LINE) continue;
        if (line.compare(0, 11, "cas_strany ") == 0) cas_strany(line.substr(11), path, &n);
        if (line.compare(0, 7, "strana ") != 0) continue;
        size = sscanf(line.c_str() + 7, "%d %d %c", &w, &h, &rest) == 2 && rozumna(w, h);
        if (size) {
            n.sir = w;
            n.vys = h;
        } else {
            TF_LOG("KNIHA.INI: zla velkost strany, beriem podla pozadia", path.c_str());
            logged = true;
        }
    }
    if (f.IsOpen() && !size && !logged) TF_LOG("KNIHA.INI: bez velkosti strany, beriem podla pozadia", path.c_str());
    int w = 0, h = 0;
    const bool background = podla_pozadia(book_path, &w, &h);
    if (!size) {
        n.sir = background ? w : PX_Nastavenia{}.sir;
        n.vys = background ? h : PX_Nastavenia{}.vys;
    } else if (background && (w != n.sir || h != n.vys)) {
        // Kept: the background is fitted to the page by its mode, but the author may not expect it.
        TF_LOG("KNIHA.INI: pozadie prvej strany ma iny rozmer ako strana", path.c_str());
    }
    return n;
}
