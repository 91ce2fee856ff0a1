// Any bytes as a draw text file imported into a small history the way the update window and
// `lottodesk-cli import` do (importDrawFile), for three game shapes, with and without secondary
// numbers, appending or overwriting. All or nothing: a refused import names its reason and leaves
// the history as it was in memory and on disk; an import that lands leaves a history sorted by
// period without a repeated period, counts what it added, and the file reads back the same.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/drawcheck.h"
#include "core/drawupdate.h"
#include "core/fileio.h"
#include "memfolder.h"
#include "smallhistory.h"

namespace {

using namespace lottodesk;

void require(bool holds) {
    if (!holds) __builtin_trap();
}

const GameParams kGames[] = {
    {6, 1, 33, 1, 1, 16, true},   // 双色球
    {5, 1, 35, 2, 1, 12, true},   // 超级大乐透
    {7, 1, 30, 0, 1, 30, false},  // no secondary zone
};

// The starting history file of each game: five draws, 2020001..2020005.
const std::string& startingHistory(const std::string& path, int game) {
    static std::optional<std::string> bytes[3];
    std::optional<std::string>& made = bytes[game];
    if (!made) {
        t_s_dm store;
        store.SetFileName(path);
        require(store.Open());
        fuzz::fillSmallHistory(store, kGames[game], 5);
        require(store.Post());
        made = readWholeFile(path, size_t{1} << 20);
        require(made.has_value());
    }
    return *made;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& folder = fuzz::workFolder("import");
    static const std::string history = folder + "basedata0.rec";
    static const std::string file = folder + "import.txt";

    // The first byte picks the game and the options; the rest is the file.
    const uint8_t choice = size ? data[0] : 0;
    const int gameIndex = choice % 3;
    const GameParams& game = kGames[gameIndex];
    const bool withSecondary = (choice / 3) % 2 == 1;
    const bool overwrite = (choice / 6) % 2 == 1;
    const std::string_view text = size ? std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1) : "";
    require(saveFileAtomically(history, startingHistory(history, gameIndex)).ok);
    require(saveFileAtomically(file, text).ok);

    t_s_dm store;
    store.SetFileName(history);
    require(store.Open());
    store.setDrawRules(rulesOf(game));
    const std::vector<DrawRecord> before = fuzz::recordsOf(store);
    const ImportOutcome outcome = importDrawFile(store, game, file, withSecondary, overwrite);

    t_s_dm reread;
    reread.SetFileName(history);
    require(reread.Open());
    if (!outcome.status) {
        require(!outcome.status.message.empty());
        require(fuzz::recordsOf(store) == before);
        require(fuzz::recordsOf(reread) == before);
        return 0;
    }
    require(store.firstUnorderedRecord() == 0);
    require(fuzz::recordsOf(reread) == fuzz::recordsOf(store));
    require(outcome.imported >= 0 && outcome.skipped >= 0);
    const int expected = overwrite ? outcome.imported : static_cast<int>(before.size()) + outcome.imported;
    require(store.RecordCount() == expected);
    if (overwrite) require(outcome.imported > 0);
    // Every added draw follows the game: its main numbers in range, ascending.
    for (int n = 1; n <= store.RecordCount(); ++n) {
        const int32_t* r = store.record(n);
        for (int i = 1; i <= game.zhgs; ++i) {
            require(r[i] >= game.zh_from && r[i] <= game.zh_to);
            if (i > 1) require(r[i] > r[i - 1]);
        }
    }
    return 0;
}
