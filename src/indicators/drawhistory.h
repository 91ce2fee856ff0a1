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
    // The last record that is a real draw (a prediction record or candidate row sorts after it).
    int lastDraw() const {
        int last = realCount;
        while (last >= 1 && record(last)[0] >= kCandidatePeriod) --last;
        return last;
    }
    // The record holding `period` by binary search over the store's records; 0 when none does.
    int recordOfPeriod(int32_t period) const {
        int lo = 1, hi = realCount;
        while (hi >= lo) {
            const int mid = (lo + hi) / 2;
            const int32_t v = record(mid)[0];
            if (v == period) return mid;
            if (period < v)
                hi = mid - 1;
            else
                lo = mid + 1;
        }
        return 0;
    }
};

class SeriesMemo;

// The slot of a draw record that carried the analysed series before an analysis session held it
// beside the history; `test` still reads it when no series is attached.
inline constexpr int kAuxiliarySlot = 10;

// An analysed series attached to a context: the value at record n is values[n] for n in 1..count
// (records beyond it, such as a candidate ticket, read 0). `stamp` differs for every series
// computed, so memoised history operators over `test` are kept per series.
struct AuxiliaryValues {
    const int32_t* values = nullptr;  // index 0 unused
    int count = 0;
    uint64_t stamp = 0;
};

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
    // The analysed series `test` and section_stat read; without one they read slot 10 of the record.
    AuxiliaryValues auxiliary{};
};

// The value of `test` at record n: the attached series, else slot 10 of the record.
inline int32_t auxiliaryValue(const IndicatorContext& ctx, int n) {
    if (ctx.auxiliary.values) return n >= 1 && n <= ctx.auxiliary.count ? ctx.auxiliary.values[n] : 0;
    return ctx.history.record(n)[kAuxiliarySlot];
}

}  // namespace lottodesk
