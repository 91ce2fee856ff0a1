#include "homesummary.h"

#include <algorithm>

namespace lottodesk {
namespace {

// Omissions of the numbers lo..hi in slots first..first + count - 1 of records 1..end.
std::vector<int32_t> currentOmissions(const DrawHistory& history, int end, int first, int count, int lo, int hi) {
    if (hi < lo || count <= 0) return {};
    std::vector<int32_t> omissions(static_cast<size_t>(hi - lo + 1), end);
    std::vector<uint8_t> seen(omissions.size(), 0);
    size_t unseen = omissions.size();
    const int last = std::min(first + count - 1, kSlots - 1);
    for (int n = end; n >= 1 && unseen > 0; --n) {
        const int32_t* draw = history.record(n);
        for (int s = first; s <= last; ++s) {
            if (draw[s] < lo || draw[s] > hi) continue;  // a damaged number matches nothing
            const size_t c = static_cast<size_t>(draw[s] - lo);
            if (seen[c]) continue;
            seen[c] = 1;
            omissions[c] = end - n;
            --unseen;
        }
    }
    return omissions;
}

}  // namespace

int32_t nextPeriod(int32_t newest, int currentYear) {
    if (newest <= 0) return 0;
    if (currentYear > newest / 1000) return currentYear * 1000 + 1;
    return newest + 1;
}

HomeSummary homeSummary(const DrawHistory& history, const GameParams& game, int currentYear, int recent) {
    HomeSummary summary;
    const int end = history.lastDraw();
    const int zhgs = std::clamp(game.zhgs, 0, kSlots - 1);
    const int fhgs = std::clamp(game.fhgs, 0, kSlots - 1 - zhgs);
    summary.numbersPerDraw = zhgs + fhgs;
    summary.draws = end;
    summary.mainOmissions = currentOmissions(history, end, 1, zhgs, game.zh_from, game.zh_to);
    if (fhgs > 0)
        summary.secondaryOmissions = currentOmissions(history, end, zhgs + 1, fhgs, game.spec_from, game.spec_to);
    if (end == 0) return summary;

    summary.newestPeriod = history.record(end)[0];
    summary.nextPeriod = nextPeriod(summary.newestPeriod, currentYear);
    const int first = std::max(1, end - std::max(recent, 0) + 1);
    for (int n = first; n <= end; ++n) {
        const int32_t* draw = history.record(n);
        summary.recentPeriods.push_back(draw[0]);
        summary.recentNumbers.insert(summary.recentNumbers.end(), draw + 1, draw + 1 + summary.numbersPerDraw);
    }
    return summary;
}

}  // namespace lottodesk
