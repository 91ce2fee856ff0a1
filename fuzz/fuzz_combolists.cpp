// The lists of the combination pages from any bytes: common combinations and indicator mosaic
// entries parse, and what is written reads back as written.
#include <cstddef>
#include <cstdint>
#include <string>

#include "analysis/indicatorcombos.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<CommonCombination> common = parseCommonCombinations(bytes);
    // What is written reads back as written (a stray byte order mark may go on the first write).
    const std::vector<CommonCombination> written = parseCommonCombinations(commonCombinationsText(common));
    if (parseCommonCombinations(commonCombinationsText(written)) != written) __builtin_trap();
    for (const CommonCombination& entry : common) {
        if (boxesOf(entry, 7).size() != 7) __builtin_trap();
        if (entry.name.empty()) __builtin_trap();
    }
    const std::vector<MosaicEntry> mosaic = parseMosaic(bytes);
    for (const MosaicEntry& entry : mosaic)
        if (entry.caption.empty() && !entry.formula.empty()) __builtin_trap();
    const size_t half = bytes.size() / 2;
    combinationFeatureIdentifier({bytes.substr(0, half), bytes.substr(half)}, size ? data[0] : 0);
    return 0;
}
