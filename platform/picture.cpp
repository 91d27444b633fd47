// Picture files read whole, their headers checked, then decoded by SDL2_image into RGBA.
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "platform/picture_internal.h"

namespace {

// The file's bytes, or why there are none. Opened without waiting, so that a pipe or a
// device cannot hold the program up.
plat_PictureFault read_whole(const std::string& host, std::vector<uint8_t>* out, std::string* detail) {
    const int fd = open(host.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return plat_PictureFault::MISSING;
        *detail = strerror(errno);
        return errno == EISDIR ? plat_PictureFault::FOLDER : plat_PictureFault::UNREADABLE;
    }
    struct stat st;
    plat_PictureFault fault = plat_PictureFault::NONE;
    if (fstat(fd, &st) != 0) {
        *detail = strerror(errno);
        fault = plat_PictureFault::UNREADABLE;
    } else if (S_ISDIR(st.st_mode)) {
        fault = plat_PictureFault::FOLDER;
    } else if (!S_ISREG(st.st_mode)) {
        *detail = "not a plain file";
        fault = plat_PictureFault::NOT_PICTURE;
    } else if (st.st_size > PLAT_PICTURE_MAX_FILE) {
        *detail = "a file over 256 MB";
        fault = plat_PictureFault::TOO_LARGE;
    } else {
        out->resize(static_cast<size_t>(st.st_size));
        size_t got = 0;
        while (got < out->size()) {
            const ssize_t n = read(fd, out->data() + got, out->size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                *detail = strerror(errno);
                fault = plat_PictureFault::UNREADABLE;
                break;
            }
            if (n == 0) break;  // it shrank meanwhile: the header check judges what is left
            got += static_cast<size_t>(n);
        }
        out->resize(got);
    }
    close(fd);
    return fault;
}

// Each format's name, its header reader, and its name for SDL2_image, by plat_PictureFormat.
struct Format {
    const char* name;
    void (*read)(const uint8_t* data, size_t size, plat_PictureInfo* info);
    const char* sdl;
};
const Format FORMATS[] = {{"", nullptr, ""},       {"PNG", plat_PngInfo, "PNG"}, {"JPEG", plat_JpegInfo, "JPG"},
                          {"GIF", nullptr, "GIF"}, {"BMP", plat_BmpInfo, "BMP"}, {"WebP", plat_WebpInfo, "WEBP"}};

// The header of the bytes; for a GIF, *usable is how many of them hold the frames taken.
plat_PictureInfo probe_bytes(const std::vector<uint8_t>& bytes, size_t* usable) {
    plat_PictureInfo info;
    *usable = bytes.size();
    const plat_PictureFormat f = plat_PictureFormatOf(bytes.data(), bytes.size());
    if (f == plat_PictureFormat::NONE) {
        info.fault = plat_PictureFault::NOT_PICTURE;
        return info;
    }
    info.format = FORMATS[int(f)].name;
    if (f == plat_PictureFormat::GIF)
        plat_GifInfo(bytes.data(), bytes.size(), &info, usable);
    else
        FORMATS[int(f)].read(bytes.data(), bytes.size(), &info);
    if (info.fault == plat_PictureFault::NONE) info.fault = plat_PictureSizeFault(info.w, info.h);
    if (info.frames == 0) info.frames = 1;
    return info;
}

plat_PictureInfo read_and_probe(const std::string& host, std::vector<uint8_t>* bytes, size_t* usable) {
    plat_PictureInfo info;
    info.fault = read_whole(host, bytes, &info.detail);
    return info.fault == plat_PictureFault::NONE ? probe_bytes(*bytes, usable) : info;
}

// A surface's rows as RGBA, one at a time through a one-row surface (a colour key becomes
// see-through), kept for a few rows: the scaler asks for the row it ended on again.
class Rows {
public:
    explicit Rows(SDL_Surface* s) : s_(s), bytes_(static_cast<size_t>(s->w) * 4), buf_(KEPT * bytes_) {
        SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_NONE);
        line_ = SDL_CreateRGBSurfaceWithFormat(0, s->w, 1, 32, SDL_PIXELFORMAT_RGBA32);
        index_.fill(-1);
    }
    ~Rows() { SDL_FreeSurface(line_); }
    Rows(const Rows&) = delete;
    Rows& operator=(const Rows&) = delete;
    // Null when SDL cannot convert (then everything is null).
    const uint8_t* Get(int y) {
        uint8_t* slot = buf_.data() + static_cast<size_t>(y % KEPT) * bytes_;
        if (index_[static_cast<size_t>(y % KEPT)] == y) return slot;
        SDL_Rect row = {0, y, s_->w, 1};
        if (!line_ || SDL_FillRect(line_, nullptr, 0) != 0 || SDL_BlitSurface(s_, &row, line_, nullptr) != 0)
            return nullptr;
        memcpy(slot, line_->pixels, bytes_);
        index_[static_cast<size_t>(y % KEPT)] = y;
        return slot;
    }

private:
    static constexpr int KEPT = 4;
    SDL_Surface* s_;
    SDL_Surface* line_ = nullptr;
    size_t bytes_;
    std::vector<uint8_t> buf_;
    std::array<int, KEPT> index_;
};

