// The author's undo and redo. Each edit of the shown page is a step: the page is taken just
// before the edit, and the page after it when the next step begins or an undo comes, so a
// step also holds what playback did meanwhile. Showing another page starts afresh.
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
    PX_UPRAVA_SPUSTENIE,  // playback started: undone, the page stands as it was before
};

// The oldest steps go first past either bound; the last step always stays.
constexpr int PX_HIST_MAX_STEPS = 200;
constexpr size_t PX_HIST_MAX_BYTES = size_t(16) << 20;

// Just before an edit of the shown page. An edit that changes nothing leaves no step, and the
// steps to redo stay.
void PX_HIST_Zaznam(PX_Uprava uprava);
// The commands PX_Undo and PX_Redo (book/px_editor_cmd.h) step back and forth; the status line
// says what was undone or redone. Nothing happens while an object is dragged; an open object
// menu closes first.
// After a save: when it succeeded, the page as it stands is the saved one, and `dirty` is
// clear whenever undo or redo comes back to it.
void PX_HIST_Ulozene();
// Every step forgotten: another page is shown, or the editor ends.
void PX_HIST_Vymaz();
// The steps kept (to undo and to redo) and the bytes they hold.
int PX_HIST_Krokov();
size_t PX_HIST_Pamat();
