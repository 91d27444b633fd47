#include "tools/artgen/encode.h"

#include <algorithm>
#include <cmath>

#include "platform/bytes.h"

namespace artgen {

namespace {
void put_tag(std::vector<uint8_t>& v, const char* tag) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(tag[i]));
}
}  // namespace

std::vector<uint8_t> EncodeWav(const std::vector<double>& samples) {
    const uint32_t data = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> v;
    put_tag(v, "RIFF");
    plat_AppendLE(v, 36 + data, 4);
    put_tag(v, "WAVE");
    put_tag(v, "fmt ");
    plat_AppendLE(v, 16, 4);
    plat_AppendLE(v, 1, 2);  // PCM
    plat_AppendLE(v, 1, 2);  // mono
    plat_AppendLE(v, SAMPLE_RATE, 4);
    plat_AppendLE(v, SAMPLE_RATE * 2, 4);  // bytes a second
    plat_AppendLE(v, 2, 2);                // bytes a frame
    plat_AppendLE(v, 16, 2);
    put_tag(v, "data");
    plat_AppendLE(v, data, 4);
    for (double x : samples) {
        const double scaled = std::floor(std::clamp(x, -1.0, 1.0) * 32767 + 0.5);
        plat_AppendLE(v, static_cast<uint32_t>(static_cast<int32_t>(scaled)) & 0xFFFF, 2);
    }
    return v;
}

}  // namespace artgen
