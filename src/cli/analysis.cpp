// The indicator analysis on the command line: `analyse` ("开始剖析") and the views of the analysed
// series, the `table analysis` row of the view registry (cli/tableviews.h).
#include "cli/command.h"
#include "cli/common.h"
#include "cli/formulacheck.h"
#include "cli/tableviews.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <ostream>

#include "analysis/analysisseries.h"
#include "analysis/columnorder.h"
#include "analysis/fieldlayouts.h"
#include "analysis/drawwindow.h"
#include "analysis/seriestrends.h"
#include "analysis/signalchart.h"
#include "analysis/trendomission.h"
#include "analysis/valueclasses.h"
#include "analysis/valueviews.h"
#include "core/integertext.h"
#include "core/workspace.h"
#include "formula/precheck.h"

namespace lottodesk::cli {
namespace {

constexpr const char* kAnalyseUsage = "用法: analyse TEXT [--from A] [--to B] [--lenient]";

// The three-digit range boxes of "指标管理" and "取值范围及分区" ("<=指标取值范围<=").
constexpr Bounds kTypedRangeBounds{-999, 999};
// The boxes of "最小值：", "最大值：" (数据分布图) and "（大数>＝" (信号图).
constexpr Bounds kValueBoxBounds{-99999, 99999};

// The typed range of the two range fields (named `loName`, `hiName` on the command line): only
// when both hold a number. A field that holds text is refused with the conversion message (kStopped),
// a number beyond the boxes' three digits as a usage error (kUsage).
int typedRange(const Options& opts, const char* loName, const char* hiName, const char* usageText,
               std::optional<ValueRange>& range, std::ostream& err) {
    std::optional<int> ends[2];
    const char* names[2] = {loName, hiName};
    for (int i = 0; i < 2; ++i) {
        if (!opts.has(names[i])) continue;
        const std::string& text = opts.value(names[i]);
        if (!parseInteger(text)) {
            err << notAnIntegerMessage(text) << '\n';
            return kStopped;
        }
        ends[i] = boundedValue(text, names[i], kTypedRangeBounds, err, usageText);
        if (!ends[i]) return kUsage;
    }
    if (ends[0] && ends[1]) range = ValueRange{*ends[0], *ends[1]};
    return kDone;
}

// "开始剖析" of `text` into the session; prints the failure.
bool analysed(AnalysisSession& session, const Workspace& ws, const std::string& text,
              const std::optional<ValueRange>& typed, std::ostream& err) {
    const Status status = session.analyse(ws, text, typed, text);
    if (!status) err << status.message << '\n';
    return status.ok;
}

constexpr const char* kTableUsage =
    "用法: table analysis TEXT [--lo A] [--hi B] [--view V] [OPTIONS]  (lottodesk-cli "
    "help table)";

struct ViewRun {
    const Workspace& ws;
    const AnalysisSeries& series;
    const Options& opts;
    TableWriter& out;
    std::ostream& err;

