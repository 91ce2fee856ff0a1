#include "conversionkill.h"

#include <algorithm>

#include "core/drawtext.h"
#include "core/integertext.h"
#include "indicators/context.h"
#include "indicators/registry.h"

namespace lottodesk {
namespace {

bool hasSecondary(const GameParams& game) { return game.hasspec && game.fhgs > 0; }

std::string numbersText(const int32_t* record, int first, int count) {
    std::string text;
    for (int i = 0; i < count && first + i < kSlots; ++i) text += twoDigits(record[first + i]) + " ";
    return text;
}

// "开奖号" of the conversion table: the main numbers, then "-" and the secondary numbers.
std::string tableDraw(const int32_t* record, const GameParams& game) {
    std::string text = numbersText(record, 1, game.zhgs);
    if (hasSecondary(game)) text += "-" + numbersText(record, game.zhgs + 1, game.fhgs);
    return text;
}

std::string periodText(int32_t period) {
    return period == kPredictionPeriod ? std::string("预测区") : std::to_string(period);
}

std::string killText(const std::array<uint8_t, kConversionValues>& absolute,
                     const std::array<uint8_t, kConversionValues>& ordinary) {
    std::string text = "绝杀：";
    for (int x = 0; x < kConversionValues; ++x)
        if (absolute[static_cast<size_t>(x)])
            text += std::to_string(x) + "(" + std::to_string(absolute[static_cast<size_t>(x)]) + "),";
    text += "普杀：";
    for (int x = 0; x < kConversionValues; ++x)
        if (ordinary[static_cast<size_t>(x)])
            text += std::to_string(x) + "(" + std::to_string(ordinary[static_cast<size_t>(x)]) + "),";
    return text;
}

}  // namespace

Status conversionSeries(const Workspace& ws, std::string_view id, int first, int last, std::vector<int32_t>& values) {
    const ResolvedIdentifier resolved = resolveIdentifier(id);
    if (resolved.kind == ResolvedIdentifier::Unknown || resolved.isFormulaFamily() || resolved.conversionError)
        return Status::failure(StatusCode::BadFormula, "指标代码有误：" + std::string(id));
    SeriesMemo memo;
    const IndicatorContext ctx = indicatorContext(ws, &memo);
    values.clear();
    values.reserve(static_cast<size_t>(std::max(last - first + 1, 0)));
    for (int n = first; n <= last; ++n) values.push_back(resolvedValue(resolved, id, ctx, n));
    return Status::success();
}

std::string indicatorCaption(const Workspace& ws, std::string_view id) {
    tsetaccostr entry;
    if (Registry::instance().lookup_name(id, ws.game, ws.current().specname, entry) && !entry.name.empty())
        return entry.name;
    return std::string(id);
}

std::string ConversionTable::cell(int row, int column) const {
    if (row < 1 || row > rows()) return {};
    if (column == 0) return periodText(periods[static_cast<size_t>(row - 1)]);
    if (column == 1) return draws[static_cast<size_t>(row - 1)];
    if (column - 2 > chain.columns()) return {};
    return std::to_string(chain.at(row, column - 2));
}

Status ConversionTable::correspondingValues(int column, std::string_view typed, std::string& text) const {
    text.clear();
    size_t at = 0;
    while (at < typed.size()) {
        if (typed[at] == ' ') {
            ++at;
            continue;
        }
        const size_t end = std::min(typed.find(' ', at), typed.size());
        const std::optional<int> value = parseInteger(typed.substr(at, end - at));
        if (!value)
            return Status::failure(StatusCode::BadInput,
                                   "“" + std::string(typed.substr(at, end - at)) + "”不是有效的整数");
        const int x = chain.inverse(column, *value);
        text += std::to_string(x) + " ";
        at = end;
    }
    return Status::success();
}

std::vector<std::string> ConversionTable::exportLines(int column) const {
    std::vector<std::string> lines;
    if (column < 0 || column > chain.columns()) return lines;
    lines.push_back(header[0] + "    " + header[static_cast<size_t>(column) + 2]);
    for (int r = 1; r <= rows(); ++r) lines.push_back(cell(r, 0) + "    " + cell(r, column + 2));
    return lines;
}

ConversionTable conversionTable(const Workspace& ws, std::string_view id, int columns) {
    ConversionTable t;
    columns = std::clamp(columns, 0, kConversionColumns);
    const int count = ws.sjk.RecordCount();
    std::vector<int32_t> values;
    t.status = conversionSeries(ws, id, 1, count, values);
    if (!t.status) return t;
    t.header = {"期数", "开奖号", indicatorCaption(ws, id)};
    for (int k = 1; k <= columns; ++k) t.header.push_back("转换" + std::to_string(k));
    t.periods.reserve(static_cast<size_t>(count));
    t.draws.reserve(static_cast<size_t>(count));
    for (int n = 1; n <= count; ++n) {
        const int32_t* record = ws.sjk.record(n);
        t.periods.push_back(record[0]);
        t.draws.push_back(tableDraw(record, ws.game));
    }
    t.chain = ConversionChain(values.data(), count, columns);
    return t;
}

ConversionKill conversionKill(const Workspace& ws, std::string_view id, const ConversionKillOptions& options) {
    ConversionKill result;
    const DrawHistory history = DrawHistory::of(ws.sjk);
    const int lastDraw = history.lastDraw();
    if (lastDraw == 0) return result;  // no draw yet: nothing to show
    const int from = options.fromPeriod == 0 ? std::min(1, lastDraw) : history.recordOfPeriod(options.fromPeriod);
    const int to = options.toPeriod == 0 ? lastDraw : history.recordOfPeriod(options.toPeriod);
    for (const auto& [period, record] : {std::pair{options.fromPeriod, from}, std::pair{options.toPeriod, to}})
        if (record == 0 || record > lastDraw) {
            result.status =
                Status::failure(StatusCode::NoSuchPeriod, "数据库中没有第" + std::to_string(period) + "期的记录");
            return result;
        }
    std::vector<int32_t> values;
    result.status = conversionSeries(ws, id, from, to, values);
    if (!result.status) return result;

    const bool secondary = hasSecondary(ws.game);
    result.header = {"期数", "开奖号"};
    if (secondary) result.header.push_back(ws.current().specname);
    for (const char* caption : {"", "杀号", "是否正确", "杀号位置"})
        result.header.push_back(*caption ? std::string(caption) : indicatorCaption(ws, id));
    const int rows = static_cast<int>(values.size());
    if (rows == 0) return result;

    const int first = std::clamp(options.firstColumn, 1, kConversionColumns);
    const int last = std::clamp(options.lastColumn, 1, kConversionColumns);
    result.rows.resize(static_cast<size_t>(rows) + 2);
    ConversionWalk walk(last);
    std::vector<int32_t> row(static_cast<size_t>(last) + 1);
    std::vector<int32_t> runValue(static_cast<size_t>(last) + 1, 0);
    std::vector<int32_t> runLength(static_cast<size_t>(last) + 1, 0);
    std::vector<int8_t> image;
    for (int r = 1; r <= rows; ++r) {
        const int32_t* record = ws.sjk.record(from + r - 1);
        ConversionKillRow& shown = result.rows[static_cast<size_t>(r - 1)];
        shown.period = std::to_string(record[0]);
        shown.draw = numbersText(record, 1, ws.game.zhgs);
        if (secondary) shown.secondary = numbersText(record, ws.game.zhgs + 1, ws.game.fhgs);
        shown.value = std::to_string(values[static_cast<size_t>(r - 1)]);

        walk.push(values[static_cast<size_t>(r - 1)], row.data());
        bool anyRun = false;
        for (int k = first; k <= last; ++k) {
            const size_t c = static_cast<size_t>(k);
            runLength[c] = (r > 1 && row[c] == runValue[c]) ? runLength[c] + 1 : 1;
            runValue[c] = row[c];
            anyRun = anyRun || runLength[c] == 2 || runLength[c] == 3;
        }

        ConversionKillRow& next = result.rows[static_cast<size_t>(r)];
        std::string absolutePositions, ordinaryPositions;
        if (anyRun) {
            walk.images(last, image);
            for (int k = first; k <= last; ++k) {
                const int32_t length = runLength[static_cast<size_t>(k)];
                if (length != 2 && length != 3) continue;
                const int8_t* column = image.data() + static_cast<size_t>(k - 1) * kConversionValues;
                const int8_t* hit = std::find(column, column + kConversionValues, runValue[static_cast<size_t>(k)]);
                // The inverse conversion takes 0 when no indicator value gives the column's value.
                const size_t x = hit == column + kConversionValues ? 0 : static_cast<size_t>(hit - column);
                if (length == 3) {
                    ++next.absolute[x];
                    absolutePositions += std::to_string(k) + ",";
                } else {
                    ++next.ordinary[x];
                    ordinaryPositions += std::to_string(k) + ",";
                }
            }
        }
        next.kills = killText(next.absolute, next.ordinary);
        next.positions = "绝杀位置：" + absolutePositions + "普杀位置：" + ordinaryPositions;
        if (r < rows) {
            const int32_t actual = values[static_cast<size_t>(r)];
            const bool killed =
                actual >= 0 && actual <= kConversionTop &&
                (next.absolute[static_cast<size_t>(actual)] || next.ordinary[static_cast<size_t>(actual)]);
            next.mark = killed ? KillVerdict::Wrong : KillVerdict::Right;
            next.verdict = killed ? "错误" : "正确";
            result.right += killed ? 0 : 1;
        }
    }
    result.rows[static_cast<size_t>(rows)].period = "预测期";
    result.tested = rows - 1;
    if (result.tested > 0) result.accuracy = std::to_string(result.right * 100 / result.tested) + "%";
    ConversionKillRow& summary = result.rows.back();
    summary.period = "正确率";
    summary.verdict = result.accuracy;
    return result;
}

}  // namespace lottodesk
