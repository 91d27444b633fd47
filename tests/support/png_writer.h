// PNG pictures of surfaces, written by libpng, for people to look at.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class IDirectDrawSurface;

namespace test_support {

// False for a missing or empty surface and when the file cannot be written.
bool SavePNG(IDirectDrawSurface* srf, const std::string& hostPath);
// w x h pixels in a format of libpng's simplified interface (PNG_FORMAT_BGR, PNG_FORMAT_RGBA, ...).
bool WritePngBytes(const std::string& hostPath, int w, int h, uint32_t format, const std::vector<uint8_t>& bytes);

}  // namespace test_support
