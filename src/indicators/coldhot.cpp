#include "coldhot.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>
#include <vector>

namespace lottodesk {
namespace {

// Numbers first..last of the draws ending at record `end`, `window` draws back, counted in 8 bits.
void classify(const t_s_dm& store, int end, int firstSlot, int slots, int first, int last, int window, int cold,
              int hot, tseqlist& coldList, tseqlist& warmList, tseqlist& hotList) {
    coldList.clear();
    warmList.clear();
    hotList.clear();
    if (last < first) return;
    std::vector<uint8_t> counts(static_cast<size_t>(last - first + 1), 0);
    const uint8_t draws = static_cast<uint8_t>(window);
    for (int n = end, seen = 0; n >= 1 && seen < draws; --n, ++seen) {
        const int32_t* draw = store.record(n);
        for (int i = firstSlot; i < firstSlot + slots && i < kSlots; ++i)
            if (draw[i] >= first && draw[i] <= last) ++counts[draw[i] - first];
    }
    for (int number = first; number <= last; ++number) {
        const int c = counts[number - first];
        if (c <= cold)
            coldList.add(number);
        else if (c >= hot)
            hotList.add(number);
        else
            warmList.add(number);
    }
}

int32_t roundHalfEven(int64_t numerator, int64_t denominator) {
    int64_t quotient = numerator / denominator;
    int64_t remainder = numerator % denominator;
    if (remainder < 0) {
        remainder += denominator;
        --quotient;
    }
    if (remainder * 2 > denominator || (remainder * 2 == denominator && quotient % 2 != 0)) ++quotient;
    return static_cast<int32_t>(quotient);
}

}  // namespace

bool refresh_lists(const t_s_dm& store, const GameParams& game, const ColdHotSettings& settings, int32_t period,
                   ColdWarmHotLists& lists) {
    const int end = store.indexOfPeriod(period);
    if (end == 0) return false;
    // Numbers are counted from 1, or from 0 for a game whose numbers start there.
    classify(store, end, 1, game.zhgs, std::min(game.zh_from, 1), game.zh_to, settings.qs, settings.coldcs,
             settings.hotcs, lists.cold, lists.warm, lists.hot);
    classify(store, end, game.zhgs + 1, game.fhgs, std::min(game.spec_from, 1), game.spec_to, settings.f_qs,
             settings.f_coldcs, settings.f_hotcs, lists.f_cold, lists.f_warm, lists.f_hot);
    return true;
}

SectionKind sectionKind(std::string_view caption) {
    if (caption == "区段总和") return SectionKind::Sum;
    if (caption == "区段平均值") return SectionKind::Mean;
    if (caption == "区段最大值") return SectionKind::Maximum;
    if (caption == "区段最小值") return SectionKind::Minimum;
    if (caption == "区段平均振幅") return SectionKind::MeanAmplitude;
    if (caption == "相同个数") return SectionKind::EqualCount;
    return SectionKind::Unknown;
}

int32_t section_stat(const t_s_dm& store, int32_t endPeriod, int32_t startPeriod, SectionKind kind) {
    IndicatorContext ctx;
    ctx.history = DrawHistory::of(store);
    return section_stat(ctx, endPeriod, startPeriod, kind);
}

void SectionStatistics::add(int32_t u) {
    m_sum += u;
    ++m_count;
    m_maximum = std::max(m_maximum, u);
    m_minimum = std::min(m_minimum, u);
    m_amplitude += std::abs(int64_t{u} - (m_count == 1 ? u : m_previous));
    const int times = m_seen[u]++;
    if (times == 1)
        m_repeats += 2;
    else if (times > 1)
        m_repeats += 1;
    m_previous = u;
}

int32_t SectionStatistics::result(SectionKind kind) const {
    if (m_count == 0) return 0;
    switch (kind) {
    case SectionKind::Sum: return static_cast<int32_t>(m_sum);
    case SectionKind::Mean: return roundHalfEven(m_sum, m_count);
    case SectionKind::Maximum: return m_maximum;
    case SectionKind::Minimum: return m_minimum;
    case SectionKind::MeanAmplitude: return m_count == 1 ? 0 : roundHalfEven(m_amplitude, m_count - 1);
    case SectionKind::EqualCount: return m_repeats;
    case SectionKind::Unknown: break;
    }
    return 0;
}

int32_t section_stat(const IndicatorContext& ctx, int32_t endPeriod, int32_t startPeriod, SectionKind kind) {
    const int start = ctx.history.recordOfPeriod(startPeriod);
    if (start == 0) return 0;
    SectionStatistics statistics;
    for (int n = start; n >= 1; --n) {
        statistics.add(auxiliaryValue(ctx, n));
        if (ctx.history.record(n)[0] == endPeriod) break;
    }
    return statistics.result(kind);
}

}  // namespace lottodesk
