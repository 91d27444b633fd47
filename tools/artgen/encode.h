// Sound files of what the generator makes: 16-bit PCM WAV. (Pictures are encoded by the
// platform: plat_EncodeSurfaceBMP.)
#pragma once
#include <cstdint>
#include <vector>

namespace artgen {

constexpr int SAMPLE_RATE = 22050;

// Mono, SAMPLE_RATE samples a second; samples in -1 ... 1 are rounded and clipped.
std::vector<uint8_t> EncodeWav(const std::vector<double>& samples);

}  // namespace artgen
