// Our blits beside SDL's doing the same work on the same RGB565 pixels. After the runs the
// ratio SDL time / our time is printed for each pair: 1.0 or more means we keep up.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/ddraw.h"

namespace {

constexpr int SCREEN_W = 1920, SCREEN_H = 1080, SPRITE = 128, SPRITES_PER_FRAME = 64;
constexpr uint16_t KEY = 0xF81F;

struct Pair {
    IDirectDrawSurface* ours;
    SDL_Surface* sdl;
};

Pair make_pair(int w, int h) {
    IDirectDrawSurface* s = plat_CreateTestSurface(w, h);
    SDL_Surface* view = SDL_CreateRGBSurfaceWithFormatFrom(s->Row(0), w, h, 16, s->Pitch(), SDL_PIXELFORMAT_RGB565);
    SDL_SetSurfaceRLE(view, 0);
    return {s, view};
}

void free_pair(Pair& p) {
    SDL_FreeSurface(p.sdl);
    p.ours->Release();
}

// The same scene for both sides: a screen, a full-screen picture and a sprite whose round
// body of noise sits on the key colour, drawn at fixed spots (some cut by the screen edges).
struct Scene {
    Pair screen = make_pair(SCREEN_W, SCREEN_H);
    Pair picture = make_pair(SCREEN_W, SCREEN_H);
    Pair sprite = make_pair(SPRITE, SPRITE);
    std::vector<SDL_Rect> spots;

    Scene() {
        uint32_t seed = 12345;
        auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
        for (int y = 0; y < SCREEN_H; ++y)
            for (int x = 0; x < SCREEN_W; ++x) picture.ours->Row(y)[x] = static_cast<uint16_t>(next() >> 16);
        const int r = SPRITE / 2 - 4;
        for (int y = 0; y < SPRITE; ++y)
            for (int x = 0; x < SPRITE; ++x) {
                const int cx = x - SPRITE / 2, cy = y - SPRITE / 2;
                const uint16_t noise = static_cast<uint16_t>(next() >> 16) & 0x7BEF;  // never the key
                sprite.ours->Row(y)[x] = cx * cx + cy * cy < r * r ? noise : KEY;
            }
        DDCOLORKEY key{KEY, KEY};
        sprite.ours->SetColorKey(DDCKEY_SRCBLT, &key);
        SDL_SetColorKey(sprite.sdl, SDL_TRUE, KEY);
        for (int i = 0; i < SPRITES_PER_FRAME; ++i) {
            const int x = static_cast<int>(next() >> 8) % (SCREEN_W + SPRITE) - SPRITE;
            const int y = static_cast<int>(next() >> 8) % (SCREEN_H + SPRITE) - SPRITE;
            spots.push_back({x, y, SPRITE, SPRITE});
        }
    }
    ~Scene() {
        free_pair(screen);
        free_pair(picture);
        free_pair(sprite);
    }
};

Scene* scene;

void sprites_ours(benchmark::State& state) {
    for (auto _ : state)
        for (const SDL_Rect& at : scene->spots)
            scene->screen.ours->BltFast(at.x, at.y, scene->sprite.ours, nullptr, DDBLTFAST_SRCCOLORKEY);
}
void sprites_sdl(benchmark::State& state) {
    for (auto _ : state)
        for (SDL_Rect at : scene->spots) SDL_BlitSurface(scene->sprite.sdl, nullptr, scene->screen.sdl, &at);
}
void fill_ours(benchmark::State& state) {
    DDBLTFX fx{100, 0, 0, 0x1234};
    for (auto _ : state) scene->screen.ours->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
}
void fill_sdl(benchmark::State& state) {
    for (auto _ : state) SDL_FillRect(scene->screen.sdl, nullptr, 0x1234);
}
void copy_ours(benchmark::State& state) {
    for (auto _ : state) scene->screen.ours->BltFast(0, 0, scene->picture.ours, nullptr, DDBLTFAST_NOCOLORKEY);
}
void copy_sdl(benchmark::State& state) {
    for (auto _ : state) SDL_BlitSurface(scene->picture.sdl, nullptr, scene->screen.sdl, nullptr);
}

BENCHMARK(sprites_ours)->Name("keyed 128x128 sprites x64/ours");
BENCHMARK(sprites_sdl)->Name("keyed 128x128 sprites x64/SDL");
BENCHMARK(fill_ours)->Name("1920x1080 colour fill/ours");
BENCHMARK(fill_sdl)->Name("1920x1080 colour fill/SDL");
BENCHMARK(copy_ours)->Name("1920x1080 copy/ours");
BENCHMARK(copy_sdl)->Name("1920x1080 copy/SDL");

class Collector : public benchmark::ConsoleReporter {
public:
    Collector() : ConsoleReporter(OO_Tabular) {}  // no colour codes around the ratios
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration) times[r.benchmark_name()] = r.GetAdjustedCPUTime();
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    scene = new Scene;
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    for (const char* work : {"keyed 128x128 sprites x64", "1920x1080 colour fill", "1920x1080 copy"}) {
        const auto ours = collector.times.find(std::string(work) + "/ours");
        const auto sdl = collector.times.find(std::string(work) + "/SDL");
        if (ours != collector.times.end() && sdl != collector.times.end())
            printf("%-28s SDL / ours = %.2f\n", work, sdl->second / ours->second);
    }
    delete scene;
    benchmark::Shutdown();
    return 0;
}
