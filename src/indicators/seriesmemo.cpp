#include "seriesmemo.h"

namespace lottodesk {

void SeriesMemo::prepare(uint64_t version, const GameParams& game, const ColdHotSettings& settings,
                         uint64_t seriesStamp) {
    if (version == m_version && game == m_game && settings == m_settings && seriesStamp == m_seriesStamp) return;
    m_entries.clear();
    m_version = version;
    m_seriesStamp = seriesStamp;
    m_game = game;
    m_settings = settings;
}

SeriesMemo::Entry& SeriesMemo::entry(std::string_view key, int realCount, const Compute& compute) {
    auto found = m_entries.find(std::string(key));
    if (found != m_entries.end()) return *found->second;
    auto fresh = std::make_unique<Entry>();
    fresh->values.resize(static_cast<size_t>(realCount) + 1, 0);
    for (int n = 1; n <= realCount; ++n) fresh->values[n] = compute(n);
    return *m_entries.emplace(std::string(key), std::move(fresh)).first->second;
}

const SeriesMemo::Values& SeriesMemo::values(std::string_view key, int realCount, const Compute& compute) {
    return entry(key, realCount, compute).values;
}

const SeriesMemo::Values& SeriesMemo::omissions(std::string_view key, int realCount, const Compute& compute) {
    Entry& e = entry(key, realCount, compute);
    if (!e.haveOmissions) {
        e.omissions.assign(e.values.size(), 0);
        std::unordered_map<int32_t, int> last;
        for (int n = 1; n <= realCount; ++n) {
            auto it = last.find(e.values[n]);
            e.omissions[n] = it == last.end() ? n - 1 : n - 1 - it->second;
            last[e.values[n]] = n;
        }
        e.haveOmissions = true;
    }
    return e.omissions;
}

int SeriesMemo::lastPosition(std::string_view key, int realCount, const Compute& compute, int32_t value) {
    Entry& e = entry(key, realCount, compute);
    if (!e.haveLastPositions) {
        for (int n = 1; n <= realCount; ++n) e.lastPosition[e.values[n]] = n;
        e.haveLastPositions = true;
    }
    auto it = e.lastPosition.find(value);
    return it == e.lastPosition.end() ? 0 : it->second;
}

}  // namespace lottodesk
