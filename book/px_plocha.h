// The page as the author sees it: drawn at the book's page size and shown scaled to fit the
// screen, keeping its proportions (bars beside or above it), pointer positions mapped back
// into the page's own coordinates. At a screen of the page's size the page is drawn straight
// onto the back buffer, as before. The editor's own controls stay at the screen's pixels.
#pragma once
#include "platform/ddraw.h"
#include "platform/win32.h"

struct PX_Plocha {
    int sir = 0, vys = 0;                  // the book's page size; 0: the screen's
    IDirectDrawSurface* povrch = nullptr;  // the page at its size, while the screen has another
};
extern PX_Plocha px_plocha;

// The size pages are composed at, objects move within and backgrounds are fitted to.
int PX_Strana_sir();
int PX_Strana_vys();
// The book's page size from now on (0 x 0: the screen's).
void PX_Plocha_Velkost(int sir, int vys);
// The surface to draw the page on for the back buffer `back`: the back buffer itself when the
// page has the screen's size, else the page's own (null when it cannot be made), clipped to the
// part of the page under the back buffer's clip.
IDirectDrawSurface* PX_Plocha_Povrch(IDirectDrawSurface* back);
// The page drawn on its own surface shown scaled on `back`, with the bars around it.
void PX_Plocha_Ukaz(IDirectDrawSurface* back);
// A screen position in the page's coordinates, and a rectangle of the page on the screen.
POINT PX_Na_stranu(int x, int y);
RECT PX_Na_obrazovku(RECT page);
// The page's surface goes (the editor ends, the display goes).
void PX_Plocha_Uvolni();
