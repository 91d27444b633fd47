// Reading the open book to a class: its pages played full screen one after another, each
// turning by itself when its narration and a moment after it are over (or after the book's
// page time), or at a key or a click on an edge, then a closing card. Children may still drag
// and throw the pictures. Reading changes no page: each page shows as its file holds it (the
// page the reading began on, as the author left it) and what happened on it is dropped when
// it turns; Esc brings the editor back on the page read last.
#pragma once
#include <string>
#include <vector>

#include "book/px_snimka.h"
#include "platform/ddraw.h"
#include "platform/win32.h"

constexpr int PX_PRECHOD_MS = 600;       // a page turn
constexpr int PX_DOZNIEVANIE_MS = 2000;  // a page plays on after its narration

struct PX_Citanie {
    bool zapnute = false;
    std::vector<int> strany;  // the book's pages, by id, in its order
    size_t index = 0;         // the page shown; strany.size(): the closing card
    int uplynulo_ms = 0;      // the page has been shown (not counting pauses)
    int trvanie_ms = 0;       // and turns after this
    int cas_strany_ms = 0;    // the book's page time
    bool pauza = false;
    // A page turn under way: the old page's still slides away over the new page.
    IDirectDrawSurface* still = nullptr;
    int prechod_ms = 0;
    int smer = 1;  // +1 to a later page (the still slides left), -1 back
    bool vzal_klaves = false;  // the last key was reading's: Esc ends reading, not the editor
    std::string sprava;        // a page skipped, said a moment (Windows-1250)
    int sprava_ms = 0;
    size_t kreslena = 0;  // the page, the message and the turn the last frame drew
    bool kreslena_sprava = false, kresleny_prechod = false;
    // The editor as reading found it.
    PX_SnimkaPtr editor;
    bool editor_dirty = false;
    int editor_strana = -1;
};
extern PX_Citanie px_citanie;

// A page's reading time: its narration and a moment after it, else the book's page time.
int PX_Cas_citania_ms(double narracia_sekund, int cas_strany_ms);

// Reading took the window's message (the editor's own handling is skipped).
bool PX_Citanie_Sprava(UINT msg, WPARAM wParam, LPARAM lParam);
// Back to the editor on the page read last, the page the reading began on as it was; nothing
// while not reading.
void PX_Citanie_Skonci();
// The display's mode changed: a still of the old size goes (the turn ends at once).
void PX_Citanie_Nova_obrazovka();

// The part of a w x h screen where the page shows: all of it, less the old page's still during
// a turn, and nothing under the closing card.
RECT PX_Citanie_Odkryte(int w, int h);
// Drawing, after the page was shown on `back`: a turn's old page, the closing card, a message.
void PX_Citanie_Kresli(IDirectDrawSurface* back);
// Whether the next tick's frame must be whole: a turn runs, or a message comes or goes.
bool PX_Citanie_Cely_snimok();
// A message on a strip at the foot of `back`.
void PX_Citanie_Oznam(IDirectDrawSurface* back, const std::string& text);
// How far the old page has slid at `t` (0 ... 1) of a turn across w pixels: slow, fast, slow.
int PX_Prechod_posun(double t, int w);
// A turn's frame: the page on `back` and the old page's `still` slid away by `t` (0 ... 1) of
// the turn, to the left for smer +1, with a soft shadow on the page it uncovers.
void PX_Prechod(IDirectDrawSurface* back, IDirectDrawSurface* still, double t, int smer);
// The closing card over the whole of `back`: "Koniec", the book's name and the replay arrow.
void PX_Zaverecna_karta(IDirectDrawSurface* back, const char* kniha);
// The replay arrow's box on a card of w x h.
RECT PX_Karta_sipka(int w, int h);
