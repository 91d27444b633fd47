// Pictures the author brings from elsewhere: PNG, JPEG, GIF (an animated one frame by frame),
// BMP and WebP, decoded by SDL2_image into plain RGBA. Each file's header is read first, by
// its format's own library, so that a size the program cannot hold is refused before any
// pixel is decoded and memory stays bounded whatever the file says.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_limits.h"

// Why a file gave no picture.
enum class plat_PictureFault {
    NONE,
    MISSING,      // no such file (or it went away before it was read)
    FOLDER,       // a folder, not a file
    UNREADABLE,   // no permission, or the system could not read it (detail says why)
    NOT_PICTURE,  // none of PNG, JPEG, GIF, BMP and WebP
    UNSUPPORTED,  // one of them in a form the decoder does not take (detail says which)
    EMPTY,        // 0 pixels wide or high
    TOO_LARGE,    // beyond the limits below (w and h say how large)
    DAMAGED,      // the decoder refused it, a file cut short included (detail says why)
};

// The file is read whole, up to PLAT_PICTURE_MAX_FILE (platform/file_limits.h); a picture's
// frames together hold at most PLAT_PICTURE_MAX_PIXELS.
constexpr int PLAT_PICTURE_MAX_SIDE = 20000;
constexpr int64_t PLAT_PICTURE_MAX_PIXELS = int64_t(64) << 20;
constexpr int PLAT_PICTURE_MAX_FRAMES = 200;

struct plat_PictureInfo {
    plat_PictureFault fault = plat_PictureFault::NONE;
    std::string detail;
    const char* format = "";  // "PNG", "JPEG", "GIF", "BMP" or "WebP" once known
    int w = 0, h = 0;
    int frames = 0;           // the frames taken: 1 for a still picture
    bool moreFrames = false;  // the file holds more frames than were taken
};

struct plat_Picture {
    plat_PictureInfo info;  // info.w, info.h: the size in the file
    int w = 0, h = 0;       // the frames' size
    // Each frame w * h pixels of R, G, B, A bytes, the top row first. An animation's frames
    // are whole pictures, each drawn over the ones before as the file says.
    std::vector<std::vector<uint8_t>> frames;
};

// The picture file at `hostPath` (UTF-8, "/" separators): its header read and checked.
plat_PictureInfo plat_ProbePicture(const std::string& hostPath);
// The same, then decoded; frames are there exactly when info.fault is NONE. With a scale
// below 1 each frame comes at round(w * scale) x round(h * scale) (at least 1 x 1), each
// pixel the average of the area it covers, colours weighted by their alpha so that
// see-through pixels lend no colour to the edges; the frames are scaled row by row as they
// are converted, so that no full-size copy of them is ever made.
plat_Picture plat_LoadPicture(const std::string& hostPath, double scale = 1.0);
