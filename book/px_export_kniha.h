// The whole book as one animated GIF, read as in the editor: each page plays for its reading
// time (its narration and a moment more, else the book's page time), a turn brings the next
// page (the old page's last frame slides away over the new one, which plays already), and
// the book ends on its closing card. One palette is counted over all of it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "book/px_export.h"
#include "book/px_export_player.h"

constexpr int PX_KARTA_MS = 3000;  // the closing card stays, after the turn that brings it

// One frame of the book's film.
struct PX_Snimok_knihy {
    int strana = 0;         // the page, an index of the reading times; -1: the closing card
    int tick = 0;           // the page's tick, counted from the turn that brought it
    double prechod = -1;    // how far the old page has slid away over it, 0 ... 1; < 0: no turn
    bool posledny = false;  // the page's last frame: the next turn slides it away
    int delay_cs = 0;
};
// The frames of pages read for these times (ms) at the timing's rate and pace: the first page
// for its time, each later one for a turn and then its time, the card for a turn and a while.
std::vector<PX_Snimok_knihy> PX_Film_knihy(const std::vector<int>& casy_ms, const PX_Timing& timing);

// A page of the book as the export finds it.
struct PX_Strana_knihy {
    PX_Player::Page page;
    bool citatelna = false;              // its file loads
    std::vector<std::string> chybajuce;  // the pictures it names that are missing
    int cas_ms = 0;                      // its reading time
};
// The book's pages, each loaded once to see, at the book's page time (ms).
std::vector<PX_Strana_knihy> PX_Strany_knihy(PX_Player& player, const std::vector<PX_Player::Page>& pages,
                                             int cas_strany_ms);

// The book's film, played from the pages of `strany` that load: its frames (none when no
// page loads), each frame's page an index of `strany`, which must outlive the film.
struct PX_Film_knihy_hrany {
    PX_Film film;
    std::vector<PX_Snimok_knihy> snimky;
};
PX_Film_knihy_hrany PX_Hraj_knihu(PX_Player& player, const std::vector<PX_Strana_knihy>& strany,
                                  const PX_Timing& timing);

// The GIF of the pages that load, its frames in *snimkov; empty when none loads, a page could
// not be played again or the encoder failed.
std::vector<uint8_t> PX_Export_Knihy(PX_Player& player, const std::vector<PX_Strana_knihy>& strany,
                                     const PX_Timing& timing, const PX_Progress& progress = {},
                                     int* snimkov = nullptr);
