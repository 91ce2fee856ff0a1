// Any bytes as a two-zone result file: either every line reads or nothing does, with the line
// named; what was read writes back to the same tickets; a prize check of them never leaves the
// range of its levels and keeps every ticket.
#include <string_view>

#include "generator/prizecheck.h"
#include "generator/twozone.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int shapes[][2] = {{6, 1}, {5, 2}, {7, 1}, {0, 0}, {60, 9}};
    for (const auto& shape : shapes) {
        const int m = shape[0], h = shape[1];
        TwoZoneParse parsed = parseTwoZoneText(text, m, h);
        if (!parsed.ok() && !parsed.tickets.empty()) __builtin_trap();
        if (!parsed.ok()) continue;
        if (m <= kMaxTicketNumbers && h <= kMaxSecondaryTicketNumbers) {
            const TwoZoneParse again = parseTwoZoneText(encodeTwoZoneText(parsed.tickets, m, h), m, h);
            if (!again.ok() || again.tickets != parsed.tickets) __builtin_trap();
        }
        const size_t count = parsed.tickets.size();
        const RewardSummary summary = checkReward(parsed.tickets, m, h, {{1, 2, 3, 4, 5, 6, 7}, {1, 2}});
        if (parsed.tickets.size() != count || summary.text.empty()) __builtin_trap();
        for (const TwoZoneTicket& ticket : parsed.tickets)
            if (ticket.level > 6 || ticket.mainHits > kMaxTicketNumbers) __builtin_trap();
    }
    return 0;
}
