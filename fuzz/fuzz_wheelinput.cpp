// Any text as the typed pool of a wheel, as the covering table and as a wheel to check: a list
// parses to distinct numbers in range or to a message, and checking any tickets stays in bounds.
#include <cassert>
#include <string_view>

#include "generator/coveringtable.h"
#include "generator/numberlist.h"
#include "generator/resultfile.h"
#include "generator/wheelcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const NumberListParse list = parseNumberList(text, 1, 49);
    assert(list.ok() || list.numbers.empty());
    for (size_t i = 0; i < list.numbers.size(); ++i) {
        assert(list.numbers[i] >= 1 && list.numbers[i] <= 49);
        assert(i == 0 || list.numbers[i - 1] < list.numbers[i]);
    }
    const CoveringTableParse table = parseCoveringTable(text);
    assert(table.ok() || table.rows.empty());
    for (const CoveringBound& row : table.rows) assert(row.lower <= row.upper);

    const ResultTextParse tickets = parseResultText(text, 6);
    if (tickets.ok()) {
        WheelPool pool;
        pool.fixed = {3};
        pool.choosable = {1, 2, 4, 5, 6, 7, 8, 9};
        for (const GuaranteeRule& rule : kGuaranteeRules) {
            const WheelCheck check = checkWheel(tickets.tickets, pool, rule.guarantee);
            assert(check.ok == check.missed.empty());
        }
    }
    return 0;
}
