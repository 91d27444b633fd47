// PNG pictures of surfaces, written by libpng, for people to look at.
#pragma once
#include <string>

class IDirectDrawSurface;

namespace test_support {

// False for a missing or empty surface and when the file cannot be written.
bool SavePNG(IDirectDrawSurface* srf, const std::string& hostPath);

}  // namespace test_support
