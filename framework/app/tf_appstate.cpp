#include "framework/app/tf_appstate.h"

int tf_ScreenW = 1920, tf_ScreenH = 1080;
int tf_ScreenCX = 960, tf_ScreenCY = 540;
IDirectDraw* tf_lpDD = nullptr;
IDirectDrawSurface* tf_lpDDSPrimary = nullptr;
IDirectDrawSurface* tf_lpDDSBack = nullptr;
IDirectDrawPalette* tf_lpDDPal = nullptr;
HWND tf_hWnd = nullptr;
tf_CAppScreen* tf_pAppScreen = nullptr;
int tf_bAppActive = 0;
