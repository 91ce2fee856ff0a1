// Any bytes as a result service's answer (the welfare lottery's, the sports lottery's) and as a
// line of the prize-table file: reading never crashes, a refused answer has no draws and says why,
// every draw read has a seven-digit period and numbers of 0..99, the import text made of them
// imports line by line, and a prize table written and read again is the same table.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/drawtext.h"
#include "core/prizetables.h"
#include "plugin/sources/json.h"
#include "plugin/sources/resultsources.h"

namespace {

void require(bool holds) {
    if (!holds) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    (void)json::parse(input);
    for (sources::SourceKind kind : {sources::SourceKind::Cwl, sources::SourceKind::Sporttery}) {
        const sources::SourcePage page = sources::readPage(kind, input, 5);
        require(page.ok() || page.draws.empty());
        require(page.pages >= 1);
        for (const sources::SourceDraw& draw : page.draws) {
            require(draw.period >= 1000000 && draw.period <= 9999998);
            require(!draw.main.empty());
            for (const std::vector<int>* zone : {&draw.main, &draw.secondary})
                for (int n : *zone) require(n >= 0 && n <= 99);
        }
        const std::string text = sources::importText(page.draws);
        size_t start = 0;
        while (start < text.size()) {
            const size_t end = text.find("\r\n", start);
            require(end != std::string::npos);
            std::vector<long long> values;
            std::string what;
            require(parseDrawLine(std::string_view(text).substr(start, end - start), values, what) == DrawLine::Draw);
            start = end + 2;
        }
    }
    PrizeTable table;
    if (readPrizeTableLine(input, table)) {
        PrizeTable again;
        require(readPrizeTableLine(prizeTableLine(table), again));
        require(prizeTableLine(again) == prizeTableLine(table));
    }
    return 0;
}
