#pragma once
// Cold, warm and hot numbers over a window of recent draws, and the section statistics of the
// indicator analysis.

#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "core/cpstyle.h"
#include "core/s_dm.h"
#include "core/seqlist.h"
#include "core/settings.h"
#include "drawhistory.h"

namespace lottodesk {

// Rebuilds the six lists for forecasting the draw after `period`: each number's occurrences in
// the qs (f_qs) draws ending with that draw decide its list (cold when at most coldcs, else hot
// when at least hotcs, else warm). The window and the counters are 8-bit, as they always were:
// qs acts modulo 256. A period not in the store leaves the lists unchanged (false).
bool refresh_lists(const t_s_dm& store, const GameParams& game, const ColdHotSettings& settings, int32_t period,
                   ColdWarmHotLists& lists);

// The kinds of section_stat, by their captions.
enum class SectionKind { Sum, Mean, Maximum, Minimum, MeanAmplitude, EqualCount, Unknown };
SectionKind sectionKind(std::string_view caption);  // "区段总和", "区段平均值", ... "相同个数"

// The statistics of a section, fed its values one by one in visiting order: the sum, the mean
// and the mean amplitude (over count - 1) rounded to the nearest integer with ties to even, the
// maximum (from -1) and minimum (from 999999), and the repeat score of "相同个数" (2 for a value's
// first repeat, 1 for each further one). Every kind is the same read forwards or backwards.
class SectionStatistics {
public:
    void add(int32_t u);
    int32_t result(SectionKind kind) const;
    int32_t count() const { return m_count; }

private:
    int64_t m_sum = 0, m_amplitude = 0;
    int32_t m_count = 0, m_maximum = -1, m_minimum = 999999, m_repeats = 0, m_previous = 0;
    std::unordered_map<int32_t, int> m_seen;
};

// Statistics of the analysed series (auxiliaryValue: the context's series, else slot 10) from the
// draw `startPeriod` back to `endPeriod` (or the first draw). 0 when the start is not among the
// context's records.
int32_t section_stat(const IndicatorContext& ctx, int32_t endPeriod, int32_t startPeriod, SectionKind kind);
// The same over slot 10 of the store's records.
int32_t section_stat(const t_s_dm& store, int32_t endPeriod, int32_t startPeriod, SectionKind kind);

}  // namespace lottodesk
