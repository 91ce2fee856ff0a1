#pragma once
// Series kept per history version. A history operator (omission, amplitude) over a series needs
// the series at many earlier draws; computing it once per draw of the store and deriving the
// omissions in one linear pass turns a whole omission chart from quadratic into linear work.
//
// One memo belongs to one evaluation context (one thread); it forgets everything when the store
// version, the game or the cold/warm/hot settings it was filled for change.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/cpstyle.h"
#include "core/settings.h"

namespace lottodesk {

class SeriesMemo {
public:
    // Values at the store's records 1..realCount; index 0 is unused.
    using Values = std::vector<int32_t>;
    using Compute = std::function<int32_t(int n)>;

    // Drops everything unless the memo was filled for this version, game, settings and analysed
    // series (the stamp of the context's AuxiliaryValues, 0 without one).
    void prepare(uint64_t version, const GameParams& game, const ColdHotSettings& settings, uint64_t seriesStamp = 0);

    // The series `key` at records 1..realCount, computed with `compute` on first use.
    const Values& values(std::string_view key, int realCount, const Compute& compute);
    // Omission at every record: how many draws back the value last occurred (the count of earlier
    // draws when never), 0 at the first record.
    const Values& omissions(std::string_view key, int realCount, const Compute& compute);
    // The last record 1..realCount holding `value` in the series, 0 when none does.
    int lastPosition(std::string_view key, int realCount, const Compute& compute, int32_t value);

private:
    struct Entry {
        Values values;
        Values omissions;
        std::unordered_map<int32_t, int> lastPosition;
        bool haveOmissions = false;
        bool haveLastPositions = false;
    };
    Entry& entry(std::string_view key, int realCount, const Compute& compute);

    uint64_t m_version = ~uint64_t{0};
    uint64_t m_seriesStamp = 0;
    GameParams m_game;
    ColdHotSettings m_settings;
    std::unordered_map<std::string, std::unique_ptr<Entry>> m_entries;
};

}  // namespace lottodesk
