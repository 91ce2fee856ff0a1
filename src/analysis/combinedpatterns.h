#pragma once
// The combined pattern table ("综合形态"): one row per record, oldest first (the prediction record
// shows as "预测区"): the period, the draw, a class of each number, the gaps between neighbouring
// main numbers and a class of each gap. Computed once per (history version, game, options) into
// flat rows of texts plus the class value of every class cell, which chooses its colour.

#include <cstdint>
#include <string>
#include <vector>

#include "core/cpstyle.h"
#include "core/partition.h"
#include "core/s_dm.h"

namespace lottodesk {

// The class options, in the order of the radio buttons.
enum class PatternClass : uint8_t {
    BigSmall,        // "大小"
    BigMiddleSmall,  // "大中小"
    OddEven,         // "奇偶"
    PrimeComposite,  // "质合"
    Mod3,            // "除三余数"
    Mod4,            // "除四余数"
    Mod5,            // "除五余数"
    ModN,            // "除" n "余数", n = 6..10
};
const std::vector<std::string>& patternClassNames();

struct CombinedPatternOptions {
    PatternClass patternClass = PatternClass::BigSmall;
    int divisor = 6;        // n of "除" n "余数", 6..10
    bool tails = true;      // "尾号分析": classes of the tails, secondary numbers included
    bool hideGaps = false;  // "隐掉间隔数": the gap text column is empty and has no width

    bool operator==(const CombinedPatternOptions&) const = default;
};

// The class of v under an option; "" never (every integer has a class). With tails, v is a tail.
int patternClassOf(int v, const CombinedPatternOptions& options, const ZonePartitions& partitions);

struct CombinedPatternTable {
    CombinedPatternOptions options;
    int numberClasses = 0;  // m: k + s with tails, else k
    int gapClasses = 0;     // k
    std::vector<std::string> header;
    std::vector<std::string> cells;  // row-major, header.size() per row
    std::vector<int16_t> classes;    // row-major, numberClasses + gapClasses per row: the class values

    int columns() const { return static_cast<int>(header.size()); }
    int rows() const { return columns() == 0 ? 0 : static_cast<int>(cells.size()) / columns(); }
    const std::string& cell(int row, int column) const {
        return cells[static_cast<size_t>(row) * header.size() + static_cast<size_t>(column)];
    }
    // Column layout: 0 "期号", 1 "开奖号码", then the number classes, the gap text, the gap classes.
    int firstNumberClass() const { return 2; }
    int gapTextColumn() const { return 2 + numberClasses; }
    int firstGapClass() const { return 3 + numberClasses; }
    bool isClassColumn(int column) const { return column >= 2 && column != gapTextColumn(); }
    // The class value of a class cell (the colour index); -1 for the other columns.
    int classValue(int row, int column) const;
};

CombinedPatternTable combinedPatternTable(const t_s_dm& store, const GameParams& game, const ZonePartitions& partitions,
                                          const std::string& zhname, const std::string& specname,
                                          const CombinedPatternOptions& options);

// The last table, kept per (store, version, game, options).
class CombinedPatternPage {
public:
    const CombinedPatternTable& run(const t_s_dm& store, const GameParams& game, const ZonePartitions& partitions,
                                    const std::string& zhname, const std::string& specname,
                                    const CombinedPatternOptions& options);

private:
    const t_s_dm* m_store = nullptr;
    uint64_t m_version = 0;
    GameParams m_game;
    std::string m_names;
    bool m_ready = false;
    CombinedPatternTable m_table;
};

}  // namespace lottodesk
