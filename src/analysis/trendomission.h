#pragma once
// The omission tables of the trend analysis ("红号遗漏图表", "蓝号遗漏图表", "尾数遗漏图表"): one
// row per record of the analysis range, a column per number in the chosen order, the draw text of
// each row and six statistics rows. Omissions come from the drawn flags of each record, never from
// the text of a cell. Computed once per (history version, game, options) into flat arrays and
// texts; the page only shows them.

#include <cstdint>
#include <string>
#include <vector>

#include "core/status.h"
#include "core/workspace.h"
#include "omission.h"

namespace lottodesk {

enum class OmissionVariant : uint8_t {
    Main,       // "红号遗漏图表": numbers zh_from..zh_to
    Secondary,  // "蓝号遗漏图表": numbers spec_from..spec_to
    Tails,      // "尾数遗漏图表": tails 0..9
};

// The zone radio buttons of the main table: whose numbers count as drawn and make the draw text.
enum class OmissionZone : uint8_t {
    Main,       // "红号"
    Secondary,  // "蓝号"
    Both,       // "红号和蓝号"
};

// "按类型显示".
enum class TypeHighlight : uint8_t {
    All,        // "显示全部"
    Odd,        // "显示奇数号"
    Even,       // "显示偶数号"
    Prime,      // "显示质数号"
    Composite,  // "显示合数号"
    Route0,     // "显示0路号"
    Route1,     // "显示1路号"
    Route2,     // "显示2路号"
};
const std::vector<std::string>& typeHighlightNames();

struct OmissionOptions {
    OmissionVariant variant = OmissionVariant::Main;
    int32_t fromPeriod = 0;  // "<=分析区域<=": 0 takes the first record
    int32_t toPeriod = 0;    // 0 takes the last record (the prediction record when there is one)
    OmissionZone zone = OmissionZone::Main;
    bool tailsWithSecondary = false;  // "主号和特别号" on the tail table
    int order = 0;                    // "按类型排序", 0..20 (see columnOrder)
    int zones = 0;                    // "分区": 2..15 zones shaded alternately; other values none
    TypeHighlight highlight = TypeHighlight::All;

    bool operator==(const OmissionOptions&) const = default;
};

// The labels of the six statistics rows, in order.
inline constexpr const char* kOmissionStatLabels[] = {"选号区",   "出现次数", "最大遗漏",
                                                      "平均遗漏", "上次遗漏", "本次遗漏"};
inline constexpr int kOmissionStatRows = 6;

struct OmissionView {
    Status status;  // failure: a period that is not in the history
    OmissionOptions options;
    std::vector<std::string> header;   // "期号", the numbers, "开奖号码"
    std::vector<int32_t> numbers;      // the number (or tail) of each number column, in display order
    std::vector<uint8_t> highlighted;  // per number column: of the chosen type (all for "显示全部")
    std::vector<uint8_t> shade;        // per number column: 0 or 1, alternating over the zones
    std::vector<int32_t> periods;      // per row
    std::vector<std::string> draws;    // the draw text of each row
    OmissionTable table;               // cells (0 where drawn) and statistics, in display order

    int rows() const { return table.rows; }
    int numberColumns() const { return table.columns; }
    bool drawn(int row, int column) const { return table.cell(row, column) == 0; }
    // The text of a cell of a period row: column 0 the period ("预测区"), 1..numberColumns() the
    // number where drawn or the running omission, the last column the draw text.
    std::string cell(int row, int column) const;
    // The cells of statistics row `stat` (0..5): the label, then one per number column, then "".
    std::vector<std::string> statRow(int stat) const;
};

OmissionView computeOmissionView(const t_s_dm& store, const GameParams& game, const OmissionOptions& options);

// The last view, kept per (store, version, game, options).
class OmissionPage {
public:
    const OmissionView& run(const t_s_dm& store, const GameParams& game, const OmissionOptions& options);
    const OmissionView& run(const Workspace& ws, const OmissionOptions& options) {
        return run(ws.sjk, ws.game, options);
    }

private:
    const t_s_dm* m_store = nullptr;
    uint64_t m_version = 0;
    GameParams m_game;
    OmissionView m_view;
};

}  // namespace lottodesk
