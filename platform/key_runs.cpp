#include "platform/key_runs.h"

#include "platform/ddraw.h"

void plat_KeyRuns::Sync(uint64_t w, uint16_t k, int height) {
    if (w == writes && k == key && rows.size() == static_cast<size_t>(height)) return;
    writes = w;
    key = k;
    rows.assign(static_cast<size_t>(height), Span{});
    pool.clear();
}

void plat_KeyRuns::build(const IDirectDrawSurface& s, int y) {
    const uint16_t* p = s.Row(y);
    const int w = s.Width();
    const size_t first = pool.size();
    for (int x = 0; x < w;) {
        while (x < w && p[x] == key) ++x;
        const int from = x;
        while (x < w && p[x] != key) ++x;
        if (x > from) pool.push_back({from, x});
    }
    const size_t count = pool.size() - first;
    Span& r = rows[static_cast<size_t>(y)];
    // Runs shorter than a vector on average: one call per run would cost more than the mask.
    if (count * 16 > static_cast<size_t>(w)) {
        pool.resize(first);
        r = {DENSE, 0};
    } else {
        r = {static_cast<uint32_t>(first), static_cast<uint32_t>(count)};
    }
}
