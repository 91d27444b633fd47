// The display state every drawing module shares: the mode, the DirectDraw object and the
// two surfaces of the screen. The application screen sets it up (app/).
#pragma once
#include "platform/ddraw.h"

extern int tf_ScreenW, tf_ScreenH;    // display mode
extern int tf_ScreenCX, tf_ScreenCY;  // their halves
extern IDirectDraw* tf_lpDD;
extern IDirectDrawSurface* tf_lpDDSPrimary;
extern IDirectDrawSurface* tf_lpDDSBack;  // every widget draws here
