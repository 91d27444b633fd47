// The display's share with the surface code, and the letterbox geometry of the window.
#pragma once
#include <vector>

#include "platform/win32.h"

class IDirectDrawSurface;

// The primary surface's life; whatever is blitted onto it is shown at once.
void plat_PrimaryCreated(IDirectDrawSurface* primary);
void plat_PrimaryReleased(IDirectDrawSurface* primary);
void plat_PresentPrimary(IDirectDrawSurface& primary, const std::vector<RECT>* parts = nullptr);

struct plat_Box {
    int x, y, w, h;
};
// Where a w x h picture lands in an area, scaled as large as fits with its aspect kept, centred.
plat_Box plat_Letterbox(int areaW, int areaH, int w, int h);
// The picture's pixel under point (x, y) of the area, clamped to the picture.
POINT plat_AreaToPicture(const plat_Box& box, int w, int h, int x, int y);
