// A picture taken by the pointer, in the editor and in reading alike: it follows the pointer,
// facing the way it goes, its bubbles with it; let go, it flies on with the drag's last step.
// Points are the page's.
#pragma once
#include "platform/win32.h"

// The registry's object `i` taken at p: it is the one dragged, its drag started afresh.
void PX_Tah_Zacni(int i, POINT p);
// The pointer at p: the object dragged follows.
void PX_Tah_Pohyb(POINT p);
// Let go at p: thrown with the drag's last step, or (hod false) left where it is; nothing is
// dragged after.
void PX_Tah_Pusti(POINT p, bool hod = true);
