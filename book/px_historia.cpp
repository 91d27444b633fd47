// The undo history: for every page, steps of whole-page snapshots, a position among them and
// the step at which the page is the saved one; the bounds count the steps of all pages.
#include "book/px_historia.h"

#include <cstdio>
#include <cstring>
#include <deque>
#include <iterator>
#include <map>
#include <optional>
#include <string>

#include "book/px_editor_cmd.h"
#include "book/px_narracia.h"
#include "book/px_snimka.h"
#include "book/px_sprava.h"
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
    u8"nahrávka rozprávania",
    u8"zmena zvuku strany",
    u8"obnovenie neuložených zmien",
    u8"import obrázkov",
    u8"odstránenie rozprávania",
    u8"spustenie animácie",
    u8"písanie textu",
    u8"zmena vzhľadu textu",
};
static_assert(std::size(WHAT) == PX_UPRAVA_VZHLAD_TEXTU + 1);

struct Krok {
    PX_Uprava uprava;
    PX_SnimkaPtr pred, po;
    unsigned long poradie = 0;  // across all pages: the smallest goes first past a bound
};

struct Historia {
    std::deque<Krok> kroky;
    size_t pos = 0;                // steps done; those from here on can be redone
    long ulozene = 0;              // the saved page is the one after this many steps; -1: none kept
    std::optional<Krok> otvoreny;  // recorded, its edit under way
    PX_SnimkaPtr posledny;         // the page last taken or restored: the next one shares with it
};

// Made on first use and freed by PX_HIST_Vymaz: they hold surfaces, so they must not outlive
// the editor to the program's end, where the display goes first.
struct Historie {
    std::map<std::string, Historia> stran;
    std::string aktualna;  // the key of the page shown
    unsigned long dalsie_poradie = 0;
    int krokov = 0;
};
Historie* all = nullptr;

Historie& the_all() {
    if (!all) all = new Historie;
    return *all;
}

Historia& the_history() {
    Historie& a = the_all();
    auto [it, made] = a.stran.try_emplace(a.aktualna);
    if (made) it->second.ulozene = dirty ? -1 : 0;
    return it->second;
}

const PX_SnimkaPtr& take_page(Historia& h) { return h.posledny = PX_Snimka_Zachyt(h.posledny.get()); }

void drop_front(Historia& h) {
    h.kroky.pop_front();
    --h.pos;
    h.ulozene = h.ulozene > 0 ? h.ulozene - 1 : -1;
    --all->krokov;
}

// The page whose first step is the oldest of all; null when no page has one.
Historia* oldest() {
    Historia* found = nullptr;
    for (auto& [key, h] : all->stran)
        if (!h.kroky.empty() && (!found || h.kroky.front().poradie < found->kroky.front().poradie)) found = &h;
    return found;
}

void trim() {
    while (all->krokov > 1 && (all->krokov > PX_HIST_MAX_STEPS || PX_HIST_Pamat() > PX_HIST_MAX_BYTES))
        if (Historia* h = oldest()) drop_front(*h);
}

void erase_steps(Historia& h, size_t from) {
    all->krokov -= static_cast<int>(h.kroky.size() - from);
    h.kroky.erase(h.kroky.begin() + long(from), h.kroky.end());
}

// The edit under way is over: it becomes a step when it changed the page, and a new step
// drops those that could have been redone. True when the page was taken.
bool settle(Historia& h) {
    if (!h.otvoreny) return false;
    Krok k = std::move(*h.otvoreny);
    h.otvoreny.reset();
    k.po = take_page(h);
    if (PX_Snimka_Rovnake(*k.po, *k.pred)) return true;
    erase_steps(h, h.pos);
    if (h.ulozene > long(h.pos)) h.ulozene = -1;
    k.poradie = all->dalsie_poradie++;
    h.kroky.push_back(std::move(k));
    ++h.pos;
    ++all->krokov;
    trim();
    return true;
}

void say(const char8_t* direction, const char8_t* what) {
    PX_Oznam((std::string(plat_W1250(direction)) + ": " + plat_W1250(what)).c_str());
}

// Common to undo and redo: nothing while a drag is under way, the object menu closes, and the
// edit under way ends.
Historia* ready() {
    if (dragged != -1) return nullptr;
    setup_target = -1;
    PX_Narracia_Zastav_nahravanie();  // a recording under way ends and is part of the step
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

// The key is the page's own, or that of a page in the folder `key`.
bool under(const std::string& s, const char* key) {
    const size_t n = strlen(key);
    return s.compare(0, n, key) == 0 && (s.size() == n || (n > 0 && s[n] == '\\'));
}

void forget(std::map<std::string, Historia>::iterator it) {
    all->krokov -= static_cast<int>(it->second.kroky.size());
    all->stran.erase(it);
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
    if (!all) return;
    Historia& h = the_history();
    settle(h);
    if (!dirty) h.ulozene = long(h.pos);
}

void PX_HIST_Strana(const char* key) {
    Historie& a = the_all();
    if (auto it = a.stran.find(a.aktualna); it != a.stran.end()) settle(it->second);
    a.aktualna = key ? key : "";
    auto it = a.stran.find(a.aktualna);
    if (it != a.stran.end() && (a.aktualna.empty() || it->second.ulozene != long(it->second.pos))) forget(it);
}

void PX_HIST_Premenuj(const char* from, const char* to) {
    if (!all || !from || !to) return;
    std::map<std::string, Historia> moved;
    for (auto it = all->stran.begin(); it != all->stran.end();) {
        if (!under(it->first, from)) {
            ++it;
            continue;
        }
        moved[to + it->first.substr(strlen(from))] = std::move(it->second);
        it = all->stran.erase(it);
    }
    for (auto& [key, h] : moved) all->stran[key] = std::move(h);
    if (under(all->aktualna, from)) all->aktualna = to + all->aktualna.substr(strlen(from));
}

void PX_HIST_Zabudni(const char* key) {
    if (!all || !key) return;
    for (auto it = all->stran.begin(); it != all->stran.end();) {
        auto next = std::next(it);
        if (under(it->first, key)) forget(it);
        it = next;
    }
}

void PX_HIST_Vymaz() {
    delete all;
    all = nullptr;
}

int PX_HIST_Krokov() { return all ? all->krokov : 0; }

size_t PX_HIST_Pamat() {
    if (!all) return 0;
    size_t steps = 0;
    for (const auto& [key, h] : all->stran) steps += h.kroky.size() * sizeof(Krok) + key.size();
    return PX_Snimka_Pamat() + steps;
}
