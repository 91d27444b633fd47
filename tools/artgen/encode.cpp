#include "tools/artgen/encode.h"

#include <algorithm>
#include <cmath>

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