// The surface as an RGBA frame of the picture's (scaled) size; false when SDL failed.
bool frame_of(SDL_Surface* s, const plat_Picture& p, std::vector<uint8_t>* out) {
    Rows rows(s);
    bool ok = true;
    *out = plat_ScaleRgbaRows(s->w, s->h, p.w, p.h, [&](int y) {
        const uint8_t* row = rows.Get(y);
        ok = ok && row;
        return row;
    });
    return ok;
}

void damaged(plat_Picture* p, const char* why) {
    p->frames.clear();
    p->info.fault = plat_PictureFault::DAMAGED;
    p->info.detail = why && *why ? why : "the decoder refuses it";
}

// The decoder's size must be the header's, which the limits and the scale were reckoned on.
bool same_size(plat_Picture* p, int w, int h) {
    if (w == p->info.w && h == p->info.h) return true;
    damaged(p, "the pixels do not match the header");
    return false;
}

// Each frame is converted and let go at once, so that two copies of the animation never coexist.
void decode_gif(const uint8_t* data, size_t size, plat_Picture* p) {
    IMG_Animation* a = IMG_LoadAnimationTyped_RW(SDL_RWFromConstMem(data, static_cast<int>(size)), 1, "GIF");
    if (!a || a->count < 1) {
        IMG_FreeAnimation(a);
        return damaged(p, IMG_GetError());
    }
    if (!same_size(p, a->w, a->h)) return IMG_FreeAnimation(a);
    const int n = std::min(a->count, p->info.frames);
    p->frames.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const bool ok = frame_of(a->frames[i], *p, &p->frames[static_cast<size_t>(i)]);
        SDL_FreeSurface(a->frames[i]);
        a->frames[i] = nullptr;
        if (!ok) {
            IMG_FreeAnimation(a);
            return damaged(p, SDL_GetError());
        }
    }
    p->info.frames = n;
    IMG_FreeAnimation(a);
}

// A photo made much smaller is decoded at a reduced scale, then averaged to its size.
bool decode_reduced_jpeg(const uint8_t* data, size_t size, plat_Picture* p) {
    plat_JpegPixels px;
    if (!plat_JpegDecodeReduced(data, size, p->w, p->h, &px)) {
        if (!px.why.empty()) damaged(p, px.why.c_str());
        return !px.why.empty();
    }
    const size_t stride = static_cast<size_t>(px.w) * 4;
    p->frames = {plat_ScaleRgbaRows(px.w, px.h, p->w, p->h, [&](int y) { return px.rgba.data() + stride * y; })};
    return true;
}

void decode_still(const uint8_t* data, size_t size, plat_PictureFormat format, plat_Picture* p) {
    if (format == plat_PictureFormat::JPEG && decode_reduced_jpeg(data, size, p)) return;
    SDL_Surface* s = IMG_LoadTyped_RW(SDL_RWFromConstMem(data, static_cast<int>(size)), 1, FORMATS[int(format)].sdl);
    if (!s) return damaged(p, IMG_GetError());
    p->frames.resize(1);
    if (same_size(p, s->w, s->h) && !frame_of(s, *p, &p->frames[0])) damaged(p, SDL_GetError());
    SDL_FreeSurface(s);
}

}  // namespace

plat_PictureInfo plat_ProbePicture(const std::string& hostPath) {
    std::vector<uint8_t> bytes;
    size_t usable = 0;
    return read_and_probe(hostPath, &bytes, &usable);
}

plat_Picture plat_LoadPicture(const std::string& hostPath, double scale) {
    plat_Picture p;
    std::vector<uint8_t> bytes;
    size_t usable = 0;
    p.info = read_and_probe(hostPath, &bytes, &usable);
    if (p.info.fault != plat_PictureFault::NONE) return p;
    scale = std::clamp(scale, 0.0, 1.0);
    p.w = std::max(1, static_cast<int>(std::lround(p.info.w * scale)));
    p.h = std::max(1, static_cast<int>(std::lround(p.info.h * scale)));
    const plat_PictureFormat format = plat_PictureFormatOf(bytes.data(), bytes.size());
    if (format == plat_PictureFormat::GIF) {
        // The decoder gets the frames taken and the closing byte, nothing after.
        bytes.resize(usable);
        bytes.push_back(0x3B);
        decode_gif(bytes.data(), bytes.size(), &p);
    } else {
        decode_still(bytes.data(), bytes.size(), format, &p);
    }
    return p;
}
