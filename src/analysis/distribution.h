#pragma once
// The main-number distribution chart of the trend analysis ("红号分布图"): one row per record (the
// prediction record included), the draw text and one column per main number zh_from..zh_to; the
// pattern marks of the drawn cells ("关联分布") or their cold/warm/hot class ("冷温热分布").
// Marks are computed over a row range only: a matrix of up to 44 periods beginning two before the
// first visible row (more when more rows are visible), so scrolling recomputes a small matrix.

#include <cstdint>
#include <string>
#include <vector>

#include "coldhotperiod.h"
#include "core/cpstyle.h"
#include "core/s_dm.h"

namespace lottodesk {

// The mark list, in list order.
enum class MarkRule : uint8_t {
    Consecutive,          // "连号"
    Repeat,               // "重号"
    LeftDiagonal,         // "左斜连号"
    RightDiagonal,        // "右斜连号"
    Diagonal,             // "斜连号"
    UpperLeftTriangle,    // "左上三角"
    UpperRightTriangle,   // "右上三角"
    LowerLeftTriangle,    // "左下三角"
    LowerRightTriangle,   // "右下三角"
    Triangle,             // "三角"
    CombinedTwoOrMore,    // "标识二个以上连号,重号,斜连号"
    CombinedThreeOrMore,  // "标识三个以上连号,重号,斜连号"
    None,                 // "取消标识"
};
const std::vector<std::string>& markRuleNames();

// Codes of the combined marks: runs of exactly two, then of three or more.
inline constexpr uint8_t kHorizontalTwo = 1, kVerticalTwo = 2, kDiagonalTwo = 3;
inline constexpr uint8_t kHorizontalLong = 4, kVerticalLong = 5, kDiagonalLong = 6;

struct DistributionChart {
    int lo = 0;                       // the number of column 0
    int columns = 0;                  // numbers lo .. lo + columns - 1
    std::vector<std::string> header;  // "期号", "开奖号码", the numbers two digits each
    std::vector<int32_t> periods;     // per row
    std::vector<std::string> draws;   // main numbers two digits and a blank each, then "- " and the secondary
    std::vector<uint8_t> drawn;       // row-major, columns per row: 1 where the column's number is drawn

    int rows() const { return static_cast<int>(periods.size()); }
    bool isDrawn(int row, int column) const { return drawn[static_cast<size_t>(row) * columns + column] != 0; }
    // Column 0 of a row: the period or "预测区".
    std::string periodText(int row) const;
};

DistributionChart distributionChart(const t_s_dm& store, const GameParams& game);

// The first of `visibleRows` rows showing the newest records (the default window).
int newestWindowStart(const DistributionChart& chart, int visibleRows);

// The marks of the rows first .. first + count - 1 (clipped to the chart), computed from the
// drawn cells of kMarkBlockPeriods rows beginning two before `first` (at least up to the row after
// the range): 0 no mark; 1 marked for the single rules; the combined code 1..6 (only 4..6 for
// CombinedThreeOrMore). A mark depends on where the range begins, not on where it ends.
inline constexpr int kMarkBlockPeriods = 44;
struct MarkMatrix {
    int first = 0;  // the first row of the range
    int rows = 0;
    int columns = 0;
    std::vector<uint8_t> marks;  // row-major

    uint8_t at(int row, int column) const { return marks[static_cast<size_t>(row - first) * columns + column]; }
};
MarkMatrix markMatrix(const DistributionChart& chart, MarkRule rule, int first, int count);

// "冷温热分布": per row of the range and column, the class of a drawn number in the classification
// computed at the record before (the first record at itself): 0 cold, 1 warm, 2 hot; -1 where the
// number is not drawn. `timeline` is mainWarmthTimeline of the same store.
struct WarmthMarks {
    int first = 0;
    int rows = 0;
    int columns = 0;
    std::vector<int8_t> classes;

    int8_t at(int row, int column) const { return classes[static_cast<size_t>(row - first) * columns + column]; }
};
WarmthMarks warmthMarks(const DistributionChart& chart, const WarmthTimeline& timeline, int first, int count);

}  // namespace lottodesk
