#pragma once
// The indicator context of a workspace: its history (and a candidate ticket), game, partitions,
// settings and pattern arrangement, with a memo prepared for the history as it is now.

#include "core/workspace.h"
#include "drawhistory.h"
#include "seriesmemo.h"

namespace lottodesk {

inline IndicatorContext indicatorContext(const Workspace& ws, SeriesMemo* memo, const int32_t* candidate = nullptr,
                                         AuxiliaryValues auxiliary = {}) {
    if (memo) memo->prepare(ws.sjk.version(), ws.game, ws.settings, auxiliary.stamp);
    return {DrawHistory::of(ws.sjk, candidate), ws.game, &ws.partitions, ws.settings, memo, &ws.arrangement, auxiliary};
}

// The same over another store of draws (a memory-only store of derived series).
inline IndicatorContext indicatorContext(const Workspace& ws, const t_s_dm& store, SeriesMemo* memo,
                                         AuxiliaryValues auxiliary = {}) {
    if (memo) memo->prepare(store.version(), ws.game, ws.settings, auxiliary.stamp);
    return {DrawHistory::of(store), ws.game, &ws.partitions, ws.settings, memo, &ws.arrangement, auxiliary};
}

}  // namespace lottodesk
