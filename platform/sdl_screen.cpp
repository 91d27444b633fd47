#include "platform/sdl_screen.h"

#include <string>

#include "platform/pixel.h"
#include "platform/win32.h"

namespace {
void warn(const char* what) {
    OutputDebugStringA((std::string("sdl: ") + what + ": " + SDL_GetError() + "\n").c_str());
}
}  // namespace

void plat_SdlScreen::Forget() {
    SDL_FreeSurface(kept_);
    SDL_FreeSurface(scaled_);
    kept_ = scaled_ = window_ = nullptr;
}

void plat_SdlScreen::Show(SDL_Window* window, const IDirectDrawSurface& frame, bool whole,
                          const std::vector<RECT>* parts) {
    SDL_Surface* to = window ? SDL_GetWindowSurface(window) : nullptr;
    if (!to) return warn("no window surface");
    // A new window surface (the window resized) holds nothing of the frames before.
    whole = whole || to != window_ || to->w != windowW_ || to->h != windowH_;
    window_ = to;
    windowW_ = to->w;
    windowH_ = to->h;
    const std::vector<plat_Box>& boxes = changes_.Take(frame, whole, parts);
    if (boxes.empty()) return;
    if (!kept_ || kept_->w != changes_.Width() || kept_->h != changes_.Height() || kept_->pixels != changes_.Kept()) {
        SDL_FreeSurface(kept_);
        kept_ = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint16_t*>(changes_.Kept()), changes_.Width(),
                                                   changes_.Height(), 16, changes_.Width() * 2, SDL_PIXELFORMAT_RGB565);
        if (!kept_) return warn("no frame surface");
    }
    if (to->w != changes_.Width() || to->h != changes_.Height()) return Scaled(window, to);
    rects_.clear();
    const bool xrgb = to->format->format == SDL_PIXELFORMAT_RGB888 || to->format->format == SDL_PIXELFORMAT_ARGB8888;
    for (const plat_Box& b : boxes) {
        SDL_Rect r{b.x, b.y, b.w, b.h};
        if (xrgb && !SDL_MUSTLOCK(to)) {  // the display's usual pixels: our own quicker conversion
            for (int y = b.y; y < b.y + b.h; ++y)
                plat_RowToXrgb(changes_.Kept() + static_cast<size_t>(y) * changes_.Width() + b.x, b.w,
                               reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(to->pixels) + y * to->pitch) + b.x);
        } else {
            SDL_BlitSurface(kept_, &r, to, &r);  // converts to the window's pixels
        }
        rects_.push_back(r);
    }
    SDL_UpdateWindowSurfaceRects(window, rects_.data(), static_cast<int>(rects_.size()));
}

// The whole frame, scaled smoothly into the letterbox.
void plat_SdlScreen::Scaled(SDL_Window* window, SDL_Surface* to) {
    if (!scaled_ || scaled_->w != kept_->w || scaled_->h != kept_->h || scaled_->format->format != to->format->format) {
        SDL_FreeSurface(scaled_);
        scaled_ = SDL_CreateRGBSurfaceWithFormat(0, kept_->w, kept_->h, 32, to->format->format);
        if (!scaled_) return warn("no surface to scale");
    }
    SDL_BlitSurface(kept_, nullptr, scaled_, nullptr);
    const plat_Box box = plat_Letterbox(to->w, to->h, kept_->w, kept_->h);
    SDL_Rect into{box.x, box.y, box.w, box.h};
    SDL_FillRect(to, nullptr, SDL_MapRGB(to->format, 0, 0, 0));  // the bars
    if (SDL_SoftStretchLinear(scaled_, nullptr, to, &into) != 0) SDL_BlitScaled(scaled_, nullptr, to, &into);
    SDL_UpdateWindowSurface(window);
}
