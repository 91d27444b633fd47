// The video's sound: the track resampled to the encoder's rate and format, in the encoder's
// frame sizes.
#include <algorithm>

#include "platform/sound_file.h"
#include "platform/video.h"
#include "platform/video_internal.h"

namespace {
// Resamples n stereo frames (none: what the resampler still holds) into the queue of the encoder.
bool resample(plat_VideoState& s, const int16_t* in, int n) {
    const int want = swr_get_out_samples(s.swr, n);
    if (want <= 0) return want == 0;
    uint8_t** buffer = nullptr;
    if (av_samples_alloc_array_and_samples(&buffer, nullptr, s.audio->ch_layout.nb_channels, want,
                                           s.audio->sample_fmt, 0) < 0)
        return false;
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(in);
    const int got = swr_convert(s.swr, buffer, want, in ? &bytes : nullptr, n);
    const bool ok = got >= 0 && av_audio_fifo_write(s.fifo, reinterpret_cast<void**>(buffer), got) == got;
    av_freep(&buffer[0]);
    av_freep(&buffer);
    return ok;
}

}  // namespace

bool plat_VideoAudioTo(plat_VideoState& s, double seconds, bool last) {
    const size_t total = s.sound.size() / 2;
    const size_t until = last ? total : std::min(total, static_cast<size_t>(seconds * PLAT_MIX_RATE));
    while (s.sound_at < until) {
        const size_t n = std::min<size_t>(until - s.sound_at, 4096);
        if (!resample(s, s.sound.data() + s.sound_at * 2, static_cast<int>(n))) return false;
        s.sound_at += n;
    }
    if (last && !resample(s, nullptr, 0)) return false;
    const int frame = s.audio->frame_size > 0 ? s.audio->frame_size : 1024;
    const bool small_last = s.audio->codec->capabilities & AV_CODEC_CAP_SMALL_LAST_FRAME;
    while (av_audio_fifo_size(s.fifo) >= frame || (last && av_audio_fifo_size(s.fifo) > 0)) {
        const int n = std::min(frame, av_audio_fifo_size(s.fifo));
        s.samples->nb_samples = small_last ? n : frame;
        if (av_frame_get_buffer(s.samples, 0) < 0) return false;
        av_samples_set_silence(s.samples->data, 0, s.samples->nb_samples, s.audio->ch_layout.nb_channels,
                               s.audio->sample_fmt);
        if (av_audio_fifo_read(s.fifo, reinterpret_cast<void**>(s.samples->data), n) < n) return false;
        s.samples->pts = s.audio_pts;
        s.audio_pts += s.samples->nb_samples;
        const bool ok = plat_VideoEncode(s, s.audio, s.astream, s.samples);
        av_frame_unref(s.samples);
        s.samples->format = s.audio->sample_fmt;
        av_channel_layout_copy(&s.samples->ch_layout, &s.audio->ch_layout);
        s.samples->sample_rate = s.audio->sample_rate;
        if (!ok) return false;
    }
    return true;
}

