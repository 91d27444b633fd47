#include "platform/key_runs.h"

#include <algorithm>
#include <cstring>

#include "platform/ddraw.h"

namespace {

using Run = plat_KeyRuns::Run;
using Span = plat_KeyRuns::Span;

// A sheet of phases asks for a window per phase; beyond this many something asks for
// windows that change (a picture cut by a moving rectangle), and they start again.
constexpr size_t MAX_WINDOWS = 32;

// Inside the copy loop each of these takes the loop's vector width.
#define INLINE inline __attribute__((always_inline))

typedef uint16_t Px16 __attribute__((vector_size(32)));
typedef uint16_t Px8 __attribute__((vector_size(16)));

// One block of pixels through a register: a fixed size, so no call into the library.
template <class Block>
INLINE void move(uint16_t* d, const uint16_t* s) {
    Block b;
    __builtin_memcpy(&b, s, sizeof b);
    __builtin_memcpy(d, &b, sizeof b);
}

// A sprite's runs are mostly short: whole blocks, the last one overlapping the one before,
// instead of a library call per run. Source and destination never overlap here.
INLINE void copy_run(uint16_t* d, const uint16_t* s, int64_t n) {
    if (n >= 16) {
        for (int64_t i = 0; i < n - 16; i += 16) move<Px16>(d + i, s + i);
        move<Px16>(d + n - 16, s + n - 16);
    } else if (n >= 8) {
        move<Px8>(d, s);
        move<Px8>(d + n - 8, s + n - 8);
    } else if (n >= 4) {
        move<uint64_t>(d, s);
        move<uint64_t>(d + n - 4, s + n - 4);
    } else if (n >= 2) {
        move<uint32_t>(d, s);
        move<uint32_t>(d + n - 2, s + n - 2);
    } else if (n == 1) {
        *d = *s;
    }
}

// Sixteen pixels a step; where the processor has 256-bit vectors that is one operation.
INLINE void copy_masked(uint16_t* d, const uint16_t* s, int64_t n, uint16_t key) {
    Px16 keys;
    for (int k = 0; k < 16; ++k) keys[k] = key;
    int64_t i = 0;
    for (; i + 16 <= n; i += 16) {
        Px16 sv, dv;
        __builtin_memcpy(&sv, s + i, sizeof sv);
        __builtin_memcpy(&dv, d + i, sizeof dv);
        const Px16 hole = (Px16)(sv == keys);
        dv = (dv & hole) | (sv & ~hole);
        __builtin_memcpy(d + i, &dv, sizeof dv);
    }
    for (; i < n; ++i)
        if (s[i] != key) d[i] = s[i];
}

// A sprite drawn whole: every run as it is. The loop holds few values, so that none of them
// goes through memory between the stores of the pixels.
__attribute__((target_clones("avx2", "default"))) void copy_whole(uint16_t* d, ptrdiff_t dpitch, const uint16_t* p,
                                                                  ptrdiff_t spitch, int64_t n, const Span* span,
                                                                  const Span* end, const Run* runs, uint16_t key) {
    for (; span != end; ++span, d += dpitch, p += spitch) {
        if (span->first == plat_KeyRuns::DENSE) {
            plat_CopyRowKeyed(d, p, n, key);
            continue;
        }
        for (const Run *r = runs + span->first, *last = r + span->count; r != last; ++r)
            copy_run(d + r->from, p + r->from, r->to - r->from);
    }
}

// A sprite cut by the destination's edge: columns [a, b) of the window, each run cut to them.
void copy_cut(uint16_t* d, ptrdiff_t dpitch, const uint16_t* p, ptrdiff_t spitch, int64_t a, int64_t b,
              const Span* span, const Span* end, const Run* runs, uint16_t key) {
    for (; span != end; ++span, d += dpitch, p += spitch) {
        if (span->first == plat_KeyRuns::DENSE) {
            plat_CopyRowKeyed(d, p + a, b - a, key);
            continue;
        }
        for (const Run *r = runs + span->first, *last = r + span->count; r != last && r->from < b; ++r) {
            const int64_t from = std::max<int64_t>(r->from, a), to = std::min<int64_t>(r->to, b);
            if (to > from) memcpy(d + (from - a), p + from, static_cast<size_t>(to - from) * 2);
        }
    }
}

// d[i] = s[n - 1 - i]: a run of a sprite facing the other way.
INLINE void copy_reversed(uint16_t* d, const uint16_t* s, int64_t n) {
    int64_t i = 0;
    for (; i + 16 <= n; i += 16) {
        Px16 v;
        __builtin_memcpy(&v, s + n - 16 - i, sizeof v);
        v = __builtin_shufflevector(v, v, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0);
        __builtin_memcpy(d + i, &v, sizeof v);
    }
    for (; i < n; ++i) d[i] = s[n - 1 - i];
}

// Columns [a, b) of the window facing the other way: column c lands on d[b - 1 - c].
void copy_mirrored(uint16_t* d, ptrdiff_t dpitch, const uint16_t* p, ptrdiff_t spitch, int64_t a, int64_t b,
                   const Span* span, const Span* end, const Run* runs, uint16_t key) {
    for (; span != end; ++span, d += dpitch, p += spitch) {
        if (span->first == plat_KeyRuns::DENSE) {
            for (int64_t c = a; c < b; ++c)
                if (p[c] != key) d[b - 1 - c] = p[c];
            continue;
        }
        for (const Run *r = runs + span->first, *last = r + span->count; r != last && r->from < b; ++r) {
            const int64_t from = std::max<int64_t>(r->from, a), to = std::min<int64_t>(r->to, b);
            if (to > from) copy_reversed(d + (b - to), p + from, to - from);
        }
    }
}

}  // namespace

