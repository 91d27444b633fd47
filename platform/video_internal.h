// What the video writer's two files share: its state, and the encoders' packets into the file.
#pragma once
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

// What the writer holds between its calls; all of it is let go, and an unfinished temporary
// removed, when it goes.
struct plat_VideoState {
    std::string path, temp;
    int fd = -1;
    AVFormatContext* out = nullptr;
    AVCodecContext* video = nullptr;
    AVCodecContext* audio = nullptr;
    AVStream* vstream = nullptr;
    AVStream* astream = nullptr;
    SwsContext* sws = nullptr;
    SwrContext* swr = nullptr;
    AVAudioFifo* fifo = nullptr;
    AVFrame* picture = nullptr;
    AVFrame* samples = nullptr;
    AVPacket* packet = nullptr;
    std::vector<int16_t> sound;  // stereo at PLAT_MIX_RATE
    size_t sound_at = 0;         // frames of it handed to the resampler
    int64_t audio_pts = 0;
    int src_w = 0, src_h = 0, w = 0, h = 0, fps = 0;
    int64_t frames = 0;
    double seconds = 0;  // the frames' time so far, asked for
    bool failed = false, finished = false;

    ~plat_VideoState() {
        avcodec_free_context(&video);
        avcodec_free_context(&audio);
        if (out) {
            if (out->pb) avio_closep(&out->pb);
            avformat_free_context(out);
        }
        sws_freeContext(sws);
        swr_free(&swr);
        if (fifo) av_audio_fifo_free(fifo);
        av_frame_free(&picture);
        av_frame_free(&samples);
        av_packet_free(&packet);
        if (fd >= 0) close(fd);
        if (!finished && !temp.empty()) unlink(temp.c_str());
    }
};

// Sends the frame (null: the end) to the encoder and takes every packet it has ready into the
// file; false when either fails.
bool plat_VideoEncode(plat_VideoState& s, AVCodecContext* c, AVStream* st, AVFrame* f);
// Encodes the sound up to `seconds`, or all of it with what the resampler holds when `last`.
bool plat_VideoAudioTo(plat_VideoState& s, double seconds, bool last);
