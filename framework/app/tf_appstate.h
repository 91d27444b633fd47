// The framework display state every drawing module shares.
#pragma once
#include "platform/ddraw.h"

class tf_CAppScreen;
class tf_CARRE;

extern int tf_ScreenW, tf_ScreenH;    // display mode
extern int tf_ScreenCX, tf_ScreenCY;  // their halves
extern IDirectDraw* tf_lpDD;
extern IDirectDrawSurface* tf_lpDDSPrimary;
extern IDirectDrawSurface* tf_lpDDSBack;  // every widget draws here
extern IDirectDrawPalette* tf_lpDDPal;
extern HWND tf_hWnd;
extern tf_CAppScreen* tf_pAppScreen;
extern int tf_bAppActive;
