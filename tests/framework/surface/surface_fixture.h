// Pictures, surfaces and pixel checks shared by the surface tests.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/surface/tf_dsrfc.h"
#include "tests/support/pixels.h"

namespace srf_test {
using Rows = std::vector<std::string>;
// A 24-bit BMP, one character a pixel, top row first: B blue, . magenta, r red, g green,
// y yellow, w white, k black, c cyan.
std::vector<unsigned char> Bmp(const Rows& rows);
void WriteFile(const char* name, const std::vector<unsigned char>& data);
void AddResource(const char* name, const std::vector<unsigned char>& data);  // kept for the run
using test_support::Px;

// A 30 x 20 back buffer of paper standing for a 20 x 12 screen, so that the framework's own
// screen clipping shows before the platform's.
class SurfaceTest : public testing::Test {
public:
    static constexpr uint16_t PAPER = 0x1234;

protected:
    void SetUp() override;
    void TearDown() override;
    void Load(tf_CDas_Surface& s, const char* name, const Rows& rows);
    // The whole back buffer: src of s copied 1:1 to (dx, dy) (keyed: key pixels left out), paper elsewhere.
    void ExpectCopy(tf_CDas_Surface* s, int dx, int dy, RECT src, bool keyed);
    void ExpectPaper() { ExpectCopy(nullptr, 0, 0, {0, 0, 0, 0}, false); }
    // Pixels from (x, y) as W white, K black, G dark grey 0x50, L light grey 0xD8, P paper, ? other.
    void ExpectKinds(IDirectDrawSurface* s, int x, int y, const Rows& rows);

    IDirectDraw* dd = nullptr;
    IDirectDrawSurface* back = nullptr;
    int saved_w = 0, saved_h = 0;
};

}  // namespace srf_test
