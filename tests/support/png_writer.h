// PNG files of RGB565 surfaces for screenshots: 8-bit RGB, the zlib stream made of stored
// (uncompressed) deflate blocks, so that no compression library is needed.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class IDirectDrawSurface;

namespace test_support {

// CRC-32 as PNG chunks carry it, Adler-32 as a zlib stream ends with it.
uint32_t Crc32(const uint8_t* data, size_t n);
uint32_t Adler32(const uint8_t* data, size_t n);

// The whole file; empty for a missing or empty surface.
std::vector<uint8_t> EncodePNG(IDirectDrawSurface* srf);
bool SavePNG(IDirectDrawSurface* srf, const std::string& hostPath);

// Reads back what EncodePNG writes (8-bit RGB, stored blocks, no row filters), checking every
// chunk's CRC and the Adler-32. Pixels are 0x00RRGGBB, top row first. False on anything else.
bool DecodeStoredPNG(const std::vector<uint8_t>& png, int* w, int* h, std::vector<uint32_t>* rgb);

}  // namespace test_support
