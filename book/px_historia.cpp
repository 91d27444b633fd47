// The undo history: steps of whole-page snapshots, a position among them, and the step at
// which the page is the saved one.
#include "book/px_historia.h"

#include <cstdio>
#include <deque>
#include <iterator>
#include <optional>

#include "book/px_editor_cmd.h"
#include "book/px_snimka.h"
#include "book/px_stav.h"
#include "platform/codepage.h"

namespace {
const char8_t* const WHAT[] = {
    u8"pridanie pozadia",
    u8"pridanie kulisy",
    u8"pridanie herca",
    u8"odstránenie objektu",
    u8"kópia objektu",
    u8"presun objektu",
    u8"zmena pohybu",
    u8"zmena kolízie",
    u8"zmena animácie",
    u8"zmena geometrie pozadia",
    u8"spustenie animácie",
};
static_assert(std::size(WHAT) == PX_UPRAVA_SPUSTENIE + 1);

struct Krok {
    PX_Uprava uprava;
    PX_SnimkaPtr pred, po;
};

struct Historia {
    std::deque<Krok> kroky;
    size_t pos = 0;               // steps done; those from here on can be redone
    long ulozene = 0;             // the saved page is the one after this many steps; -1: none kept
    std::optional<Krok> otvoreny;  // recorded, its edit under way
    PX_SnimkaPtr posledny;        // the page last taken or restored: the next one shares with it
};

// Made on first use and freed by PX_HIST_Vymaz: it holds surfaces, so it must not outlive the
// editor to the program's end, where the display goes first.
Historia* history = nullptr;

Historia& the_history() {
    if (!history) {
        history = new Historia;
        history->ulozene = dirty ? -1 : 0;
    }
    return *history;
}

const PX_SnimkaPtr& take_page(Historia& h) { return h.posledny = PX_Snimka_Zachyt(h.posledny.get()); }

void trim(Historia& h) {
    while (h.kroky.size() > size_t(PX_HIST_MAX_STEPS) || (h.kroky.size() > 1 && PX_HIST_Pamat() > PX_HIST_MAX_BYTES)) {
        h.kroky.pop_front();
        --h.pos;
        h.ulozene = h.ulozene > 0 ? h.ulozene - 1 : -1;
    }
}

// The edit under way is over: it becomes a step when it changed the page, and a new step
// drops those that could have been redone. True when the page was taken.
bool settle(Historia& h) {
    if (!h.otvoreny) return false;
    Krok k = std::move(*h.otvoreny);
    h.otvoreny.reset();
    k.po = take_page(h);
    if (PX_Snimka_Rovnake(*k.po, *k.pred)) return true;
    h.kroky.erase(h.kroky.begin() + long(h.pos), h.kroky.end());
    if (h.ulozene > long(h.pos)) h.ulozene = -1;
    h.kroky.push_back(std::move(k));
    ++h.pos;
    trim(h);
    return true;
}

void say(const char8_t* direction, const char8_t* what) {
    snprintf(status_text, sizeof status_text, "%s: %s", plat_W1250(direction), plat_W1250(what));
}

// Common to undo and redo: nothing while a drag is under way, the object menu closes, and the
// edit under way ends.
Historia* ready() {
    if (dragged != -1) return nullptr;
    setup_target = -1;
    Historia& h = the_history();
    settle(h);
    return &h;
}

void show(Historia& h, const Krok& k, const PX_SnimkaPtr& page, const char8_t* direction) {
    PX_Snimka_Obnov(*page, k.uprava == PX_UPRAVA_SPUSTENIE);
    h.posledny = page;
    dirty = long(h.pos) != h.ulozene;
    say(direction, WHAT[k.uprava]);
}
}  // namespace

void PX_HIST_Zaznam(PX_Uprava uprava) {
    Historia& h = the_history();
    const PX_SnimkaPtr& pred = settle(h) ? h.posledny : take_page(h);
    h.otvoreny = Krok{uprava, pred, nullptr};
}

void PX_Undo() {
    Historia* h = ready();
    if (!h) return;
    if (h->pos == 0) return say(u8"Späť", u8"nie je čo vrátiť");
    Krok& k = h->kroky[--h->pos];
    k.po = take_page(*h);  // what playback did since is what a redo brings back
    show(*h, k, k.pred, u8"Späť");
}

void PX_Redo() {
    Historia* h = ready();
    if (!h) return;
    if (h->pos == h->kroky.size()) return say(u8"Znova", u8"nie je čo zopakovať");
    const Krok& k = h->kroky[h->pos++];
    show(*h, k, k.po, u8"Znova");
}

void PX_HIST_Ulozene() {
    if (!history) return;
    settle(*history);
    if (!dirty) history->ulozene = long(history->pos);
}

void PX_HIST_Vymaz() {
    delete history;
    history = nullptr;
}

int PX_HIST_Krokov() { return history ? static_cast<int>(history->kroky.size()) : 0; }

size_t PX_HIST_Pamat() { return history ? PX_Snimka_Pamat() + history->kroky.size() * sizeof(Krok) : 0; }
