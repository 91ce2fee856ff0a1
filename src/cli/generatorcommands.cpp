// The commands of the combination generator: `filter`, `continue`, `batch` and `conditions`.
#include "cli/command.h"
#include "cli/common.h"
#include "cli/wheelpool.h"

#include <algorithm>
#include <ostream>
#include <random>
#include <thread>

#include "core/fileio.h"
#include "core/integertext.h"
#include "core/randomsource.h"
#include "core/workspace.h"
#include "generator/batch.h"
#include "generator/condfile.h"
#include "generator/conditionbacktest.h"
#include "generator/condreport.h"
#include "generator/generator.h"
#include "generator/randompick.h"
#include "generator/resultfile.h"
#include "generator/runframe.h"
#include "generator/ticketrun.h"
#include "generator/wheel.h"
#include "indicators/context.h"

namespace lottodesk::cli {
namespace {

// Loads a main-zone condition file into the generator; its notes go to stderr.
bool loadConditions(const CommandCall& c, const std::string& path, Generator& generator) {
    MainConditionLoad load = loadMainConditions(path, c.ws.game.zh_to);
    if (!load.status) {
        c.err << load.status.message << '\n';
        return false;
    }
    for (const std::string& note : load.notes) c.err << note << '\n';
    // A cut-off file would run with conditions the user never chose (most of them reset).
    if (load.truncated) return false;
    generator.conditions = std::move(load.conditions);
    return true;
}

// Writes the results (--out) and their tags (--tags) as the command asked.
bool writeResults(const CommandCall& c, const Generator& generator) {
    const Options& opts = c.options;
    if (opts.has("--out")) {
        const Status saved = saveResultFile(opts.value("--out"), generator.results.tickets, c.ws.game.zhgs);
        if (!saved) {
            c.err << saved.message << '\n';
            return false;
        }
    }
    if (opts.has("--tags")) {
        std::string text;
        for (uint8_t tag : generator.results.tags) text += std::to_string(tag) + "\r\n";
        const Status saved = saveFileAtomically(opts.value("--tags"), text);
        if (!saved) {
            c.err << saved.message << '\n';
            return false;
        }
    }
    return true;
}

int runOptionsFrom(const CommandCall& c, RunOptions& options) {
    const Options& opts = c.options;
    options.cancel = c.timeUp;
    options.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (opts.has("--threads")) {
        std::optional<int> value = parseInteger(opts.value("--threads"));
        if (!value || *value < 1) return usage(c.err, "--threads 必须是正整数");
        options.threads = *value;
    }
    if (opts.has("--period")) {
        std::optional<int> value = parseInteger(opts.value("--period"));
        if (!value) return usage(c.err, "--period 必须是期数");
        // A period the history does not hold would silently filter over the whole history.
        if (*value != 0 && c.ws.sjk.indexOfPeriod(*value) == 0) {
            c.err << "数据库中没有第" << *value << "期的记录" << '\n';
            return kStopped;
        }
        options.filterPeriod = *value;
    }
    return kDone;
}

// Whether the history is ready for a run: a prediction record found is removed (the history file
// is not saved) and the command stops with the run's message.
bool historyReadyForRun(const CommandCall& c) {
    if (!removePredictionRecord(c.ws.sjk)) return true;
    c.err << kPredictionPresentMessage << '\n';
    return false;
}

// The end of a filter or continue command: the message of a run that stopped, or the files and
// the status text of a completed one.
int finishRun(const CommandCall& c, const Generator& generator, const RunReport& report) {
    if (!report.completed) {
        const bool timedOut = report.message.empty() && c.timeUp && *c.timeUp;
        c.err << (timedOut ? c.timeLimitMessage : report.message) << '\n';
        return kStopped;
    }
    if (!writeResults(c, generator)) return kStopped;
    c.out << report.statusText << '\n';
    return kDone;
}

constexpr const char* kBatchUsage =
    "用法: batch CONDFILE... [--mode M] [--guarantee G] [--count N] [--seed S] [--threads N] [--out FILE] "
    "[--tags FILE]";

constexpr const char* kFilterUsage =
    "用法: filter CONDFILE [--period P] [--mode regular|wheel|random|filter-wheel|filter-random] [--guarantee G] "
    "[--count N] [--seed S] [--threads N] [--out FILE] [--tags FILE]";

// The generator options of the wheel and random modes, read from the command's options.
struct TicketModeOptions {
    std::string mode = "regular";
    Guarantee guarantee = Guarantee::SixKeepFive;
    int count = kDefaultPickCount;
    std::optional<uint64_t> seed;
};

std::optional<TicketModeOptions> ticketModeOptions(const CommandCall& c, const Options& options) {
    TicketModeOptions parsed;
    if (options.has("--mode")) parsed.mode = options.value("--mode");
    static const std::vector<std::string> modes = {"regular", "wheel", "random", "filter-wheel", "filter-random"};
    if (std::find(modes.begin(), modes.end(), parsed.mode) == modes.end()) {
        usage(c.err, "未知的组号类型: " + parsed.mode + "\n" + kFilterUsage);
        return std::nullopt;
    }
    if (options.has("--guarantee")) {
        const std::optional<Guarantee> named = guaranteeNamed(options.value("--guarantee"));
        if (!named) {
            usage(c.err, "--guarantee 必须是 中六保五、中五保五、中六保四、中四保四 或 中五保四");
            return std::nullopt;
        }
        parsed.guarantee = *named;
    }
    if (options.has("--count")) {
        const std::optional<int> value = parseInteger(options.value("--count"));
        if (!value || *value < 0 || *value > kMaxPickCount) {
            usage(c.err, "--count 必须是 0..9999 的整数");
            return std::nullopt;
        }
        parsed.count = *value;
    }
    if (options.has("--seed")) {
        parsed.seed = seedValue(options.value("--seed"));
        if (!parsed.seed) {
            usage(c.err, "--seed 必须是非负整数");
            return std::nullopt;
        }
    }
    return parsed;
}

// The generator request of a wheel or random mode.
TicketRun ticketRunOf(const TicketModeOptions& mode) {
    TicketRun request;
    request.mode = mode.mode == "wheel"          ? TicketMode::Wheel
                   : mode.mode == "filter-wheel" ? TicketMode::FilterWheel
                   : mode.mode == "random"       ? TicketMode::Random
                                                 : TicketMode::FilterRandom;
    request.guarantee = mode.guarantee;
    request.count = mode.count;
    request.seed = mode.seed ? *mode.seed : RandomSource::entropySeed();
    return request;
}

// Wheel and random runs: the regular filter first where the mode says so, then the wheel or the
// pick; the results and the status text as a regular run has them.
int ticketModeRun(const CommandCall& c, const TicketModeOptions& mode, Generator& generator,
                  const RunOptions& options) {
    const TicketRun request = ticketRunOf(mode);
    if (isWheelMode(request.mode) && c.ws.game.zhgs == kWheelTicketSize)
        askAboutPool(c.err, wheelPoolOf(generator.conditions, c.ws.game.zh_to));
    return finishRun(c, generator, runTicketMode(generator, c.ws, options, request));
}

int filterTickets(const CommandCall& c) {
    if (c.options.positional.size() != 1) return refuse(c.err, kFilterUsage, "缺少条件文件");
    const std::optional<TicketModeOptions> mode = ticketModeOptions(c, c.options);
    if (!mode) return kUsage;
    RunOptions options;
    if (int code = runOptionsFrom(c, options); code != kDone) return code;
    Generator generator(std::random_device{}());
    if (!loadConditions(c, c.options.positional[0], generator)) return kStopped;
    if (!historyReadyForRun(c)) return kStopped;
    if (mode->mode != "regular") return ticketModeRun(c, *mode, generator, options);
    return finishRun(c, generator, generator.run(c.ws, options));
}

// The batch filter: every file checked before the first run, then the runs in order.
int batchTickets(const CommandCall& c) {
    if (c.options.positional.empty()) return usage(c.err, kBatchUsage);
    const std::vector<std::string>& files = c.options.positional;
    const std::optional<TicketModeOptions> mode = ticketModeOptions(c, c.options);
    if (!mode) return kUsage;
    RunOptions options;
    if (int code = runOptionsFrom(c, options); code != kDone) return code;
    if (!historyReadyForRun(c)) return kStopped;
    const BatchPlan plan = prepareBatch(c.ws, files);
    if (!plan.status) {
        c.err << plan.status.message << '\n';
        return kStopped;
    }
    for (const BatchEntry& entry : plan.entries) {
        for (const std::string& note : entry.notes) c.err << entry.path << "：" << note << '\n';
        // A cut-off file would run with conditions the user never chose (most of them reset).
        if (entry.truncated) return kStopped;
    }
    std::optional<TicketRun> request;
    if (mode->mode != "regular") request = ticketRunOf(*mode);
    Generator generator(std::random_device{}());
    const BatchReport report = runBatch(generator, c.ws, plan, options, request, [&](int index, int) {
        const BatchEntry& entry = plan.entries[static_cast<size_t>(index)];
        if (entry.first && request && isWheelMode(request->mode) && c.ws.game.zhgs == kWheelTicketSize)
            askAboutPool(c.err, wheelPoolOf(entry.conditions, c.ws.game.zh_to));
    });
    for (const std::string& line : report.statusLines) c.out << line << '\n';
    if (!report.completed) {
        const bool timedOut = report.message.empty() && c.timeUp && *c.timeUp;
        c.err << (timedOut ? c.timeLimitMessage : report.message) << '\n';
        return kStopped;
    }
    if (!writeResults(c, generator)) return kStopped;
    c.out << kBatchFinished << '\n';
    if (!plan.missing.empty()) c.err << report.finishedText.substr(report.finishedText.find('\n') + 1) << '\n';
    return kDone;
}

int continueTickets(const CommandCall& c) {
    constexpr const char* kUsageText = "用法: continue CONDFILE --in FILE [--out FILE] [--tags FILE]";
    if (c.options.positional.size() != 1) return refuse(c.err, kUsageText, "缺少条件文件");
    if (!c.options.has("--in")) return usage(c.err, kUsageText);
    RunOptions options;
    if (int code = runOptionsFrom(c, options); code != kDone) return code;
    Generator generator(std::random_device{}());
    if (!loadConditions(c, c.options.positional[0], generator)) return kStopped;
    const TicketRange range = mainZoneRange(c.ws.game);
    ResultTextParse parsed = loadResultFile(c.options.value("--in"), c.ws.game.zhgs, &range);
    if (!parsed.ok()) {
        c.err << parsed.error << '\n';
        return kStopped;
    }
    generator.results.tickets = std::move(parsed.tickets);
    generator.results.tags.assign(generator.results.tickets.size(), 0);
    if (!historyReadyForRun(c)) return kStopped;
    return finishRun(c, generator, generator.continueFiltering(c.ws, options));
}

constexpr const char* kConditionsUsage =
    "用法: conditions CONDFILE [--check P --show all|right|wrong] [--backtest N [--threads N]]";

// "条件回测": one line per draw (period, result count, 1/0 survived, the failed conditions), then
// the survival rate and the mean result count.
int backtestConditions(const CommandCall& c, Generator& generator) {
    const Options& opts = c.options;
    const std::optional<int> n = parseInteger(opts.value("--backtest"));
    if (!n || *n < 1) return usage(c.err, "--backtest 必须是正整数");
    RunOptions options;
    if (const int status = runOptionsFrom(c, options); status != kDone) return status;
    if (!c.historyOpened || !historyReadyForRun(c)) return kStopped;  // the start-up said why
    const ConditionBacktest result = conditionBacktest(generator, c.ws, *n, options);
    if (!result.completed) {
        const bool timedOut = result.message.empty() && c.timeUp && *c.timeUp;
        c.err << (timedOut ? c.timeLimitMessage : result.message) << '\n';
        return kStopped;
    }
    c.rows.columns({"期数", "结果个数", "保留", "未通过的条件"});
    c.rows.textColumns({3});
    for (const ConditionBacktestPeriod& p : result.periods)
        c.rows.row({std::to_string(p.period), std::to_string(p.resultCount), p.survived ? "1" : "0", rejectedText(p)});
    c.rows.summary("summary", conditionBacktestSummary(result));
    return kDone;
}

int conditionReport(const CommandCall& c) {
    if (c.options.positional.size() != 1) return refuse(c.err, kConditionsUsage, "缺少条件文件");
    if ((c.options.has("--show") && !c.options.has("--check")) ||
        (c.options.has("--backtest") && c.options.has("--check")) ||
        (c.options.has("--threads") && !c.options.has("--backtest")))
        return usage(c.err, kConditionsUsage);
    Generator generator(1);
    if (!loadConditions(c, c.options.positional[0], generator)) return kStopped;
    if (c.options.has("--backtest")) return backtestConditions(c, generator);
    std::vector<std::string> lines;
    if (c.options.has("--check")) {
        std::optional<int> period = parseInteger(c.options.value("--check"));
        const std::string show = c.options.valueOr("--show", "all");
        const CheckMode mode = show == "right"   ? CheckMode::RightOnly
                               : show == "wrong" ? CheckMode::WrongOnly
                                                 : CheckMode::All;
        if (!period || (show != "all" && show != "right" && show != "wrong")) return usage(c.err, kConditionsUsage);
        if (!c.historyOpened) return kStopped;
        const int n = c.ws.sjk.indexOfPeriod(*period);
        if (n == 0) {
            c.err << "数据库中没有第" << *period << "期的记录" << '\n';
            return kStopped;
        }
        SeriesMemo memo;
        CheckReport report = checkReport(generator.conditions, indicatorContext(c.ws, &memo), n, mode);
        if (!report.status) {
            c.err << report.status.message << '\n';
            return kStopped;
        }
        lines = std::move(report.lines);
    } else {
        lines = summaryReport(generator.conditions);
    }
    c.rows.columns({"条件"});
    c.rows.textColumns({0});
    for (const std::string& line : lines) c.rows.row({line});
    return kDone;
}

}  // namespace

std::vector<Command> generatorCommands() {
    const std::vector<OptionSpec> modes = {valued("--mode"), valued("--guarantee"), valued("--count"),
                                           valued("--seed"), valued("--threads"),   valued("--out"),
                                           valued("--tags")};
    std::vector<OptionSpec> filterOptions = modes;
    filterOptions.push_back(valued("--period"));
    return {
        {"filter",
         "filter CONDFILE [--period P] [--mode regular|wheel|random|filter-wheel|filter-random] [--guarantee G] "
         "[--count N] [--seed S] [--threads N] [--out FILE] [--tags FILE]",
         "按主区条件文件（.zh）组号（常规、旋转、机选、过滤后旋转、过滤后机选），输出状态栏文字", 1, filterOptions,
         filterTickets, OnTimeLimit::Cancel, false, false, HistoryUse::Ordered},
        {"continue",
         "continue CONDFILE --in FILE [--out FILE] [--tags FILE]",
         "对组号文件中的组号继续过滤",
         1,
         {valued("--in"), valued("--out"), valued("--tags"), valued("--threads"), valued("--period")},
         continueTickets,
         OnTimeLimit::Cancel,
         false,
         false,
         HistoryUse::Ordered},
        {"batch",
         "batch CONDFILE... [--mode M] [--guarantee G] [--count N] [--seed S] [--threads N] [--out FILE] [--tags "
         "FILE]",
         "批量过滤：第一个条件文件组号，其后的继续过滤；每次的状态栏文字，然后 批量过滤完毕", kAnyCount, modes,
         batchTickets, OnTimeLimit::Cancel, false, false, HistoryUse::Ordered},
        {"conditions",
         "conditions CONDFILE [--check P --show all|right|wrong] [--backtest N [--threads N]]",
         "显示条件，或对第P期检查条件对错；--backtest N 条件回测：最近N期每期用该期之前的\n"
         "开奖数据过滤：期数 结果个数 是否保留(1/0) 未通过的条件，最后一行保留率和平均结果个数",
         1,
         {valued("--check"), valued("--show"), valued("--backtest"), valued("--threads")},
         conditionReport,
         OnTimeLimit::Cancel,
         true,
         false,
         HistoryUse::OrderedWhenOpen},
    };
}

}  // namespace lottodesk::cli
