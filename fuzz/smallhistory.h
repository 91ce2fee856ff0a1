#pragma once
// Small, fixed draw histories for the fuzz targets that need one: the same draws in every run, so
// an input always means the same thing.
#include <cstdint>
#include <vector>

#include "core/cpstyle.h"
#include "core/s_dm.h"

namespace lottodesk::fuzz {

// `count` draws of `game` from period 2020001 on, each zone ascending and without repeats, from a
// fixed pseudo-random sequence; replaces the records of `store` in memory (nothing is saved).
inline void fillSmallHistory(t_s_dm& store, const GameParams& game, int count) {
    store.Clear(false);
    uint32_t state = 12345;
    auto next = [&state](int range) {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) % static_cast<uint32_t>(range));
    };
    auto zone = [&](DrawRecord& r, int first, int numbers, int from, int to) {
        std::vector<int> picked;
        while (static_cast<int>(picked.size()) < numbers) {
            const int n = from + next(to - from + 1);
            bool seen = false;
            for (int p : picked) seen = seen || p == n;
            if (!seen) picked.push_back(n);
        }
        for (size_t i = 1; i < picked.size(); ++i)
            for (size_t j = i; j > 0 && picked[j - 1] > picked[j]; --j) std::swap(picked[j - 1], picked[j]);
        for (int i = 0; i < numbers; ++i) r[static_cast<size_t>(first + i)] = picked[static_cast<size_t>(i)];
    };
    for (int d = 0; d < count; ++d) {
        DrawRecord r{};
        r[0] = 2020001 + d;
        zone(r, 1, game.zhgs, game.zh_from, game.zh_to);
        if (game.hasspec && game.fhgs > 0) zone(r, 1 + game.zhgs, game.fhgs, game.spec_from, game.spec_to);
        store.Append();
        store.setRecord(store.RecNo(), r);
    }
}

// The records of `store`, oldest first.
inline std::vector<DrawRecord> recordsOf(const t_s_dm& store) {
    std::vector<DrawRecord> records;
    for (int n = 1; n <= store.RecordCount(); ++n) {
        const int32_t* r = store.record(n);
        DrawRecord copy{};
        for (int s = 0; s < kSlots; ++s) copy[static_cast<size_t>(s)] = r[s];
        records.push_back(copy);
    }
    return records;
}

}  // namespace lottodesk::fuzz
