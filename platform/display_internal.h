// The display's share with the surface code, and the letterbox geometry of the window.
#pragma once
#include <vector>

#include "platform/win32.h"

class IDirectDrawSurface;

// The primary surface's life; whatever is blitted onto it is shown at once.
void plat_PrimaryCreated(IDirectDrawSurface* primary);
void plat_PrimaryReleased(IDirectDrawSurface* primary);
// `changed`: only these rectangles of the primary can differ from what is shown (null: any);
// `inParts`: the frame was composed in those parts alone.
void plat_PresentPrimary(IDirectDrawSurface& primary, const std::vector<RECT>* changed = nullptr, bool inParts = false);
// A whole frame onto the primary, copied and shown where it differs from the frame shown.
void plat_PresentFrame(IDirectDrawSurface& primary, const IDirectDrawSurface& frame);

struct plat_Box {
    int x, y, w, h;
};
// Where a w x h picture lands in an area, scaled as large as fits with its aspect kept, centred.
plat_Box plat_Letterbox(int areaW, int areaH, int w, int h);
// The picture's pixel under point (x, y) of the area, clamped to the picture.
POINT plat_AreaToPicture(const plat_Box& box, int w, int h, int x, int y);
