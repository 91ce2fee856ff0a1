#pragma once
// The history operators over any series (an indicator or a formula): omission ("遗漏"),
// amplitude ("振幅"), omission amplitude and amplitude omission, and the indicators that compare a
// draw with the draws before it.

#include <cstdint>
#include <string>
#include <string_view>

#include "drawhistory.h"
#include "indicatordef.h"
#include "seriesfault.h"

namespace lottodesk {

// A series: its value at a record, the key it is kept under in the memo, and how many draws
// ahead it may read (a formula with a forward offset), which a candidate ticket can change. The
// value may throw SeriesFault at a draw where it cannot be computed; the operators below raise it
// only when they read that draw.
struct SeriesRef {
    std::string_view key;
    IndicatorFn fn = nullptr;      // a named indicator, or
    const void* object = nullptr;  // an object computing it
    int32_t (*objectFn)(const void*, const IndicatorContext&, int) = nullptr;
    int reach = 0;

    int32_t at(const IndicatorContext& ctx, int n) const { return fn ? fn(ctx, n) : objectFn(object, ctx, n); }
};

// Omission: the count of earlier draws, most recent first, whose value differs from the value at
// n, up to the first equal one; all earlier draws when none is equal; 0 at the first record.
int32_t omissionAt(const IndicatorContext& ctx, const SeriesRef& series, int n);
// Amplitude: |value(n) - value(n-1)|; |value(1)| at the first record. The 64-bit form is exact;
// the 32-bit one wraps, as the registry's amplitude forms always have.
int64_t amplitude64At(const IndicatorContext& ctx, const SeriesRef& series, int n);
int32_t amplitudeAt(const IndicatorContext& ctx, const SeriesRef& series, int n);
// Omission amplitude: the amplitude of the omission.
int32_t omissionAmplitudeAt(const IndicatorContext& ctx, const SeriesRef& series, int n);
// Amplitude omission: the omission of the amplitude series, kept under "getzf(" + key + ")".
int32_t amplitudeOmissionAt(const IndicatorContext& ctx, const SeriesRef& series, int n);

// Unpositioned omission of number d at draw n: earlier draws, most recent first, whose main
// numbers lack d, up to the most recent one that has it; all earlier draws when none has it.
int32_t unpositionedOmission(const IndicatorContext& ctx, int n, int32_t d);

// The named indicators comparing a draw with earlier draws, in no particular order; the registry
// arranges them. Omission and amplitude forms of other indicators are built by the registry.
const std::vector<IndicatorDef>& historyIndicatorDefs();

}  // namespace lottodesk
