// A new frame copied onto the surface that holds the last one only where they differ: the two
// are compared in tiles, and the changed area comes back as a few rectangles, so that a frame
// where little moved costs little to bring to the screen.
#pragma once
#include <vector>

#include "platform/tile_grid.h"

class IDirectDrawSurface;

class plat_FrameChanges {
public:
    // Makes `to` equal `from` (of the same size) and returns the rectangles that changed; with
    // `whole`, all of it is copied and comes back as one rectangle.
    const std::vector<RECT>& Copy(IDirectDrawSurface& to, const IDirectDrawSurface& from, bool whole);

private:
    plat_TileGrid grid_;
    std::vector<RECT> whole_;
};
