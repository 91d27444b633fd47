#include "platform/video.h"

extern "C" {
#include <libavutil/opt.h>
}
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/files.h"
#include "platform/files_internal.h"
#include "platform/video_internal.h"

namespace {

// The first of the named encoders there is, else any for the codec.
const AVCodec* find_encoder(const char* name, AVCodecID id) {
    const AVCodec* c = avcodec_find_encoder_by_name(name);
    return c ? c : avcodec_find_encoder(id);
}

struct Encoders {
    const AVCodec *video, *audio;
};
Encoders encoders(bool webm) {
    if (webm) return {find_encoder("libvpx-vp9", AV_CODEC_ID_VP9), find_encoder("libopus", AV_CODEC_ID_OPUS)};
    return {find_encoder("libx264", AV_CODEC_ID_H264), find_encoder("aac", AV_CODEC_ID_AAC)};
}

bool ends_with(const std::string& s, const char* ext) {
    const size_t n = strlen(ext);
    return s.size() > n && strcasecmp(s.c_str() + s.size() - n, ext) == 0;
}

// Takes every packet the encoder has ready into the file.
bool drain(plat_VideoState& s, AVCodecContext* c, AVStream* st) {
    for (;;) {
        const int r = avcodec_receive_packet(c, s.packet);
        if (r == AVERROR(EAGAIN) || r == AVERROR_EOF) return true;
        if (r < 0) return false;
        // A picture lasts one frame; without it MP4 drops the last one from the film's time.
        if (c == s.video && s.packet->duration == 0) s.packet->duration = 1;
        av_packet_rescale_ts(s.packet, c->time_base, st->time_base);
        s.packet->stream_index = st->index;
        if (av_interleaved_write_frame(s.out, s.packet) < 0) return false;
    }
}

}  // namespace

const char* plat_VideoKind() {
    const auto has = [](bool webm) {
        const Encoders e = encoders(webm);
        return e.video && e.audio;
    };
    return has(false) || !has(true) ? ".mp4" : ".webm";
}

bool plat_VideoEncode(plat_VideoState& s, AVCodecContext* c, AVStream* st, AVFrame* f) {
    return avcodec_send_frame(c, f) >= 0 && drain(s, c, st);
}


