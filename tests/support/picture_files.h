// Picture files for the import tests, written by the formats' own libraries (libpng,
// SDL2_image's JPEG saver, the program's GIF writer) or by ImageMagick's convert.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace test_support {

// A pixel as 0xAARRGGBB (alpha 0xFF: opaque).
using PixelAt = std::function<uint32_t(int x, int y)>;

bool WritePng(const std::string& host, int w, int h, const PixelAt& argb);
// Alpha is not kept.
bool WriteJpeg(const std::string& host, int w, int h, const PixelAt& argb, int quality = 95);
// An animation of w x h frames (palette indices into `palette`, 0xRRGGBB), each shown 0.1 s.
bool WriteGif(const std::string& host, int w, int h, const std::vector<uint32_t>& palette,
              const std::vector<std::vector<uint8_t>>& frames);
// ImageMagick's convert with the arguments (paths quoted by the caller); false when it failed.
bool Convert(const std::string& args);

}  // namespace test_support
