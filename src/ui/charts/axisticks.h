#pragma once
// The value axis of the charts: grid lines at the multiples of a "nice" step (1, 2 or 5 × 10^k),
// so every label is the exact value of the line it stands on and no two labels repeat. Pure
// functions, tested without drawing.

#include <QString>
#include <vector>

namespace lottodesk {

struct NiceAxis {
    double lo = 0;    // a multiple of step at or below the lowest value
    double hi = 1;    // a multiple of step at or above the highest value
    double step = 1;  // 1, 2 or 5 × 10^k; at least 1 for whole values
};

// The smallest nice step that cuts `span` into at most `maxIntervals` parts.
double niceStep(double span, int maxIntervals, bool whole);
// The axis over [low, high] widened to whole steps; an empty span is widened to one step.
NiceAxis niceAxis(double low, double high, int maxIntervals = 5, bool whole = true);
// The multiples of `step` inside [lo, hi], ascending (for an axis whose ends are fixed).
std::vector<double> ticksWithin(double lo, double hi, double step);
// lo, lo + step, .., hi.
std::vector<double> axisTicks(const NiceAxis& axis);
// A tick's label, with the decimals the step needs ("0.5", "10", "2500").
QString tickLabel(double value, double step);

}  // namespace lottodesk
