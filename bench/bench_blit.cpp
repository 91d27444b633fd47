// Our blits beside SDL's doing the same work on the same RGB565 pixels, SDL at its best:
// keyed sprites go through its run-length path (colour key with RLE on). Each pair is timed
// in alternating rounds and counted by its quickest round, so that other work on a shared
// machine stretches neither side more than the other; the counter sdl_over_ours is SDL's
// time over ours (processor time): 1.0 or more means we keep up. Targets: 1.0 or more.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "bench/bench_support.h"
#include "platform/ddraw.h"

namespace {
using bench::Measure;

constexpr int SCREEN_W = 1920, SCREEN_H = 1080, ROUND = 20;
constexpr uint16_t KEY = 0xF81F;

struct Pair {
    IDirectDrawSurface* ours;
    SDL_Surface* sdl;
};

Pair make_pair(int w, int h) {
    IDirectDrawSurface* s = plat_CreateTestSurface(w, h);
    SDL_Surface* view = SDL_CreateRGBSurfaceWithFormatFrom(s->Row(0), w, h, 16, s->Pitch(), SDL_PIXELFORMAT_RGB565);
    return {s, view};
}

void free_pair(Pair& p) {
    SDL_FreeSurface(p.sdl);
    p.ours->Release();
}

uint32_t seed = 12345;
uint32_t next() { return seed = seed * 1664525u + 1013904223u; }

// A sprite of side x side: a round body of noise on the key colour, keyed on both sides.
struct Sprite {
    explicit Sprite(int side) : pair(make_pair(side, side)) {
        const int r = side / 2 - side / 32 - 1;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const int cx = x - side / 2, cy = y - side / 2;
                const uint16_t noise = static_cast<uint16_t>(next() >> 16) & 0x7BEF;  // never the key
                pair.ours->Row(y)[x] = cx * cx + cy * cy < r * r ? noise : KEY;
            }
        DDCOLORKEY key{KEY, KEY};
        pair.ours->SetColorKey(DDCKEY_SRCBLT, &key);
        SDL_SetColorKey(pair.sdl, SDL_TRUE, KEY);
        SDL_SetSurfaceRLE(pair.sdl, 1);  // SDL's own path for keyed sprites
        // Fixed spots, some cut by the screen's edges.
        for (int i = 0; i < 1000; ++i) {
            const int x = static_cast<int>(next() >> 8) % (SCREEN_W + side) - side;
            const int y = static_cast<int>(next() >> 8) % (SCREEN_H + side) - side;
            spots.push_back({x, y, side, side});
        }
    }
    ~Sprite() { free_pair(pair); }
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    Pair pair;
    std::vector<SDL_Rect> spots;
};

struct Scene {
    Scene() {
        for (int y = 0; y < SCREEN_H; ++y)
            for (int x = 0; x < SCREEN_W; ++x) picture.ours->Row(y)[x] = static_cast<uint16_t>(next() >> 16);
    }
    ~Scene() {
        free_pair(screen);
        free_pair(picture);
    }
    Pair screen = make_pair(SCREEN_W, SCREEN_H);
    Pair picture = make_pair(SCREEN_W, SCREEN_H);
    Sprite big{128}, small{32};
};

Scene& scene() {
    static Scene s;
    return s;
}

// Both sides in alternating rounds, each counted by its quickest.
void versus(benchmark::State& state, const std::function<void()>& ours, const std::function<void()>& sdl) {
    double best_ours = 1e18, best_sdl = 1e18;
    for (auto _ : state) {
        best_ours = std::min(best_ours, Measure(ROUND, ours).cpu);
        best_sdl = std::min(best_sdl, Measure(ROUND, sdl).cpu);
    }
    state.counters["ours_us"] = best_ours / 1000;
    state.counters["sdl_us"] = best_sdl / 1000;
    state.counters["sdl_over_ours"] = best_sdl / best_ours;
}

void sprites(benchmark::State& state, const Sprite& sprite, size_t count) {
    Scene& s = scene();
    const std::vector<SDL_Rect> spots(sprite.spots.begin(), sprite.spots.begin() + static_cast<long>(count));
    versus(
        state,
        [&] {
            for (const SDL_Rect& at : spots)
                s.screen.ours->BltFast(at.x, at.y, sprite.pair.ours, nullptr, DDBLTFAST_SRCCOLORKEY);
        },
        [&] {
            for (SDL_Rect at : spots) SDL_BlitSurface(sprite.pair.sdl, nullptr, s.screen.sdl, &at);
        });
}

void BM_SpritesBig(benchmark::State& state) { sprites(state, scene().big, 64); }
void BM_SpritesSmall(benchmark::State& state) { sprites(state, scene().small, 1000); }

void BM_Fill(benchmark::State& state) {
    Scene& s = scene();
    DDBLTFX fx{100, 0, 0, 0x1234};
    versus(
        state, [&] { s.screen.ours->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx); },
        [&] { SDL_FillRect(s.screen.sdl, nullptr, 0x1234); });
}

void BM_Copy(benchmark::State& state) {
    Scene& s = scene();
    versus(
        state, [&] { s.screen.ours->BltFast(0, 0, s.picture.ours, nullptr, DDBLTFAST_NOCOLORKEY); },
        [&] { SDL_BlitSurface(s.picture.sdl, nullptr, s.screen.sdl, nullptr); });
}

BENCHMARK(BM_SpritesBig)->Name("keyed sprites 128x128 x64, SDL with RLE")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpritesSmall)->Name("keyed sprites 32x32 x1000, SDL with RLE")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fill)->Name("1920x1080 colour fill")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Copy)->Name("1920x1080 copy")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
