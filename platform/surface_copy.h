// Surface pixels for writers of picture files: rows widened to 24-bit colour, and scaling
// between surfaces by area averaging (the loader's scaler), so small copies stay clean.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/ddraw.h"

// n RGB565 pixels as blue, green, red bytes, each exactly as GetPixel reports it.
void plat_PixelsToBgr(const uint16_t* px, int n, uint8_t* bgr);

// The whole surface as the bytes of a 24-bit bottom-up BMP file (72 dpi, zero padding);
// empty for no surface.
std::vector<uint8_t> plat_EncodeSurfaceBMP(IDirectDrawSurface* srf);

// The whole of dst filled from srcRect of src (the whole of src when null), averaged where
// it shrinks and interpolated where it grows; no colour key. DDERR_SURFACELOST and
// DDERR_WASSTILLDRAWING as Blt reports them; DDERR_INVALIDRECT for a rectangle that is
// empty or reaches outside src.
HRESULT plat_BltAveraged(IDirectDrawSurface* dst, IDirectDrawSurface* src, const RECT* srcRect);
