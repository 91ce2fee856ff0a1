#pragma once
// The association analysis ("关联分析"): the draws that satisfy position, period-tail and
// indicator conditions, each beside the draw that followed it. Only real draws take part (never
// the prediction record), so the newest draw has no next draw. Computed into flat rows of texts.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/status.h"
#include "derivedstore.h"
#include "indicators/drawhistory.h"

namespace lottodesk {

inline constexpr int kAssociationPositions = 7;  // position boxes 1..7
inline constexpr int kAssociationSlots = 3;      // "指标一" .. "指标三"
inline constexpr int kAnyValue = -1;             // a box at "all"

struct AssociationSlot {
    bool active = false;
    std::string expression;        // an indicator identifier or a formula
    std::vector<int32_t> allowed;  // ascending; empty = any value

    bool operator==(const AssociationSlot&) const = default;
};

struct AssociationOptions {
    // Per box p = 1..7 (index p - 1): kAnyValue or the chosen value 0..49.
    std::array<int, kAssociationPositions> positions{kAnyValue, kAnyValue, kAnyValue, kAnyValue,
                                                     kAnyValue, kAnyValue, kAnyValue};
    bool unbound = false;        // "红球不对位": boxes 1..k match any main number of the draw
    int periodTail = kAnyValue;  // "期号尾": kAnyValue or 0..9
    std::array<AssociationSlot, kAssociationSlots> slots;

    bool operator==(const AssociationOptions&) const = default;
    int activeSlots() const;
};

struct AssociationTable {
    Status status;  // failure: a formula stopped (the message names it); the table is then empty
    AssociationOptions options;
    int half = 0;      // W = k + s + A + 1: the left half is columns 0..W-1, the right half W..2W-1
    int nextRows = 0;  // M': rows with a next draw
    std::vector<std::string> header;
    std::vector<std::string> cells;  // row-major, 2W per row; empty cells where nothing is written
    std::string caption;             // "本期系列一共有" M "条;下期系列一共有" M' "条"

    int columns() const { return static_cast<int>(header.size()); }
    int rows() const { return columns() == 0 ? 0 : static_cast<int>(cells.size()) / columns(); }
    const std::string& cell(int row, int column) const {
        return cells[static_cast<size_t>(row) * header.size() + static_cast<size_t>(column)];
    }
};

// The table over the context's history; `zhname` and `specname` label the number columns.
AssociationTable associationTable(const IndicatorContext& ctx, const std::string& zhname, const std::string& specname,
                                  const AssociationOptions& options);

struct Workspace;

// The last table, kept per (store, version, game, zone labels, options); the indicator slots are
// evaluated with a memo of the page's own.
class AssociationPage {
public:
    AssociationPage();
    ~AssociationPage();
    const AssociationTable& run(const Workspace& ws, const AssociationOptions& options);

private:
    const t_s_dm* m_store = nullptr;
    uint64_t m_version = 0;
    GameParams m_game;
    std::string m_names;
    bool m_ready = false;
    std::unique_ptr<SeriesMemo> m_memo;
    AssociationTable m_table;
};

// "导出下期系列开奖数据": one line per row while its next period is not empty: the next period and
// the next draw's numbers (main and secondary with `withSecondary`, else main only), each value
// followed by one blank.
std::vector<std::string> associationExportLines(const AssociationTable& table, int zhgs, int fhgs, bool withSecondary);

// The detail analysis of a double-clicked column: the column's values, row by row while the half's
// period cell is filled, with the half's period and numbers, into `store` (cleared first). Nothing
// for column 0, "下期期号" and columns outside the table. A row whose cell is empty (a next-period
// indicator that could not be evaluated) is left out. The range is the values' minimum..maximum;
// when they are equal the maximum becomes minimum + zhgs - 1.
struct AssociationColumnSeries {
    std::string caption;  // the column's header
    int32_t lo = 0;
    int32_t hi = 0;
};
std::optional<AssociationColumnSeries> associationColumnSeries(const AssociationTable& table, int column, int zhgs,
                                                               int fhgs, DerivedStore& store);

}  // namespace lottodesk
