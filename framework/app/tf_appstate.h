// The application's own state over the display state: its window, its screen object and
// its palette. Only app/ knows the application screen.
#pragma once
#include "framework/surface/tf_display.h"

class tf_CAppScreen;

extern IDirectDrawPalette* tf_lpDDPal;
extern HWND tf_hWnd;
extern tf_CAppScreen* tf_pAppScreen;
extern int tf_bAppActive;
