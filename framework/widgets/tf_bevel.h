// The bevelled frame that list entries and edit boxes draw with a dark pen of their own.
#pragma once
#include "platform/gdi.h"

// Lines through the corners (L, T) and (R, B), both inclusive: rezim 1 raised, 2 sunken,
// anything else draws nothing. No fill.
void tf_glob_Level_efekt_pero(HDC dc, int L, int T, int R, int B, HPEN tmave, int rezim);
