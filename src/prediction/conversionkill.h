#pragma once
// The two pages of the conversion-table kill: the conversion table of an indicator over the whole
// history ("转换表") and the kill run over a range of draws ("转换法杀号"). Both are computed once
// per run into texts and flags the pages show as they are.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion.h"
#include "core/status.h"
#include "core/workspace.h"

namespace lottodesk {

// The indicator values of `id` at records first..last of the history (cursor untouched).
// Failure: the identifier is not one the indicator lookup knows.
Status conversionSeries(const Workspace& ws, std::string_view id, int first, int last, std::vector<int32_t>& values);

// The caption of an indicator column: the registry's display name, else the identifier.
std::string indicatorCaption(const Workspace& ws, std::string_view id);

// "转换表": one row per record of the history (the prediction record as "预测区").
struct ConversionTable {
    Status status;
    std::vector<std::string> header;  // "期数", "开奖号", the indicator's name, "转换1".."转换200"
    std::vector<int32_t> periods;     // per row (index 0 for row 1)
    std::vector<std::string> draws;   // "开奖号" per row
    ConversionChain chain;

    int rows() const { return chain.rows(); }
    // The text of a cell: row 1..rows(), column 0..header.size() - 1.
    std::string cell(int row, int column) const;
    // "计算对应值": for each value typed (separated by blanks) the indicator value that gives it in
    // chain column `column` (0 the indicator) at the row after the last, each followed by a blank;
    // 0 for a value no indicator value gives. Failure: a typed text that is not an integer.
    Status correspondingValues(int column, std::string_view typed, std::string& text) const;
    // "导出指定列": the caption row and every row, "期数" cell, four blanks, the column's cell.
    std::vector<std::string> exportLines(int column) const;
};

ConversionTable conversionTable(const Workspace& ws, std::string_view id, int columns = kConversionColumns);

// The controls of "转换法杀号".
struct ConversionKillOptions {
    int firstColumn = 1;  // "<=转换表使用范围<=": columns firstColumn..lastColumn of 1..200
    int lastColumn = 30;
    int32_t fromPeriod = 0;  // "<=分析期数<=": 0 takes the first / the last draw
    int32_t toPeriod = 0;
};

enum class KillVerdict : uint8_t {
    None,
    Right,
    Wrong,
};

struct ConversionKillRow {
    std::string period;     // the period, "预测期", or "正确率"
    std::string draw;       // main numbers
    std::string secondary;  // secondary numbers (the column exists when the game has them)
    std::string value;      // the indicator value
    std::string kills;      // "绝杀：x(n),...普杀：x(n),..."
    std::string verdict;    // "正确", "错误", or the accuracy on the last row
    std::string positions;  // "绝杀位置：k,...普杀位置：k,..."
    KillVerdict mark = KillVerdict::None;
    std::array<uint8_t, kConversionValues> absolute{};  // kill counts by value
    std::array<uint8_t, kConversionValues> ordinary{};
};

struct ConversionKill {
    Status status;  // failure: an unknown indicator or a period that is not a draw
    std::vector<std::string> header;
    std::vector<ConversionKillRow> rows;  // the draws, then "预测期" and "正确率" (none for an empty range)
    int right = 0;
    int tested = 0;        // rows that carry a verdict: draws - 1
    std::string accuracy;  // right x 100 / tested (integer division) + "%"; empty when nothing was tested
};

ConversionKill conversionKill(const Workspace& ws, std::string_view id, const ConversionKillOptions& options);

}  // namespace lottodesk
