// The page's background picture, its five modes, and drawing the whole page.
#pragma once
#include "platform/ddraw.h"

enum { PX_BG_NO = 1, PX_BG_SIMPLE = 2, PX_BG_CENTER = 3, PX_BG_STRETCH = 4, PX_BG_TILE = 5 };

// Loads background_path (when load) and computes the geometry of background_mode for the
// book's page size (px_plocha.h).
void PRIPRAV_POZADIE(bool load);
// Fill, background, then every registry object.
void ZOBRAZ_STRANU(IDirectDrawSurface* back);
