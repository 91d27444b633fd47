// The actors' phases files, and the numbers of the page's and the phases files' lines.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "book/px_herec.h"
#include "book/px_reg.h"
#include "framework/core/tf_log.h"
#include "platform/files.h"

namespace {
const char* const SRC = "PX_REG";

// Far beyond any screen, yet no sum of a place and a size can overflow.
constexpr long NUMBER_LIMIT = 1000000;
// A sheet holds a few dozen phases: a file that goes on far beyond is read no further, so that
// a small file cannot cost seconds. How much of a file is read at all: platform/file_limits.h.
constexpr int MAX_PHASES = 256;

bool inside_picture(const CHerec* o, int px, int py) {
    return o->srf && o->srf->lpDDS && px >= 0 && py >= 0 && px < o->srf->sir && py < o->srf->vys;
}
}  // namespace

int PX_Citaj_cisla(const char* s, int* out, int n) {
    int got = 0;
    while (got < n) {
        char* end = nullptr;
        const long v = strtol(s, &end, 0);
        if (end == s) break;
        out[got++] = static_cast<int>(std::clamp(v, -NUMBER_LIMIT, NUMBER_LIMIT));
        s = end;
    }
    return got;
}

void P_Load_Fazy(const char* path, CHerec* o) {
    if (!o) return;
    plat_TextFile file(path, PLAT_PHASES_TEXT);
    if (!file.IsOpen()) {
        TF_LOG("P_Load_Fazy: Subor sa neda citat => EVIDUJ_CS()", path ? path : "");
        o->EVIDUJ_CS();
        return;
    }
    TF_LOG("P_Load_Fazy: Nacitavam zo subora:", path);
    std::string line;
    int n = 0, added = 0;
    for (plat_TextFile::Read r; (r = file.Next(&line)) != plat_TextFile::END;) {
        if (added == MAX_PHASES || r == plat_TextFile::LIMIT) {
            TF_LOG("P_Load_Fazy: Chyba, viac ako 256 faz, zvysok suboru vynechany", path);
            break;
        }
        ++n;
        int p[2];
        if (r == plat_TextFile::TOO_LONG || PX_Citaj_cisla(line.c_str(), p, 2) < 2) {
            TF_LOG("P_Load_Fazy: Chyba, riadok bez dvoch cisel vynechany", n);
            continue;
        }
        TF_LOG("P_Load_Fazy - faza", n, p[0], p[1]);
        if (!inside_picture(o, p[0], p[1])) {
            TF_LOG("P_Load_Fazy: Chyba, bod mimo obrazka vynechany", p[0], p[1]);
            continue;
        }
        o->EVIDUJ(p[0], p[1]);
        ++added;
    }
    // An actor without a phase would show as an empty box: the whole picture instead.
    if (o->PocetFaz() == 0) {
        TF_LOG("P_Load_Fazy: ziadna faza => EVIDUJ_CS()", path);
        o->EVIDUJ_CS();
    }
}
