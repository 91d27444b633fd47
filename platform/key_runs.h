// The pixels of a keyed picture that show, row by row, as runs: a keyed copy then copies the
// runs and never reads the destination, which is what a sprite's cost comes down to. Runs are
// kept per column window that blits ask for (the whole picture, or each phase of a sheet), so
// that a sprite drawn whole copies its runs without cutting any.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class IDirectDrawSurface;

class plat_KeyRuns {
public:
    // Forgets every run found when the surface's count of write accesses, its key or its
    // height changed.
    void Sync(uint64_t w, uint16_t k, int h) {
        if (w != writes || k != key || h != height) forget(w, k, h);
    }
    // Rows [t, t + count), columns [s, s + n), of surface src (whose runs these are) copied to
    // d (the destination of column s of row t, rows dpitch pixels apart): the shown pixels
    // only. [lo, hi) are the columns the blit asked for, [s, s + n) what is left of them on the
    // destination. Everything lies inside both surfaces, which are not one. `mirrored`: the
    // columns land right to left, column s + n - 1 at d.
    void Copy(uint16_t* d, ptrdiff_t dpitch, const IDirectDrawSurface& src, int lo, int hi, int64_t s, int64_t t,
              int64_t n, int64_t count, bool mirrored);

    // A run: columns [from, to) of a window, counted from its left edge, that differ from the key.
    struct Run {
        int from, to;
    };
    // A row's runs: a window's runs[first, first + count); or DENSE, broken into so many runs
    // that a masked copy of the row is quicker; or not found yet.
    struct Span {
        uint32_t first, count;
    };
    static constexpr uint32_t UNBUILT = UINT32_MAX, DENSE = UINT32_MAX - 1;

private:
    struct Window {
        int lo, hi;
        size_t unbuilt;
        std::vector<Span> rows;
        std::vector<Run> runs;
    };
    void forget(uint64_t w, uint16_t k, int h);
    Window& window(int lo, int hi);
    void build(const IDirectDrawSurface& s, Window& w, int y);

    uint64_t writes = 0;
    uint16_t key = 0;
    int height = -1;
    std::vector<Window> windows;
};

// n pixels from s to d but those of the key colour.
void plat_CopyRowKeyed(uint16_t* d, const uint16_t* s, int64_t n, uint16_t key);