plat_VideoWriter::plat_VideoWriter(const std::string& path, int w, int h, int fps, const plat_Sound& sound)
    : s_(std::make_unique<plat_VideoState>()) {
    plat_VideoState& s = *s_;
    s.path = path;
    s.src_w = std::max(1, w);
    s.src_h = std::max(1, h);
    s.w = plat_VideoSide(w);
    s.h = plat_VideoSide(h);
    s.fps = std::max(1, fps);
    av_log_set_level(AV_LOG_ERROR);  // the encoders' reports are not for the user
    const bool webm = ends_with(path, ".webm");
    if (!webm && !ends_with(path, ".mp4")) {
        fail("a video's name ends in .webm or .mp4");
        return;
    }
    const auto [vc, ac] = encoders(webm);
    if (!vc || !ac) {
        fail(std::string("this system's FFmpeg has no ") + (!vc ? (webm ? "VP9" : "H.264") : (webm ? "Opus" : "AAC")) +
             " encoder; try " + (webm ? ".mp4" : ".webm"));
        return;
    }
    // The temporary is named as the atomic writer names its own, so that a crash's is swept.
    s.temp = path.substr(0, path.find_last_of('/') + 1) + plat_ProcessPrefix(PLAT_WRITE_TEMP_PREFIX) + "XXXXXX";
    errno = EACCES;  // the test hook's read-only disk
    s.fd = plat_WritesFail() ? -1 : mkstemp(s.temp.data());
    if (s.fd < 0) {
        s.temp.clear();
        fail("cannot write into the folder of " + path + ": " + strerror(errno));
        return;
    }
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(s.fd, 0666 & ~mask);
    if (avformat_alloc_output_context2(&s.out, nullptr, webm ? "webm" : "mp4", s.temp.c_str()) < 0 ||
        !(s.video = avcodec_alloc_context3(vc)) || !(s.audio = avcodec_alloc_context3(ac)) ||
        !(s.packet = av_packet_alloc()) || !(s.picture = av_frame_alloc()) || !(s.samples = av_frame_alloc())) {
        fail("no memory for the video");
        return;
    }
    AVCodecContext* v = s.video;
    v->width = s.w;
    v->height = s.h;
    v->pix_fmt = AV_PIX_FMT_YUV420P;
    v->time_base = {1, s.fps};
    v->framerate = {s.fps, 1};
    v->gop_size = s.fps * 10;
    v->thread_count = 0;  // as many as the machine has, as ffmpeg itself does
    if (webm) {
        av_opt_set(v->priv_data, "deadline", "good", 0);
        av_opt_set_int(v->priv_data, "cpu-used", 5, 0);
        av_opt_set_int(v->priv_data, "row-mt", 1, 0);
        av_opt_set_int(v->priv_data, "crf", 32, 0);
        v->bit_rate = 0;
    } else {
        av_opt_set(v->priv_data, "preset", "veryfast", 0);
        av_opt_set(v->priv_data, "crf", "23", 0);
    }
    AVCodecContext* a = s.audio;
    a->sample_fmt = ac->sample_fmts ? ac->sample_fmts[0] : AV_SAMPLE_FMT_FLTP;
    a->sample_rate = webm ? 48000 : PLAT_MIX_RATE;  // Opus runs at 48 kHz
    av_channel_layout_default(&a->ch_layout, 2);
    a->bit_rate = 128000;
    a->time_base = {1, a->sample_rate};
    if (s.out->oformat->flags & AVFMT_GLOBALHEADER) {
        v->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        a->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    if (avcodec_open2(v, vc, nullptr) < 0 || avcodec_open2(a, ac, nullptr) < 0) {
        fail(std::string("the encoder ") + (avcodec_is_open(v) ? ac->name : vc->name) + " would not start");
        return;
    }
    s.vstream = avformat_new_stream(s.out, nullptr);
    s.astream = avformat_new_stream(s.out, nullptr);
    AVChannelLayout stereo;
    av_channel_layout_default(&stereo, 2);
    if (!s.vstream || !s.astream || avcodec_parameters_from_context(s.vstream->codecpar, v) < 0 ||
        avcodec_parameters_from_context(s.astream->codecpar, a) < 0 ||
        !(s.sws = sws_getContext(s.src_w, s.src_h, AV_PIX_FMT_BGR24, s.w, s.h, AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr,
                                 nullptr, nullptr)) ||
        swr_alloc_set_opts2(&s.swr, &a->ch_layout, a->sample_fmt, a->sample_rate, &stereo, AV_SAMPLE_FMT_S16,
                            PLAT_MIX_RATE, 0, nullptr) < 0 ||
        swr_init(s.swr) < 0 || !(s.fifo = av_audio_fifo_alloc(a->sample_fmt, 2, a->frame_size > 0 ? a->frame_size : 1024))) {
        fail("the video's streams could not be set up");
        return;
    }
    s.vstream->time_base = v->time_base;
    s.astream->time_base = a->time_base;
    s.picture->format = v->pix_fmt;
    s.picture->width = s.w;
    s.picture->height = s.h;
    s.samples->format = a->sample_fmt;
    av_channel_layout_copy(&s.samples->ch_layout, &a->ch_layout);
    s.samples->sample_rate = a->sample_rate;
    if (av_frame_get_buffer(s.picture, 0) < 0) {
        fail("no memory for the video");
        return;
    }
    if (sound.channels == 2) {
        s.sound = sound.samples;
    } else {
        s.sound.reserve(sound.samples.size() * 2);
        for (int16_t v16 : sound.samples) s.sound.insert(s.sound.end(), {v16, v16});
    }
    if (avio_open(&s.out->pb, s.temp.c_str(), AVIO_FLAG_WRITE) < 0 || avformat_write_header(s.out, nullptr) < 0)
        fail("cannot write " + path);
}

plat_VideoWriter::~plat_VideoWriter() = default;

bool plat_VideoWriter::fail(const std::string& what) {
    if (error_.empty()) error_ = what;
    s_->failed = true;
    return false;
}

int plat_VideoWriter::Frames() const { return static_cast<int>(s_->frames); }

bool plat_VideoWriter::Add(const uint8_t* bgr, double seconds) {
    plat_VideoState& s = *s_;
    if (s.failed || s.finished) return false;
    // Frames are repeated or left out so that each frame boundary falls where the times add up to.
    s.seconds += std::max(0.0, seconds);
    const int64_t until = std::llround(s.seconds * s.fps);
    if (until <= s.frames) return true;
    const int stride = s.src_w * 3;
    if (av_frame_make_writable(s.picture) < 0) return fail("no memory for the video");
    sws_scale(s.sws, &bgr, &stride, 0, s.src_h, s.picture->data, s.picture->linesize);
    for (; s.frames < until; ++s.frames) {
        s.picture->pts = s.frames;
        if (!plat_VideoEncode(s, s.video, s.vstream, s.picture) ||
            !plat_VideoAudioTo(s, static_cast<double>(s.frames + 1) / s.fps, false))
            return fail("cannot write " + s.path + " (is the disk full?)");
    }
    return true;
}

bool plat_VideoWriter::Finish() {
    plat_VideoState& s = *s_;
    if (s.failed || s.finished) return false;
    // The sound is as long as the pictures: cut, or padded with silence.
    s.sound.resize(static_cast<size_t>(std::llround(static_cast<double>(s.frames) / s.fps * PLAT_MIX_RATE)) * 2, 0);
    s.sound_at = std::min(s.sound_at, s.sound.size() / 2);
    if (!plat_VideoEncode(s, s.video, s.vstream, nullptr) || !plat_VideoAudioTo(s, -1, true) || !plat_VideoEncode(s, s.audio, s.astream, nullptr) ||
        av_write_trailer(s.out) < 0 || avio_closep(&s.out->pb) < 0 || fsync(s.fd) != 0)
        return fail("cannot write " + s.path + " (is the disk full?)");
    if (rename(s.temp.c_str(), s.path.c_str()) != 0)
        return fail("cannot put the video in place as " + s.path + ": " + strerror(errno));
    s.finished = true;
    return true;
}
