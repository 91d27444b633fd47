#include "platform/sdl_screen.h"

#include <algorithm>
#include <string>

#include "platform/ddraw.h"
#include "platform/display_internal.h"
#include "platform/pixel.h"
#include "platform/win32.h"

namespace {
void warn(const char* what) {
    OutputDebugStringA((std::string("sdl: ") + what + ": " + SDL_GetError() + "\n").c_str());
}
}  // namespace

void plat_SdlScreen::Forget() {
    SDL_FreeSurface(frame_);
    SDL_FreeSurface(scaled_);
    frame_ = scaled_ = window_ = nullptr;
}

void plat_SdlScreen::Show(SDL_Window* window, const IDirectDrawSurface& frame, bool whole,
                          const std::vector<RECT>* changed) {
    SDL_Surface* to = window ? SDL_GetWindowSurface(window) : nullptr;
    if (!to) return warn("no window surface");
    // A new window surface (the window resized) holds nothing of the frames before.
    whole = whole || !changed || to != window_ || to->w != windowW_ || to->h != windowH_;
    window_ = to;
    windowW_ = to->w;
    windowH_ = to->h;
    const int w = frame.Width(), h = frame.Height();
    if (w <= 0 || h <= 0 || (!whole && changed->empty())) return;
    if (!frame_ || frame_->w != w || frame_->h != h || frame_->pixels != frame.Row(0)) {
        SDL_FreeSurface(frame_);
        frame_ = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint16_t*>(frame.Row(0)), w, h, 16, frame.Pitch(),
                                                    SDL_PIXELFORMAT_RGB565);
        if (!frame_) return warn("no frame surface");
    }
    if (to->w != w || to->h != h) return Scaled(window, to);
    rects_.clear();
    const bool xrgb = to->format->format == SDL_PIXELFORMAT_RGB888 || to->format->format == SDL_PIXELFORMAT_ARGB8888;
    for (const RECT& c : whole ? std::vector<RECT>{{0, 0, w, h}} : *changed) {
        const RECT b = {std::max<LONG>(c.left, 0), std::max<LONG>(c.top, 0), std::min<LONG>(c.right, w),
                        std::min<LONG>(c.bottom, h)};
        if (b.left >= b.right || b.top >= b.bottom) continue;
        SDL_Rect r{b.left, b.top, b.right - b.left, b.bottom - b.top};
        if (xrgb && !SDL_MUSTLOCK(to)) {  // the display's usual pixels: our own quicker conversion
            for (int y = r.y; y < r.y + r.h; ++y)
                plat_RowToXrgb(frame.Row(y) + r.x, r.w,
                               reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(to->pixels) + y * to->pitch) + r.x);
        } else {
            SDL_BlitSurface(frame_, &r, to, &r);  // converts to the window's pixels
        }
        rects_.push_back(r);
    }
    if (!rects_.empty()) SDL_UpdateWindowSurfaceRects(window, rects_.data(), static_cast<int>(rects_.size()));
}

// The whole frame, scaled smoothly into the letterbox.
void plat_SdlScreen::Scaled(SDL_Window* window, SDL_Surface* to) {
    if (!scaled_ || scaled_->w != frame_->w || scaled_->h != frame_->h || scaled_->format->format != to->format->format) {
        SDL_FreeSurface(scaled_);
        scaled_ = SDL_CreateRGBSurfaceWithFormat(0, frame_->w, frame_->h, 32, to->format->format);
        if (!scaled_) return warn("no surface to scale");
    }
    SDL_BlitSurface(frame_, nullptr, scaled_, nullptr);
    const plat_Box box = plat_Letterbox(to->w, to->h, frame_->w, frame_->h);
    SDL_Rect into{box.x, box.y, box.w, box.h};
    SDL_FillRect(to, nullptr, SDL_MapRGB(to->format, 0, 0, 0));  // the bars
    if (SDL_SoftStretchLinear(scaled_, nullptr, to, &into) != 0) SDL_BlitScaled(scaled_, nullptr, to, &into);
    SDL_UpdateWindowSurface(window);
}
