// Writing a text in place: which text is written, the caret and the selection. While a text is
// written every key goes to it, so nothing typed reaches the page's commands.
#pragma once
#include <cstddef>

#include "platform/ddraw.h"

struct PX_Pisanie {
    int index = -1;       // the text written, in the registry; -1: none
    size_t kurzor = 0;    // the caret, a byte index into the text
    size_t kotva = 0;     // the selection's other end; the caret's own place: none
    bool dirty_pred = false;  // whether the page was changed before a new text came
    bool novy = false;        // the text was added for this writing
    bool vzal_klaves = false;  // the last key was the writing's
    int pol_pixela = 0;        // 1: the text's middle lies half a pixel right of its box's
    int prvy_klik = -1;        // a double click's first press: the object pressed, and when
    DWORD prvy_klik_kedy = 0;
};
extern PX_Pisanie px_pisanie;

// The text at `index` is written from now on, the caret at its end; `novy` for a text just
// added. Writing another text ends first.
void PX_Pis_Zacni(int index, bool novy);
// The writing ends: a text left empty goes (a new one as if it had never come).
void PX_Pis_Skonci();
bool PX_Pis_Aktivne();
// The writing ends, and the registry index of the object that was at `index` is returned (-1
// when it went with it).
int PX_Pis_Skonci_pri(int index);
// A left press at the page's point `p` on the object at `index` (-1: none): one on the text
// being written puts the caret at the letter pressed (with Shift, selects to there), one beside
// it ends the writing, a second one on a text soon after the first writes it again (a step of
// its own). The object that the press takes then, or -1 for none.
int PX_Pis_Stlacenie(int index, POINT p);
// Keys and typed characters while a text is written (false: none is).
bool PX_Pis_Klaves(int key);
// Whether the writing took the last key, asked once: the frame then leaves it alone.
bool PX_Pis_Vzal_klaves();
bool PX_Pis_Znak(int znak);
// The caret and the selection over the page (its own surface, its own coordinates).
void PX_Pis_Kresli(IDirectDrawSurface* page);
