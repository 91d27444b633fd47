// The pixels of a keyed picture that show, row by row, as runs: a keyed copy then copies the
// runs and never reads the destination, which is what a sprite's cost comes down to.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

class IDirectDrawSurface;

struct plat_Run {
    int from, to;  // columns [from, to) that differ from the key
};

class plat_KeyRuns {
public:
    // Forgets the rows found when the surface's count of write accesses or its key changed.
    void Sync(uint64_t writes, uint16_t key, int height);
    // Row y's runs, found on first use; false when the row is broken into so many runs that
    // a masked copy of it is quicker.
    bool Row(const IDirectDrawSurface& s, int y, std::span<const plat_Run>* out) {
        const Span& r = rows[static_cast<size_t>(y)];
        if (r.first == UNBUILT) build(s, y);
        if (r.first == DENSE) return false;
        *out = std::span<const plat_Run>(pool.data() + r.first, r.count);
        return true;
    }

private:
    static constexpr uint32_t UNBUILT = UINT32_MAX, DENSE = UINT32_MAX - 1;
    struct Span {
        uint32_t first = UNBUILT, count = 0;
    };
    void build(const IDirectDrawSurface& s, int y);

    uint64_t writes = 0;
    uint16_t key = 0;
    std::vector<Span> rows;
    std::vector<plat_Run> pool;
};
