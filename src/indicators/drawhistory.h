#pragma once
// What an indicator reads: the draws of a history store, oldest first, optionally followed by a
// candidate ticket as the temporary newest draw, plus the game's shape. A light value: copying it
// copies a few pointers, and reading it never moves the store's cursor.

#include <array>
#include <cstdint>

#include "core/cpstyle.h"
#include "core/partition.h"
#include "core/s_dm.h"
#include "core/settings.h"

namespace lottodesk {

struct DrawHistory {
    const int32_t* records = nullptr;    // record n (1-based) starts at records + n * kSlots
    int realCount = 0;                   // records of the store
    const int32_t* candidate = nullptr;  // a ticket read as record realCount + 1, or null

    static DrawHistory of(const t_s_dm& store, const int32_t* candidate = nullptr) {
        return {store.record(0), store.RecordCount(), candidate};
    }
    int count() const { return realCount + (candidate ? 1 : 0); }
    // n in 1..count().
    const int32_t* record(int n) const {
        return n > realCount ? candidate : records + static_cast<ptrdiff_t>(n) * kSlots;
    }
};

class SeriesMemo;

// Everything an indicator needs besides the draw number.
struct IndicatorContext {
    DrawHistory history;
    GameParams game;
    const ZonePartitions* partitions = nullptr;
    ColdHotSettings settings;
    // Series kept for this store version (see SeriesMemo); null computes everything on demand.
    SeriesMemo* memo = nullptr;
    // The pattern arrangement the arrangement families read (100 cells, each holding a number);
    // null reads the regular one, cell p holding p + 1.
    const std::array<uint8_t, 100>* arrangement = nullptr;
};

}  // namespace lottodesk
