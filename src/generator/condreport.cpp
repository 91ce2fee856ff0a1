#include "condreport.h"

#include <algorithm>
#include <array>
#include <functional>

#include "conditioncatalogue.h"
#include "exclusions.h"
#include "core/fileio.h"
#include "core/gbk.h"
#include "formula/tgs.h"
#include "indicators/seriesmemo.h"
#include "selfcond.h"

namespace lottodesk {
namespace {

using Verdict = std::function<bool()>;

// Collects the lines; with a mode it prefixes the verdict lines and leaves out those the mode does
// not admit, without a mode (the summary) it writes them plainly and never asks for a verdict.
class ReportLines {
public:
    explicit ReportLines(std::optional<CheckMode> mode) : m_mode(mode) {}

    void plain(std::string line) { m_lines.push_back(std::move(line)); }
    // `row` names the condition in the list of failed rows; `tolerant` marks it there.
    void judged(std::string line, const Verdict& right, std::string row, bool tolerant = false) {
        if (!m_mode) return plain(std::move(line));
        const bool ok = right();
        if (!ok) m_failed.push_back({std::move(row), tolerant});
        if (*m_mode == CheckMode::RightOnly && !ok) return;
        if (*m_mode == CheckMode::WrongOnly && ok) return;
        m_lines.push_back((ok ? "正确 " : "错误 ") + line);
    }
    std::vector<std::string> take() { return std::move(m_lines); }
    std::vector<FailedRow> takeFailed() { return std::move(m_failed); }

private:
    std::optional<CheckMode> m_mode;
    std::vector<std::string> m_lines;
    std::vector<FailedRow> m_failed;
};

template <typename Values>
std::string commaList(const Values& values) {
    std::string text;
    for (auto v : values) {
        text += std::to_string(v);
        text += "，";
    }
    return text;
}

std::vector<int> flagged(const std::array<bool, kMaxMainNumber + 1>& flags) {
    std::vector<int> numbers;
    for (int n = 1; n <= kMaxMainNumber; ++n)
        if (flags[n]) numbers.push_back(n);
    return numbers;
}

void heading(ReportLines& out, const char* title) {
    out.plain("");
    out.plain(title);
    out.plain("");
}

// The draw a check report judges: its main numbers, ascending, and a context that ends at it.
struct CheckedDraw {
    std::vector<int32_t> numbers;
    IndicatorContext ctx;
    SeriesMemo memo;
    std::optional<Status> stopped;  // a formula stopped the report
};

bool allowsValue(const std::vector<int32_t>& allowed, int32_t value) {
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

void build(ReportLines& out, const MainConditions& c, CheckedDraw* draw) {
    const int m = draw ? static_cast<int>(draw->numbers.size()) : 0;
    const int32_t* numbers = draw ? draw->numbers.data() : nullptr;

    out.judged(
        "可选红号：" + commaList(flagged(c.selectable)),
        [&] {
            return std::all_of(draw->numbers.begin(), draw->numbers.end(),
                               [&](int32_t s) { return s >= 1 && s <= kMaxMainNumber && c.selectable[s]; });
        },
        "可选红号");
    out.judged(
        "胆码：" + commaList(flagged(c.fixed)),
        [&] {
            for (int f : flagged(c.fixed))
                if (std::find(draw->numbers.begin(), draw->numbers.end(), f) == draw->numbers.end()) return false;
            return true;
        },
        "胆码");
    heading(out, "指标过滤设置：");

    for (int number = 1; number <= kCatalogueRows; ++number) {
        const ConditionRow* row = conditionRow(number);
        const CatalogueCondition& cond = c.rows[number];
        if (!row || !cond.enabled) continue;
        const bool range = catalogue::isRangeRow(number);
        std::string line = row->summaryLabel;
        line += range ? boundText(cond.from) + "<=取值范围<=" + boundText(cond.to) : commaList(cond.allowed);
        if (cond.tolerant) line += "（容错）";
        out.judged(
            std::move(line),
            [&] {
                if (row->seventhNumber && draw->ctx.game.zhgs < 7) return true;
                if (range) {
                    const double v = number == kStandardDeviationRow ? ticketStandardDeviation(numbers, m)
                                                                     : ticketCoefficient(numbers, m);
                    return cond.from && cond.to && *cond.from <= v && v <= *cond.to;
                }
                if (cond.allowed.empty()) return true;
                return allowsValue(cond.allowed, conditionValue(*row, draw->ctx, draw->ctx.history.count()));
            },
            row->caption, cond.tolerant);
    }

    if (c.custom.count() > 0) {
        heading(out, "自定义指标过滤设置：");
        bool ended = false;  // an entry that cannot be evaluated ends the custom-indicator checks
        for (int i = 0; c.customEnabled && i < c.custom.count(); ++i) {
            const tselfzbnode& node = c.custom[i];
            std::string line =
                "自定义指标" + std::to_string(i + 1) + "（" + node.formula + "）：" + commaList(node.values);
            if (node.tolerant) line += "（容错）";
            out.judged(
                std::move(line),
                [&] {
                    if (ended || draw->stopped) return true;
                    if (node.values.empty()) {
                        ended = true;
                        return true;
                    }
                    const EvalResult result = tgs(node.formula).evaluate(draw->ctx, draw->ctx.history.count());
                    if (result.fault == EvalResult::Fault::Stop) {
                        draw->stopped = Status::failure(StatusCode::BadFormula, result.message);
                        return true;
                    }
                    if (!result.ok) {
                        ended = true;
                        return true;
                    }
                    return allowsValue(node.values, result.value);
                },
                "自定义指标" + std::to_string(i + 1), node.tolerant);
        }
    }

    if (!c.selfSet.empty()) {
        heading(out, "自设条件过滤设置：");
        for (size_t i = 0; c.selfSetEnabled && i < c.selfSet.size(); ++i) {
            const tselfcond& entry = c.selfSet[i];
            std::string line = "自设条件" + std::to_string(i + 1) + "：（号码组：" + commaList(entry.numbers) +
                               "出号个数：" + commaList(entry.allowed) + "）";
            if (entry.tolerant) line += "容错";
            out.judged(
                std::move(line), [&] { return selfSetHolds(entry, numbers, m); }, "自设条件" + std::to_string(i + 1),
                entry.tolerant);
        }
    }

    if (!c.tails.empty()) {
        heading(out, "尾数过滤设置：");
        for (size_t i = 0; c.tailEnabled && i < c.tails.size(); ++i) {
            const tselfcond& entry = c.tails[i];
            std::string line = "尾数设置" + std::to_string(i + 1) + "：（尾号组：" + commaList(entry.numbers) +
                               "出号个数：" + commaList(entry.allowed) + "）";
            if (entry.tolerant) line += "容错";
            if (entry.countOnce) line += kCountOnceText;
            out.judged(
                std::move(line), [&] { return tailHolds(entry, numbers, m); }, "尾数设置" + std::to_string(i + 1),
                entry.tolerant);
        }
    }

    out.plain("");
    if (c.noPastDraws) out.plain("不允许和历史数据相同");
    if (c.noEqualSpacing)
        out.judged(
            "去除等间距组合",
            [&] { return !equalSpacing(draw->numbers.data(), static_cast<int>(draw->numbers.size())); },
            "去除等间距组合");
    if (c.noSpecialRuns)
        out.judged(
            "去除特殊连号", [&] { return !specialRuns(draw->numbers.data(), static_cast<int>(draw->numbers.size())); },
            "去除特殊连号");
    if (c.totalToleranceEnabled) {
        out.plain("已设定了容错个数");
        out.plain(std::to_string(c.totalFrom) + "<=总容错<=" + std::to_string(c.totalTo));
    }
}

}  // namespace

std::optional<CheckMode> checkModeFromText(std::string_view text) {
    for (int i = 0; i < 3; ++i)
        if (text == kCheckModeTexts[i]) return static_cast<CheckMode>(i);
    return std::nullopt;
}

std::vector<std::string> summaryReport(const MainConditions& conditions) {
    ReportLines out(std::nullopt);
    build(out, conditions, nullptr);
    return out.take();
}

CheckReport checkReport(const MainConditions& conditions, const IndicatorContext& ctx, int n, CheckMode mode) {
    CheckReport report;
    if (n < 1 || n > ctx.history.count()) {
        report.status = Status::failure(StatusCode::NoSuchPeriod, "期号不存在");
        return report;
    }
    CheckedDraw draw;
    draw.ctx = ctx;
    if (n <= ctx.history.realCount) {
        // The history as it was when draw n was the newest.
        draw.ctx.history.realCount = n;
        draw.ctx.history.candidate = nullptr;
    }
    draw.memo.prepare(0, draw.ctx.game, draw.ctx.settings);
    draw.ctx.memo = &draw.memo;

    const int32_t* record = draw.ctx.history.record(n);
    const int m = std::clamp(ctx.game.zhgs, 0, kSlots - 1);
    draw.numbers.assign(record + 1, record + 1 + m);
    std::sort(draw.numbers.begin(), draw.numbers.end());

    ReportLines out(mode);
    build(out, conditions, &draw);
    if (draw.stopped) {
        report.status = *draw.stopped;
        return report;
    }
    report.lines = out.take();
    report.failed = out.takeFailed();
    return report;
}

ReportFile writeConditionReport(const std::string& folder, const std::vector<std::string>& lines) {
    return writeReportFile(folder, kConditionReportFile, lines);
}

ReportFile writeReportFile(const std::string& folder, const std::string& relative,
                           const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    ReportFile file;
    file.path = folder + relative;
    const size_t slash = file.path.find_last_of('/');
    if (slash != std::string::npos) makeFolders(file.path.substr(0, slash));
    file.status = saveFileAtomically(file.path, utf8ToGbk(text));
    return file;
}

}  // namespace lottodesk
