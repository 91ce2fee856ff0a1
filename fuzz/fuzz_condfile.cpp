// Any bytes as a condition file of each kind (".zh", ".fzh", ".lzh"), and spread over the records
// the main-zone map reads most (catalogue rows, the three groups and their first entries): loading
// never crashes or reads outside the bytes, every list stays within its capacity, and what was
// loaded shows its lines and saves again.
//
// The same bytes also make a main-zone file record by record (see `conditionFile`), whose decoded
// conditions filter a small pool of at most ten choosable numbers on a fixed history of thirty
// 双色球 draws: a run and a continue run over its results keep the same tickets, each holding the
// fixed numbers and only numbers of the pool.
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "generator/condfile.h"
#include "generator/condreport.h"
#include "generator/generator.h"
#include "generator/plan.h"
#include "generator/selfcond.h"
#include "smallhistory.h"

namespace {

using namespace lottodesk;

void require(bool holds) {
    if (!holds) __builtin_trap();
}

void checkMain(const MainConditionLoad& load) {
    const MainConditions& c = load.conditions;
    require(load.records >= 0 && load.records <= kMainConditionRecords);
    require(c.custom.count() <= 400 && c.selfSet.size() <= 400 && c.tails.size() <= 50);
    for (const CatalogueCondition& row : c.rows) require(row.allowed.size() <= 2001);
    for (const tselfzbnode& node : c.custom.items()) require(node.values.size() <= 2001 && !node.formula.empty());
    for (const auto* list : {&c.selfSet, &c.tails})
        for (const tselfcond& entry : *list) require(entry.numbers.size() <= 49 && entry.allowed.size() <= 2001);
    const ConditionLines lines = linesAfterLoad(c);
    require(lines.selfSet.size() == c.selfSet.size());
    summaryReport(c);
}

// The records a chunk of the input may fill: any catalogue row, the groups and their first
// entries, the selectable and fixed numbers, the exclusions and the total tolerance.
constexpr int kChunkRecords[] = {500, 501, 502, 503, 940, 941, 942, 943, 944, 945, 951, 952, 953, 1351, 1352, 1353};
constexpr size_t kChunkBytes = 48;
constexpr int kMaxChunks = 16;

// A main-zone file from the input read as chunks of 1 + 48 bytes: the first byte names the record
// (a catalogue row 1..133 or one of kChunkRecords), the others give its fields: the enabled and
// tolerant flags, a group count, up to 12 allowed values 0..255, flags for numbers 1..50, a range
// and a formula text of up to 16 bytes. The file ends after the highest record named, so the
// records after it keep their reset state (every number selectable).
std::string_view conditionFile(std::string_view input) {
    // One zero-filled image for every run; the records written last time are zeroed again.
    static std::string image(static_cast<size_t>(kMainConditionRecords) * kCondRecordSize, '\0');
    static std::vector<int> written;
    for (int number : written)
        std::fill_n(image.begin() + static_cast<ptrdiff_t>((number - 1) * kCondRecordSize), kCondRecordSize, '\0');
    written.clear();
    int highest = 0;
    for (size_t at = 0; at + 1 + kChunkBytes <= input.size() && written.size() < kMaxChunks; at += 1 + kChunkBytes) {
        const auto* b = reinterpret_cast<const uint8_t*>(input.data() + at + 1);
        const uint8_t selector = static_cast<uint8_t>(input[at]);
        constexpr int kChoices = kCatalogueRows + static_cast<int>(std::size(kChunkRecords));
        const int choice = selector % kChoices;
        const int number = choice < kCatalogueRows ? choice + 1 : kChunkRecords[choice - kCatalogueRows];
        tcondrec r;
        r.enabled = b[0] & 1 ? -1 : 0;
        r.tolerant = b[1] & 1 ? -1 : 0;
        r.count = b[2] % 8;
        r.k = b[3] % 13;
        for (int i = 0; i < r.k; ++i) r.values[static_cast<size_t>(i)] = b[4 + i];
        uint64_t flags = 0;
        std::memcpy(&flags, b + 16, sizeof flags);
        for (int i = 0; i < kCondSmall; ++i) r.small[static_cast<size_t>(i)] = (flags >> i) & 1 ? -1 : 0;
        r.from = b[24];
        r.to = b[25];
        std::memcpy(r.text.data(), b + 26, 16);  // text[16..] stays zero
        const std::string bytes = encodeCondRecord(r);
        std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<ptrdiff_t>((number - 1) * kCondRecordSize));
        written.push_back(number);
        highest = std::max(highest, number);
    }
    return std::string_view(image).substr(0, static_cast<size_t>(highest) * kCondRecordSize);
}

