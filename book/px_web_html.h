// The web book's page: one self-contained index.html (its looks and script inline, nothing
// from the network) that shows the pages' GIFs ("1.gif", ...) one at a time, their texts as
// real text over them, plays each page's narration ("1.wav", ...) and turns the pages by
// buttons, keys and the reading time.
#pragma once
#include <string>
#include <vector>

// A point of a moving text's way: when (in percent of its page's time) and how far from its
// place (in percent of the page's width and height).
struct PX_WebKrok {
    double cas = 0, dx = 0, dy = 0;
};

// A text over a page: places and sizes in percent of the page's width (x, sir) and height
// (y, vys, em, the letters' height).
struct PX_WebText {
    std::string text;  // UTF-8; lines end at '\n'
    double x = 0, y = 0, sir = 0, vys = 0, em = 0;
    unsigned long farba = 0, proti = 0;  // the letters' and the ground's colours, as COLORREF
    int vzhlad = 0;                      // PX_TITULOK, PX_KARTA or PX_BUBLINA
    std::vector<double> chvost;          // a bubble's tail: x, y of its base's corners and its tip; or none
    std::vector<PX_WebKrok> draha;       // its way while the page plays (a bubble follows its object); or none
};

// A page of the web book: its picture is "<n>.gif" for the n-th page (from 1), its
// narration "<n>.wav" when it has one.
struct PX_WebStrana {
    bool hlas = false;
    int cas_ms = 0;  // its reading time: then it turns by itself
    std::vector<PX_WebText> texty;
};

// The page of the book named `kniha` (UTF-8) for pages of the width to height `pomer`.
// Opened with "#selftest", the page presses the next-page key once as it loads and writes
// the page it shows into its title.
std::string PX_Web_Html(const std::string& kniha, const std::vector<PX_WebStrana>& strany, double pomer);
// Text made safe for HTML's content and attributes.
std::string PX_Web_Escape(const std::string& s);
