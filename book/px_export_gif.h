// An animated GIF made in memory: one global palette, looping forever, each frame stored
// as the rectangle that changed since the frame before.
#pragma once
#include <cstdint>
#include <vector>

struct GifFileType;

// The smallest rectangle (left, top, width, height) that holds every pixel where the two
// w x h frames differ; width and height 0 when they are equal.
struct PX_Rect {
    int left = 0, top = 0, w = 0, h = 0;
};
PX_Rect PX_ChangedRect(const uint8_t* a, const uint8_t* b, int w, int h);

class PX_GifWriter {
public:
    // palette: 0xRRGGBB entries, 1 to 256; with fewer than 256 the next index marks the
    // pixels a frame leaves as they were.
    PX_GifWriter(int w, int h, const std::vector<uint32_t>& palette);
    ~PX_GifWriter();
    PX_GifWriter(const PX_GifWriter&) = delete;
    PX_GifWriter& operator=(const PX_GifWriter&) = delete;

    // A frame of w x h palette indices, shown for delay_cs hundredths of a second.
    void Add(const std::vector<uint8_t>& indices, int delay_cs);
    // The file; empty when the encoder failed.
    std::vector<uint8_t> Finish();

private:
    void put_image(const PX_Rect& r, const std::vector<uint8_t>& indices, int delay_cs);

    int w_, h_;
    int transparent_;  // -1: the palette is full
    GifFileType* gif_ = nullptr;
    bool failed_ = false;
    std::vector<uint8_t> bytes_;
    std::vector<uint8_t> previous_;  // the frame shown before, empty before the first
    std::vector<uint8_t> line_;
};
