// A text's line in the page file: "t x y motion edge size colour look object words", the words
// escaped so that no space, line end or escape of theirs can split the line or the fields;
// and the rules every text keeps, typed or read.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "book/px_text.h"
#include "framework/core/tf_log.h"
#include "platform/codepage.h"

namespace {
const char* const SRC = "PX_TEXT";
constexpr int POLI = 8;  // the numbers before the words
constexpr long LIMIT = 1000000;  // as for a picture's place

// The written form of one byte of the words.
void zapis(std::string& out, unsigned char c) {
    if (c == '\\') {
        out += "\\\\";
    } else if (c == '\n') {
        out += "\\n";
    } else if (c == ' ') {
        out += "\\s";
    } else if (c < 0x20 || c == 0x7F) {
        char hex[5];
        snprintf(hex, sizeof hex, "\\x%02X", c);
        out += hex;
    } else {
        out += static_cast<char>(c);
    }
}

size_t zapisane(const std::string& text) {
    std::string out;
    for (unsigned char c : text) zapis(out, c);
    return out.size();
}

bool hex(char c) { return isxdigit(static_cast<unsigned char>(c)) != 0; }

bool znak_textu(unsigned char c) { return c == '\n' || (c >= 0x20 && c != 0x7F && plat_Cp1250ToUnicode(c) != 0xFFFD); }

// The words back from their written form; false for an escape that none of ours writes.
bool precitaj(const char* s, std::string& out) {
    bool ok = true;
    for (; *s; ++s) {
        if (*s != '\\') {
            out += *s;
            continue;
        }
        const char e = *++s;
        if (e == '\\' || e == 'n' || e == 's') {
            out += e == 'n' ? '\n' : e == 's' ? ' ' : '\\';
        } else if (e == 'x' && hex(s[1]) && hex(s[2])) {
            out += static_cast<char>(strtol(std::string(s + 1, 2).c_str(), nullptr, 16));
            s += 2;
        } else {
            ok = false;
            if (!e) break;
        }
    }
    return ok;
}

int v_rozsahu(int v, int lo, int hi, const char* co) {
    if (v >= lo && v <= hi) return v;
    TF_LOG("PX_Text_Citaj: Chyba, hodnota mimo rozsah", co, v);
    return std::clamp(v, lo, hi);
}
}  // namespace

bool PX_Text_Zmesti(const std::string& text) {
    return zapisane(text) <= PX_TEXT_MAX_ZAPIS && std::count(text.begin(), text.end(), '\n') < PX_TEXT_MAX_RIADKOV;
}

bool PX_Text_Prazdny(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\n'; });
}

bool PX_Text_Ocisti(std::string& text) {
    std::string out;
    bool cele = true;
    for (unsigned char c : text) {
        if (!znak_textu(c)) {
            cele = false;
            continue;
        }
        out += static_cast<char>(c);
        if (!PX_Text_Zmesti(out)) {
            out.pop_back();
            cele = false;
            break;
        }
    }
    text = std::move(out);
    return cele;
}

std::string PX_Text_Riadok(const PX_Text& t, int x, int y, int motion, int edge, int ciel) {
    std::string line(1, PX_RIADOK_TEXTU);
    for (int v : {x, y, motion, edge, t.velkost, t.farba, t.vzhlad, ciel}) line += " " + std::to_string(v);
    line += ' ';
    for (unsigned char c : t.text) zapis(line, c);
    return line + "\n";
}

std::optional<PX_TextRiadok> PX_Text_Citaj(const std::string& line) {
    const char* s = line.c_str() + 1;
    int v[POLI];
    for (int& n : v) {
        char* end = nullptr;
        const long got = strtol(s, &end, 10);
        if (end == s || *end != ' ') {
            TF_LOG("PX_Text_Citaj: Chyba, riadok textu bez vsetkych poli vynechany", line.c_str());
            return std::nullopt;
        }
        n = static_cast<int>(std::clamp(got, -LIMIT, LIMIT));
        s = end;
    }
    PX_TextRiadok r;
    if (!precitaj(s + 1, r.t.text)) TF_LOG("PX_Text_Citaj: Chyba, neznama nahrada v texte", line.c_str());
    if (!PX_Text_Ocisti(r.t.text)) TF_LOG("PX_Text_Citaj: Chyba, text skrateny alebo bez neplatnych znakov");
    if (PX_Text_Prazdny(r.t.text)) {
        TF_LOG("PX_Text_Citaj: Chyba, prazdny text vynechany", line.c_str());
        return std::nullopt;
    }
    r.x = v[0], r.y = v[1], r.motion = v[2], r.edge = v[3];
    r.t.velkost = v_rozsahu(v[4], 0, PX_VELKOSTI - 1, "velkost");
    r.t.farba = v_rozsahu(v[5], 0, PX_FARBY - 1, "farba");
    r.t.vzhlad = v_rozsahu(v[6], 0, PX_VZHLADOV - 1, "vzhlad");
    r.t.ciel = std::max(-1, v[7]);
    return r;
}
