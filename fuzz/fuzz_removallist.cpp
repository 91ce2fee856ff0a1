// Any bytes as a removal list ("滤除组号"): either every line reads or nothing does, with the line
// named; what was read writes back to the same tickets; removing them from a small list of results
// never grows it and keeps the rest in order.
#include <string_view>

#include "generator/removal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (int m : {1, 5, 6, 7, 0, 60}) {
        const RemovalListParse parsed = parseRemovalList(text, m);
        if (!parsed.ok() && !parsed.tickets.empty()) __builtin_trap();
        if (!parsed.ok()) continue;
        const int width = m < 1 ? 1 : (m > 7 ? 7 : m);
        const RemovalListParse again = parseRemovalList(encodeRemovalList(parsed.tickets, width), width);
        if (!again.ok() || again.tickets != parsed.tickets) __builtin_trap();
        MainResults results;
        results.tickets = parsed.tickets;
        results.tickets.push_back(Ticket{});
        results.tags.assign(results.tickets.size(), 1);
        const size_t before = results.tickets.size();
        const RemovalOutcome outcome = removeListedText(results, m, text);
        if (!outcome.status || results.tickets.size() + outcome.removed != before) __builtin_trap();
        if (results.tags.size() != results.tickets.size()) __builtin_trap();
    }
    return 0;
}
