#include "drawwindow.h"

#include <algorithm>

namespace lottodesk {

int lastDrawRecord(const DrawHistory& history) { return history.lastDraw(); }

int drawRecordOfPeriod(const DrawHistory& history, int32_t period) {
    return period >= kCandidatePeriod ? 0 : history.recordOfPeriod(period);
}

DrawWindow recentWindow(const DrawHistory& history, int recent) {
    const int last = lastDrawRecord(history);
    return {last, recent <= 0 ? last : std::min(recent, last)};
}

DrawWindow recordWindow(const DrawHistory& history, int from, int to) {
    const int last = lastDrawRecord(history);
    if (from < 1 || to < 1 || from > last || to > last) return {};
    return {to, std::max(0, to - from + 1)};
}

DrawWindow periodWindow(const DrawHistory& history, int32_t fromPeriod, int32_t toPeriod) {
    return recordWindow(history, drawRecordOfPeriod(history, fromPeriod), drawRecordOfPeriod(history, toPeriod));
}

std::vector<int32_t> drawPeriods(const DrawHistory& history) {
    const int last = lastDrawRecord(history);
    std::vector<int32_t> periods(static_cast<size_t>(last));
    for (int n = 1; n <= last; ++n) periods[static_cast<size_t>(n - 1)] = history.record(n)[0];
    return periods;
}

std::string windowCaption(const DrawWindow& window) { return "共" + std::to_string(std::max(0, window.count)) + "期"; }

DrawWindow defaultCustomWindow(const DrawHistory& history) {
    const int last = lastDrawRecord(history);
    if (last == 0) return {};
    // The list item at position (count - 100), counted from 0, or the first.
    const int from = last > kDefaultRecent ? last - kDefaultRecent + 1 : 1;
    return recordWindow(history, from, last);
}

}  // namespace lottodesk
