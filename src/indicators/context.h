#pragma once
// The indicator context of a workspace: its history (and a candidate ticket), game, partitions,
// settings and pattern arrangement, with a memo prepared for the history as it is now.

#include "core/workspace.h"
#include "drawhistory.h"
#include "seriesmemo.h"

namespace lottodesk {

inline IndicatorContext indicatorContext(const Workspace& ws, SeriesMemo* memo, const int32_t* candidate = nullptr) {
    if (memo) memo->prepare(ws.sjk.version(), ws.game, ws.settings);
    return {DrawHistory::of(ws.sjk, candidate), ws.game, &ws.partitions, ws.settings, memo, &ws.arrangement};
}

}  // namespace lottodesk
