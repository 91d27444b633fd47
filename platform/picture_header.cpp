// Picture headers read by the formats' own libraries (libpng, libwebp, and the program's own
// BMP header parser; libjpeg's in picture_jpeg.cpp), before anything is decoded.
#include <SDL2/SDL_image.h>
#include <png.h>
#include <webp/decode.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>

#include "platform/bmp.h"
#include "platform/picture_internal.h"

namespace {

void fail(plat_PictureInfo* info, plat_PictureFault fault, const char* detail) {
    info->fault = fault;
    info->detail = detail;
}

// ---- PNG ----

struct PngSource {
    const uint8_t* data;
    size_t size, at;
    char message[200];
};

void png_read(png_structp png, png_bytep out, png_size_t n) {
    auto* src = static_cast<PngSource*>(png_get_io_ptr(png));
    if (n > src->size - src->at) png_error(png, "the file is cut short");
    memcpy(out, src->data + src->at, n);
    src->at += n;
}

void png_fail(png_structp png, png_const_charp message) {
    auto* src = static_cast<PngSource*>(png_get_error_ptr(png));
    snprintf(src->message, sizeof src->message, "%s", message);
    png_longjmp(png, 1);
}

void png_quiet(png_structp, png_const_charp) {}

}  // namespace

plat_PictureFault plat_PictureSizeFault(int64_t w, int64_t h) {
    if (w <= 0 || h <= 0) return plat_PictureFault::EMPTY;
    if (w > PLAT_PICTURE_MAX_SIDE || h > PLAT_PICTURE_MAX_SIDE || w * h > PLAT_PICTURE_MAX_PIXELS)
        return plat_PictureFault::TOO_LARGE;
    return plat_PictureFault::NONE;
}

plat_PictureFormat plat_PictureFormatOf(const uint8_t* data, size_t size) {
    SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(std::min<size_t>(size, 1 << 20)));
    if (!rw) return plat_PictureFormat::NONE;
    plat_PictureFormat f = plat_PictureFormat::NONE;
    if (IMG_isPNG(rw))
        f = plat_PictureFormat::PNG;
    else if (IMG_isJPG(rw))
        f = plat_PictureFormat::JPEG;
    else if (IMG_isGIF(rw))
        f = plat_PictureFormat::GIF;
    else if (IMG_isBMP(rw))
        f = plat_PictureFormat::BMP;
    else if (IMG_isWEBP(rw))
        f = plat_PictureFormat::WEBP;
    SDL_RWclose(rw);
    return f;
}

void plat_PngInfo(const uint8_t* data, size_t size, plat_PictureInfo* info) {
    PngSource src{data, size, 0, ""};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &src, png_fail, png_quiet);
    png_infop pi = png ? png_create_info_struct(png) : nullptr;
    if (!pi) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return fail(info, plat_PictureFault::DAMAGED, "libpng could not start");
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &pi, nullptr);
        return fail(info, plat_PictureFault::DAMAGED, src.message);
    }
    // The size is ours to judge: libpng's own limit would call a large picture damaged.
    png_set_user_limits(png, 0x7FFFFFFF, 0x7FFFFFFF);
    png_set_read_fn(png, &src, png_read);
    png_read_info(png, pi);
    info->w = static_cast<int>(png_get_image_width(png, pi));
    info->h = static_cast<int>(png_get_image_height(png, pi));
    png_destroy_read_struct(&png, &pi, nullptr);
}

void plat_WebpInfo(const uint8_t* data, size_t size, plat_PictureInfo* info) {
    WebPBitstreamFeatures f;
    const VP8StatusCode status = WebPGetFeatures(data, size, &f);
    if (status == VP8_STATUS_NOT_ENOUGH_DATA) return fail(info, plat_PictureFault::DAMAGED, "the file is cut short");
    if (status != VP8_STATUS_OK) return fail(info, plat_PictureFault::DAMAGED, "libwebp finds no picture in it");
    if (f.has_animation) return fail(info, plat_PictureFault::UNSUPPORTED, "an animated WebP");
    info->w = f.width;
    info->h = f.height;
}

void plat_BmpInfo(const uint8_t* data, size_t size, plat_PictureInfo* info) {
    plat_BmpHeader hd;
    if (!plat_ReadBmpHeader(data, size, &hd)) return fail(info, plat_PictureFault::DAMAGED, "no BMP header");
    if (hd.w < 0) return fail(info, plat_PictureFault::DAMAGED, "a negative width");
    info->w = static_cast<int>(std::min<int64_t>(hd.w, INT32_MAX));
    info->h = static_cast<int>(std::min<int64_t>(hd.h, INT32_MAX));
}
