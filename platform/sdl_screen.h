// The frame brought to the sdl backend's window: only the parts of the primary that changed
// are converted into the window's own pixels and sent to the display; a window of another
// size than the frame shows it scaled to fit, with black bars.
#pragma once
#include <SDL.h>

#include <vector>

#include "platform/win32.h"

class IDirectDrawSurface;

class plat_SdlScreen {
public:
    ~plat_SdlScreen() { Forget(); }
    // `whole`: the window lost what it showed (exposed, resized, a mode changed); `changed`:
    // only these parts of the frame differ from what the window shows (null: any part).
    void Show(SDL_Window* window, const IDirectDrawSurface& frame, bool whole, const std::vector<RECT>* changed);
    // The window goes: nothing of it is kept.
    void Forget();

private:
    void Scaled(SDL_Window* window, SDL_Surface* to);

    SDL_Surface* frame_ = nullptr;   // the frame's pixels as SDL sees them
    SDL_Surface* scaled_ = nullptr;  // the frame in the window's format, for scaling
    SDL_Surface* window_ = nullptr;  // the window's surface the last frame went to, and its size
    int windowW_ = 0, windowH_ = 0;
    std::vector<SDL_Rect> rects_;
};
