// The author's undo and redo. Each edit of the shown page is a step: the page is taken just
// before the edit, and the page after it when the next step begins or an undo comes, so a
// step also holds what playback did meanwhile. Every page keeps its own steps for the whole
// run, so an edit saved on leaving the page can still be taken back on coming back.
#pragma once
#include <cstddef>

// What an edit was, for the status line.
enum PX_Uprava {
    PX_UPRAVA_POZADIE,
    PX_UPRAVA_KULISA,
    PX_UPRAVA_HEREC,
    PX_UPRAVA_ODSTRANENIE,
    PX_UPRAVA_KOPIA,
    PX_UPRAVA_PRESUN,
    PX_UPRAVA_POHYB,
    PX_UPRAVA_OKRAJ,
    PX_UPRAVA_TEMPO,
    PX_UPRAVA_GEOMETRIA,
    PX_UPRAVA_NAHRAVKA,   // the page's narration recorded
    PX_UPRAVA_ZVUK,       // the page's background sound chosen
    PX_UPRAVA_OBNOVA,     // changes a crash had left unsaved, brought back
    PX_UPRAVA_IMPORT,     // pictures brought into the book and placed on the page
    PX_UPRAVA_BEZ_ROZPRAVANIA,  // the page's narration removed
    PX_UPRAVA_SPUSTENIE,  // playback started: undone, the page stands as it was before
    PX_UPRAVA_TEXT,       // a text added or written
    PX_UPRAVA_VZHLAD_TEXTU,  // a text's size, colour, look or bubble's object
};

// The bounds hold for all pages together: past either, the oldest step of any page goes
// first; the last step always stays.
constexpr int PX_HIST_MAX_STEPS = 1000;
constexpr size_t PX_HIST_MAX_BYTES = size_t(64) << 20;

// Just before an edit of the shown page. An edit that changes nothing leaves no step, and the
// steps to redo stay.
void PX_HIST_Zaznam(PX_Uprava uprava);
// The commands PX_Undo and PX_Redo (book/px_editor_cmd.h) step back and forth; the status line
// says what was undone or redone. Nothing happens while an object is dragged; an open object
// menu closes first.
// After a save: when it succeeded, the page as it stands is the saved one, and `dirty` is
// clear whenever undo or redo comes back to it.
void PX_HIST_Ulozene();
// The page `key` (its file's path; "" for a new page not yet saved) is about to be shown in
// place of the page shown now, whose edit under way ends here. Its steps go on when they
// ended at the page its file holds; otherwise, and always for a new page, they start afresh.
void PX_HIST_Strana(const char* key);
// The steps of the page `from`, or of the pages in the folder `from`, belong to `to` instead:
// a new page saved under its file's name, a book renamed.
void PX_HIST_Premenuj(const char* from, const char* to);
// The steps of the page `key`, or of the pages in the folder `key`, are forgotten: a page or a
// book deleted.
void PX_HIST_Zabudni(const char* key);
// Every step of every page forgotten: the editor ends.
void PX_HIST_Vymaz();
// The steps kept (to undo and to redo) for all pages, and the bytes they hold.
int PX_HIST_Krokov();
size_t PX_HIST_Pamat();
