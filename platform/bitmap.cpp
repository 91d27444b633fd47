// Bitmaps: LoadImageA finds a picture among the program's resources first and, when asked to,
// in a BMP file second, and keeps it as XRGB pixels, scaled to a requested size.
#include <malloc.h>

#include <cstdio>

#include "platform/files.h"
#include "platform/gdi_internal.h"
#include "platform/resources.h"

namespace {

bool read_file(const char* name, std::vector<uint8_t>* out) {
    FILE* f = plat_fopen(name, "rb");
    if (!f) return false;
    long size = -1;
    if (fseek(f, 0, SEEK_END) == 0) size = ftell(f);
    bool ok = size >= 0 && static_cast<size_t>(size) <= PLAT_PICTURE_FILE_BYTES && fseek(f, 0, SEEK_SET) == 0;
    if (ok) {
        out->resize(static_cast<size_t>(size));
        ok = fread(out->data(), 1, out->size(), f) == out->size();
    }
    fclose(f);
    if (!ok) plat_GdiWarn("file not readable", name);
    return ok;
}

// A picture passes through buffers of several megabytes (file, decoded rows, XRGB pixels).
// By default each is mapped afresh and handed back to the system when freed, so every
// picture pays the page faults of all of them again, which outweighs the decoding when
// many pictures are loaded in a row (the thumbnails of a folder). Freed buffers up to
// these sizes stay in the heap for the next picture.
void keep_picture_buffers() {
    static const bool kept = [] {
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 128 << 20);
        return true;
    }();
    (void)kept;
}

}  // namespace

HANDLE LoadImageA(HINSTANCE, const char* name, UINT type, int w, int h, UINT flags) {
    if (type != IMAGE_BITMAP || !name) return nullptr;
    keep_picture_buffers();
    if (w < 0 || h < 0 || w > PLAT_MAX_SIDE || h > PLAT_MAX_SIDE) {
        plat_GdiWarn("bitmap size refused", name);
        return nullptr;
    }
    std::vector<uint8_t> file;
    const uint8_t* data = nullptr;
    size_t size = 0;
    if (const plat_Resource* res = plat_FindResource(name)) {
        data = res->data;
        size = res->size;
    } else if ((flags & LR_LOADFROMFILE) && read_file(name, &file)) {
        data = file.data();
        size = file.size();
    } else {
        return nullptr;
    }

    int bw = 0, bh = 0;
    std::vector<uint32_t> px;
    if (!plat_DecodeBmp(data, size, &bw, &bh, &px)) {
        plat_GdiWarn("bitmap not loaded", name);
        return nullptr;
    }
    // A zero width or height keeps the picture's own.
    const int tw = w ? w : bw, th = h ? h : bh;
    if (static_cast<int64_t>(tw) * th > PLAT_MAX_PIXELS) {
        plat_GdiWarn("bitmap size refused", name);
        return nullptr;
    }
    plat_GdiObject* o = plat_NewGdiObject(plat_GdiKind::BITMAP);
    o->w = tw;
    o->h = th;
    o->px = tw == bw && th == bh ? std::move(px) : plat_ScaleXrgb(px, bw, bh, tw, th);
    return o;
}

HMODULE GetModuleHandleA(const char* name) {
    // Only the program itself is a module here.
    static char self;
    return name ? nullptr : &self;
}
