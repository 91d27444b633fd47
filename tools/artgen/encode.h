// Files of what the generator makes: 16-bit PCM WAV sounds, the starter library's pictures
// as 8-bit run-length BMP (the skins are 24-bit: plat_EncodeSurfaceBMP), and the desktop's
// icons as PNG.
#pragma once
#include <cstdint>
#include <vector>

class IDirectDrawSurface;

namespace artgen {

class Canvas;

constexpr int SAMPLE_RATE = 22050;

// Mono, SAMPLE_RATE samples a second; samples in -1 ... 1 are rounded and clipped.
std::vector<uint8_t> EncodeWav(const std::vector<double>& samples);

// The surface as an RLE8 BMP: its 256 most frequent colours (ties: the lower value), the
// others drawn in the nearest of them. `keep` (the see-through and frame colours) are never
// given to another pixel, so that they stay where they are and nowhere else. Flat pictures
// of few colours come out a tenth of their 24-bit size or less. Empty for no surface.
std::vector<uint8_t> EncodeBmp8(IDirectDrawSurface* srf, std::vector<uint16_t> keep);

// The canvas shrunk `factor` times as an RGBA PNG: each pixel the average of what is drawn
// of its factor x factor block, as opaque as the block is covered, so edges blend into any
// desktop. Empty when the canvas does not divide by the factor.
std::vector<uint8_t> EncodePng(const Canvas& c, int factor);

}  // namespace artgen
