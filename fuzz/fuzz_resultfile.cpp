// Any bytes as a result file: either every line reads or nothing does, with the line named, and
// what was read writes back to the same tickets. The file-reading entry of the command line and
// the results page (loadResultFile) reads what the text parser reads, and a save of the tickets
// loads again unchanged. Loaded tickets continue-filtered without conditions keep exactly those
// whose numbers, sorted, are distinct and within 1..33, in the order of the continue walk.
#include <algorithm>
#include <string>
#include <string_view>

#include "generator/generator.h"
#include "generator/resultfile.h"
#include "memfolder.h"
#include "smallhistory.h"

namespace {

using namespace lottodesk;

void require(bool holds) {
    if (!holds) __builtin_trap();
}

void continueWithoutConditions(const std::vector<Ticket>& loaded) {
    static Workspace ws = [] {
        Workspace made("/nonexistent-lottodesk-fuzz/");
        made.game = {6, 1, 33, 1, 1, 16, true};
        made.partitions.rebuild(33);
        fuzz::fillSmallHistory(made.sjk, made.game, 10);
        return made;
    }();
    static Generator generator(1);
    generator.conditions = resetConditions(33);
    generator.conditions.noEqualSpacing = false;
    generator.conditions.noSpecialRuns = false;
    MainResults input;
    input.tickets.assign(loaded.begin(), loaded.begin() + static_cast<ptrdiff_t>(std::min<size_t>(loaded.size(), 64)));
    input.tags.assign(input.tickets.size(), 0);
    const RunReport run = generator.continueFiltering(ws, {}, input);
    require(run.completed);
    // The walk of continue filtering: a rejected result takes the last one in its place (tested
    // next) and the list shortens; without tolerated failures nothing else moves.
    std::vector<Ticket> expected = input.tickets;
    const size_t present = expected.size();
    size_t h = 0;
    for (size_t tested = 0; tested < present && h < expected.size(); ++tested) {
        Ticket sorted = expected[h];
        std::sort(sorted.begin(), sorted.begin() + 6);
        bool sound = sorted[0] >= 1 && sorted[5] <= 33;
        for (int i = 1; i < 6; ++i) sound = sound && sorted[static_cast<size_t>(i)] != sorted[static_cast<size_t>(i - 1)];
        if (sound) {
            ++h;
        } else {
            expected[h] = expected.back();
            expected.pop_back();
        }
    }
    require(generator.results.tickets == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static const std::string path = fuzz::workFolder("resultfile") + "results.txt";
    static const std::string saved = fuzz::workFolder("resultfile") + "saved.txt";
    require(saveFileAtomically(path, text).ok);
    for (int m : {1, 6, 7, 60}) {
        const ResultTextParse parsed = parseResultText(text, m);
        if (!parsed.ok() && !parsed.tickets.empty()) __builtin_trap();
        const ResultTextParse loaded = loadResultFile(path, m);
        require(loaded.error == parsed.error && loaded.tickets == parsed.tickets);
        if (!parsed.ok() || m > 8) continue;
        const ResultTextParse again = parseResultText(encodeResultText(parsed.tickets, m), m);
        if (!again.ok() || again.tickets != parsed.tickets) __builtin_trap();
        require(saveResultFile(saved, parsed.tickets, m).ok);
        const ResultTextParse reloaded = loadResultFile(saved, m);
        require(reloaded.ok() && reloaded.tickets == parsed.tickets);
        if (m == 6) continueWithoutConditions(parsed.tickets);
    }
    return 0;
}
