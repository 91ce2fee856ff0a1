#include "indicatorcombos.h"

#include <algorithm>

#include "core/drawtext.h"
#include "core/fileio.h"
#include "core/gbktext.h"
#include "formula/shapenames.h"
#include "formula/tgs.h"
#include "indicators/context.h"

namespace lottodesk {
namespace {

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> splitBlanks(std::string_view text) {
    std::vector<std::string> parts;
    size_t at = 0;
    while (at < text.size()) {
        at = text.find_first_not_of(" \t", at);
        if (at == std::string_view::npos) break;
        size_t end = text.find_first_of(" \t", at);
        if (end == std::string_view::npos) end = text.size();
        // A byte order mark in front of a word (an editor's, not the file's first) is no part of it.
        std::string_view word = text.substr(at, end - at);
        while (word != withoutByteOrderMark(word)) word = withoutByteOrderMark(word);
        if (!word.empty()) parts.emplace_back(word);
        at = end;
    }
    return parts;
}

std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines;
    forEachLine(text, [&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    return lines;
}

// Reads a list file; a missing one is written with `fallback` first.
Status readListFile(const std::string& path, const std::string& fallback, std::string& text) {
    if (!fileExists(path)) {
        const size_t slash = path.find_last_of('/');
        if (slash != std::string::npos) makeFolders(path.substr(0, slash));
        if (Status saved = saveGbkText(path, fallback); !saved) return saved;
        text = fallback;
        return Status::success();
    }
    GbkText read = readGbkText(path);
    if (!read.status) return read.status;
    text = std::move(read.text);
    return Status::success();
}

std::string periodText(int32_t period) { return period == kPredictionPeriod ? "预测区" : std::to_string(period); }

// The main numbers, "-", the secondary numbers.
std::string drawText(const GameParams& game, const int32_t* r) {
    std::string draw;
    for (int i = 1; i <= game.zhgs && i < kSlots; ++i) draw += (i > 1 ? " " : "") + twoDigits(r[i]);
    if (game.hasspec && game.fhgs > 0) {
        draw += "-";
        for (int i = 0; i < game.fhgs && 1 + game.zhgs + i < kSlots; ++i)
            draw += (i ? " " : "") + twoDigits(r[1 + game.zhgs + i]);
    }
    return draw;
}

}  // namespace

const std::vector<ExtendedSeriesKindInfo>& extendedKinds() {
    static const std::vector<ExtendedSeriesKindInfo> kinds = {
        {ExtendedSeriesKind::Count,
         "次数相关：",
         false,
         {{"期数", 30, 0, 100}, {"下限次数", 0, 0, 100}, {"上限次数", 2, 0, 100}}},
        {ExtendedSeriesKind::Similar, "类似性相关：", false, {{"期数", 10, 0, 100}, {"相同个数", 2, 0, 1000}}},
        {ExtendedSeriesKind::Omission, "遗漏值相关：", true, {{"遗漏值从", 1, 0, 100}, {"到", 1, 0, 100}}},
        {ExtendedSeriesKind::Skip, "隔期出号相关：", true, {{"所隔期数从", 1, 0, 1000}, {"到", 1, 0, 1000}}},
        {ExtendedSeriesKind::Zone, "分区相关：", true, {{"分区数", 4, 1, 100}, {"第几分区", 1, 1, 100}}},
        {ExtendedSeriesKind::Remainder, "余数相关：", true, {{"除", 6, 0, 100}, {"余", 0, 0, 100}}},
        {ExtendedSeriesKind::Difference, "差值相关：", false, {{"差值", 2, 0, 100}}},
        {ExtendedSeriesKind::Sum, "和值相关：", false, {{"和值", 34, 0, 100}}},
        {ExtendedSeriesKind::PrevDifference, "与上期差值相关：", false, {{"差值", 2, 0, 100}}},
        {ExtendedSeriesKind::PrevSum, "与上期和值相关：", false, {{"和值", 34, 0, 100}}},
        {ExtendedSeriesKind::SameSpot, "同位遗传相关：", true, {{"类型", 0, 0, 4}, {"所隔期数", 0, 0, 1000}}},
    };
    return kinds;
}

const ExtendedSeriesKindInfo& extendedKind(ExtendedSeriesKind kind) {
    return extendedKinds()[static_cast<size_t>(kind)];
}

const std::vector<std::string>& sameSpotTypes() {
    static const std::vector<std::string> types = {"同位奇偶遗传", "同位质合遗传", "同位012路遗传", "同位尾数大小遗传",
                                                   "同位尾数大中小遗传"};
    return types;
}

std::string extendedIdentifier(ExtendedSeriesKind kind, int style, const std::vector<int32_t>& values) {
    static const char* const prefixes[] = {"c_lwr_", "c_same_0_", "c_ylz_",   "c_gqch_",  "c_fq_",  "c_ys_",
                                           "c_cz_",  "c_hz_",     "c_xw_cz_", "c_xw_hz_", "c_twyc_"};
    const ExtendedSeriesKindInfo& info = extendedKind(kind);
    std::string id = prefixes[static_cast<size_t>(kind)];
    if (info.styled) id += std::to_string(style == 1 ? 1 : 0) + "_";
    for (size_t i = 0; i < info.parameters.size(); ++i) {
        if (i) id += "_";
        id += std::to_string(i < values.size() ? values[i] : info.parameters[i].fallback);
    }
    return id;
}

const std::vector<std::string>& combinationFeatures() {
    static const std::vector<std::string> features = {"奇数个数",
                                                      "质数个数",
                                                      "平均值",
                                                      "尾组个数",
                                                      "码组个数",
                                                      "不定位遗传个数",
                                                      "定位遗传个数",
                                                      "跨度",
                                                      "最大邻位间距",
                                                      "最小邻位间距",
                                                      "邻位间距个数",
                                                      "高尾个数",
                                                      "尾值三区大数个数",
                                                      "尾值三区中数个数",
                                                      "尾值三区小数个数",
                                                      "除3余0个数",
                                                      "除3余1个数",
                                                      "除3除2个数",
                                                      "除4余0个数",
                                                      "除4余1个数",
                                                      "除4除2个数",
                                                      "除4除3个数",
                                                      "除5余0个数",
                                                      "除5余1个数",
                                                      "除5除2个数",
                                                      "除5余3个数",
                                                      "除5余4个数",
                                                      "和值",
                                                      "和尾",
                                                      "尾和"};
    return features;
}

std::string combinationFeatureIdentifier(const std::vector<std::string>& boxes, int feature) {
    std::string list;
    for (const std::string& box : boxes) {
        const std::string_view id = trimmed(box);
        if (id.empty()) break;
        if (!list.empty()) list += "|";
        list += id;
    }
    if (list.empty()) return {};
    if (feature < 0 || feature >= static_cast<int>(combinationFeatures().size())) feature = 0;
    return "getzb(c_zhfx:" + list + ":" + std::to_string(feature) + ")";
}

const std::vector<std::string>& patternTypes() {
    static const std::vector<std::string> types = {
        "单选奇偶",       "组选奇偶",  "单选质合",  "组选质合",   "尾的单选大小", "尾的组选大小", "尾的单选大中小",
        "尾的组选大中小", "单选012路", "组选012路", "单选复隔中", "组选复隔中",   "单选邻孤传",   "组选邻孤传"};
    return types;
}

const std::vector<std::string>& morePatternMeasures() {
    static const std::vector<std::string> measures = {
        "ID值",         "位积和",       "AC值",          "遗传值",           "码距值",      "跨度值",
        "平均值",       "最大数",       "中间数",        "最小数",           "和值",        "和尾",
        "同位奇偶遗传", "同位质合遗传", "同位012路遗传", "同位尾数大小遗传", "同位重号个数"};
    return measures;
}

std::string patternIdentifier(const std::vector<std::string>& indicators, int type) {
    std::string list;
    for (const std::string& id : indicators) {
        if (!list.empty()) list += "|";
        list += trimmed(id);
    }
    return "c_" + std::to_string(indicators.size()) + "zbzh:" + list + ":" + std::to_string(type);
}

std::vector<std::string> patternValueLines(int indicatorCount, int type) {
    std::vector<std::string> lines;
    const int count = patternValueCount(indicatorCount, type);
    for (int v = 0; v < count; ++v) lines.push_back(std::to_string(v) + "=  " + patternName(indicatorCount, type, v));
    return lines;
}

ComboTable patternTable(const Workspace& ws, const std::vector<std::string>& indicators, int firstRecord,
                        int lastRecord) {
    ComboTable table;
    table.header = {"期数", "开奖号"};
    table.header.insert(table.header.end(), indicators.begin(), indicators.end());
    for (const std::string& type : patternTypes()) table.header.push_back(type);
    firstRecord = std::max(firstRecord, 1);
    lastRecord = std::min(lastRecord, ws.sjk.RecordCount());
    const int m = static_cast<int>(indicators.size());
    if (firstRecord > lastRecord || m < 2 || m > 3) return table;
    SeriesMemo memo;
    const IndicatorContext ctx = indicatorContext(ws, &memo);
    std::vector<tgs> values, patterns;
    for (const std::string& id : indicators) values.emplace_back(id);
    for (int t = 0; t < static_cast<int>(patternTypes().size()); ++t)
        patterns.emplace_back(patternIdentifier(indicators, t));
    for (int n = firstRecord; n <= lastRecord; ++n) {
        const int32_t* r = ws.sjk.record(n);
        std::vector<std::string> row = {periodText(r[0]), drawText(ws.game, r)};
        for (std::vector<tgs>* formulas : {&values, &patterns}) {
            for (size_t i = 0; i < formulas->size(); ++i) {
                const EvalResult result = (*formulas)[i].evaluate(ctx, n);
                if (!result.ok) {
                    table.status = Status::failure(StatusCode::BadFormula, "公式有误:" + result.message);
                    table.rows.clear();
                    return table;
                }
                row.push_back(formulas == &values ? std::to_string(result.value)
                                                  : patternName(m, static_cast<int>(i), result.value));
            }
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::vector<CommonCombination> parseCommonCombinations(std::string_view text) {
    std::vector<CommonCombination> entries;
    for (const std::string& line : linesOf(text)) {
        std::vector<std::string> parts = splitBlanks(line);
        if (parts.empty()) continue;
        CommonCombination entry;
        entry.name = parts.front();
        entry.indicators.assign(parts.begin() + 1, parts.end());
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string commonCombinationsText(const std::vector<CommonCombination>& entries) {
    std::string text;
    for (const CommonCombination& e : entries) {
        text += e.name;
        for (const std::string& id : e.indicators) text += " " + id;
        text += "\n";
    }
    return text;
}

CommonCombinationLoad loadCommonCombinations(const std::string& path, const std::vector<CommonCombination>& fallback) {
    CommonCombinationLoad load;
    std::string text;
    load.status = readListFile(path, commonCombinationsText(fallback), text);
    if (load.status) load.entries = parseCommonCombinations(text);
    return load;
}

Status saveCommonCombinations(const std::string& path, const std::vector<CommonCombination>& entries) {
    return saveGbkText(path, commonCombinationsText(entries));
}

std::vector<CommonCombination> defaultFeatureCombinations() {
    return {{"前三位尾数", {"z_num1_w", "z_num2_w", "z_num3_w"}},
            {"后三位尾数", {"z_num4_w", "z_num5_w", "z_num6_w"}},
            {"六位尾数", {"z_num1_w", "z_num2_w", "z_num3_w", "z_num4_w", "z_num5_w", "z_num6_w"}},
            {"前三位号码", {"z_num1", "z_num2", "z_num3"}},
            {"后三位号码", {"z_num4", "z_num5", "z_num6"}}};
}

std::vector<CommonCombination> defaultPatternCombinations() {
    return {{"前三位尾数", {"z_num1_w", "z_num2_w", "z_num3_w"}},
            {"中间三位尾数", {"z_num2_w", "z_num3_w", "z_num4_w"}},
            {"后三位尾数", {"z_num4_w", "z_num5_w", "z_num6_w"}},
            {"首尾号码", {"z_num1", "z_num6"}},
            {"和值与跨度", {"z_hz", "xc61"}}};
}

std::vector<std::string> boxesOf(const CommonCombination& entry, int boxes) {
    std::vector<std::string> filled(
        entry.indicators.begin(),
        entry.indicators.begin() + std::min<size_t>(entry.indicators.size(), static_cast<size_t>(std::max(0, boxes))));
    filled.resize(static_cast<size_t>(std::max(0, boxes)));
    return filled;
}

MosaicEntry parseMosaicLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    if (!line.empty() && (line.front() == ' ' || line.front() == '\t')) return {"", std::string(trimmed(line))};
    const size_t blank = line.find_first_of(" \t");
    if (blank == std::string_view::npos) return {std::string(line), std::string(line)};
    const std::string_view caption = trimmed(line.substr(blank + 1));
    return {std::string(line.substr(0, blank)),
            caption.empty() ? std::string(line.substr(0, blank)) : std::string(caption)};
}

std::string mosaicLine(const MosaicEntry& entry) {
    if (entry.formula.empty()) return " " + entry.caption;
    return entry.formula + " " + entry.caption;
}

std::vector<MosaicEntry> parseMosaic(std::string_view text) {
    std::vector<MosaicEntry> entries;
    for (const std::string& line : linesOf(text))
        if (!trimmed(line).empty()) entries.push_back(parseMosaicLine(line));
    return entries;
}

std::string mosaicText(const std::vector<MosaicEntry>& entries) {
    std::string text;
    for (const MosaicEntry& e : entries) text += mosaicLine(e) + "\n";
    return text;
}

MosaicLoad loadMosaic(const std::string& path, bool createMissing) {
    MosaicLoad load;
    std::string text;
    if (createMissing) {
        load.status = readListFile(path, mosaicText(defaultMosaic()), text);
    } else {
        GbkText read = readGbkText(path);
        load.status = read.status;
        text = std::move(read.text);
    }
    if (load.status) load.entries = parseMosaic(text);
    return load;
}

Status saveMosaic(const std::string& path, const std::vector<MosaicEntry>& entries) {
    return saveGbkText(path, mosaicText(entries));
}

std::vector<MosaicEntry> defaultMosaic() {
    return {{"z_hz", "和值"},
            {"xc61", "跨度"},
            {"z_ac", "AC值"},
            {"z_jsgs", "奇数个数"},
            {"z_zsgs", "质数个数"},
            {"z_dsgs", "大数个数"},
            {"z_cmgs", "重码个数"},
            {"z_lmzs", "连码组数"},
            {"z_wzgs", "尾组个数"},
            {"z_zdjj", "最大间距"},
            {"getylz(z_hz)", "和值遗漏"},
            {"getzf(z_hz)", "和值振幅"}};
}

ComboTable mosaicTable(const Workspace& ws, const std::vector<MosaicEntry>& entries, int firstRecord, int lastRecord) {
    ComboTable table;
    table.header = {"期数", "开奖号"};
    for (const MosaicEntry& e : entries) table.header.push_back(e.caption);
    firstRecord = std::max(firstRecord, 1);
    lastRecord = std::min(lastRecord, ws.sjk.RecordCount());
    if (firstRecord > lastRecord) return table;
    SeriesMemo memo;
    const IndicatorContext ctx = indicatorContext(ws, &memo);
    std::vector<tgs> formulas;
    formulas.reserve(entries.size());
    for (const MosaicEntry& e : entries) formulas.emplace_back(e.formula);
    table.rows.reserve(static_cast<size_t>(lastRecord - firstRecord + 1));
    for (int n = firstRecord; n <= lastRecord; ++n) {
        const int32_t* r = ws.sjk.record(n);
        std::vector<std::string> row;
        row.reserve(table.header.size());
        row.push_back(periodText(r[0]));
        row.push_back(drawText(ws.game, r));
        for (size_t e = 0; e < entries.size(); ++e) {
            if (entries[e].formula.empty()) {
                row.emplace_back();
                continue;
            }
            const EvalResult result = formulas[e].evaluate(ctx, n);
            row.push_back(result.ok ? std::to_string(result.value) : "公式有误:" + result.message);
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace lottodesk
