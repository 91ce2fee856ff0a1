// Any bytes as a condition file of each kind (".zh", ".fzh", ".lzh"), and spread over the records
// the main-zone map reads most (catalogue rows, the three groups and their first entries): loading
// never crashes or reads outside the bytes, every list stays within its capacity, and what was
// loaded shows its lines and saves again.
#include <algorithm>
#include <string>
#include <string_view>

#include "generator/condfile.h"
#include "generator/condreport.h"
#include "generator/selfcond.h"

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
    return 0;
}
