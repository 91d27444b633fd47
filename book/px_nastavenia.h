// A book's own settings, in the file "KNIHA.INI" of its folder (never in "PX.INI", whose form
// is fixed): the page size its pages are composed at, and how long a page without a narration
// stays when the book is read. A line per setting, its name and values:
//   strana 1920 1080
//   cas_strany 8
// Lines it does not know are skipped, so that a later setting never breaks an earlier reader.
#pragma once

struct PX_Nastavenia {
    int sir = 1920, vys = 1080;  // the page size
    int cas_strany_ms = 8000;    // a page's reading time when it has no narration
};

constexpr int PX_STRANA_MIN = 320, PX_STRANA_MAX = 4096;
constexpr int PX_CAS_STRANY_MIN_MS = 1000, PX_CAS_STRANY_MAX_MS = 600000;

// The settings of the book in the folder `book_path`. A book without the file (every book made
// before, and books from elsewhere) takes the size of its first page's background picture,
// else 1920 x 1080; sizes that are garbage, or outside PX_STRANA_MIN ... PX_STRANA_MAX, are
// logged and replaced the same way. A page time that is no number is logged and left at 8 s;
// one outside PX_CAS_STRANY_MIN_MS ... PX_CAS_STRANY_MAX_MS is logged and brought into it.
PX_Nastavenia PX_Nacitaj_nastavenia(const char* book_path);
