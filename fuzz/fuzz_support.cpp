#include "fuzz/fuzz_support.h"

#include <ftw.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "framework/core/tf_log.h"
#include "framework/surface/tf_display.h"
#include "platform/bmp.h"
#include "platform/ddraw.h"
#include "platform/pixel.h"

namespace pexlo_fuzz {
namespace {
void remove_scratch() {
    nftw(Scratch().c_str(), [](const char* p, const struct stat*, int, FTW*) { return remove(p); }, 16,
         FTW_DEPTH | FTW_PHYS);
}
}  // namespace

const std::string& Scratch() {
    static const std::string dir = [] {
        // Memory, not the disk, where there is such a folder: inputs are written by the million.
        std::string tmpl = access("/dev/shm", W_OK) == 0 ? "/dev/shm/pexlo-fuzz-XXXXXX" : "/tmp/pexlo-fuzz-XXXXXX";
        std::string made = mkdtemp(tmpl.data()) ? tmpl : "/tmp";
        atexit(remove_scratch);
        return made;
    }();
    return dir;
}

std::string ProgramPath(const std::string& rel) {
    std::string p = Scratch() + "/" + rel;
    std::replace(p.begin(), p.end(), '/', '\\');
    return p;
}

std::string Put(const std::string& rel, const uint8_t* data, size_t size) {
    if (FILE* f = fopen((Scratch() + "/" + rel).c_str(), "wb")) {
        if (size > 0) fwrite(data, 1, size, f);
        fclose(f);
    }
    return ProgramPath(rel);
}

std::string Put(const std::string& rel, const std::string& bytes) {
    return Put(rel, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

std::string Sheet(int phases) {
    const int w = 9 * phases + 1, h = 10;
    std::vector<uint16_t> px(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            px[static_cast<size_t>(y) * w + x] = plat_XrgbTo565(x % 9 == 0 || y % 9 == 0 ? 0x00FFFFu : 0x804020u * (x / 9 + 1));
    const std::vector<uint8_t> bmp =
        plat_EncodeBmp(reinterpret_cast<const uint8_t*>(px.data()), static_cast<ptrdiff_t>(2 * w), w, h);
    return std::string(bmp.begin(), bmp.end());
}

Stage::Stage() : saved_(tf_lpDD) {
    static IDirectDraw* dd = [] {
        IDirectDraw* made = nullptr;
        DirectDrawCreate(nullptr, &made, nullptr);
        return made;
    }();
    tf_lpDD = dd;
    tf_LOG_SetONOFF(0);
}

Stage::~Stage() {
    tf_lpDD = saved_;
    tf_LOG_SetONOFF(1);
}

}  // namespace pexlo_fuzz
