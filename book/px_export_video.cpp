#include "book/px_export_video.h"

#include <algorithm>
#include <cstdint>

#include "book/px_narracia.h"
#include "platform/pixel.h"
#include "platform/video.h"
#include "platform/voice.h"

namespace {

size_t vzorka(int ms) { return static_cast<size_t>(ms) * PLAT_MIX_RATE / 1000; }

// Adds the sound at `gain` into the stereo track from frame `od` to `po`, looped or once.
void primiesaj(std::vector<int16_t>* stopa, const plat_Sound& zvuk, int gain, size_t od, size_t po, bool dookola) {
    const size_t dlzka = zvuk.Frames();
    if (dlzka == 0) return;
    po = std::min(po, stopa->size() / 2);
    if (!dookola) po = std::min(po, od + dlzka);
    const size_t ch = static_cast<size_t>(zvuk.channels);
    for (size_t f = od; f < po; ++f) {
        const size_t z = (f - od) % dlzka * ch;
        for (size_t c = 0; c < 2; ++c) {
            const int32_t v = zvuk.samples[z + std::min(c, ch - 1)] * gain / PLAT_VOICE_UNITY;
            int16_t& o = (*stopa)[f * 2 + c];
            o = static_cast<int16_t>(std::clamp<int32_t>(o + v, INT16_MIN, INT16_MAX));  // loud parts clip
        }
    }
}

}  // namespace

plat_Sound PX_Zvuk_knihy(PX_Player& player, const std::vector<PX_Strana_knihy>& strany,
                         const std::vector<PX_Snimok_knihy>& snimky, std::vector<std::string>* chyby) {
    // Each page shows from its first frame to the first frame of another.
    struct Usek {
        int strana;
        int od_ms, po_ms;
    };
    std::vector<Usek> useky;
    int ms = 0;
    for (const PX_Snimok_knihy& s : snimky) {
        if (useky.empty() || useky.back().strana != s.strana) useky.push_back({s.strana, ms, ms});
        ms += s.delay_cs * 10;
        useky.back().po_ms = ms;
    }
    plat_Sound stopa;
    stopa.channels = 2;
    stopa.samples.assign(vzorka(ms) * 2, 0);
    for (const Usek& u : useky) {
        if (u.strana < 0) continue;
        const char* path = strany[static_cast<size_t>(u.strana)].page.path.c_str();
        // Loading the page hands over its line of the background sound; the narration reads both.
        if (!player.Load(path, nullptr)) continue;
        if (!PX_Narracia_Nahraj(path) && chyby) chyby->push_back(px_narracia.chyba);
        if (px_narracia.pozadie_zvuk)
            primiesaj(&stopa.samples, *px_narracia.pozadie_zvuk, PLAT_BACKGROUND_GAIN, vzorka(u.od_ms), vzorka(u.po_ms),
                      true);
        if (px_narracia.hlas)
            primiesaj(&stopa.samples, *px_narracia.hlas, PLAT_NARRATION_GAIN, vzorka(u.od_ms), stopa.samples.size(),
                      false);
    }
    PX_Narracia_Vymaz();
    return stopa;
}

std::string PX_Video_knihy(PX_Player& player, const std::vector<PX_Strana_knihy>& strany, const PX_Timing& timing,
                           const std::string& out, std::vector<std::string>* chyby, const PX_Progress& progress,
                           int* snimkov) {
    const PX_Film_knihy_hrany k = PX_Hraj_knihu(player, strany, timing);
    if (k.snimky.empty()) return "the book has no page that can be read";
    const plat_Sound zvuk = PX_Zvuk_knihy(player, strany, k.snimky, chyby);
    plat_VideoWriter video(out, k.film.w, k.film.h, timing.fps, zvuk);
    if (!video.Error().empty()) return video.Error();
    std::vector<uint16_t> frame;
    std::vector<uint8_t> bgr(static_cast<size_t>(k.film.w) * static_cast<size_t>(k.film.h) * 3);
    const int n = static_cast<int>(k.snimky.size());
    for (int i = 0; i < n; ++i) {
        if (!k.film.play(i, &frame)) return "a page of the book could not be played again";
        plat_PixelsToBgr(frame.data(), static_cast<int>(frame.size()), bgr.data());
        if (!video.Add(bgr.data(), k.film.delays_cs[static_cast<size_t>(i)] / 100.0)) return video.Error();
        if (progress) progress(i + 1, n);
    }
    if (!video.Finish()) return video.Error();
    if (snimkov) *snimkov = video.Frames();
    return "";
}
