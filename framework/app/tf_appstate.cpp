#include "framework/app/tf_appstate.h"

IDirectDrawPalette* tf_lpDDPal = nullptr;
HWND tf_hWnd = nullptr;
tf_CAppScreen* tf_pAppScreen = nullptr;
int tf_bAppActive = 0;
