#include "book/px_export_kniha.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>

#include "book/px_citanie.h"
#include "book/px_narracia.h"
#include "framework/surface/tf_display.h"

namespace {
// The frames of `ms` at the timing's rate, their delays adding up to `ms` to the hundredth.
PX_Frames frames_for(int ms, PX_Timing timing) {
    timing.seconds = ms / 1000.0;
    PX_Frames f = PX_Export_Frames(timing);
    const int sum = std::accumulate(f.delays_cs.begin(), f.delays_cs.end(), 0);
    f.delays_cs.back() = std::max(1, f.delays_cs.back() + static_cast<int>(std::lround(ms / 10.0)) - sum);
    return f;
}
}  // namespace

std::vector<PX_Snimok_knihy> PX_Film_knihy(const std::vector<int>& casy_ms, const PX_Timing& timing) {
    std::vector<PX_Snimok_knihy> film;
    // A page's clock starts with the turn that brings it, as in reading; each turn frame shows
    // the turn as it is at the frame's end, so that the last one is the new page alone.
    const auto usek = [&](int strana, int prechod_ms, int cas_ms) {
        const PX_Frames f = frames_for(prechod_ms + cas_ms, timing);
        int ms = 0;
        for (size_t k = 0; k < f.ticks.size(); ++k) {
            const int d = f.delays_cs[k];
            const double t = ms < prechod_ms ? std::min(1.0, (ms + d * 10.0) / prechod_ms) : -1;
            film.push_back({strana, f.ticks[k], t, k + 1 == f.ticks.size(), d});
            ms += d * 10;
        }
    };
    if (casy_ms.empty()) return film;
    for (size_t i = 0; i < casy_ms.size(); ++i) usek(static_cast<int>(i), i == 0 ? 0 : PX_PRECHOD_MS, casy_ms[i]);
    usek(-1, PX_PRECHOD_MS, 0);
    film.back().delay_cs += PX_KARTA_MS / 10;
    return film;
}

std::vector<PX_Strana_knihy> PX_Strany_knihy(PX_Player& player, const std::vector<PX_Player::Page>& pages,
                                             int cas_strany_ms) {
    std::vector<PX_Strana_knihy> strany;
    for (const PX_Player::Page& p : pages) {
        PX_Strana_knihy s{p, false, {}, 0};
        s.citatelna = player.Load(p.path.c_str(), &s.chybajuce);
        s.cas_ms = PX_Cas_citania_ms(PX_Narracia_Dlzka_suboru(p.path.c_str()), cas_strany_ms);
        strany.push_back(std::move(s));
    }
    return strany;
}

PX_Film_knihy_hrany PX_Hraj_knihu(PX_Player& player, const std::vector<PX_Strana_knihy>& strany,
                                  const PX_Timing& timing) {
    PX_Film_knihy_hrany k{{player.Out_w(), player.Out_h(), {}, {}}, {}};
    std::vector<int> citane, casy;
    for (size_t i = 0; i < strany.size(); ++i)
        if (strany[i].citatelna) {
            citane.push_back(static_cast<int>(i));
            casy.push_back(strany[i].cas_ms);
        }
    k.snimky = PX_Film_knihy(casy, timing);
    for (PX_Snimok_knihy& s : k.snimky) {
        k.film.delays_cs.push_back(s.delay_cs);
        if (s.strana >= 0) s.strana = citane[static_cast<size_t>(s.strana)];
    }
    // The old page's last frame at the screen's size; without memory for it the pages cut.
    std::shared_ptr<IDirectDrawSurface> still(DDCreateOffscreenSurface(tf_lpDD, tf_ScreenW, tf_ScreenH),
                                              [](IDirectDrawSurface* p) {
                                                  if (p) p->Release();
                                              });
    auto nahrana = std::make_shared<int>(-1);
    k.film.play = [&player, snimky = k.snimky, strany = &strany, still, nahrana, kniha = player.Book_name()](
                      int i, std::vector<uint16_t>* frame) {
        const PX_Snimok_knihy& s = snimky[static_cast<size_t>(i)];
        if (i == 0) *nahrana = -1;  // each play from the start
        if (s.strana >= 0 && s.strana != *nahrana) {
            if (!player.Load((*strany)[static_cast<size_t>(s.strana)].page.path.c_str(), nullptr)) return false;
            *nahrana = s.strana;
        }
        player.Frame(s.tick, frame, [&](IDirectDrawSurface* screen) {
            if (s.strana < 0) PX_Zaverecna_karta(screen, kniha.c_str());
            if (still && s.prechod >= 0) PX_Prechod(screen, still.get(), s.prechod, +1);
            if (still && s.posledny) still->BltFast(0, 0, screen, nullptr, DDBLTFAST_NOCOLORKEY);
        });
        return true;
    };
    return k;
}

std::vector<uint8_t> PX_Export_Knihy(PX_Player& player, const std::vector<PX_Strana_knihy>& strany,
                                     const PX_Timing& timing, const PX_Progress& progress, int* snimkov) {
    const PX_Film_knihy_hrany k = PX_Hraj_knihu(player, strany, timing);
    if (k.snimky.empty()) return {};
    if (snimkov) *snimkov = static_cast<int>(k.snimky.size());
    return PX_Export_Film(k.film, progress);
}