    std::string option(const char* name, const std::string& fallback) const { return opts.valueOr(name, fallback); }
};

// "--kline": the K-line type by its caption.
std::optional<KLineType> kLineType(const std::string& text) {
    if (text == "常规图") return KLineType{KLineKind::Regular};
    if (text == "尾数图") return KLineType{KLineKind::Tail};
    if (text == "振幅图") return KLineType{KLineKind::Amplitude};
    if (text == "遗漏图") return KLineType{KLineKind::Omission};
    if (text == "遗漏振幅图") return KLineType{KLineKind::OmissionAmplitude};
    const std::string head = "除", tail = "余数";
    if (text.size() > head.size() + tail.size() && text.rfind(head, 0) == 0 &&
        text.compare(text.size() - tail.size(), tail.size(), tail) == 0) {
        const std::optional<int> k = parseInteger(text.substr(head.size(), text.size() - head.size() - tail.size()));
        if (k && *k >= 2 && *k <= 20) return KLineType{KLineKind::Remainder, *k};
    }
    return std::nullopt;
}

std::optional<SignalKind> signalKind(const std::string& text) {
    if (text == "升降图") return SignalKind::RiseFall;
    if (text == "奇偶图") return SignalKind::OddEven;
    if (text == "质合图") return SignalKind::PrimeComposite;
    if (text == "大小图") return SignalKind::BigSmall;
    return std::nullopt;
}

// "（大数>＝": the typed number, by default the first value of the range's upper half.
std::optional<int> bigOption(const ViewRun& run) {
    const ValueRange range = run.series.range;
    const int64_t upperHalf = range.lo + (int64_t{range.hi} - range.lo + 1) / 2;
    return boundedOption(run.opts, "--big", static_cast<int32_t>(std::min<int64_t>(upperHalf, INT32_MAX)),
                         kValueBoxBounds, run.err, kTableUsage);
}

int signalChartView(const ViewRun& run) {
    const std::optional<KLineType> type = kLineType(run.option("--kline", "常规图"));
    const std::optional<SignalKind> signal = signalKind(run.option("--signal", "升降图"));
    const std::string display = run.option("--display", "文字表示");
    if (!type || !signal || (display != "文字表示" && display != "符号表示")) return usage(run.err, kTableUsage);
    const std::optional<int> big = bigOption(run);
    if (!big) return kUsage;
    const std::vector<int32_t> t = transformedSeries(run.series.values, *type);
    const std::vector<Candle> bars = candles(t);
    const std::vector<uint8_t> signals = signalRow(t, *signal, *big);
    static const char* const kinds[] = {"线", "红", "绿"};
    run.out.header({"期号", "值", "开盘", "收盘", "形态", "信号"});
    for (int n = 1; n <= run.series.count(); ++n) {
        const Candle& c = bars[static_cast<size_t>(n)];
        run.out.row({std::to_string(run.ws.sjk.record(n)[0]), std::to_string(t[static_cast<size_t>(n)]),
                     std::to_string(c.open), std::to_string(c.close), kinds[static_cast<int>(c.kind)],
                     signalText(*signal, signals[static_cast<size_t>(n)] != 0, display == "符号表示")});
    }
    return kDone;
}

// The records a statistic counts: --from/--to periods ("自定义"), else the last --recent N draws
// (more than the history counts them all). Nothing, after the refusal went to err, when the
// options do not fit.
std::optional<DrawWindow> statWindow(const ViewRun& run, int defaultRecent) {
    const DrawHistory history = DrawHistory::of(run.ws.sjk);
    const bool from = run.opts.has("--from"), to = run.opts.has("--to");
    if (from || to) {
        const std::optional<int> p1 = parseInteger(run.option("--from", "")), p2 = parseInteger(run.option("--to", ""));
        if (!from || !to || run.opts.has("--recent") || !p1 || !p2) {
            usage(run.err, kTableUsage);
            return std::nullopt;
        }
        return periodWindow(history, *p1, *p2);
    }
    const std::string recent = run.option("--recent", defaultRecent ? std::to_string(defaultRecent) : kAllDraws);
    if (recent == kAllDraws) return recentWindow(history, 0);
    const std::optional<int> n =
        boundedValue(recent, "--recent", {1, INT_MAX}, run.err, kTableUsage, "--recent 必须是正整数或“所有”");
    if (!n) return std::nullopt;
    return recentWindow(history, *n);
}

std::optional<bool> percentOption(const ViewRun& run) {
    const std::string show = run.option("--show", "次数");
    if (show == "次数") return false;
    if (show == "百分比") return true;
    return std::nullopt;
}

int countsView(const ViewRun& run) {
    const std::optional<bool> percent = percentOption(run);
    const std::string orderText = run.option("--order", "常规显示");
    const CountOrder order = orderText == "升序显示"   ? CountOrder::Ascending
                             : orderText == "降序显示" ? CountOrder::Descending
                                                       : CountOrder::Value;
    if (!percent || (order == CountOrder::Value && orderText != "常规显示")) return usage(run.err, kTableUsage);
    const std::optional<DrawWindow> window = statWindow(run, kDefaultRecent);
    if (!window) return kUsage;
    const ValueCounts counts = valueCounts(run.series.values.data(), *window, run.series.range);
    run.out.header({"指标取值", "出现次数"});
    for (int c : countOrder(counts, order))
        run.out.row({std::to_string(counts.columns.values[static_cast<size_t>(c)]),
                     countText(counts.counts[static_cast<size_t>(c)], counts.periods, *percent)});
    run.out.summary("periods", windowCaption(*window));
    if (counts.columns.occurringOnly) run.out.summary("note", kOccurringValuesNote);
    return kDone;
}

int omissionView(const ViewRun& run) {
    const std::optional<DrawWindow> window = statWindow(run, 0);
    if (!window) return kUsage;
    const ValueOmissions o = valueOmissions(run.series.values.data(), *window, run.series.range);
    run.out.header({"指标取值", "出现次数", "最大遗漏", "最小遗漏", "平均遗漏", "上次遗漏", "本次遗漏"});
    for (size_t c = 0; c < o.columns.values.size(); ++c)
        run.out.row({std::to_string(o.columns.values[c]), std::to_string(o.stats.hits[c]),
                     std::to_string(o.stats.longest[c]), std::to_string(o.stats.shortest[c]),
                     std::to_string(o.stats.average[c]), std::to_string(o.stats.previous[c]),
                     std::to_string(o.stats.current[c])});
    if (o.columns.occurringOnly) run.out.summary("note", kOccurringValuesNote);
    return kDone;
}

int omissionTableView(const ViewRun& run) {
    const std::optional<int> order = numberedChoice(run.opts, "--order", "0", columnOrderNames(), run.err, kTableUsage);
    if (!order) return kUsage;
    const std::optional<DrawWindow> window = statWindow(run, 0);
    if (!window) return kUsage;
    const SeriesOmissionTable t = seriesOmissionTable(run.series.values.data(), *window, run.series.range, *order);
    if (!t.status) {
        run.err << t.status.message << '\n';
        return kStopped;
    }
    std::vector<std::string> row = {"期号", "开奖号"};
    for (int32_t v : t.values) row.push_back(std::to_string(v));
    run.out.header(row);
    for (int r = 0; r < t.table.rows; ++r) {
        const int n = window->first() + r;
        row = {std::to_string(run.ws.sjk.record(n)[0]), std::to_string(run.series.values[static_cast<size_t>(n)])};
        for (int c = 0; c < t.table.columns; ++c)
            row.push_back(
                std::to_string(t.table.cell(r, c) == 0 ? t.values[static_cast<size_t>(c)] : t.table.cell(r, c)));
        run.out.row(row);
    }
    const OmissionStats& s = t.table.stats;
    const std::vector<int32_t>* stats[] = {&t.values, &s.hits, &s.longest, &s.average, &s.previous, &s.current};
    for (int i = 0; i < kOmissionStatRows; ++i) {
        row = {kOmissionStatLabels[i], ""};
        for (int32_t v : *stats[i]) row.push_back(std::to_string(v));
        run.out.row(row);
    }
    return kDone;
}

int classesView(const ViewRun& run) {
    const std::string familyText = run.option("--classes", "奇偶");
    const std::optional<ClassFamily> family = familyText == "奇偶"   ? std::optional(ClassFamily::OddEven)
                                              : familyText == "质合" ? std::optional(ClassFamily::PrimeComposite)
                                              : familyText == "分区" ? std::optional(ClassFamily::Zones)
                                              : familyText == "余数" ? std::optional(ClassFamily::Remainder)
                                                                     : std::nullopt;
    const std::optional<bool> percent = percentOption(run);
    if (!family || !percent) return usage(run.err, kTableUsage);
    // Zone counts up to 1000 ("取值范围及分区"); divisors as the remainder lists offer them.
    const bool zones = family == ClassFamily::Zones;
    const std::optional<int> k =
        boundedOption(run.opts, "--k", zones ? 2 : 3, zones ? Bounds{2, 1000} : Bounds{2, 20}, run.err, kTableUsage);
    if (!k) return kUsage;
    const std::optional<DrawWindow> window = statWindow(run, kDefaultRecent);
    if (!window) return kUsage;
    const ClassCounts counts = classCounts(run.series.values.data(), *window, run.series.range, *family, *k);
    run.out.header({"分项", "次数"});
    for (size_t c = 0; c < counts.labels.size(); ++c)
        run.out.row({counts.labels[c], countText(counts.counts[c], counts.periods, *percent)});
    run.out.summary("periods", windowCaption(*window));
    return kDone;
}

std::string decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

int averagesView(const ViewRun& run) {
    const std::vector<int32_t>& v = run.series.values;
    std::vector<std::vector<double>> averages;
    for (int span : kAverageSpans) averages.push_back(movingAverage(v, span));
    run.out.header({"期号", "常规线", "二期均值", "三期均值", "四期均值", "五期均值", "十期均值"});
    std::vector<std::string> row;
    for (int n = 1; n <= run.series.count(); ++n) {
        row.assign({std::to_string(run.ws.sjk.record(n)[0]), std::to_string(v[static_cast<size_t>(n)])});
        for (const std::vector<double>& a : averages) row.push_back(decimal(a[static_cast<size_t>(n)]));
        run.out.row(row);
    }
    return kDone;
}

int segmentsView(const ViewRun& run) {
    static const char* const contents[] = {"区段总和",   "区段平均值",   "区段最大值",
                                           "区段最小值", "区段平均振幅", "相同个数"};
    const std::string content = run.option("--content", contents[0]);
    const SectionKind kind = sectionKind(content);
    if (kind == SectionKind::Unknown) return usage(run.err, kTableUsage);
    // "区段长度：" 50, 45, .., 5, 4, 3, 2 and "位置调节：" -10..10.
    const std::optional<int> length = boundedOption(run.opts, "--length", 5, {2, 50}, run.err, kTableUsage);
    if (!length) return kUsage;
    const std::optional<int> shift = boundedOption(run.opts, "--shift", 0, {-10, 10}, run.err, kTableUsage);
    if (!shift) return kUsage;
    const int last = lastDrawRecord(run.ws.sjk);
    run.out.header({"起始期号", "终止期号", content});
    for (const Segment& seg : segmentTrend(run.series.values, last, *length, *shift, kind)) {
        run.out.row({std::to_string(run.ws.sjk.record(seg.first)[0]), std::to_string(run.ws.sjk.record(seg.last)[0]),
                     std::to_string(seg.value)});
    }
    return kDone;
}

int occurrencesView(const ViewRun& run) {
    // "取值选择" lists the values of the range.
    const ValueRange range = run.series.range;
    const std::optional<int> value =
        boundedOption(run.opts, "--value", range.lo, {range.lo, range.hi}, run.err, kTableUsage);
    if (!value) return kUsage;
    run.out.header({"期号", "遗漏"});
    for (const Occurrence& o : valueOccurrences(run.series.values, run.series.count(), *value))
        run.out.row({std::to_string(run.ws.sjk.record(o.record)[0]), std::to_string(o.omission)});
    return kDone;
}

int layoutView(const ViewRun& run) {
    const std::optional<int> min = boundedOption(run.opts, "--min", 0, kValueBoxBounds, run.err, kTableUsage);
    if (!min) return kUsage;
    const std::optional<int> max = boundedOption(run.opts, "--max", 35, kValueBoxBounds, run.err, kTableUsage);
    if (!max) return kUsage;
    const std::optional<int> layout =
        boundedOption(run.opts, "--layout", 1, {1, 15}, run.err, kTableUsage);  // "图一" .. "图十五"
    if (!layout) return kUsage;
    // A span of 100 or more is the view's own refusal below; a backwards one would lay out nothing.
    if (*min > *max) return refuse(run.err, kTableUsage, "--min 不能大于 --max");
    const std::optional<std::vector<int32_t>> columns = distributionColumns(*min, *max, *layout + 1);
    if (!columns) {
        run.err << kDistributionSpanMessage << '\n';
        return kStopped;
    }
    std::vector<std::string> row = {"期号"};
    for (int32_t c : *columns) row.push_back(std::to_string(c));
    run.out.header(row);
    for (int n = 1; n <= run.series.count(); ++n) {
        const int32_t v = run.series.values[static_cast<size_t>(n)];
        row.assign(1, std::to_string(run.ws.sjk.record(n)[0]));
        for (int32_t c : *columns) row.push_back(c == v ? std::to_string(v) : std::string());
        run.out.row(row);
    }
    return kDone;
}

// "特性图表": per period the class column of each chosen family marked with the value; periods of
// "--from P1 --to P2", else every record (the prediction record closes the table).
int traitsView(const ViewRun& run) {
    // The component table's families unless the option names others.
    std::vector<FeatureKind> kinds;
    const std::string list = run.opts.has("--families") ? run.option("--families", "") : std::string();
    if (list.empty()) kinds = componentFamilies(run.ws.components);
    for (size_t start = 0; !list.empty() && start <= list.size();) {
        const size_t end = std::min(list.find(',', start), list.size());
        const std::optional<FeatureKind> kind = featureKind(list.substr(start, end - start));
        if (!kind) return usage(run.err, kTableUsage);
        kinds.push_back(*kind);
        start = end + 1;
    }
    int first = 1, last = run.series.count();
    if (run.opts.has("--from") || run.opts.has("--to")) {
        const std::optional<DrawWindow> window = statWindow(run, 0);
        if (!window) return kUsage;
        first = window->first();
        last = window->end;
    }
    std::vector<std::string> row = {"期号", "指标值"};
    std::vector<FeatureClassifier> classifiers;
    std::vector<size_t> offsets;
    for (const FeatureKind& kind : kinds) {
        classifiers.emplace_back(kind, run.series.range);
        offsets.push_back(row.size());
        for (const std::string& label : featureLabels(kind)) row.push_back(featureCaption(kind) + label);
    }
    const size_t width = row.size();
    run.out.header(row);
    for (int n = first; n <= last; ++n) {
        const int32_t v = run.series.values[static_cast<size_t>(n)];
        const int32_t period = run.ws.sjk.record(n)[0];
        row.assign(width, std::string());
        row[0] = period == kPredictionPeriod ? "预测区" : std::to_string(period);
        row[1] = std::to_string(v);
        for (size_t f = 0; f < classifiers.size(); ++f) {
            const int c = classifiers[f].columnOf(v);
            if (c >= 0) row[offsets[f] + static_cast<size_t>(c)] = std::to_string(v);
        }
        run.out.row(row);
    }
    return kDone;
}

// "田野走势图": the row texts of the chosen layout as columns; each period's value in its row.
int fieldView(const ViewRun& run) {
    // "总行数：" and "田野走势图一" .. "田野走势图十".
    const std::optional<int> rows =
        boundedOption(run.opts, "--rows", kDefaultFieldRows, {kMinFieldRows, kMaxFieldRows}, run.err, kTableUsage);
    if (!rows) return kUsage;
    const std::optional<int> layout =
        boundedOption(run.opts, "--layout", 1, {1, kFieldLayoutCount}, run.err, kTableUsage);
    if (!layout) return kUsage;
    const FieldLayoutLoad load = loadFieldLayouts(run.ws.folder, *rows);
    if (!load.status) {
        run.err << load.status.message << '\n';
        return kStopped;
    }
    const std::vector<std::string>& texts = load.layouts.layouts[static_cast<size_t>(*layout - 1)];
    std::vector<std::string> row = {"期号", "值"};
    row.insert(row.end(), texts.begin(), texts.end());
    run.out.header(row);
    for (int n = 1; n <= run.series.count(); ++n) {
        const int32_t v = run.series.values[static_cast<size_t>(n)];
        row.assign({std::to_string(run.ws.sjk.record(n)[0]), std::to_string(v)});
        row.resize(2 + texts.size());
        const int at = fieldRowOf(texts, v);
        if (at >= 0) row[2 + static_cast<size_t>(at)] = std::to_string(v);
        run.out.row(row);
    }
    return kDone;
}

// "遗漏值走势" (the omission and its change) and "余数走势图" (the value and its remainder by
// --divisor, default 3).
int transformsView(const ViewRun& run, bool omission) {
    const std::optional<int> divisor = boundedOption(run.opts, "--divisor", 3, {2, 20}, run.err, kTableUsage);
    if (!divisor) return kUsage;
    const std::vector<int32_t>& v = run.series.values;
    const std::vector<int32_t> a = omission ? transformedSeries(v, {KLineKind::Omission}) : v;
    const std::vector<int32_t> b = transformedSeries(
        v, omission ? KLineType{KLineKind::OmissionAmplitude} : KLineType{KLineKind::Remainder, *divisor});
    run.out.header(omission ? std::vector<std::string>{"期号", "遗漏", "遗漏振幅"}
                            : std::vector<std::string>{"期号", "值", "余数"});
    for (int n = 1; n <= run.series.count(); ++n)
        run.out.row({std::to_string(run.ws.sjk.record(n)[0]), std::to_string(a[static_cast<size_t>(n)]),
                     std::to_string(b[static_cast<size_t>(n)])});
    return kDone;
}

// "特征图" (奇偶, 质合, 大小 of the value) and "变化量及尾数图" (value, absolute change, tail).
int rowsView(const ViewRun& run, bool features) {
    const std::optional<int> big = bigOption(run);
    if (!big) return kUsage;
    const std::vector<int32_t>& v = run.series.values;
    const std::vector<int32_t> change = transformedSeries(v, {KLineKind::Amplitude});
    const std::vector<int32_t> tail = transformedSeries(v, {KLineKind::Tail});
    const std::vector<uint8_t> odd = signalRow(v, SignalKind::OddEven, 0);
    const std::vector<uint8_t> prime = signalRow(v, SignalKind::PrimeComposite, 0);
    const std::vector<uint8_t> large = signalRow(v, SignalKind::BigSmall, *big);
    run.out.header(features ? std::vector<std::string>{"期号", "值", "奇偶", "质合", "大小"}
                            : std::vector<std::string>{"期号", "常规", "绝对振幅", "尾数"});
    for (int n = 1; n <= run.series.count(); ++n) {
        const size_t i = static_cast<size_t>(n);
        const std::string period = std::to_string(run.ws.sjk.record(n)[0]);
        if (features)
            run.out.row({period, std::to_string(v[i]), signalText(SignalKind::OddEven, odd[i], false),
                         signalText(SignalKind::PrimeComposite, prime[i], false),
                         signalText(SignalKind::BigSmall, large[i], false)});
        else
            run.out.row({period, std::to_string(v[i]), std::to_string(change[i]), std::to_string(tail[i])});
    }
    return kDone;
}

// The fifteen views of the analysed series, by their name or the window's caption.
struct AnalysisView {
    const char* name;
    const char* caption;
    int (*run)(const ViewRun&);
};

const AnalysisView kAnalysisViews[] = {
    {"kline", "信号图", signalChartView},
    {"counts", "出现次数统计图", countsView},
    {"omission", "遗漏次数统计图", omissionView},
    {"classes", "分项统计", classesView},
    {"table", "遗漏分布图表", omissionTableView},
    {"averages", "均值走势图", averagesView},
    {"segments", "按期数分段走势", segmentsView},
    {"occurrences", "单个取值遗漏走势", occurrencesView},
    {"layout", "数据分布图", layoutView},
    {"traits", "特性图表", traitsView},
    {"field", "田野走势图", fieldView},
    {"omission-trend", "遗漏值走势", [](const ViewRun& run) { return transformsView(run, true); }},
    {"remainders", "余数走势图", [](const ViewRun& run) { return transformsView(run, false); }},
    {"features", "特征图", [](const ViewRun& run) { return rowsView(run, true); }},
    {"changes", "变化量及尾数图", [](const ViewRun& run) { return rowsView(run, false); }},
};

int analysisTable(const ViewCall& call) {
    const Options& opts = call.options;
    if (opts.positional.size() != 1) return usage(call.err, kTableUsage);
    const std::string name = opts.valueOr("--view", "kline");
    const AnalysisView* view = nullptr;
    for (const AnalysisView& candidate : kAnalysisViews)
        if (name == candidate.name || name == candidate.caption) view = &candidate;
    if (!view) return usage(call.err, kTableUsage);
    std::optional<ValueRange> typed;
    if (const int code = typedRange(opts, "--lo", "--hi", kTableUsage, typed, call.err); code != kDone) return code;
    AnalysisSession session;
    if (!analysed(session, call.ws, opts.positional[0], typed, call.err)) return kStopped;
    return view->run({call.ws, *session.series(), opts, call.rows, call.err});
}

int runAnalyse(const Workspace& ws, const Options& opts, TableWriter& rows, std::ostream& err) {
    if (opts.positional.size() != 1) return usage(err, kAnalyseUsage);
    const std::string& text = opts.positional[0];
    std::optional<ValueRange> typed;
    if (const int code = typedRange(opts, "--from", "--to", kAnalyseUsage, typed, err); code != kDone) return code;
    if (!opts.has("--lenient") && refusedFormula(text, err)) return kStopped;
    AnalysisSession session;
    if (!analysed(session, ws, text, typed, err)) return kStopped;
    const AnalysisSeries& s = *session.series();
    rows.columns({"期号", "值"});
    rows.summary({{"lo", std::to_string(s.range.lo)}, {"hi", std::to_string(s.range.hi)}});
    for (int n = 1; n <= s.count(); ++n)
        rows.row({std::to_string(ws.sjk.record(n)[0]), std::to_string(s.values[static_cast<size_t>(n)])});
    return kDone;
}

}  // namespace

std::vector<Command> analysisCommands() {
    return {
        {"analyse",
         "analyse TEXT [--from A] [--to B] [--lenient]",
         "开始剖析：取值范围，然后每期 期数 值",
         1,
         {valued("--from"), valued("--to"), flagged("--lenient")},
         [](const CommandCall& c) { return runAnalyse(c.ws, c.options, c.rows, c.err); },
         OnTimeLimit::Exit,
         true,
         false,
         HistoryUse::Ordered},
        {"table",
         "table VIEW [OPTIONS]",
         "分析视图的表格（lottodesk-cli help table 列出视图和选项）",
         kAnyCount,
         {},
         [](const CommandCall& c) { return runTable(c.ws, c.args, c.rows, c.err); },
         OnTimeLimit::Exit,
         true,
         true,
         HistoryUse::Ordered},
    };
}

std::vector<TableView> analysisTableViews() {
    return {
        {"analysis",
         {},
         1,
         {valued("--lo"),     valued("--hi"),      valued("--view"),     valued("--kline"),  valued("--signal"),
          valued("--big"),    valued("--display"), valued("--recent"),   valued("--from"),   valued("--to"),
          valued("--order"),  valued("--show"),    valued("--classes"),  valued("--k"),      valued("--length"),
          valued("--shift"),  valued("--content"), valued("--value"),    valued("--min"),    valued("--max"),
          valued("--layout"), valued("--rows"),    valued("--families"), valued("--divisor")},
         kTableUsage,
         "  analysis TEXT  指标剖析（TEXT 为指标代码或公式，按“开始剖析”求每期的值）\n"
         "    --lo A --hi B          指标取值范围，-999..999（默认为最小值..最大值）\n"
         "    --view "
         "kline|counts|omission|classes|table|traits|averages|segments|occurrences|layout|field|omission-trend|"
         "remainders|features|changes\n"
         "                           kline 信号图（默认）：期号 值 开盘 收盘 形态(红/绿/线) 信号\n"
         "                           counts 出现次数统计图：取值 出现次数，末行 共N期\n"
         "                           omission 遗漏次数统计图：指标取值 最大遗漏 最小遗漏 平均遗漏 上次遗漏 本次遗漏\n"
         "                           classes 分项统计：分项 次数\n"
         "    --kline 常规图|尾数图|除K余数|振幅图|遗漏图|遗漏振幅图   K线图类型（K 为 2..20）\n"
         "    --signal 升降图|奇偶图|质合图|大小图   信号图类型；--big N "
         "大数>＝N（-99999..99999，默认取值范围的上半）\n"
         "    --display 文字表示|符号表示\n"
         "    --recent N|所有 或 --from P1 --to P2   统计的期数（counts、classes 默认近100期；omission 默认所有）\n"
         "    --order 常规显示|升序显示|降序显示   --show 次数|百分比\n"
         "    --classes 奇偶|质合|分区|余数   --k N 分区数（2..1000，默认 2）或除数（2..20，默认 3）\n"
         "    --view table [--from P1 --to P2] [--order K|名称]\n"
         "                           遗漏分布图表（默认所有期；取值超过200个时拒绝）：期号 开奖号 "
         "各取值列，然后六行统计\n"
         "    --view averages        均值走势图：期号 常规线 二期..十期均值\n"
         "    --view segments [--length 2..50] [--shift -10..10] [--content "
         "区段总和|区段平均值|区段最大值|区段最小值|区段平均振幅|相同个数]\n"
         "                           按期数分段走势：起始期号 终止期号 值（默认区段长度 5）\n"
         "    --view occurrences [--value V]\n"
         "                           单个取值遗漏走势：取该值的期号 遗漏（V 在取值范围内，默认取值范围的最小值）\n"
         "    --view layout [--min A] [--max B] [--layout 1..15]\n"
         "                           数据分布图（图一..图十五，步长 2..16；A、B 为 -99999..99999，默认 0..35，\n"
         "                           B 不小于 A，差小于100）：期号 各列\n"
         "    --view traits [--families 尾号,奇偶,质合,小大,三区..十五区,除三余数..除十五余数（默认：组件的八组）] [--from P1 --to P2]\n"
         "                           特性图表（默认所有记录，预测记录为 预测区）：期号 指标值 各分项列（所属列填值）\n"
         "    --view field [--rows 2..10] [--layout 1..10]\n"
         "                           田野走势图（默认总行数 4、田野走势图一；文件不存在时按默认建立）：期号 值 各行\n"
         "    --view omission-trend  遗漏值走势：期号 遗漏 遗漏振幅\n"
         "    --view remainders [--divisor 2..20]\n"
         "                           余数走势图（默认除3）：期号 值 余数\n"
         "    --view features        特征图：期号 值 奇偶 质合 大小（--big N）\n"
         "    --view changes         变化量及尾数图：期号 常规 绝对振幅 尾数\n",
         analysisTable},
    };
}

}  // namespace lottodesk::cli
