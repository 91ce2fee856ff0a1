#include "combinedpatterns.h"

#include <cstdlib>

#include "core/drawtext.h"
#include "indicators/numberprops.h"

namespace lottodesk {

const std::vector<std::string>& patternClassNames() {
    static const std::vector<std::string> names = {"大小",     "大中小",   "奇偶",     "质合",
                                                   "除三余数", "除四余数", "除五余数", "除n余数"};
    return names;
}

int patternClassOf(int v, const CombinedPatternOptions& o, const ZonePartitions& partitions) {
    switch (o.patternClass) {
    case PatternClass::BigSmall: return o.tails ? (v >= 5 ? 1 : 0) : (v > partitions.of(2)[1] ? 1 : 0);
    case PatternClass::BigMiddleSmall:
        if (o.tails) return v <= 2 ? 0 : (v <= 5 ? 1 : 2);
        return v <= partitions.of(3)[1] ? 0 : (v <= partitions.of(3)[2] ? 1 : 2);
    case PatternClass::OddEven: return v % 2 != 0 ? 0 : 1;
    case PatternClass::PrimeComposite: return is_prime(v) ? 0 : 1;
    case PatternClass::Mod3: return v % 3;
    case PatternClass::Mod4: return v % 4;
    case PatternClass::Mod5: return v % 5;
    case PatternClass::ModN: return o.divisor == 0 ? 0 : v % o.divisor;
    }
    return 0;
}

int CombinedPatternTable::classValue(int row, int column) const {
    if (!isClassColumn(column) || column >= columns()) return -1;
    const int index = column < gapTextColumn() ? column - 2 : numberClasses + column - firstGapClass();
    return classes[static_cast<size_t>(row) * (numberClasses + gapClasses) + static_cast<size_t>(index)];
}

CombinedPatternTable combinedPatternTable(const t_s_dm& store, const GameParams& game, const ZonePartitions& partitions,
                                          const std::string& zhname, const std::string& specname,
                                          const CombinedPatternOptions& options) {
    CombinedPatternTable t;
    t.options = options;
    const int k = game.zhgs, s = game.fhgs;
    const bool tails = options.tails;
    const std::string tail = tails ? "尾" : "";
    t.numberClasses = tails ? k + s : k;
    t.gapClasses = k;

    t.header = {"期号", "开奖号码"};
    for (int j = 1; j <= k; ++j) t.header.push_back(zhname + std::to_string(j) + tail);
    if (tails)
        for (int j = 1; j <= s; ++j) t.header.push_back(specname + (s == 1 ? "" : std::to_string(j)) + "尾");
    t.header.push_back(tails ? "间隔数的尾" : "间隔数");
    for (int j = 1; j <= k; ++j) t.header.push_back(zhname + "间" + std::to_string(j) + tail);

    const int rows = store.RecordCount();
    const size_t width = t.header.size();
    t.cells.reserve(static_cast<size_t>(rows) * width);
    t.classes.reserve(static_cast<size_t>(rows) * static_cast<size_t>(t.numberClasses + t.gapClasses));
    std::vector<int> gaps(static_cast<size_t>(k));
    for (int n = 1; n <= rows; ++n) {
        const int32_t* r = store.record(n);
        t.cells.push_back(r[0] == kPredictionPeriod ? "预测区" : std::to_string(r[0]));

        std::string draw;
        for (int j = 1; j <= k; ++j) draw += twoDigits(r[j]) + " ";
        if (s > 0) {
            draw += "-";
            for (int j = k + 1; j <= k + s; ++j) draw += twoDigits(r[j]) + " ";
        }
        t.cells.push_back(std::move(draw));

        for (int j = 1; j <= t.numberClasses; ++j) {
            const int v = tails ? r[j] % 10 : r[j];
            const int c = patternClassOf(v, options, partitions);
            t.cells.push_back(std::to_string(c));
            t.classes.push_back(static_cast<int16_t>(c));
        }

        // The numbers strictly between neighbours; the last gap wraps round from the last to the first.
        for (int j = 1; j < k; ++j) gaps[static_cast<size_t>(j - 1)] = std::abs(r[j + 1] - r[j]) - 1;
        if (k > 0) gaps[static_cast<size_t>(k - 1)] = game.zh_to - r[k] + r[1] - game.zh_from;
        std::string gapText;
        if (!options.hideGaps)
            for (int g : gaps) gapText += tails ? std::to_string(g % 10) + "  " : twoDigits(g) + " ";
        t.cells.push_back(std::move(gapText));
        for (int g : gaps) {
            const int c = patternClassOf(tails ? g % 10 : g, options, partitions);
            t.cells.push_back(std::to_string(c));
            t.classes.push_back(static_cast<int16_t>(c));
        }
    }
    return t;
}

const CombinedPatternTable& CombinedPatternPage::run(const t_s_dm& store, const GameParams& game,
                                                     const ZonePartitions& partitions, const std::string& zhname,
                                                     const std::string& specname,
                                                     const CombinedPatternOptions& options) {
    const std::string names = zhname + '\n' + specname;
    if (!m_ready || m_store != &store || m_version != store.version() || !(m_game == game) || m_names != names ||
        !(m_table.options == options)) {
        m_table = combinedPatternTable(store, game, partitions, zhname, specname, options);
        m_store = &store;
        m_version = store.version();
        m_game = game;
        m_names = names;
        m_ready = true;
    }
    return m_table;
}

}  // namespace lottodesk
