// A video file through FFmpeg's libraries: VP9 and Opus in ".webm", H.264 and AAC in ".mp4".
// Frames come as blue, green, red bytes with how long each stays, at a constant frame rate; the sound is given
// whole at the start and is encoded alongside. The file is written to a temporary beside it
// and renamed into place only when complete, so that a failure leaves no half video.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/sound_file.h"

struct plat_VideoState;

// The kind of video this system's FFmpeg writes, as its name's ending: ".mp4" (H.264 and AAC,
// which play on the most machines) where it can, else ".webm". With neither, ".mp4", whose
// writer then says what is missing.
const char* plat_VideoKind();

class plat_VideoWriter {
public:
    // A video of frames of w x h (scaled to even sides, as encoders want them) at fps frames per second into the host path `path`, its
    // sound `sound` (stereo or mono at PLAT_MIX_RATE; cut or padded with silence to the frames'
    // length). Error() says what went wrong when it cannot start.
    plat_VideoWriter(const std::string& path, int w, int h, int fps, const plat_Sound& sound);
    ~plat_VideoWriter();
    plat_VideoWriter(const plat_VideoWriter&) = delete;
    plat_VideoWriter& operator=(const plat_VideoWriter&) = delete;

    // A frame of w x h pixels as blue, green, red bytes, row after row, shown for `seconds`;
    // false once anything failed.
    bool Add(const uint8_t* bgr, double seconds);
    // Ends the streams and puts the file in place; false, with Error(), when that failed.
    bool Finish();
    // The frames written so far.
    int Frames() const;
    // What went wrong, for people; empty while nothing did.
    const std::string& Error() const { return error_; }

private:
    bool fail(const std::string& what);
    std::unique_ptr<plat_VideoState> s_;
    std::string error_;
};

// The sides a video encoder takes: each rounded down to an even number, at least 2.
inline int plat_VideoSide(int side) { return side < 2 ? 2 : side & ~1; }
