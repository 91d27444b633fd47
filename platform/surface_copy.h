// Scaling between surfaces by area averaging (the loader's scaler), for writers of picture
// files, so that small copies stay clean.
#pragma once
#include "platform/ddraw.h"

// The whole of dst filled from srcRect of src (the whole of src when null), averaged where
// it shrinks and interpolated where it grows; no colour key. DDERR_SURFACELOST and
// DDERR_WASSTILLDRAWING as Blt reports them; DDERR_INVALIDRECT for a rectangle that is
// empty or reaches outside src.
HRESULT plat_BltAveraged(IDirectDrawSurface* dst, IDirectDrawSurface* src, const RECT* srcRect);
