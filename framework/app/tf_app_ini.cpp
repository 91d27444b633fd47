// The settings file: "width height" on line 1, "level period" on line 2.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/app/tf_app.h"
#include "framework/core/tf_log.h"
#include "platform/files.h"

namespace {
const char* const SRC = "TF_APP_w";
constexpr int LEVEL_MAX = 10;
// A longer period would leave the screen frozen for seconds.
constexpr int PERIOD_MAX = 1000;

// One line, of which the first characters count (PLAT_SETTINGS_TEXT); the rest of a longer
// line is skipped, so that it never passes for the next line. False at the end of the file.
bool read_line(plat_TextFile& f, std::string* line) {
    const plat_TextFile::Read r = f.Next(line);
    return r == plat_TextFile::LINE || r == plat_TextFile::TOO_LONG;
}

// An integer as "%i" reads it (decimal, "0x" hexadecimal, leading-zero octal); false when
// there is none or it does not fit an int.
bool parse_int(const char*& p, int* out) {
    char* end = nullptr;
    errno = 0;
    const long v = strtol(p, &end, 0);
    if (end == p || errno == ERANGE || v < INT_MIN || v > INT_MAX) return false;
    *out = static_cast<int>(v);
    p = end;
    return true;
}

// Both numbers or neither.
bool parse_pair(const char* line, int* a, int* b) {
    const char* p = line;
    int x = 0, y = 0;
    if (!parse_int(p, &x) || !parse_int(p, &y)) return false;
    *a = x;
    *b = y;
    return true;
}
}  // namespace

bool tf_APP_ReadINI(const char* name, int* w, int* h, int* level, int* period) {
    if (!name || !name[0]) return false;
    plat_TextFile f(name, PLAT_SETTINGS_TEXT);
    if (!f.IsOpen()) return false;
    std::string line;
    if (read_line(f, &line)) parse_pair(line.c_str(), w, h);
    int lv = 0, per = 0;
    if (read_line(f, &line) && !line.empty() && parse_pair(line.c_str(), &lv, &per)) {
        if (lv >= 1 && lv <= LEVEL_MAX && per >= 1 && per <= PERIOD_MAX) {
            *level = lv;
            *period = per;
        } else {
            TF_LOG(TF_LOG_ERR, "tf_APP_ReadINI - casovac mimo rozsah");
            TF_LOG("uroven, perioda:", lv, per);
        }
    }
    return true;
}

bool tf_APP_WriteINI(const char* name, int w, int h, int level, int period) {
    char text[64];
    const int n = snprintf(text, sizeof text, "%i %i\n%i %i", w, h, level, period);
    if (!name || !name[0] || !plat_WriteFileAtomic(name, text, static_cast<size_t>(n))) {
        TF_LOG(TF_LOG_ERR, "tf_APP_WriteINI - subor sa neda zapisat");
        TF_LOG("subor:", name ? name : "");
        return false;
    }
    return true;
}
