// The book's settings file, read line by line within a small cap, and the page size a book
// without one takes from its first page's background.
#include "book/px_nastavenia.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/core/tf_arre.h"
#include "framework/core/tf_fsi.h"
#include "framework/core/tf_log.h"
#include "platform/files.h"
#include "platform/picture.h"

namespace {
const char SRC[] = "PX_NASTAVENIA";
const char SUBOR[] = "\\KNIHA.INI";
const int MAX_LINES = 64;

bool rozumna(int w, int h) { return w >= PX_STRANA_MIN && w <= PX_STRANA_MAX && h >= PX_STRANA_MIN && h <= PX_STRANA_MAX; }

// The name of the background the page file names first ("p <name> <mode>"), or "".
std::string pozadie_strany(const std::string& page_path) {
    FILE* f = plat_fopen(page_path.c_str(), "rb");
    char line[400];
    std::string name;
    for (int n = 0; f && name.empty() && n < MAX_LINES && fgets(line, sizeof line, f); ++n) {
        char found[228];
        if (line[0] == 'p' && sscanf(line, "p %227s", found) == 1) name = found;
    }
    if (f) fclose(f);
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
}  // namespace

PX_Nastavenia PX_Nacitaj_nastavenia(const char* book_path) {
    PX_Nastavenia n;
    const std::string path = std::string(book_path ? book_path : "") + SUBOR;
    FILE* f = plat_fopen(path.c_str(), "rb");
    bool size = false;
    char line[200];
    for (int i = 0; f && i < MAX_LINES && fgets(line, sizeof line, f); ++i) {
        int w = 0, h = 0;
        char rest = 0;
        if (strncmp(line, "strana ", 7) != 0) continue;
        size = sscanf(line + 7, "%d %d %c", &w, &h, &rest) == 2 && rozumna(w, h);
        if (size) {
            n.sir = w;
            n.vys = h;
        } else {
            TF_LOG("KNIHA.INI: zla velkost strany, beriem podla pozadia", path.c_str());
        }
    }
    if (f) fclose(f);
    if (!size && !podla_pozadia(book_path, &n.sir, &n.vys)) n = PX_Nastavenia{};
    return n;
}
