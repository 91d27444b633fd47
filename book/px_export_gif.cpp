#include "book/px_export_gif.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>

namespace {

int append(GifFileType* gif, const GifByteType* data, int n) {
    auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + n);
    return n;
}

int bits_for(int entries) {
    int bits = 1;
    while ((1 << bits) < entries) ++bits;
    return bits;
}

// The application extension that has viewers play the frames again and again.
bool put_loop_forever(GifFileType* gif) {
    static const char APP[] = "NETSCAPE2.0";
    static const unsigned char LOOP[3] = {1, 0, 0};  // sub-block 1: repeat count 0, forever
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, 11, APP) == GIF_OK && EGifPutExtensionBlock(gif, 3, LOOP) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool rows_equal(const uint8_t* a, const uint8_t* b, int w, int y) {
    const size_t at = static_cast<size_t>(y) * static_cast<size_t>(w);
    return memcmp(a + at, b + at, static_cast<size_t>(w)) == 0;
}

}  // namespace

PX_Rect PX_ChangedRect(const uint8_t* a, const uint8_t* b, int w, int h) {
    int top = 0, bottom = h - 1;
    while (top < h && rows_equal(a, b, w, top)) ++top;
    if (top == h) return {};
    while (rows_equal(a, b, w, bottom)) --bottom;
    int left = w, right = -1;
    for (int y = top; y <= bottom; ++y) {
        const size_t row = static_cast<size_t>(y) * static_cast<size_t>(w);
        for (int x = 0; x < left; ++x)
            if (a[row + static_cast<size_t>(x)] != b[row + static_cast<size_t>(x)]) left = x;
        for (int x = w - 1; x > right; --x)
            if (a[row + static_cast<size_t>(x)] != b[row + static_cast<size_t>(x)]) right = x;
    }
    return {left, top, right - left + 1, bottom - top + 1};
}

PX_GifWriter::PX_GifWriter(int w, int h, const std::vector<uint32_t>& palette) : w_(w), h_(h) {
    const int n = std::clamp(static_cast<int>(palette.size()), 1, 256);
    transparent_ = n < 256 ? n : -1;
    ColorMapObject* map = GifMakeMapObject(1 << bits_for(n + (transparent_ >= 0)), nullptr);
    int error = 0;
    gif_ = map ? EGifOpen(&bytes_, append, &error) : nullptr;
    failed_ = !gif_;
    if (!failed_) {
        for (int i = 0; i < map->ColorCount; ++i) {
            const uint32_t c = i < static_cast<int>(palette.size()) ? palette[static_cast<size_t>(i)] : 0;
            map->Colors[i] = {GifByteType(c >> 16), GifByteType(c >> 8 & 0xFF), GifByteType(c & 0xFF)};
        }
        EGifSetGifVersion(gif_, true);  // extensions need GIF89a
        failed_ = EGifPutScreenDesc(gif_, w, h, 8, 0, map) != GIF_OK || !put_loop_forever(gif_);
    }
    if (map) GifFreeMapObject(map);
}

PX_GifWriter::~PX_GifWriter() {
    int error = 0;
    if (gif_) EGifCloseFile(gif_, &error);
}

void PX_GifWriter::Add(const std::vector<uint8_t>& indices, int delay_cs) {
    if (failed_ || indices.size() != static_cast<size_t>(w_) * static_cast<size_t>(h_)) {
        failed_ = true;
        return;
    }
    PX_Rect r{0, 0, w_, h_};
    if (!previous_.empty()) {
        r = PX_ChangedRect(previous_.data(), indices.data(), w_, h_);
        if (r.w == 0) r = {0, 0, 1, 1};  // a GIF image holds one pixel at least
    }
    put_image(r, indices, delay_cs);
    previous_ = indices;
}

void PX_GifWriter::put_image(const PX_Rect& r, const std::vector<uint8_t>& indices, int delay_cs) {
    // Inside the rectangle, pixels that stay as they were are left see-through: long runs
    // of one code, which pack far better than the picture under them.
    const bool keep = !previous_.empty() && transparent_ >= 0;
    GraphicsControlBlock gcb{DISPOSE_DO_NOT, false, std::clamp(delay_cs, 0, 65535),
                             keep ? transparent_ : NO_TRANSPARENT_COLOR};
    GifByteType ext[4];
    EGifGCBToExtension(&gcb, ext);
    if (EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, 4, ext) != GIF_OK ||
        EGifPutImageDesc(gif_, r.left, r.top, r.w, r.h, false, nullptr) != GIF_OK) {
        failed_ = true;
        return;
    }
    line_.resize(static_cast<size_t>(r.w));
    for (int y = r.top; y < r.top + r.h && !failed_; ++y) {
        const size_t row = static_cast<size_t>(y) * static_cast<size_t>(w_) + static_cast<size_t>(r.left);
        for (size_t x = 0; x < line_.size(); ++x) {
            const uint8_t v = indices[row + x];
            line_[x] = keep && previous_[row + x] == v ? static_cast<uint8_t>(transparent_) : v;
        }
        failed_ = EGifPutLine(gif_, line_.data(), r.w) != GIF_OK;
    }
}

std::vector<uint8_t> PX_GifWriter::Finish() {
    int error = 0;
    const bool closed = gif_ && EGifCloseFile(gif_, &error) == GIF_OK;
    gif_ = nullptr;
    if (failed_ || !closed) return {};
    return std::move(bytes_);
}
