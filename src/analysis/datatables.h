#pragma once
// The data tables of the trend analysis ("数据表1".."数据表3"): one row per record of the history,
// the prediction record included, column 0 the period or "预测区". Computed once per run into
// flat rows of texts the page shows as they are.

#include <cstdint>
#include <string>
#include <vector>

#include "core/cpstyle.h"
#include "core/partition.h"
#include "core/s_dm.h"
#include "core/settings.h"

namespace lottodesk {

struct DataTable {
    std::vector<std::string> header;
    std::vector<std::string> cells;  // row-major, header.size() per row

    int columns() const { return static_cast<int>(header.size()); }
    int rows() const { return columns() == 0 ? 0 : static_cast<int>(cells.size()) / columns(); }
    const std::string& cell(int row, int column) const {
        return cells[static_cast<size_t>(row) * header.size() + static_cast<size_t>(column)];
    }
};

// "数据表1": the drawn numbers by position (`zhname` + 1..zhgs, `specname` with the position when
// the game has several secondary numbers), then the counts, ratios and lists of each draw. The
// counting columns are the registry's indicators for the record (z_wzgs, z_lmzs, z_cmgs, z_nmzs,
// z_jsgs, z_zsgs, z_zdjj, z_zxjj, z_jjgs, z_hz, z_wh); the number lists are ascending, each
// number two digits followed by ",".
DataTable dataTable1(const t_s_dm& store, const GameParams& game, const ZonePartitions& partitions,
                     const std::string& zhname, const std::string& specname);

// "数据表2": the class counts of the main numbers joined by ":": small:big (the big-number count
// rule), the three, five and seven zones of the main range, and the remainders by 3, 4 and 5.
DataTable dataTable2(const t_s_dm& store, const GameParams& game, const ZonePartitions& partitions);

// "数据表3": the cold/warm/hot numbers of each period, classified into lists of its own (the
// workspace's lists stay as they are). Columns: "期数", `zhname` + "冷温热比", "本期开奖冷号",
// "本期开奖温号", "本期开奖热号", "下期冷温热号", and the same five for the secondary zone when the
// game has secondary numbers.
DataTable dataTable3(const t_s_dm& store, const GameParams& game, const ColdHotSettings& settings,
                     const std::string& zhname, const std::string& specname);

}  // namespace lottodesk
