// Panel backgrounds laid over what is already drawn: a white dot net and a milky lightening.
#pragma once
#include "platform/ddraw.h"
#include "platform/gdi.h"

// A one-in-two checkerboard of white dots inside r, with a black one-pixel border when okraj.
// The rectangle is clipped to the screen and the surface, less a one-pixel margin; a clipped
// side loses its border line.
HRESULT tf_CDUI_podklad_efekt_A_biela_siet(IDirectDrawSurface* ciel, RECT r, bool okraj);
// Every pixel of r lighter by 80 in each channel.
void tf_CDUI_podklad_efekt_B_mliecny(HDC hdc, RECT r);
