#include "framework/surface/tf_display.h"

int tf_ScreenW = 1920, tf_ScreenH = 1080;
int tf_ScreenCX = 960, tf_ScreenCY = 540;
IDirectDraw* tf_lpDD = nullptr;
IDirectDrawSurface* tf_lpDDSPrimary = nullptr;
IDirectDrawSurface* tf_lpDDSBack = nullptr;
