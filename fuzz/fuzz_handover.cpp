// Any text as the download hand-over "dttmp.dtp", applied to a small 双色球 history (three draws,
// with the game's rules): it either lands whole or leaves the history as it was, in memory and on
// disk; a hand-over that lands leaves a history sorted by period without a repeated period, and
// the file reads back as the same records.
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

const GameParams kSsq{6, 1, 33, 1, 1, 16, true};

// The bytes of the starting history file: three draws, 2020001..2020003.
const std::string& startingHistory(const std::string& path) {
    static const std::string bytes = [&] {
        t_s_dm store;
        store.SetFileName(path);
        require(store.Open());
        fuzz::fillSmallHistory(store, kSsq, 3);
        require(store.Post());
        const std::optional<std::string> read = readWholeFile(path, size_t{1} << 20);
        require(read.has_value());
        return *read;
    }();
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = fuzz::workFolder("handover") + "basedata0.rec";
    const std::string& start = startingHistory(path);
    require(saveFileAtomically(path, start).ok);

    // The first byte picks the lower bound the download started from and the answer to the
    // continuity question; the rest is the hand-over text.
    const uint8_t choice = size ? data[0] : 0;
    const std::string_view text = size ? std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1) : "";
    const int32_t lowerBounds[] = {-1, 2019999, 2020001, 2020002, 2020003, 2020004};
    const int32_t lowerBound = lowerBounds[choice % 6];
    const bool discard = (choice / 6) % 2 == 1;
    // Lines as the file is split by the reader, or split at LF only (lone CRs are left for the
    // hand-over to split).
    std::vector<std::string> lines;
    if (choice & 0x80) {
        lines = splitHandOverText(text);
    } else {
        lines.emplace_back();
        for (char c : text) {
            if (c == '\n')
                lines.emplace_back();
            else
                lines.back() += c;
        }
    }

    t_s_dm store;
    store.SetFileName(path);
    require(store.Open());
    store.setDrawRules(rulesOf(kSsq));
    const std::vector<DrawRecord> before = fuzz::recordsOf(store);
    const Status status = applyDownload(store, lowerBound, lines, [discard] { return discard; }).status;

    t_s_dm reread;
    reread.SetFileName(path);
    require(reread.Open());
    if (!status) {
        require(!status.message.empty());
        require(fuzz::recordsOf(store) == before);
        require(fuzz::recordsOf(reread) == before);
        return 0;
    }
    // Landed: sorted by period, no period twice, and the file holds what memory holds.
    require(store.RecordCount() >= 1);
    require(store.firstUnorderedRecord() == 0);
    require(fuzz::recordsOf(reread) == fuzz::recordsOf(store));
    return 0;
}
