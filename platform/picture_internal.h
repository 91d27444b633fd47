// What the picture files share: the header readers of each format's own library.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/picture.h"

// The formats the program takes, found by their signatures.
enum class plat_PictureFormat { NONE, PNG, JPEG, GIF, BMP, WEBP };
plat_PictureFormat plat_PictureFormatOf(const uint8_t* data, size_t size);

// Each sets info->w, info->h (and frames) from the header, or a fault with the library's
// words; none decodes a pixel.
void plat_PngInfo(const uint8_t* data, size_t size, plat_PictureInfo* info);
// A JPEG whose entropy-coded data never reaches its end marker is damaged: cut short.
void plat_JpegInfo(const uint8_t* data, size_t size, plat_PictureInfo* info);
// A JPEG at the smallest of libjpeg's reduced scales (1/2, 1/4, 1/8) that is still at least
// w x h, as RGBA; false without a word in `why` when none is (or its colours are printers'):
// then the general decoder takes it. A refusal of the library's sets `why`.
struct plat_JpegPixels {
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    std::string why;
};
bool plat_JpegDecodeReduced(const uint8_t* data, size_t size, int w, int h, plat_JpegPixels* out);
void plat_WebpInfo(const uint8_t* data, size_t size, plat_PictureInfo* info);
void plat_BmpInfo(const uint8_t* data, size_t size, plat_PictureInfo* info);
// Counts the frames (at most those that fit the limits) and checks each frame's size;
// *usable is the number of bytes that hold the frames taken, so that the decoder is
// handed those alone.
void plat_GifInfo(const uint8_t* data, size_t size, plat_PictureInfo* info, size_t* usable);

// A picture sw x sh made dw x dh (bitmap_scale.cpp): `row(y)` gives source row y as RGBA
// (and may be asked for a row again); area averaging, alpha-weighted. Null rows read as see-through.
std::vector<uint8_t> plat_ScaleRgbaRows(int sw, int sh, int dw, int dh, const std::function<const uint8_t*(int)>& row);

// The fault for a size outside the limits, or NONE.
plat_PictureFault plat_PictureSizeFault(int64_t w, int64_t h);
