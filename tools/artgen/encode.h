// File images of what the generator makes: 24-bit BMP from an RGB565 surface, 16-bit PCM WAV.
#pragma once
#include <cstdint>
#include <vector>

class IDirectDrawSurface;

namespace artgen {

constexpr int SAMPLE_RATE = 22050;

// Each channel widened by repeating its bits, so that loading the file back into RGB565 gives
// exactly the surface's values. Empty when the surface cannot be read.
std::vector<uint8_t> EncodeBmp(IDirectDrawSurface* s);
// Mono, SAMPLE_RATE samples a second; samples in -1 ... 1 are rounded and clipped.
std::vector<uint8_t> EncodeWav(const std::vector<double>& samples);

}  // namespace artgen
