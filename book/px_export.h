// A page exported as an animated GIF: the frames' timing at the book's pace, and two plays
// of the page (the first counts its colours for the palette, the second encodes). A film of
// any frames (the whole book's) is made the same way.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class PX_Player;

struct PX_Timing {
    double seconds = 5;
    int fps = 20;
    int period_ms = 16;  // of the frame timer: the pace the book plays at
};

// The tick each frame shows and how long it stays, in hundredths of a second.
struct PX_Frames {
    std::vector<int> ticks;
    std::vector<int> delays_cs;
};
PX_Frames PX_Export_Frames(const PX_Timing& timing);

// Called after each frame of the two plays with the frames done and the frames in all.
using PX_Progress = std::function<void(int done, int total)>;

// A film of delays_cs.size() frames of w x h: play(k, frame) gives frame k in RGB565, row after
// row, in order from k = 0 at each of the two plays; false when it cannot.
struct PX_Film {
    int w = 0, h = 0;
    std::vector<int> delays_cs;
    std::function<bool(int k, std::vector<uint16_t>* frame)> play;
};
// Its GIF, with one palette counted over all its frames; empty when a frame could not be
// played or the encoder failed.
std::vector<uint8_t> PX_Export_Film(const PX_Film& film, const PX_Progress& progress = {});

// The GIF of the page file (a page of the player's book) at the player's frame size; empty
// when the file cannot be read or the encoder failed. The pictures the page lacks go to
// *missing (it plays without them).
std::vector<uint8_t> PX_Export_Page(PX_Player& player, const char* page_path, const PX_Frames& frames,
                                    std::vector<std::string>* missing, const PX_Progress& progress = {});
