#include "distribution.h"

#include <algorithm>

#include "core/drawtext.h"

namespace lottodesk {
namespace {

// The drawn cells of a block of rows, with everything outside the block and the columns undrawn.
struct DrawnBlock {
    const DistributionChart& chart;
    int firstRow;
    int height;

    bool operator()(int h, int c) const {
        return h >= 0 && h < height && c >= 0 && c < chart.columns && chart.isDrawn(firstRow + h, c);
    }
};

void singleRuleMarks(const DrawnBlock& d, MarkRule rule, std::vector<uint8_t>& marks) {
    const int columns = d.chart.columns;
    auto mark = [&](int h, int c) { marks[static_cast<size_t>(h) * columns + c] = 1; };
    for (int h = 0; h < d.height; ++h)
        for (int c = 0; c < columns; ++c) {
            if (!d(h, c)) continue;
            const bool right = d(h, c + 1), below = d(h + 1, c), belowLeft = d(h + 1, c - 1),
                       belowRight = d(h + 1, c + 1);
            switch (rule) {
            case MarkRule::Consecutive:
                if (right) mark(h, c), mark(h, c + 1);
                break;
            case MarkRule::Repeat:
                if (below) mark(h, c), mark(h + 1, c);
                break;
            case MarkRule::LeftDiagonal:
                if (belowLeft) mark(h, c), mark(h + 1, c - 1);
                break;
            case MarkRule::RightDiagonal:
                if (belowRight) mark(h, c), mark(h + 1, c + 1);
                break;
            case MarkRule::Diagonal:
                if (belowLeft) mark(h, c), mark(h + 1, c - 1);
                if (belowRight) mark(h, c), mark(h + 1, c + 1);
                break;
            case MarkRule::UpperLeftTriangle:
                if (below && right) mark(h, c), mark(h + 1, c), mark(h, c + 1);
                break;
            case MarkRule::UpperRightTriangle:
                if (right && belowRight) mark(h, c), mark(h, c + 1), mark(h + 1, c + 1);
                break;
            case MarkRule::LowerLeftTriangle:
                if (below && belowRight) mark(h, c), mark(h + 1, c), mark(h + 1, c + 1);
                break;
            case MarkRule::LowerRightTriangle:
                if (below && belowLeft) mark(h, c), mark(h + 1, c), mark(h + 1, c - 1);
                break;
            default: break;
            }
        }
    if (rule != MarkRule::Triangle) return;
    // Every square of four cells with at least three drawn marks its drawn cells.
    for (int h = 0; h + 1 < d.height; ++h)
        for (int c = 0; c + 1 < columns; ++c) {
            const int cells[4][2] = {{h, c}, {h, c + 1}, {h + 1, c}, {h + 1, c + 1}};
            int count = 0;
            for (const auto& cell : cells) count += d(cell[0], cell[1]);
            if (count < 3) continue;
            for (const auto& cell : cells)
                if (d(cell[0], cell[1])) mark(cell[0], cell[1]);
        }
}

// Runs of drawn cells in one direction (dh, dc): each run of two gets `two`, of three or more
// `longer`. The horizontal codes come first; a later code replaces one only when the cell has none
// yet or the new code is a three-or-more vertical or diagonal code.
void runCodes(const DrawnBlock& d, int dh, int dc, uint8_t two, uint8_t longer, std::vector<uint8_t>& codes) {
    const int columns = d.chart.columns;
    for (int h = 0; h < d.height; ++h)
        for (int c = 0; c < columns; ++c) {
            if (!d(h, c) || d(h - dh, c - dc)) continue;  // not the start of a run
            int length = 1;
            while (d(h + length * dh, c + length * dc)) ++length;
            if (length < 2) continue;
            const uint8_t code = length == 2 ? two : longer;
            for (int i = 0; i < length; ++i) {
                uint8_t& cell = codes[static_cast<size_t>(h + i * dh) * columns + (c + i * dc)];
                if (cell == 0 || code == kVerticalLong || code == kDiagonalLong) cell = code;
            }
        }
}

void combinedMarks(const DrawnBlock& d, bool threeOrMore, std::vector<uint8_t>& codes) {
    runCodes(d, 0, 1, kHorizontalTwo, kHorizontalLong, codes);
    runCodes(d, 1, 0, kVerticalTwo, kVerticalLong, codes);
    runCodes(d, 1, -1, kDiagonalTwo, kDiagonalLong, codes);
    runCodes(d, 1, 1, kDiagonalTwo, kDiagonalLong, codes);
    if (threeOrMore)
        for (uint8_t& code : codes)
            if (code < kHorizontalLong) code = 0;
}

// The range first .. first + count - 1 clipped to the chart, as [first, end).
std::pair<int, int> clipped(const DistributionChart& chart, int first, int count) {
    first = std::clamp(first, 0, chart.rows());
    return {first, std::clamp(first + std::max(count, 0), first, chart.rows())};
}

}  // namespace

const std::vector<std::string>& markRuleNames() {
    static const std::vector<std::string> names = {"连号",
                                                   "重号",
                                                   "左斜连号",
                                                   "右斜连号",
                                                   "斜连号",
                                                   "左上三角",
                                                   "右上三角",
                                                   "左下三角",
                                                   "右下三角",
                                                   "三角",
                                                   "标识二个以上连号,重号,斜连号",
                                                   "标识三个以上连号,重号,斜连号",
                                                   "取消标识"};
    return names;
}

std::string DistributionChart::periodText(int row) const {
    const int32_t period = periods[static_cast<size_t>(row)];
    return period == kPredictionPeriod ? std::string("预测区") : std::to_string(period);
}

DistributionChart distributionChart(const t_s_dm& store, const GameParams& game) {
    DistributionChart chart;
    chart.lo = std::max(game.zh_from, 0);
    chart.columns = std::max(game.zh_to - chart.lo + 1, 0);
    const int k = std::clamp(game.zhgs, 0, kSlots - 1);
    const int m = game.hasspec ? std::clamp(game.fhgs, 0, kSlots - 1 - k) : 0;
    chart.header = {"期号", "开奖号码"};
    for (int c = 0; c < chart.columns; ++c) chart.header.push_back(twoDigits(chart.lo + c));
    const int count = store.RecordCount();
    chart.periods.reserve(static_cast<size_t>(count));
    chart.draws.reserve(static_cast<size_t>(count));
    chart.drawn.assign(static_cast<size_t>(count) * chart.columns, 0);
    for (int n = 1; n <= count; ++n) {
        const int32_t* record = store.record(n);
        chart.periods.push_back(record[0]);
        std::string text;
        for (int s = 1; s <= k; ++s) {
            text += twoDigits(record[s]) + " ";
            const int c = record[s] - chart.lo;
            if (c >= 0 && c < chart.columns) chart.drawn[static_cast<size_t>(n - 1) * chart.columns + c] = 1;
        }
        if (m > 0) {
            text += "- ";
            for (int s = k + 1; s <= k + m; ++s) text += twoDigits(record[s]) + " ";
        }
        chart.draws.push_back(std::move(text));
    }
    return chart;
}

int newestWindowStart(const DistributionChart& chart, int visibleRows) {
    return std::max(chart.rows() - std::max(visibleRows, 0), 0);
}

MarkMatrix markMatrix(const DistributionChart& chart, MarkRule rule, int first, int count) {
    const auto [begin, end] = clipped(chart, first, count);
    MarkMatrix m;
    m.first = begin;
    m.rows = end - begin;
    m.columns = chart.columns;
    m.marks.assign(static_cast<size_t>(m.rows) * m.columns, 0);
    if (m.rows == 0 || rule == MarkRule::None) return m;
    // D: 44 periods from two before the first row, so a run that goes on below the last visible
    // row keeps its code wherever the window ends (and never fewer than the rows asked plus one).
    const int blockFirst = std::max(begin - 2, 0);
    const int blockEnd = std::min(std::max(blockFirst + kMarkBlockPeriods, end + 1), chart.rows());
    const DrawnBlock block{chart, blockFirst, blockEnd - blockFirst};
    std::vector<uint8_t> marks(static_cast<size_t>(block.height) * chart.columns, 0);
    if (rule == MarkRule::CombinedTwoOrMore || rule == MarkRule::CombinedThreeOrMore)
        combinedMarks(block, rule == MarkRule::CombinedThreeOrMore, marks);
    else
        singleRuleMarks(block, rule, marks);
    const auto from = marks.begin() + static_cast<long>(begin - blockFirst) * chart.columns;
    std::copy(from, from + static_cast<long>(m.marks.size()), m.marks.begin());
    return m;
}

WarmthMarks warmthMarks(const DistributionChart& chart, const WarmthTimeline& timeline, int first, int count) {
    const auto [begin, end] = clipped(chart, first, count);
    WarmthMarks w;
    w.first = begin;
    w.rows = end - begin;
    w.columns = chart.columns;
    w.classes.assign(static_cast<size_t>(w.rows) * w.columns, -1);
    for (int row = begin; row < end; ++row) {
        const int classifiedAt = row == 0 ? 1 : row;  // record `row` is the one before record row + 1
        for (int c = 0; c < chart.columns; ++c)
            if (chart.isDrawn(row, c))
                w.classes[static_cast<size_t>(row - begin) * w.columns + c] =
                    static_cast<int8_t>(timeline.at(classifiedAt, chart.lo + c));
    }
    return w;
}

}  // namespace lottodesk