void plat_KeyRuns::forget(uint64_t w, uint16_t k, int h) {
    writes = w;
    key = k;
    height = h;
    windows.clear();
}

// A phase cut by the screen's edge asks for part of the phase's window: that window serves it
// with its runs cut, so that a sprite walking off the edge builds nothing new each frame.
plat_KeyRuns::Window& plat_KeyRuns::window(int lo, int hi) {
    Window* around = nullptr;
    for (Window& w : windows) {
        if (w.lo == lo && w.hi == hi) return w;
        if (!around && w.lo <= lo && hi <= w.hi) around = &w;
    }
    if (around) return *around;
    if (windows.size() >= MAX_WINDOWS) windows.clear();
    const size_t rows = static_cast<size_t>(height);
    windows.push_back({lo, hi, rows, std::vector<Span>(rows, {UNBUILT, 0}), {}});
    return windows.back();
}

void plat_KeyRuns::build(const IDirectDrawSurface& s, Window& w, int y) {
    const uint16_t* p = s.Row(y) + w.lo;
    const int n = w.hi - w.lo;
    const size_t first = w.runs.size();
    for (int x = 0; x < n;) {
        while (x < n && p[x] == key) ++x;
        const int from = x;
        while (x < n && p[x] != key) ++x;
        if (x > from) w.runs.push_back({from, x});
    }
    const size_t count = w.runs.size() - first;
    Span& r = w.rows[static_cast<size_t>(y)];
    --w.unbuilt;
    // Runs shorter than a vector on average: a run at a time would cost more than the mask.
    if (count * 16 > static_cast<size_t>(n)) {
        w.runs.resize(first);
        r = {DENSE, 0};
    } else {
        r = {static_cast<uint32_t>(first), static_cast<uint32_t>(count)};
    }
}

void plat_KeyRuns::Copy(uint16_t* d, ptrdiff_t dpitch, const IDirectDrawSurface& src, int lo, int hi, int64_t s,
                        int64_t t, int64_t n, int64_t count, bool mirrored) {
    Window& w = window(lo, hi);
    for (int64_t y = t; w.unbuilt > 0 && y < t + count; ++y)
        if (w.rows[static_cast<size_t>(y)].first == UNBUILT) build(src, w, static_cast<int>(y));
    const Span* span = w.rows.data() + t;
    const uint16_t* p = src.Row(static_cast<int>(t)) + w.lo;
    const ptrdiff_t spitch = src.Pitch() / 2;
    if (mirrored)
        copy_mirrored(d, dpitch, p, spitch, s - w.lo, s - w.lo + n, span, span + count, w.runs.data(), key);
    else if (s == w.lo && n == w.hi - w.lo)
        copy_whole(d, dpitch, p, spitch, n, span, span + count, w.runs.data(), key);
    else
        copy_cut(d, dpitch, p, spitch, s - w.lo, s - w.lo + n, span, span + count, w.runs.data(), key);
}

__attribute__((target_clones("avx2", "default"))) void plat_CopyRowKeyed(uint16_t* d, const uint16_t* s, int64_t n,
                                                                         uint16_t key) {
    copy_masked(d, s, n, key);
}
