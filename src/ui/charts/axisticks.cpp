#include "ui/charts/axisticks.h"

#include <algorithm>
#include <cmath>

namespace lottodesk {

double niceStep(double span, int maxIntervals, bool whole) {
    const double raw = std::max(span, 0.0) / std::max(1, maxIntervals);
    if (!(raw > 0) || !std::isfinite(raw)) return 1;
    double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (const double f : {1.0, 2.0, 5.0, 10.0}) {
        step = f * power;
        // With a relative tolerance a raw step of 2.0000000000000004 still takes 2.
        if (step >= raw * (1 - 1e-9)) break;
    }
    return whole ? std::max(1.0, std::round(step)) : step;
}

NiceAxis niceAxis(double low, double high, int maxIntervals, bool whole) {
    if (high < low) std::swap(low, high);
    NiceAxis axis;
    axis.step = niceStep(high - low, maxIntervals, whole);
    axis.lo = std::floor(low / axis.step + 1e-9) * axis.step;
    axis.hi = std::ceil(high / axis.step - 1e-9) * axis.step;
    if (axis.hi <= axis.lo) axis.hi = axis.lo + axis.step;
    return axis;
}

std::vector<double> ticksWithin(double lo, double hi, double step) {
    std::vector<double> ticks;
    if (!(step > 0) || hi < lo) return ticks;
    const auto first = static_cast<long long>(std::ceil(lo / step - 1e-9));
    const auto last = static_cast<long long>(std::floor(hi / step + 1e-9));
    for (long long k = first; k <= last && ticks.size() < 1000; ++k) ticks.push_back(double(k) * step);
    return ticks;
}

std::vector<double> axisTicks(const NiceAxis& axis) { return ticksWithin(axis.lo, axis.hi, axis.step); }

QString tickLabel(double value, double step) {
    const int decimals = step >= 1 ? 0 : std::min(6, int(std::ceil(-std::log10(step) - 1e-9)));
    if (decimals == 0) return QString::number(static_cast<long long>(std::llround(value)));
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith(QLatin1Char('-')) && text.toDouble() == 0) text.remove(0, 1);  // no "-0.0"
    return text;
}

}  // namespace lottodesk
