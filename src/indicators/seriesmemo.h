#pragma once
// Series kept per history version. A history operator (omission, amplitude) over a series needs
// the series at many earlier draws; computing it once per draw of the store and deriving the
// omissions in one linear pass turns a whole omission chart from quadratic into linear work.
//
// A draw where the series cannot be computed (SeriesFault) is kept as a fault: reading that draw
// raises it again, and an omission raises it only when its walk reaches that draw.
//
// A series that reads later draws (a formula with a forward offset) changes near the end of the
// history when a candidate ticket follows it. Its draws far enough from the end are kept once;
// the last few and the candidate are kept for the candidate in place and recomputed when it
// changes, so nested history operators over such a series stay linear.
//
// One memo belongs to one evaluation context (one thread); it forgets everything when the store
// version, the game or the cold/warm/hot settings it was filled for change.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/cpstyle.h"
#include "core/s_dm.h"
#include "core/settings.h"
#include "seriesfault.h"

namespace lottodesk {

class SeriesMemo {
public:
    // The value at record n; may throw SeriesFault.
    using Compute = std::function<int32_t(int n)>;

    // One series as the history operators ask for it.
    struct Request {
        std::string_view key;
        int reach = 0;                       // the value at n may read records up to n + reach
        int realCount = 0;                   // records of the store
        const int32_t* candidate = nullptr;  // the ticket read as record realCount + 1, or null
        const Compute* compute = nullptr;
    };

    SeriesMemo();
    ~SeriesMemo();
    SeriesMemo(SeriesMemo&&) noexcept;
    SeriesMemo& operator=(SeriesMemo&&) noexcept;

    // Drops everything unless the memo was filled for this version, game, settings and analysed
    // series (the stamp of the context's AuxiliaryValues, 0 without one).
    void prepare(uint64_t version, const GameParams& game, const ColdHotSettings& settings, uint64_t seriesStamp = 0);

    // The series at record n (1..realCount, or realCount + 1 with a candidate); raises the fault
    // kept for that record.
    int32_t value(const Request& request, int n);
    // Omission at record n: how many draws back the value last occurred (the count of earlier
    // draws when never), 0 at the first record; raises the first fault the walk back reads.
    int32_t omission(const Request& request, int n);

    struct Segment;
    struct Entry;

private:
    Entry& entry(const Request& request, int stable);
    Segment& tail(Entry& entry, const Request& request);
    void followCandidate(const int32_t* candidate);

    uint64_t m_version = ~uint64_t{0};
    uint64_t m_seriesStamp = 0;
    GameParams m_game;
    ColdHotSettings m_settings;
    // Keyed by std::string with the standard hash, whose codes the table keeps: a transparent
    // string_view hash is not kept and makes every lookup rehash the bucket's keys.
    std::unordered_map<std::string, std::unique_ptr<Entry>> m_entries;
    // The candidate the tails were computed for; the generation changes with it.
    std::array<int32_t, kSlots> m_candidate{};
    bool m_haveCandidate = false;
    uint64_t m_candidateGeneration = 0;
};

}  // namespace lottodesk
