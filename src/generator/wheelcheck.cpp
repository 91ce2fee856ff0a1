#include "wheelcheck.h"

#include <algorithm>

#include "combinations.h"

namespace lottodesk {

WheelCheck checkWheel(const std::vector<Ticket>& tickets, const WheelPool& pool, Guarantee guarantee,
                      const std::atomic<bool>* cancel) {
    WheelCheck check;
    const GuaranteeRule& rule = guaranteeRule(guarantee);
    std::vector<int> numbers(pool.fixed);
    numbers.insert(numbers.end(), pool.choosable.begin(), pool.choosable.end());
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    const int V = static_cast<int>(numbers.size());
    if (V > kMaxPoints - 1) return check;
    auto maskOf = [&](const auto& list, size_t count) {
        uint64_t mask = 0;
        for (size_t i = 0; i < count; ++i) {
            const auto at = std::lower_bound(numbers.begin(), numbers.end(), static_cast<int>(list[i]));
            if (at != numbers.end() && *at == static_cast<int>(list[i])) mask |= uint64_t{1} << (at - numbers.begin());
        }
        return mask;
    };
    const int k = rule.drawn, g = rule.kept;
    const uint64_t fixedMask = maskOf(pool.fixed, pool.fixed.size());
    const int d = std::popcount(fixedMask);

    // Every g-set of the pool that lies on some ticket.
    std::vector<uint8_t> onTicket(kBinomial(V, g), 0);
    for (const Ticket& ticket : tickets)
        forEachSubset(maskOf(ticket, kWheelTicketSize), g, [&](uint64_t sub) { onTicket[colexRank(sub)] = 1; });

    // The draws: the fixed numbers plus k-d others (Gosper's step gives colex order), or k of the
    // fixed numbers.
    uint64_t base = fixedMask, free = (V >= 64 ? ~uint64_t{0} : (uint64_t{1} << V) - 1) & ~fixedMask;
    int extra = k - d;
    if (d > k) {
        base = 0;
        free = fixedMask;
        extra = k;
    }
    int freeBits[kMaxPoints];
    int F = 0;
    for (uint64_t m = free; m != 0; m &= m - 1) freeBits[F++] = std::countr_zero(m);
    if (extra > F) {  // no such draw: nothing to miss
        check.ok = true;
        return check;
    }
    auto spread = [&](uint64_t compact) {
        uint64_t mask = base;
        for (uint64_t m = compact; m != 0; m &= m - 1) mask |= uint64_t{1} << freeBits[std::countr_zero(m)];
        return mask;
    };
    uint64_t c = extra == 0 ? 0 : (uint64_t{1} << extra) - 1;
    const uint64_t end = F >= 64 ? 0 : uint64_t{1} << F;
    for (uint64_t step = 0;; ++step) {
        if (cancel && (step & 0xFFFF) == 0 && cancel->load(std::memory_order_relaxed)) {
            check.completed = false;
            return check;
        }
        const uint64_t draw = spread(c);
        bool kept = false;
        forEachSubset(draw, g, [&](uint64_t sub) { kept = kept || onTicket[colexRank(sub)]; });
        if (!kept) {
            for (uint64_t m = draw; m != 0; m &= m - 1) check.missed.push_back(numbers[std::countr_zero(m)]);
            return check;
        }
        if (c == 0) break;  // the single empty choice
        const uint64_t low = c & (0 - c), ripple = c + low;
        c = (((ripple ^ c) >> 2) / low) | ripple;
        if (c >= end && end != 0) break;
    }
    check.ok = true;
    return check;
}

}  // namespace lottodesk