// The filter of a small pool on a fixed history.
void filterSmallPool(std::string_view input) {
    static Workspace ws = [] {
        Workspace made("/nonexistent-lottodesk-fuzz/");
        made.game = {6, 1, 33, 1, 1, 16, true};
        made.partitions.rebuild(33);
        fuzz::fillSmallHistory(made.sjk, made.game, 30);
        return made;
    }();
    static Generator generator(1);
    MainConditionLoad load = decodeMainConditions(conditionFile(input), 33);
    MainConditions& c = load.conditions;
    // At most ten choosable numbers; a choice with too few numbers for a ticket takes 1..10.
    int usable = 0;
    for (int n = 1; n <= 33; ++n) usable += c.selectable[n] || c.fixed[n];
    if (usable < 6)
        for (int n = 1; n <= 10; ++n) c.selectable[n] = true;
    int choosable = 0;
    for (int n = 1; n <= 33; ++n)
        if (c.selectable[n] && !c.fixed[n] && ++choosable > 10) c.selectable[n] = false;
    // The custom lists may hold up to 400 formulas; a few keep each run short.
    if (c.custom.count() > 4) {
        tselfzb few;
        for (int i = 0; i < 4; ++i) few.add(c.custom[i].formula, c.custom[i].tolerant, c.custom[i].values);
        c.custom = few;
    }
    if (c.selfSet.size() > 8) c.selfSet.resize(8);
    if (c.tails.size() > 8) c.tails.resize(8);

    generator.conditions = c;
    const RunReport run = generator.run(ws, {});
    if (!conditionsCheck(c).empty()) require(!run.completed && !run.message.empty());
    if (!run.completed) return;
    const MainResults& results = generator.results;
    require(results.tags.size() == results.tickets.size());
    for (const Ticket& t : results.tickets) {
        int fixedHeld = 0;
        for (int i = 0; i < 6; ++i) {
            const int n = t[static_cast<size_t>(i)];
            require(n >= 1 && n <= 33 && (c.selectable[n] || c.fixed[n]));
            require(i == 0 || n > t[static_cast<size_t>(i - 1)]);
            fixedHeld += c.fixed[n];
        }
        int fixedCount = 0;
        for (int n = 1; n <= 33; ++n) fixedCount += c.fixed[n];
        require(fixedHeld == fixedCount);
    }
    // Continue filtering the results with the same conditions keeps every ticket.
    const MainResults first = results;
    const RunReport again = generator.continueFiltering(ws, {}, first);
    require(again.completed);
    std::vector<Ticket> before = first.tickets, after = generator.results.tickets;
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    require(before == after);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // The bytes as a file of each kind.
    checkMain(decodeMainConditions(input, 33));
    const SecondaryConditionLoad secondary = decodeSecondaryConditions(input, 12);
    require(secondary.conditions.custom.count() <= 50);
    const std::string saved = encodeSecondaryConditions(secondary.conditions, 12);
    require(saved.size() == kSecondaryConditionRecords * kCondRecordSize);
    require(encodeSecondaryConditions(decodeSecondaryConditions(saved, 12).conditions, 12) == saved);
    const SpecialNumberConditionLoad special = decodeSpecialNumberConditions(input);
    require(special.conditions.custom.count() <= 50);

    // The bytes as the records the map reads, in a whole file that is otherwise zero.
    static std::string image(kMainConditionRecords * kCondRecordSize, '\0');
    static const int records[] = {2, 25, 34, 35, 500, 501, 502, 940, 941, 945, 951, 952, 1351, 1352};
    const size_t n = std::min(size, kCondRecordSize);
    for (int r : records)
        std::copy_n(input.data(), n, image.begin() + static_cast<ptrdiff_t>((r - 1) * kCondRecordSize));
    checkMain(decodeMainConditions(image, 33));
    for (int r : records) std::fill_n(image.begin() + static_cast<ptrdiff_t>((r - 1) * kCondRecordSize), n, '\0');

    if (size >= kCondRecordSize) require(encodeCondRecord(decodeCondRecord(input)) == input.substr(0, kCondRecordSize));

    filterSmallPool(input);
    return 0;
}
