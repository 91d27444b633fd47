// The names of the listings: wildcard patterns and the natural order.
#include <cstring>
#include <string>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/files_internal.h"

namespace {
bool wildcard_match(const char* pat, const char* name) {
    const char* star = nullptr;  // the pattern after the last "*" seen
    const char* resume = name;   // where that "*" stopped taking characters
    while (*name) {
        if (*pat == '*') {
            star = ++pat;
            resume = name;
        } else if (*pat && (*pat == '?' || plat_Cp1250Lower(*pat) == plat_Cp1250Lower(*name))) {
            ++pat;
            ++name;
        } else if (star) {
            pat = star;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pat == '*') ++pat;
    return *pat == 0;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

bool plat_PatternMatches(const std::string& pat, const char* name) {
    if (wildcard_match(pat.c_str(), name)) return true;
    size_t n = pat.size();
    return n >= 2 && pat.compare(n - 2, 2, ".*") == 0 && wildcard_match(pat.substr(0, n - 2).c_str(), name);
}

bool plat_NaturalLess(const char* a, const char* b) {
    const char *p = a, *q = b;
    while (*p && *q) {
        if (is_digit(*p) && is_digit(*q)) {
            while (*p == '0') ++p;
            while (*q == '0') ++q;
            size_t lp = 0, lq = 0;
            while (is_digit(p[lp])) ++lp;
            while (is_digit(q[lq])) ++lq;
            if (lp != lq) return lp < lq;
            if (int c = strncmp(p, q, lp)) return c < 0;
            p += lp;
            q += lq;
            continue;
        }
        unsigned char cp = plat_Cp1250Lower(*p), cq = plat_Cp1250Lower(*q);
        if (cp != cq) return cp < cq;
        ++p;
        ++q;
    }
    if (*p || *q) return *q != 0;
    return strcmp(a, b) < 0;
}
