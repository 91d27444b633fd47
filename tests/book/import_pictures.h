// Pictures an author would bring, drawn for the import stories and the screenshot: a photo
// of a landscape, a flower with see-through surroundings, and a bird in three wing positions.
// The flower's and the bird's colours are exact in the screen's 16 bits, however a channel is
// rounded, so that what shows can be compared.
#pragma once
#include <cstdint>
#include <string>

#include "tests/support/picture_files.h"

namespace import_test {

constexpr int FLOWER_W = 90, FLOWER_H = 120;
constexpr int BIRD_W = 96, BIRD_H = 64;

// Sky above green hills, a sun in the sky: no transparency.
test_support::PixelAt Photo(int w, int h);
// A flower; 0 (see-through) around it.
test_support::PixelAt Flower();
// The bird of phase 0, 1 or 2: its wings up, level, down; see-through around it.
test_support::PixelAt Bird(int phase);

}  // namespace import_test
