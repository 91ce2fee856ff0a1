#include "backtest.h"

#include <algorithm>
#include <map>

#include "accuracy.h"
#include "forecastview.h"
#include "formula/tgs.h"
#include "indicators/seriesmemo.h"
#include "judge.h"

namespace lottodesk {

namespace {

constexpr const char* kRight = "    正确";
constexpr int32_t kFailedValue = -1;

// A value written with at least two digits ("05", "-1", "123").
std::string atLeastTwoDigits(int32_t value) {
    if (value >= 0 && value < 10) return "0" + std::to_string(value);
    return std::to_string(value);
}

std::string rightAligned3(int32_t value) {
    std::string text = std::to_string(value);
    if (text.size() < 3) text.insert(0, 3 - text.size(), ' ');
    return text;
}

std::vector<std::string> resultCaptions(PageKind kind, const std::string& target) {
    switch (kind) {
    case PageKind::hmsh: return {"杀号列表", "杀错的公式个数", "杀错的公式序号", "杀错的号码个数", "杀错的号码"};
    case PageKind::lmsh: return {"杀号列表", "杀错的公式个数", "杀错的公式序号"};
    case PageKind::hmtd:
    case PageKind::fqtd: return {"提胆列表", "胆对的公式个数", "胆对的公式序号", "胆对的号码个数", "胆对的号码"};
    case PageKind::hmsw: return {"杀尾列表", "杀错的公式个数", "杀错的公式序号", "杀错的尾数个数", "杀错的尾数"};
    case PageKind::selfsh: return {"杀" + target + "列表", "杀错的公式个数", "杀错的公式序号"};
    }
    return {};
}

std::string drawCaption(PageKind kind) {
    switch (kind) {
    case PageKind::lmsh:
    case PageKind::fqtd: return "副区号码";
    case PageKind::selfsh: return "开奖号码";
    default: return "主区号码";
    }
}

// The values of a row as the list column shows them.
std::string listText(PageKind kind, ListDisplay display, const std::vector<int32_t>& produced) {
    const bool custom = kind == PageKind::selfsh;
    const int plainLow = custom || kind == PageKind::hmsw ? 0 : 1;
    const int plainHigh = custom ? 999 : kind == PageKind::hmsw ? 99 : 49;
    std::map<int32_t, int> counts;
    for (int32_t v : produced) ++counts[v];
    std::string text;
    if (display == ListDisplay::Plain) {
        for (const auto& [v, count] : counts) {
            if (v < plainLow || v > plainHigh) continue;
            text += custom ? rightAligned3(v) + " " : " " + atLeastTwoDigits(v);
        }
        return text;
    }
    std::vector<std::pair<int32_t, int>> ranked;
    for (const auto& [v, count] : counts)
        if (v >= 0 && v <= 999) ranked.emplace_back(v, count);
    std::stable_sort(ranked.begin(), ranked.end(), [display](const auto& a, const auto& b) {
        return display == ListDisplay::LowToHigh ? a.second < b.second : a.second > b.second;
    });
    for (const auto& [v, count] : ranked) text += (custom ? rightAligned3(v) : atLeastTwoDigits(v)) + " ";
    return text;
}

struct FormulaFailure {
    int row = 0;
    std::string text;
};

std::string failureText(const EvalResult& result) {
    return result.message.empty() && result.fault == EvalResult::Fault::Syntax ? std::string() : result.message;
}

// The result of a run a stopped evaluation ended: no table, the evaluator's sentence naming the formula.
BacktestResult stoppedRun(PageKind kind, const EvalResult& stop) {
    BacktestResult result;
    result.kind = kind;
    result.stopped = true;
    result.message = stop.message;
    return result;
}

}  // namespace

const char* listDisplayCaption(ListDisplay display) {
    switch (display) {
    case ListDisplay::Plain: return "常规显示";
    case ListDisplay::LowToHigh: return "按频率从低到高";
    case ListDisplay::HighToLow: return "按频率从高到低";
    }
    return "";
}

BacktestResult runBacktest(const Workspace& ws, const BacktestRequest& request) {
    const PageKindInfo& info = pageKindInfo(request.kind);
    const bool custom = request.kind == PageKind::selfsh;
    const ForecastView view(ws);
    SeriesMemo memo;
    const IndicatorContext ctx = view.context(&memo);

    BacktestResult result;
    result.kind = request.kind;
    result.range = forecastRange(request.kind, ws.game);
    const int N = static_cast<int>(request.formulas.size());
    int first = request.startPeriod != 0 ? ws.sjk.indexOfPeriod(request.startPeriod) : 0;
    if (first < 1 || first > view.realCount()) first = 1;
    const int B = std::max(view.realCount() - first + 1, 0);
    result.tested = B;
    result.formulaCount = N;
    result.rows = B + 4;
    const std::vector<std::string> tail = resultCaptions(request.kind, request.target);
    result.columns = result.firstFormulaColumn() + N + static_cast<int>(tail.size());
    result.cells.assign(static_cast<size_t>(result.rows * result.columns), std::string());
    result.periods.assign(static_cast<size_t>(B + 1), 0);
    result.drawnMasks.assign(static_cast<size_t>(B + 1), 0);
    result.values.assign(static_cast<size_t>((B + 1) * N), 0);
    result.states.assign(static_cast<size_t>((B + 1) * N), CellState::Failed);
    result.rightCounts.assign(static_cast<size_t>(N), 0);
    auto cell = [&](int row, int column) -> std::string& {
        return result.cells[static_cast<size_t>(row * result.columns + column)];
    };

    // Captions in rows 0 and B + 2.
    std::vector<std::string> captions = {"序号", "期号", drawCaption(request.kind)};
    if (custom) captions.push_back("指标" + request.target);
    for (int j = 1; j <= N; ++j) captions.push_back("公式" + std::to_string(j));
    captions.insert(captions.end(), tail.begin(), tail.end());
    for (int c = 0; c < result.columns; ++c) cell(0, c) = cell(B + 2, c) = captions[static_cast<size_t>(c)];

    // Judge facts of the tested draws; the custom kill's target per draw.
    DrawJudge judge(view, info.verdict, info.secondaryZone, first, first + B - 1);
    std::string targetFailure;
    if (custom) {
        const tgs target(request.target);
        std::vector<int32_t> values(static_cast<size_t>(B), 0);
        std::vector<uint8_t> ok(static_cast<size_t>(B), 0);
        for (int r = 1; r <= B; ++r) {
            const EvalResult value = target.evaluate(ctx, first + r - 1);
            if (value.fault == EvalResult::Fault::Stop) return stoppedRun(request.kind, value);
            values[static_cast<size_t>(r - 1)] = value.value;
            ok[static_cast<size_t>(r - 1)] = value.ok;
            if (value.ok)
                cell(r, 3) = std::to_string(value.value);
            else
                targetFailure = failureText(value);
        }
        judge.setTargets(std::move(values), std::move(ok));
    }

    // Every formula over every row; its last failure is remembered with the row it happened in.
    std::vector<FormulaFailure> failures(static_cast<size_t>(N));
    for (int j = 1; j <= N; ++j) {
        const tgs formula(request.formulas[static_cast<size_t>(j - 1)]);
        int right = 0;
        for (int r = 1; r <= B + 1; ++r) {
            const int n = first + r - 1;
            const size_t at = static_cast<size_t>((r - 1) * N + j - 1);
            const EvalResult value = formula.evaluate(ctx, n);
            if (value.fault == EvalResult::Fault::Stop) return stoppedRun(request.kind, value);
            if (!value.ok) {
                // Failed: -1 as the evaluator leaves it, wrong, and no number killed or fixed.
                failures[static_cast<size_t>(j - 1)] = {r, failureText(value)};
                result.values[at] = kFailedValue;
                if (!custom) cell(r, result.firstFormulaColumn() + j - 1) = atLeastTwoDigits(kFailedValue);
                continue;
            }
            result.values[at] = value.value;
            const bool judged = r <= B;
            const bool isRight = judged && judge.right(n, value.value);
            result.states[at] = isRight ? CellState::Right : CellState::Wrong;
            right += isRight;
            std::string& text = cell(r, result.firstFormulaColumn() + j - 1);
            text = custom ? std::to_string(value.value) : atLeastTwoDigits(value.value);
            if (isRight) text += kRight;
        }
        result.rightCounts[static_cast<size_t>(j - 1)] = right;
    }

    // Row cells, verdict summaries and the list column.
    const GameParams& game = ws.game;
    const int listColumn = result.listColumn();
    std::vector<int32_t> produced;
    produced.reserve(static_cast<size_t>(N));
    for (int r = 1; r <= B + 1; ++r) {
        const int n = first + r - 1;
        produced.clear();
        for (int j = 1; j <= N; ++j)
            if (result.state(r, j) != CellState::Failed) produced.push_back(result.value(r, j));
        cell(r, listColumn) = listText(request.kind, request.display, produced);
        if (r == B + 1) {
            cell(r, 1) = "预测期";
            break;
        }
        const int32_t* record = view.record(n);
        result.periods[static_cast<size_t>(r)] = record[0];
        result.drawnMasks[static_cast<size_t>(r)] = judge.mask(n);
        cell(r, 0) = std::to_string(r);
        cell(r, 1) = std::to_string(record[0]);
        std::string numbers;
        if (custom) {
            for (int s = 1; s <= game.zhgs; ++s) numbers += atLeastTwoDigits(record[s]) + "  ";
            numbers += ":";
            for (int s = game.zhgs + 1; s <= game.zhgs + game.fhgs && s < kSlots; ++s)
                numbers += atLeastTwoDigits(record[s]) + "  ";
        } else {
            const int from = info.secondaryZone ? game.zhgs + 1 : 1;
            const int to = info.secondaryZone ? game.zhgs + game.fhgs : game.zhgs;
            for (int s = from; s <= to && s < kSlots; ++s) numbers += atLeastTwoDigits(record[s]) + " ";
        }
        cell(r, 2) = std::move(numbers);

        // Kill pages list the slots (and numbers) that were wrong, fix pages those that were right.
        const bool fix = info.verdict == Verdict::Fix;
        int counted = 0;
        std::string slots;
        std::vector<int32_t> numbersHit;
        for (int j = 1; j <= N; ++j) {
            const CellState state = result.state(r, j);
            const bool listed = fix ? state == CellState::Right : state != CellState::Right;
            if (!listed) continue;
            ++counted;
            slots += atLeastTwoDigits(j) + " ";
            if (state != CellState::Failed) numbersHit.push_back(result.value(r, j));
        }
        std::sort(numbersHit.begin(), numbersHit.end());
        numbersHit.erase(std::unique(numbersHit.begin(), numbersHit.end()), numbersHit.end());
        cell(r, listColumn + 1) = std::to_string(counted);
        cell(r, listColumn + 2) = slots;
        if (tail.size() == 5) {
            std::string list;
            int distinct = 0;
            for (int32_t v : numbersHit) {
                if (request.kind == PageKind::hmsw) {
                    list += std::to_string(v) + " ";
                } else {
                    if (v < 1 || v > 49) continue;
                    list += atLeastTwoDigits(v) + " ";
                }
                ++distinct;
            }
            cell(r, listColumn + 3) = std::to_string(distinct);
            cell(r, listColumn + 4) = list;
        }
    }

    // Accuracy row.
    cell(B + 3, 1) = "正确率";
    for (int j = 1; j <= N; ++j)
        cell(B + 3, result.firstFormulaColumn() + j - 1) =
            accuracyText(result.rightCounts[static_cast<size_t>(j - 1)], B);

    // The message names the last failure in row order (the later slot within a row).
    int failedSlot = 0;
    for (int j = 1; j <= N; ++j) {
        const FormulaFailure& f = failures[static_cast<size_t>(j - 1)];
        if (f.row != 0 && (failedSlot == 0 || f.row >= failures[static_cast<size_t>(failedSlot - 1)].row))
            failedSlot = j;
    }
    const char* colon = request.kind == PageKind::fqtd ? ":" : "：";
    if (failedSlot != 0) {
        std::string text = failures[static_cast<size_t>(failedSlot - 1)].text;
        if (text.empty()) text = "公式无法计算";
        result.message = "第" + std::to_string(failedSlot) + "条公式有误" + colon + text;
    }
    if (!targetFailure.empty()) {
        if (!result.message.empty()) result.message += "\n";
        result.message += "要杀号的指标有误：" + targetFailure;
    }
    return result;
}

std::vector<int32_t> BacktestResult::rowNumbers(int row) const {
    std::vector<int32_t> numbers;
    if (row < 1 || row > tested + 1) return numbers;
    for (int j = 1; j <= formulaCount; ++j) {
        if (state(row, j) == CellState::Failed) continue;
        const int32_t v = value(row, j);
        if (v >= range.low && v <= range.high) numbers.push_back(v);
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

std::string BacktestResult::memoText(int row) const {
    std::string text;
    for (int32_t v : rowNumbers(row)) text += std::to_string(v) + "  ";
    return text;
}

std::string backtestExportText(const BacktestResult& result) {
    std::string text = " 期 数 ";
    for (int j = 1; j <= result.formulaCount; ++j) text += "公式" + atLeastTwoDigits(j) + " ";
    text += "\r\n";
    const bool custom = result.kind == PageKind::selfsh;
    for (int r = 1; r <= result.tested + 1; ++r) {
        const bool last = r == result.tested + 1;
        text += result.cell(r, 1) + (last ? "   " : "  ");
        for (int j = 1; j <= result.formulaCount; ++j) {
            if (!custom)
                text += atLeastTwoDigits(result.value(r, j));
            else if (result.state(r, j) != CellState::Failed)
                text += std::to_string(result.value(r, j));
            text += "     ";
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace lottodesk
