// Windows-1250 <-> Unicode after the code page's published table, and UTF-8 both ways.
#include "platform/codepage.h"

#include <map>

namespace {
const char32_t UNDEFINED = 0xFFFD;

// Bytes 0x80..0xFF; below 0x80 the code page is ASCII.
const char32_t HIGH_HALF[128] = {
    0x20AC, UNDEFINED, 0x201A, UNDEFINED, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    UNDEFINED, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,     // 88
    UNDEFINED, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,     // 90
    UNDEFINED, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,     // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,        // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,        // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,        // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,        // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,        // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,        // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,        // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,        // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,        // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,        // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,        // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,        // F8
};

char from_unicode(char32_t u) {
    if (u < 0x80) return static_cast<char>(u);
    if (u == UNDEFINED) return '?';
    for (int i = 0; i < 128; ++i)
        if (HIGH_HALF[i] == u) return static_cast<char>(0x80 + i);
    return '?';
}

void append_utf8(std::string& out, char32_t u) {
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (u >> 18));
        out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

// Decodes the character at s and moves past it. A broken sequence yields UNDEFINED and is
// skipped as one unit up to the first byte that cannot continue it, so the text that
// follows survives.
char32_t next_utf8(const unsigned char*& s) {
    unsigned c = *s++;
    if (c < 0x80) return c;
    int more;
    char32_t u;
    unsigned lo = 0x80, hi = 0xBF;  // the range of the second byte; it excludes overlongs and surrogates
    if (c >= 0xC2 && c <= 0xDF) {
        more = 1;
        u = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        more = 2;
        u = c & 0x0F;
        if (c == 0xE0) lo = 0xA0;
        if (c == 0xED) hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        more = 3;
        u = c & 0x07;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;
    } else {
        return UNDEFINED;
    }
    for (; more > 0; --more) {
        if (*s < lo || *s > hi) return UNDEFINED;  // also stops at the terminating zero
        u = (u << 6) | (*s++ & 0x3F);
        lo = 0x80;
        hi = 0xBF;
    }
    return u;
}
}  // namespace

char32_t plat_Cp1250ToUnicode(unsigned char c) { return c < 0x80 ? c : HIGH_HALF[c - 0x80]; }

std::string plat_Utf8FromCp1250(const char* text) {
    std::string out;
    if (!text) return out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p)
        append_utf8(out, plat_Cp1250ToUnicode(*p));
    return out;
}

std::string plat_Cp1250FromUtf8(const char* utf8) {
    std::string out;
    if (!utf8) return out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8); *p;) out += from_unicode(next_utf8(p));
    return out;
}

std::string plat_Cp1250TypedFromUtf8(const char* utf8) {
    std::string out;
    if (!utf8) return out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8); *p;) {
        const char32_t u = next_utf8(p);
        const char c = from_unicode(u);
        if ((c != '?' || u == '?') && static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) out += c;
    }
    return out;
}

bool plat_IsUtf8(const char* text) {
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p;) {
        const unsigned char* at = p;
        const bool replacement = at[0] == 0xEF && at[1] == 0xBF && at[2] == 0xBD;  // U+FFFD itself is valid
        if (next_utf8(p) == UNDEFINED && !replacement) return false;
    }
    return true;
}

std::string plat_Cp1250FromHostName(const char* name) {
    if (!name) return {};
    return plat_IsUtf8(name) ? plat_Cp1250FromUtf8(name) : name;
}

const char* plat_W1250(const char* utf8) {
    static std::map<std::string, std::string> interned;  // nodes never move, so pointers stay valid
    if (!utf8) return "";
    auto it = interned.find(utf8);
    if (it == interned.end()) it = interned.emplace(utf8, plat_Cp1250FromUtf8(utf8)).first;
    return it->second.c_str();
}

unsigned char plat_Cp1250Lower(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;  // 0xD7 is the multiplication sign
    switch (c) {
    case 0x8A: case 0x8C: case 0x8D: case 0x8E: case 0x8F:  // Š Ś Ť Ž Ź
        return c + 0x10;
    case 0xA3: return 0xB3;  // Ł
    case 0xA5: return 0xB9;  // Ą
    case 0xAA: return 0xBA;  // Ş
    case 0xAF: return 0xBF;  // Ż
    case 0xBC: return 0xBE;  // Ľ
    default: return c;
    }
}

bool plat_Cp1250IsLetter(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
    if (c < 0x80) return false;
    if (plat_Cp1250Lower(c) != c || c == 0xDF) return true;  // a capital, or sharp s
    for (int k = 0x80; k < 0x100; ++k)
        if (k != c && plat_Cp1250Lower(static_cast<unsigned char>(k)) == c) return true;  // a small letter
    return false;
}

bool plat_Cp1250EqualNoCase(const char* a, const char* b) {
    if (!a || !b) return a == b;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(a);
    const unsigned char* q = reinterpret_cast<const unsigned char*>(b);
    for (; *p && *q; ++p, ++q)
        if (plat_Cp1250Lower(*p) != plat_Cp1250Lower(*q)) return false;
    return *p == *q;
}
