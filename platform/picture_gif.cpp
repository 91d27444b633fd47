// A GIF's frames counted and measured by giflib, whose records are walked without decoding
// their pixels: a file of ten thousand frames costs a walk over its bytes, no more.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>

#include "platform/picture_internal.h"

namespace {

struct GifSource {
    const uint8_t* data;
    size_t size, at;
};

int gif_read(GifFileType* gif, GifByteType* out, int n) {
    auto* src = static_cast<GifSource*>(gif->UserData);
    const size_t take = std::min(static_cast<size_t>(std::max(n, 0)), src->size - src->at);
    memcpy(out, src->data + src->at, take);
    src->at += take;
    return static_cast<int>(take);
}

// An extension's or a frame's sub-blocks passed over: a frame's compressed pixels are never
// decoded here.
bool skip_blocks(GifFileType* gif, bool extension) {
    int code = 0;
    GifByteType* block = nullptr;
    if ((extension ? DGifGetExtension(gif, &code, &block) : DGifGetCode(gif, &code, &block)) == GIF_ERROR) return false;
    while (block)
        if ((extension ? DGifGetExtensionNext(gif, &block) : DGifGetCodeNext(gif, &block)) == GIF_ERROR) return false;
    return true;
}

const char* gif_error(int error, const GifSource& src) {
    if (src.at == src.size) return "the file is cut short";
    const char* why = GifErrorString(error);
    return why ? why : "giflib refuses it";
}

// Walks the records; null when they hold together, else why not.
const char* walk(GifFileType* gif, const GifSource& src, plat_PictureInfo* info, size_t* usable) {
    const int64_t canvas = int64_t(info->w) * info->h;
    const int budget =
        static_cast<int>(std::clamp<int64_t>(PLAT_PICTURE_MAX_PIXELS / canvas, 1, PLAT_PICTURE_MAX_FRAMES));
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) {
            // Only the closing byte missing: the frames before it are whole.
            if (info->frames > 0 && src.at == src.size) return nullptr;
            return gif_error(gif->Error, src);
        }
        if (type == TERMINATE_RECORD_TYPE) return info->frames > 0 ? nullptr : "there is no frame in it";
        if (type == EXTENSION_RECORD_TYPE) {
            if (!skip_blocks(gif, true)) return gif_error(gif->Error, src);
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE) return "an unknown record";
        if (info->frames == budget) {
            info->moreFrames = true;
            return nullptr;
        }
        if (DGifGetImageDesc(gif) == GIF_ERROR) return gif_error(gif->Error, src);
        const GifImageDesc& d = gif->Image;
        if (plat_PictureSizeFault(d.Width, d.Height) == plat_PictureFault::TOO_LARGE) {
            info->fault = plat_PictureFault::TOO_LARGE;
            info->w = d.Width;
            info->h = d.Height;
            return nullptr;
        }
        if (!skip_blocks(gif, false)) return gif_error(gif->Error, src);
        ++info->frames;
        *usable = src.at;
    }
}

}  // namespace

void plat_GifInfo(const uint8_t* data, size_t size, plat_PictureInfo* info, size_t* usable) {
    GifSource src{data, size, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&src, gif_read, &error);
    if (!gif) {
        info->fault = plat_PictureFault::DAMAGED;
        info->detail = gif_error(error, src);
        return;
    }
    info->w = gif->SWidth;
    info->h = gif->SHeight;
    info->fault = plat_PictureSizeFault(info->w, info->h);
    *usable = 0;
    if (info->fault == plat_PictureFault::NONE) {
        if (const char* why = walk(gif, src, info, usable)) {
            info->fault = plat_PictureFault::DAMAGED;
            info->detail = why;
        }
    }
    DGifCloseFile(gif, &error);
}
