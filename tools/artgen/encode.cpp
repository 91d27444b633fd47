#include "tools/artgen/encode.h"

#include <algorithm>
#include <cmath>

#include "platform/ddraw.h"
#include "platform/gdi_internal.h"

namespace artgen {

namespace {
void put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(static_cast<uint8_t>(x));
    v.push_back(static_cast<uint8_t>(x >> 8));
}
void put32(std::vector<uint8_t>& v, uint32_t x) {
    put16(v, x & 0xFFFF);
    put16(v, x >> 16);
}
void put_tag(std::vector<uint8_t>& v, const char* tag) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(tag[i]));
}
}  // namespace

std::vector<uint8_t> EncodeBmp(IDirectDrawSurface* s) {
    DDSURFACEDESC d = {};
    d.dwSize = sizeof d;
    if (!s || s->Lock(nullptr, &d, DDLOCK_WAIT, nullptr) != DD_OK) return {};
    const uint32_t w = d.dwWidth, h = d.dwHeight, stride = (w * 3 + 3) & ~3u, data = stride * h;
    std::vector<uint8_t> v;
    v.reserve(54 + data);
    v.push_back('B');
    v.push_back('M');
    put32(v, 54 + data);
    put32(v, 0);
    put32(v, 54);
    put32(v, 40);  // the plain info header
    put32(v, w);
    put32(v, h);  // positive: rows stored bottom-up
    put16(v, 1);
    put16(v, 24);
    put32(v, 0);  // no compression
    put32(v, data);
    put32(v, 2835);  // 72 dots an inch
    put32(v, 2835);
    put32(v, 0);
    put32(v, 0);
    for (uint32_t y = h; y-- > 0;) {
        const auto* row = reinterpret_cast<const uint16_t*>(static_cast<const uint8_t*>(d.lpSurface) + y * d.lPitch);
        for (uint32_t x = 0; x < w; ++x) {
            const uint16_t p = row[x];
            const COLORREF c = plat_From565(p);  // widened so that loading gives p back
            v.push_back(GetBValue(c));
            v.push_back(GetGValue(c));
            v.push_back(GetRValue(c));
        }
        v.resize(v.size() + (stride - 3 * w), 0);
    }
    s->Unlock(nullptr);
    return v;
}

std::vector<uint8_t> EncodeWav(const std::vector<double>& samples) {
    const uint32_t data = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> v;
    put_tag(v, "RIFF");
    put32(v, 36 + data);
    put_tag(v, "WAVE");
    put_tag(v, "fmt ");
    put32(v, 16);
    put16(v, 1);  // PCM
    put16(v, 1);  // mono
    put32(v, SAMPLE_RATE);
    put32(v, SAMPLE_RATE * 2);  // bytes a second
    put16(v, 2);                // bytes a frame
    put16(v, 16);
    put_tag(v, "data");
    put32(v, data);
    for (double x : samples) {
        const double scaled = std::floor(std::clamp(x, -1.0, 1.0) * 32767 + 0.5);
        put16(v, static_cast<uint32_t>(static_cast<int32_t>(scaled)) & 0xFFFF);
    }
    return v;
}

}  // namespace artgen
