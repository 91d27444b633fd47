// Recovery after a crash or a kill. While the shown page has unsaved changes, the editor keeps
// its state in a file of its own in the working folder, written off the frame's path every few
// seconds when it changed, with an unsaved narration in a WAV beside it; a saved page or a
// clean end removes both. The next start finds what
// an editor that is gone left behind and offers it back.
#pragma once
#include <cstdint>
#include <string>

// Each tick, with the clock's milliseconds.
void PX_Obnova_Tik(uint32_t now);
// The page was saved: the file goes now, and no state on its way to the disk lands after the
// save (a kill before the next tick would leave changes older than the page offered back).
void PX_Obnova_Ulozene();
// A clean end: the file goes.
void PX_Obnova_Koniec();
// The state of a page left by an editor that is gone, for the question: "Les, strana 2". Files
// that cannot be brought back (cut short, garbage, of a book or page no longer there) are
// refused with a log line and removed. False when there is none.
bool PX_Obnova_Najdi(std::string* popis);
// The page found is shown with its changes, unsaved, as one step to undo; its file goes.
// False (logged) when it could not be shown.
bool PX_Obnova_Obnov();
// The page found is dropped: its file goes.
void PX_Obnova_Zahod();
