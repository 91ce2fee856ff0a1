#include "seriesmemo.h"

#include <algorithm>
#include <cstring>

namespace lottodesk {

// Consecutive records first..first+size-1 of one series: values, the faults among them, and
// the omissions derived in one pass.
struct SeriesMemo::Segment {
    int first = 1;
    std::vector<int32_t> values;
    std::unordered_map<int, SeriesFault> faults;  // by record
    bool haveOmissions = false;
    std::vector<int32_t> omissions;
    std::vector<int> omissionFault;         // the record whose fault the walk meets, 0 none; empty: none at all
    std::unordered_map<int32_t, int> last;  // the last record of this segment holding each value
    int lastFault = 0;                      // the last record of this segment with a fault

    int size() const { return static_cast<int>(values.size()); }

    void fill(int from, int to, const Compute& compute) {
        first = from;
        values.assign(static_cast<size_t>(std::max(0, to - from + 1)), 0);
        for (int n = from; n <= to; ++n) {
            try {
                values[static_cast<size_t>(n - from)] = compute(n);
            } catch (SeriesFault& fault) {
                faults.emplace(n, std::move(fault));
            }
        }
    }

    // The omissions of every record; `before` holds the records before this segment, if any.
    void deriveOmissions(const Segment* before) {
        if (haveOmissions) return;
        omissions.assign(values.size(), 0);
        for (int i = 0; i < size(); ++i) {
            const int n = first + i;
            if (!faults.empty() && faults.count(n)) {
                markFault(i, n);
                lastFault = n;
                continue;
            }
            const int32_t v = values[static_cast<size_t>(i)];
            int lastAt = 0;
            if (auto it = last.find(v); it != last.end())
                lastAt = it->second;
            else if (before)
                lastAt = before->lastOf(v);
            const int faultBefore = lastFault != 0 ? lastFault : before ? before->lastFault : 0;
            omissions[static_cast<size_t>(i)] = lastAt == 0 ? n - 1 : n - 1 - lastAt;
            // The walk reads every record after the equal one (all of them when none is equal).
            if (faultBefore > lastAt) markFault(i, faultBefore);
            last[v] = n;
        }
        haveOmissions = true;
    }

    void markFault(int i, int record) {
        if (omissionFault.empty()) omissionFault.assign(values.size(), 0);
        omissionFault[static_cast<size_t>(i)] = record;
    }

    int lastOf(int32_t v) const {
        auto it = last.find(v);
        return it == last.end() ? 0 : it->second;
    }

    [[noreturn]] static void raise(int record, const Segment& segment, const Segment* before) {
        if (auto it = segment.faults.find(record); it != segment.faults.end()) throw it->second;
        throw before->faults.at(record);
    }

    int32_t valueAt(int n) const {
        if (!faults.empty())
            if (auto it = faults.find(n); it != faults.end()) throw it->second;
        return values[static_cast<size_t>(n - first)];
    }

    int32_t omissionAt(int n, const Segment* before) const {
        const size_t i = static_cast<size_t>(n - first);
        if (!omissionFault.empty() && omissionFault[i] != 0) raise(omissionFault[i], *this, before);
        return omissions[i];
    }
};

// One series: the records that do not depend on a candidate, and the rest for the candidate in
// place.
struct SeriesMemo::Entry {
    int stable = -1;
    Segment kept;
    Segment tail;
    uint64_t tailGeneration = 0;
    bool haveTail = false;
};

SeriesMemo::SeriesMemo() = default;
SeriesMemo::~SeriesMemo() = default;
SeriesMemo::SeriesMemo(SeriesMemo&&) noexcept = default;
SeriesMemo& SeriesMemo::operator=(SeriesMemo&&) noexcept = default;

void SeriesMemo::prepare(uint64_t version, const GameParams& game, const ColdHotSettings& settings,
                         uint64_t seriesStamp) {
    if (version == m_version && game == m_game && settings == m_settings && seriesStamp == m_seriesStamp) return;
    m_entries.clear();
    m_version = version;
    m_seriesStamp = seriesStamp;
    m_game = game;
    m_settings = settings;
}

void SeriesMemo::followCandidate(const int32_t* candidate) {
    if (m_haveCandidate && std::memcmp(m_candidate.data(), candidate, sizeof(int32_t) * kSlots) == 0) return;
    std::memcpy(m_candidate.data(), candidate, sizeof(int32_t) * kSlots);
    m_haveCandidate = true;
    ++m_candidateGeneration;
}

SeriesMemo::Entry& SeriesMemo::entry(const Request& request, int stable) {
    const std::string key(request.key);
    auto found = m_entries.find(key);
    if (found != m_entries.end() && found->second->stable == stable) return *found->second;
    // Filled before it is stored: the computation may ask the memo for other series.
    auto fresh = std::make_unique<Entry>();
    fresh->stable = stable;
    fresh->kept.fill(1, stable, *request.compute);
    found = m_entries.find(key);
    if (found != m_entries.end()) {
        found->second = std::move(fresh);
        return *found->second;
    }
    return *m_entries.emplace(key, std::move(fresh)).first->second;
}

SeriesMemo::Segment& SeriesMemo::tail(Entry& e, const Request& request) {
    followCandidate(request.candidate);
    if (!e.haveTail || e.tailGeneration != m_candidateGeneration) {
        e.tail = Segment{};
        e.tail.fill(e.stable + 1, request.realCount + 1, *request.compute);
        e.tailGeneration = m_candidateGeneration;
        e.haveTail = true;
    }
    return e.tail;
}

namespace {

// Records 1..stable read nothing after realCount, so they are the same with any candidate.
int stableCount(const SeriesMemo::Request& request) {
    if (!request.candidate || request.reach <= 0) return request.realCount;
    return static_cast<int>(std::max<int64_t>(0, int64_t{request.realCount} - request.reach));
}

}  // namespace

int32_t SeriesMemo::value(const Request& request, int n) {
    if (n < 1) return (*request.compute)(n);  // the all-zero record before the first is not kept
    const int stable = stableCount(request);
    Entry& e = entry(request, stable);
    if (n <= stable) return e.kept.valueAt(n);
    if (request.reach > 0 && request.candidate) return tail(e, request).valueAt(n);
    return (*request.compute)(n);  // the candidate of a series that does not read ahead
}

int32_t SeriesMemo::omission(const Request& request, int n) {
    if (n < 1) return 0;  // no draw before it: as the direct count gives
    const int stable = stableCount(request);
    Entry& e = entry(request, stable);
    e.kept.deriveOmissions(nullptr);
    if (n <= stable) return e.kept.omissionAt(n, nullptr);
    if (request.reach > 0 && request.candidate) {
        Segment& t = tail(e, request);
        t.deriveOmissions(&e.kept);
        return t.omissionAt(n, &e.kept);
    }
    // The candidate after every record of the store.
    const int32_t v = (*request.compute)(n);
    const int lastAt = e.kept.lastOf(v);
    if (e.kept.lastFault > lastAt) Segment::raise(e.kept.lastFault, e.kept, nullptr);
    return lastAt == 0 ? n - 1 : n - 1 - lastAt;
}

}  // namespace lottodesk
