#include "cli/cli.h"
#include "cli/common.h"
#include "cli/analysis.h"
#include "cli/options.h"
#include "cli/tablewriter.h"
#include "cli/tableviews.h"
#include "cli/convert.h"
#include "cli/trendchart.h"
#include "cli/transform.h"
#include "cli/update.h"
#include "cli/prediction.h"
#include "cli/results.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <ostream>
#include <random>
#include <thread>

#include "core/datatransform.h"
#include "core/drawcheck.h"
#include "core/drawtext.h"
#include "core/drawupdate.h"
#include "core/fileio.h"
#include "core/firstrun.h"
#include "core/integertext.h"
#include "core/platform.h"
#include "core/programfolder.h"
#include "core/usersettings.h"
#include "core/workspace.h"
#include "formula/precheck.h"
#include "formula/selfzb.h"
#include "generator/batch.h"
#include "generator/condfile.h"
#include "generator/conditionbacktest.h"
#include "generator/condreport.h"
#include "generator/generator.h"
#include "generator/numberlist.h"
#include "generator/randompick.h"
#include "core/randomsource.h"
#include "generator/resultfile.h"
#include "formula/evalfailure.h"
#include "generator/runframe.h"
#include "generator/ticketrun.h"
#include "generator/wheel.h"
#include "generator/wheelcheck.h"
#include "generator/wheeloptimiser.h"
#include "formula/tgs.h"
#include "indicators/catalogue.h"
#include "indicators/context.h"
#include "indicators/registry.h"

namespace lottodesk {
namespace {

using cli::flagged;
using cli::kDone;
using cli::kStopped;
using cli::kUsage;
using cli::Options;
using cli::readOptions;
using cli::runAnalyse;
using cli::runBacktestCommand;
using cli::runChart;
using cli::runConvert;
using cli::runConvertInverse;
using cli::runConvertKill;
using cli::runMatch;
using cli::runPickTwoZones;
using cli::runPrint;
using cli::runPrize;
using cli::runRanking;
using cli::runRemove;
using cli::runRestore;
using cli::runReward;
using cli::runSchemes;
using cli::runSearch;
using cli::runSecondary;
using cli::runSpecial;
using cli::runTrend;
using cli::runVerdicts;
using cli::TableWriter;
using cli::valued;

struct Context {
    Workspace& ws;
    const std::vector<std::string>& args;  // the command's own arguments
    std::ostream& out;
    std::ostream& err;
    TableWriter& rows;  // where a command's table or list goes, in the format asked for
    bool historyOpened;
    bool typeFileNoted = false;  // the start-up said the type file was damaged
    // Set when the time limit (--time-limit) has passed; the generator runs stop at it.
    const std::atomic<bool>* timeUp = nullptr;
    std::string timeLimitMessage = {};
};

// What a time limit does to a command: a generator run stops at its next block; a command that
// only reads ends the process with the message; a command that writes the history finishes.
enum class OnTimeLimit { Cancel, Exit, Finish };

struct Command {
    const char* name;
    const char* synopsis;
    std::function<int(Context&)> run;
    OnTimeLimit onTimeLimit = OnTimeLimit::Exit;
    bool tabular = false;  // prints a table or a list, so takes --format
};

#ifndef LOTTODESK_VERSION
#define LOTTODESK_VERSION "1.0"
#endif

int usage(std::ostream& err, const std::string& text) {
    err << text << "\n"
        << "用法: lottodesk-cli [--home DIR [--init]] [--type N] [--transform N] COMMAND [ARGS]  (lottodesk-cli "
           "--help)\n";
    return kUsage;
}

bool isHelpOption(const std::string& arg) { return arg == "--help" || arg == "-h"; }

// A text that goes into one TAB-separated field: TABs and line ends inside become blanks.
std::string field(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return text;
}

int listTypes(Context& c) {
    if (!c.args.empty()) return usage(c.err, "types 不接受参数");
    c.rows.columns({"序号", "名称", "主号个数", "主号起", "主号止", "副号个数", "副号起", "副号止", "有副号", "类型",
                    "主号名", "副号名"});
    c.rows.textColumns({1, 10, 11});
    for (int i = 0; i < kTypeCount; ++i) {
        const tcpstyle& t = c.ws.types.cpstyles[i];
        auto number = [](int value) { return std::to_string(value); };
        c.rows.row({number(i), field(t.cpmm), number(t.zhgs), number(t.zh_from), number(t.zh_to), number(t.fhgs),
                    number(t.spec_from), number(t.spec_to), number(t.hasspec), number(t.ltorsz), field(t.zhname),
                    field(t.specname)});
    }
    // A name with a TAB or a line end would break the fields; it is printed with blanks instead.
    bool damaged = false;
    for (int i = 0; i < kTypeCount; ++i) {
        const tcpstyle& t = c.ws.types.cpstyles[i];
        if (field(t.cpmm) != t.cpmm || field(t.zhname) != t.zhname || field(t.specname) != t.specname) {
            c.err << "彩种文件中第" << i << "个彩种的名称含有制表符或换行符，已显示为空格" << '\n';
            damaged = true;
        }
        // Bytes that are not GBK decode as U+FFFD, which no GBK text can hold.
        constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
        for (const std::string* text : {&t.cpmm, &t.zhname, &t.specname})
            if (text->find(kReplacement) != std::string::npos) {
                c.err << "彩种文件中第" << i << "个彩种的名称含有无法识别的文字（不是GBK编码），已显示为\xEF\xBF\xBD"
                      << '\n';
                damaged = true;
                break;
            }
    }
    return damaged || c.typeFileNoted ? kStopped : kDone;
}

int listDraws(Context& c) {
    if (!c.args.empty()) return usage(c.err, "draws 不接受参数");
    if (!c.historyOpened) return kStopped;  // the start-up messages already said why
    const t_s_dm& sjk = c.ws.sjk;
    const GameParams& game = c.ws.game;
    c.rows.columns({"期数", "主号", "副号"});
    std::vector<std::string> cells(3);
    for (int n = 1; n <= sjk.RecordCount(); ++n) {
        const int32_t* record = sjk.record(n);
        cells[0] = std::to_string(record[0]);
        cells[1].clear();
        cells[2].clear();
        for (int i = 1; i <= game.zhgs + game.fhgs && i < kSlots; ++i) {
            std::string& zone = cells[i <= game.zhgs ? 1 : 2];
            if (!zone.empty()) zone += ' ';
            zone += twoDigits(record[i]);
        }
        c.rows.row(cells);
    }
    return kDone;
}

// Reads "--with-secondary"/"--without-secondary" and the optional mode flags after FILE.
struct TransferOptions {
    std::string file;
    bool withSecondary = false;
    bool overwrite = false;
};

std::optional<TransferOptions> transferOptions(Context& c, bool allowMode) {
    TransferOptions options;
    std::optional<bool> secondary;
    for (const std::string& arg : c.args) {
        if (arg == "--with-secondary" || arg == "--without-secondary") {
            if (secondary) return std::nullopt;
            secondary = arg == "--with-secondary";
        } else if (allowMode && (arg == "--append" || arg == "--overwrite")) {
            options.overwrite = arg == "--overwrite";
        } else if (arg.rfind("--", 0) != 0 && options.file.empty()) {
            options.file = arg;
        } else {
            return std::nullopt;
        }
    }
    if (!secondary || options.file.empty()) return std::nullopt;
    options.withSecondary = *secondary;
    return options;
}

int importDraws(Context& c) {
    std::optional<TransferOptions> options = transferOptions(c, true);
    if (!options) return usage(c.err, "用法: import FILE --with-secondary|--without-secondary [--append|--overwrite]");
    if (!c.historyOpened) return kStopped;
    ImportOutcome outcome =
        importDrawFile(c.ws.sjk, c.ws.game, options->file, options->withSecondary, options->overwrite);
    if (!outcome.status) {
        c.err << outcome.status.message << '\n';
        return kStopped;
    }
    c.out << c.ws.sjk.RecordCount() << '\n';
    c.err << outcome.summary << '\n';
    return kDone;
}

int exportDraws(Context& c) {
    std::optional<TransferOptions> options = transferOptions(c, false);
    if (!options) return usage(c.err, "用法: export FILE --with-secondary|--without-secondary");
    if (!c.historyOpened) return kStopped;
    const Status saved = exportDrawFile(c.ws.sjk, c.ws.game, exportFileName(options->file), options->withSecondary);
    if (!saved) {
        c.err << saved.message << '\n';
        return kStopped;
    }
    return kDone;
}

int nameOf(Context& c) {
    if (c.args.size() != 1) return usage(c.err, "用法: name ID");
    tsetaccostr entry;
    if (!Registry::instance().lookup_name(c.args[0], c.ws.game, c.ws.current().specname, entry)) {
        c.err << "“" << c.args[0] << "”不是系统指标" << '\n';
        return kStopped;
    }
    c.rows.columns({"代码", "名称", "最小值", "最大值"});
    c.rows.textColumns({0, 1});
    c.rows.row({entry.id, entry.name, std::to_string(entry.min), std::to_string(entry.max)});
    return kDone;
}

// A ticket "N1 N2 .. [+ S1 ..]" as a record of the current game: nullopt when the text is not
// such a ticket (a usage error); `problem` says when a number is outside its zone or repeated.
std::optional<DrawRecord> parseCandidate(const std::string& text, const DrawRules& rules, std::string& problem) {
    const GameParams& game = rules.game;
    std::vector<int> main, secondary;
    bool inSecondary = false;
    size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == ',')) ++pos;
        if (pos == text.size()) break;
        if (text[pos] == '+') {
            if (inSecondary) return std::nullopt;
            inSecondary = true;
            ++pos;
            continue;
        }
        size_t end = pos;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t' && text[end] != ',' && text[end] != '+')
            ++end;
        std::optional<int> value = parseInteger(std::string_view(text).substr(pos, end - pos));
        if (!value) return std::nullopt;
        std::vector<int>& zone = inSecondary ? secondary : main;
        if (zone.size() >= static_cast<size_t>(kSlots)) return std::nullopt;
        zone.push_back(*value);
        pos = end;
    }
    // The record holds 50 numbers whatever the type file claims.
    if (static_cast<int>(main.size()) != game.zhgs || static_cast<int>(secondary.size()) > game.fhgs ||
        main.size() + secondary.size() >= static_cast<size_t>(kSlots))
        return std::nullopt;
    // A ticket's numbers are held in ascending order, as the generator holds them.
    std::sort(main.begin(), main.end());
    std::sort(secondary.begin(), secondary.end());
    DrawRecord record{};
    for (size_t i = 0; i < main.size(); ++i) record[i + 1] = main[i];
    for (size_t i = 0; i < secondary.size(); ++i) record[game.zhgs + 1 + i] = secondary[i];
    // Checked as a draw (the period only stands in here); only the given secondary numbers.
    DrawRules given = rules;
    given.game.fhgs = static_cast<int>(secondary.size());
    record[0] = 2000001;
    problem = checkDraw(given, record, !secondary.empty());
    record[0] = kCandidatePeriod;
    return record;
}

// A formula typed on the command line is checked as the formula dialog checks it: an unknown
// identifier or unbalanced parentheses stop the command (exit 2) instead of evaluating to -999.
bool refusedFormula(Context& c, const std::string& formula) {
    const std::string message = precheckEnteredFormula(trimFormulaText(formula));
    if (message.empty()) return false;
    c.err << "公式有误:" << message << '\n';
    return true;
}

int evalFormula(Context& c) {
    std::string formula, period, candidateText;
    bool haveFormula = false, haveCandidate = false, lenient = false;
    for (size_t i = 0; i < c.args.size(); ++i) {
        const std::string& arg = c.args[i];
        if (arg == "--lenient") {
            lenient = true;
        } else if ((arg == "--period" || arg == "--candidate") && i + 1 < c.args.size()) {
            (arg == "--period" ? period : candidateText) = c.args[++i];
            haveCandidate = haveCandidate || arg == "--candidate";
        } else if (!haveFormula && arg.rfind("--", 0) != 0) {
            formula = arg;
            haveFormula = true;
        } else {
            return usage(c.err, "用法: eval FORMULA [--period P] [--candidate \"N1 N2 .. [+ S1 ..]\"] [--lenient]");
        }
    }
    if (!haveFormula)
        return usage(c.err, "用法: eval FORMULA [--period P] [--candidate \"N1 N2 .. [+ S1 ..]\"] [--lenient]");
    if (!lenient && refusedFormula(c, formula)) return kStopped;
    if (!c.historyOpened) return kStopped;
    std::optional<DrawRecord> candidate;
    if (haveCandidate) {
        std::string problem;
        candidate = parseCandidate(candidateText, drawRulesOf(c.ws), problem);
        if (!candidate)
            return usage(c.err, "--candidate 应为 " + std::to_string(c.ws.game.zhgs) + " 个主号，可用 + 接副号");
        if (!problem.empty()) {
            c.err << problem << '\n';
            return kStopped;
        }
    }
    const t_s_dm& sjk = c.ws.sjk;
    int at = sjk.RecordCount();
    if (!period.empty()) {
        std::optional<int> wanted = parseInteger(period);
        if (!wanted) return usage(c.err, "--period 必须是期数");
        at = sjk.indexOfPeriod(*wanted);
        if (at == 0) {
            c.err << "数据库中没有第" << *wanted << "期的记录" << '\n';
            return kStopped;
        }
    }
    SeriesMemo memo;
    IndicatorContext ctx = indicatorContext(c.ws, &memo, candidate ? candidate->data() : nullptr);
    if (candidate) {
        // The ticket is the newest draw: after the last record, or in the place of the chosen
        // period with the history cut before it, as a filter run for that period sees it.
        if (period.empty()) at += 1;
        ctx.history.realCount = at - 1;
    }
    if (at < 1) {
        c.err << "没有开奖数据" << '\n';
        return kStopped;
    }
    const EvalResult result = tgs(formula).evaluate(ctx, at);
    if (!result.ok) {
        c.err << evaluationFailure(result) << '\n';
        return kStopped;
    }
    c.out << result.value << '\n';
    return kDone;
}

int precheckOf(Context& c) {
    if (c.args.size() != 1) return usage(c.err, "用法: precheck FORMULA");
    const std::string message = precheckEnteredFormula(trimFormulaText(c.args[0]));
    if (!message.empty()) {
        c.err << message << '\n';
        return kStopped;
    }
    c.out << "ok" << '\n';
    return kDone;
}

int seriesOf(Context& c) {
    const bool lenient = c.args.size() == 2 && c.args[1] == "--lenient";
    if (c.args.size() != 1 && !lenient) return usage(c.err, "用法: series FORMULA [--lenient]");
    if (!lenient && refusedFormula(c, c.args[0])) return kStopped;
    if (!c.historyOpened) return kStopped;
    SeriesMemo memo;
    const IndicatorContext ctx = indicatorContext(c.ws, &memo);
    const tgs formula(c.args[0]);
    c.rows.columns({"期数", "值"});
    for (int n = 1; n <= c.ws.sjk.RecordCount(); ++n) {
        const EvalResult result = formula.evaluate(ctx, n);
        if (!result.ok) {
            c.err << evaluationFailure(result) << '\n';
            return kStopped;
        }
        c.rows.row({std::to_string(ctx.history.record(n)[0]), std::to_string(result.value)});
    }
    return kDone;
}

int listCatalogue(Context& c) {
    const bool dialog = c.args.size() == 1 && c.args[0] == "--dialog";
    if (!c.args.empty() && !dialog) return usage(c.err, "用法: catalogue [--dialog]");
    c.rows.columns({"系列", "代码", "名称"});
    c.rows.textColumns({0, 1, 2});
    auto print = [&](const CatalogueSeries& series) {
        for (const CatalogueEntry& entry : series.entries) c.rows.row({series.caption, entry.code, entry.name});
    };
    for (const CatalogueSeries& series : dialog ? formulaDialogCatalogue() : indicatorCatalogue()) print(series);
    if (dialog) print(formulaOperatorPage());
    CatalogueSeries saved{dialog ? "保存的自定义指标" : "已保存的自定义指标", {}};
    const SelfzbLoad selfzb = loadSelfzbFile(c.ws.folder);
    for (const std::string& line : selfzb.lines) {
        auto [code, name] = splitSelfzbLine(line);
        saved.entries.push_back({code, name});
    }
    print(saved);
    if (!selfzb.message.empty()) {
        c.err << selfzb.message << '\n';
        return kStopped;
    }
    return kDone;
}

// The options of the generator commands: a condition file first, then "--name value" pairs.
struct GeneratorArgs {
    std::string condFile;
    Options options;
};

// The condition file and the options of `allowed` (each with one value); nothing, after the usage
// text and the reason went to stderr, when they do not fit.
std::optional<GeneratorArgs> generatorArgs(Context& c, std::initializer_list<const char*> allowed,
                                           const char* usageText) {
    std::vector<cli::OptionSpec> spec;
    for (const char* name : allowed) spec.push_back(valued(name));
    std::string problem;
    std::optional<Options> options = readOptions(c.args, spec, 1, problem);
    if (!options || options->positional.size() != 1) {
        cli::refuse(c.err, usageText, options ? "缺少条件文件" : problem);
        return std::nullopt;
    }
    return GeneratorArgs{options->positional[0], std::move(*options)};
}

// Loads a main-zone condition file into the generator; its notes go to stderr.
bool loadConditions(Context& c, const std::string& path, Generator& generator) {
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
bool writeResults(Context& c, const GeneratorArgs& args, const Generator& generator) {
    if (args.options.has("--out")) {
        const Status saved = saveResultFile(args.options.value("--out"), generator.results.tickets, c.ws.game.zhgs);
        if (!saved) {
            c.err << saved.message << '\n';
            return false;
        }
    }
    if (args.options.has("--tags")) {
        std::string text;
        for (uint8_t tag : generator.results.tags) text += std::to_string(tag) + "\r\n";
        const Status saved = saveFileAtomically(args.options.value("--tags"), text);
        if (!saved) {
            c.err << saved.message << '\n';
            return false;
        }
    }
    return true;
}

int runOptionsFrom(Context& c, const GeneratorArgs& args, RunOptions& options) {
    options.cancel = c.timeUp;
    options.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (args.options.has("--threads")) {
        std::optional<int> value = parseInteger(args.options.value("--threads"));
        if (!value || *value < 1) return usage(c.err, "--threads 必须是正整数");
        options.threads = *value;
    }
    if (args.options.has("--period")) {
        std::optional<int> value = parseInteger(args.options.value("--period"));
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
bool historyReadyForRun(Context& c) {
    if (!removePredictionRecord(c.ws.sjk)) return true;
    c.err << kPredictionPresentMessage << '\n';
    return false;
}

// The end of a filter or continue command: the message of a run that stopped, or the files and
// the status text of a completed one.
int finishRun(Context& c, const GeneratorArgs& args, const Generator& generator, const RunReport& report) {
    if (!report.completed) {
        const bool timedOut = report.message.empty() && c.timeUp && *c.timeUp;
        c.err << (timedOut ? c.timeLimitMessage : report.message) << '\n';
        return kStopped;
    }
    if (!writeResults(c, args, generator)) return kStopped;
    c.out << report.statusText << '\n';
    return kDone;
}

constexpr const char* kFilterUsage =
    "用法: filter CONDFILE [--period P] [--mode regular|wheel|random|filter-wheel|filter-random] [--guarantee G] "
    "[--count N] [--seed S] [--threads N] [--out FILE] [--tags FILE]";

std::optional<uint64_t> parseSeed(const std::string& text) {
    uint64_t value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

// The generator options of the wheel and random modes, read from the command's options.
struct TicketModeOptions {
    std::string mode = "regular";
    Guarantee guarantee = Guarantee::SixKeepFive;
    int count = kDefaultPickCount;
    std::optional<uint64_t> seed;
};

std::optional<TicketModeOptions> ticketModeOptions(Context& c, const Options& options) {
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
        parsed.seed = parseSeed(options.value("--seed"));
        if (!parsed.seed) {
            usage(c.err, "--seed 必须是非负整数");
            return std::nullopt;
        }
    }
    return parsed;
}

// The question a window asks before a wheel of a wide pool; the command line says it and goes on.
void poolQuestion(Context& c, const WheelPool& pool) {
    if (pool.size() > kWheelQuestionPool) c.err << kWheelPoolQuestion << '\n';
}

// Wheel and random runs: the regular filter first where the mode says so, then the wheel or the
// pick; the results and the status text as a regular run has them.
int ticketModeRun(Context& c, const GeneratorArgs& args, const TicketModeOptions& mode, Generator& generator,
                  const RunOptions& options) {
    TicketRun request;
    request.mode = mode.mode == "wheel"          ? TicketMode::Wheel
                   : mode.mode == "filter-wheel" ? TicketMode::FilterWheel
                   : mode.mode == "random"       ? TicketMode::Random
                                                 : TicketMode::FilterRandom;
    request.guarantee = mode.guarantee;
    request.count = mode.count;
    request.seed = mode.seed ? *mode.seed : RandomSource::entropySeed();
    if (isWheelMode(request.mode) && c.ws.game.zhgs == kWheelTicketSize)
        poolQuestion(c, wheelPoolOf(generator.conditions, c.ws.game.zh_to));
    return finishRun(c, args, generator, runTicketMode(generator, c.ws, options, request));
}

int filterTickets(Context& c) {
    std::optional<GeneratorArgs> args = generatorArgs(
        c, {"--period", "--mode", "--guarantee", "--count", "--seed", "--threads", "--out", "--tags"}, kFilterUsage);
    if (!args) return kUsage;
    const std::optional<TicketModeOptions> mode = ticketModeOptions(c, args->options);
    if (!mode) return kUsage;
    if (!c.historyOpened) return kStopped;
    RunOptions options;
    if (int code = runOptionsFrom(c, *args, options); code != kDone) return code;
    Generator generator(std::random_device{}());
    if (!loadConditions(c, args->condFile, generator)) return kStopped;
    if (!historyReadyForRun(c)) return kStopped;
    if (mode->mode != "regular") return ticketModeRun(c, *args, *mode, generator, options);
    return finishRun(c, *args, generator, generator.run(c.ws, options));
}

// The batch filter: every file checked before the first run, then the runs in order.
int batchTickets(Context& c) {
    constexpr const char* kUsageText =
        "用法: batch CONDFILE... [--mode M] [--guarantee G] [--count N] [--seed S] [--threads N] [--out FILE] "
        "[--tags FILE]";
    std::string problem;
    std::optional<Options> read =
        readOptions(c.args,
                    {valued("--mode"), valued("--guarantee"), valued("--count"), valued("--seed"), valued("--threads"),
                     valued("--out"), valued("--tags")},
                    SIZE_MAX, problem);
    if (!read) return cli::refuse(c.err, kUsageText, problem);
    if (read->positional.empty()) return usage(c.err, kUsageText);
    const std::vector<std::string> files = read->positional;
    GeneratorArgs args{files.front(), std::move(*read)};
    const std::optional<TicketModeOptions> mode = ticketModeOptions(c, args.options);
    if (!mode) return kUsage;
    if (!c.historyOpened) return kStopped;
    RunOptions options;
    if (int code = runOptionsFrom(c, args, options); code != kDone) return code;
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
    if (mode->mode != "regular") {
        request.emplace();
        request->mode = mode->mode == "wheel"          ? TicketMode::Wheel
                        : mode->mode == "filter-wheel" ? TicketMode::FilterWheel
                        : mode->mode == "random"       ? TicketMode::Random
                                                       : TicketMode::FilterRandom;
        request->guarantee = mode->guarantee;
        request->count = mode->count;
        request->seed = mode->seed ? *mode->seed : RandomSource::entropySeed();
    }
    Generator generator(std::random_device{}());
    const BatchReport report = runBatch(generator, c.ws, plan, options, request, [&](int index, int) {
        const BatchEntry& entry = plan.entries[static_cast<size_t>(index)];
        if (entry.first && request && isWheelMode(request->mode) && c.ws.game.zhgs == kWheelTicketSize)
            poolQuestion(c, wheelPoolOf(entry.conditions, c.ws.game.zh_to));
    });
    for (const std::string& line : report.statusLines) c.out << line << '\n';
    if (!report.completed) {
        const bool timedOut = report.message.empty() && c.timeUp && *c.timeUp;
        c.err << (timedOut ? c.timeLimitMessage : report.message) << '\n';
        return kStopped;
    }
    if (!writeResults(c, args, generator)) return kStopped;
    c.out << kBatchFinished << '\n';
    if (!plan.missing.empty()) c.err << report.finishedText.substr(report.finishedText.find('\n') + 1) << '\n';
    return kDone;
}

// The pool of --pool and --fixed: the fixed numbers and the pool's other numbers.
std::optional<WheelPool> wheelPoolArgs(Context& c, const Options& options) {
    const NumberListParse pool = parseNumberList(options.valueOr("--pool", ""), 1, kMaxMainNumber);
    const NumberListParse fixed = parseNumberList(options.valueOr("--fixed", ""), 1, kMaxMainNumber);
    for (const NumberListParse* parse : {&pool, &fixed})
        if (!parse->ok()) {
            c.err << parse->error << '\n';
            return std::nullopt;
        }
    if (const Status fits = checkFixedCount(fixed.numbers.size(), kWheelTicketSize); !fits) {
        c.err << fits.message << '\n';
        return std::nullopt;
    }
    WheelPool wheelPool;
    wheelPool.fixed = fixed.numbers;
    for (int n : pool.numbers)
        if (!std::binary_search(fixed.numbers.begin(), fixed.numbers.end(), n)) wheelPool.choosable.push_back(n);
    return wheelPool;
}

std::string ticketText(const Ticket& ticket) {
    std::string line;
    for (int i = 0; i < kWheelTicketSize; ++i) {
        if (i > 0) line += ' ';
        line += twoDigits(ticket[i]);
    }
    return line;
}

int wheelOfPool(Context& c) {
    constexpr const char* kUsageText =
        "用法: wheel --pool \"N1 N2 ..\" [--fixed \"N1 ..\"] [--guarantee G] [--optimise [--seconds S]] [--seed S] "
        "[--out FILE]";
    std::string problem;
    const std::optional<Options> options =
        readOptions(c.args,
                    {valued("--pool"), valued("--fixed"), valued("--guarantee"), valued("--seconds"), valued("--seed"),
                     valued("--out"), flagged("--optimise"), flagged("--print")},
                    0, problem);
    if (!options) return cli::refuse(c.err, kUsageText, problem);
    if (!options->has("--pool")) return usage(c.err, kUsageText);
    Guarantee guarantee = Guarantee::SixKeepFive;
    if (options->has("--guarantee")) {
        const std::optional<Guarantee> named = guaranteeNamed(options->value("--guarantee"));
        if (!named) return usage(c.err, "--guarantee 必须是 中六保五、中五保五、中六保四、中四保四 或 中五保四");
        guarantee = *named;
    }
    OptimiseOptions optimise;
    const bool optimising = options->has("--optimise");
    if (options->has("--seconds")) {
        const std::optional<int> seconds = parseInteger(options->value("--seconds"));
        if (!optimising || !seconds || *seconds < 0)
            return usage(c.err, "--seconds 须与 --optimise 同用，且为非负整数");
        optimise.seconds = *seconds;
    }
    optimise.seed = RandomSource::entropySeed();
    if (options->has("--seed")) {
        const std::optional<uint64_t> seed = parseSeed(options->value("--seed"));
        if (!seed) return usage(c.err, "--seed 必须是非负整数");
        optimise.seed = *seed;
    }
    const std::optional<WheelPool> pool = wheelPoolArgs(c, *options);
    if (!pool) return kStopped;
    poolQuestion(c, *pool);
    WheelResult wheel = greedyWheel(*pool, guarantee);
    std::vector<Ticket> tickets = std::move(wheel.tickets);
    const size_t greedySize = tickets.size();
    std::optional<CoveringBound> bestKnown;
    if (optimising) {
        OptimiseResult better = optimiseWheel(*pool, guarantee, tickets, optimise);
        tickets = std::move(better.tickets);
        bestKnown = better.bestKnown;
    }
    if (options->has("--out")) {
        const Status saved = saveFileAtomically(options->value("--out"), encodeResultText(tickets, kWheelTicketSize));
        if (!saved) {
            c.err << saved.message << '\n';
            return kStopped;
        }
    }
    // With --out the tickets went to the file; they are printed only when --print asks for them.
    if (!options->has("--out") || options->has("--print")) {
        c.rows.columns({"号码"});
        for (const Ticket& ticket : tickets) c.rows.row({ticketText(ticket)});
    }
    c.err << "共" << tickets.size() << "注" << '\n';
    if (optimising)
        c.err << "贪心旋转" << greedySize << "注  优化旋转" << tickets.size() << "注  已知最好"
              << (bestKnown ? std::to_string(bestKnown->upper) + "注" : std::string("无记录")) << '\n';
    return kDone;
}

int checkWheelFile(Context& c) {
    constexpr const char* kUsageText = "用法: wheel-check RESULTS --pool \"N1 ..\" [--fixed \"N1 ..\"] --guarantee G";
    std::string problem;
    const std::optional<Options> options =
        readOptions(c.args, {valued("--pool"), valued("--fixed"), valued("--guarantee")}, 1, problem);
    if (!options) return cli::refuse(c.err, kUsageText, problem);
    if (options->positional.size() != 1 || !options->has("--pool") || !options->has("--guarantee"))
        return usage(c.err, kUsageText);
    const std::string& file = options->positional[0];
    const std::optional<Guarantee> guarantee = guaranteeNamed(options->value("--guarantee"));
    if (!guarantee) return usage(c.err, "--guarantee 必须是 中六保五、中五保五、中六保四、中四保四 或 中五保四");
    const std::optional<WheelPool> pool = wheelPoolArgs(c, *options);
    if (!pool) return kStopped;
    const TicketRange range = mainZoneRange(c.ws.game);
    const ResultTextParse parsed = loadResultFile(file, kWheelTicketSize, &range);
    if (!parsed.ok()) {
        c.err << parsed.error << '\n';
        return kStopped;
    }
    const WheelCheck check = checkWheel(parsed.tickets, *pool, *guarantee);
    if (check.ok) {
        c.out << "ok\n";
        return kDone;
    }
    for (size_t i = 0; i < check.missed.size(); ++i) c.out << (i > 0 ? " " : "") << twoDigits(check.missed[i]);
    c.out << '\n';
    return kStopped;
}

int continueTickets(Context& c) {
    constexpr const char* kUsageText = "用法: continue CONDFILE --in FILE [--out FILE] [--tags FILE]";
    std::optional<GeneratorArgs> args =
        generatorArgs(c, {"--in", "--out", "--tags", "--threads", "--period"}, kUsageText);
    if (!args) return kUsage;
    if (!args->options.has("--in")) return usage(c.err, kUsageText);
    if (!c.historyOpened) return kStopped;
    RunOptions options;
    if (int code = runOptionsFrom(c, *args, options); code != kDone) return code;
    Generator generator(std::random_device{}());
    if (!loadConditions(c, args->condFile, generator)) return kStopped;
    const TicketRange range = mainZoneRange(c.ws.game);
    ResultTextParse parsed = loadResultFile(args->options.value("--in"), c.ws.game.zhgs, &range);
    if (!parsed.ok()) {
        c.err << parsed.error << '\n';
        return kStopped;
    }
    generator.results.tickets = std::move(parsed.tickets);
    generator.results.tags.assign(generator.results.tickets.size(), 0);
    if (!historyReadyForRun(c)) return kStopped;
    return finishRun(c, *args, generator, generator.continueFiltering(c.ws, options));
}

constexpr const char* kConditionsUsage =
    "用法: conditions CONDFILE [--check P --show all|right|wrong] [--backtest N [--threads N]]";

// "条件回测": one line per draw (period, result count, 1/0 survived, the failed conditions), then
// the survival rate and the mean result count.
int backtestConditions(Context& c, const GeneratorArgs& args, Generator& generator) {
    const std::optional<int> n = parseInteger(args.options.value("--backtest"));
    if (!n || *n < 1) return usage(c.err, "--backtest 必须是正整数");
    RunOptions options;
    if (const int status = runOptionsFrom(c, args, options); status != kDone) return status;
    if (!c.historyOpened || !historyReadyForRun(c)) return kStopped;
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

int conditionReport(Context& c) {
    std::optional<GeneratorArgs> args =
        generatorArgs(c, {"--check", "--show", "--backtest", "--threads"}, kConditionsUsage);
    if (!args) return kUsage;
    if ((args->options.has("--show") && !args->options.has("--check")) ||
        (args->options.has("--backtest") && args->options.has("--check")) ||
        (args->options.has("--threads") && !args->options.has("--backtest")))
        return usage(c.err, kConditionsUsage);
    Generator generator(1);
    if (!loadConditions(c, args->condFile, generator)) return kStopped;
    if (args->options.has("--backtest")) return backtestConditions(c, *args, generator);
    std::vector<std::string> lines;
    if (args->options.has("--check")) {
        std::optional<int> period = parseInteger(args->options.value("--check"));
        const std::string show = args->options.valueOr("--show", "all");
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

int help(Context& c);

const std::vector<Command>& commands() {
    static const std::vector<Command> list = {
        {"help", "help                 列出命令", help},
        {"types",
         "types                彩种表：序号 名称 主号个数 主号起 主号止 副号个数 副号起 副号止 有副号 类型 主号名 "
         "副号名",
         listTypes, OnTimeLimit::Exit, true},
        {"draws", "draws                当前彩种的开奖数据：期数 主号 副号", listDraws, OnTimeLimit::Exit, true},
        {"import",
         "import FILE --with-secondary|--without-secondary [--append|--overwrite]\n"
         "                       导入开奖数据文件（默认追加），输出导入后的记录数",
         importDraws, OnTimeLimit::Finish},
        {"export",
         "export FILE --with-secondary|--without-secondary\n"
         "                       导出开奖数据到文本文件（文件名不含.txt时加上.txt）",
         exportDraws, OnTimeLimit::Finish},
        {"update",
         "update [--source NAME[=BASE]|ADDRESS|FILE] [--dry-run] [--timeout SECONDS]\n"
         "                       下载最新一期之后的开奖数据（默认按彩种：cwl 福彩、sporttery 体彩；=BASE "
         "换用其他服务器），\n"
         "                       或从网址、文件读取导入格式的数据；每新增一期输出一行，最后一行为汇总；--dry-run "
         "不作改动",
         [](Context& c) { return c.historyOpened ? runUpdate(c.ws, c.args, c.out, c.err) : kStopped; },
         OnTimeLimit::Finish},
        {"precheck", "precheck FORMULA     输入公式时的检查（空格、括号、指标名），通过时输出 ok", precheckOf},
        {"name", "name ID              指标代码的名称和取值范围：代码 名称 最小值 最大值", nameOf, OnTimeLimit::Exit,
         true},
        {"eval",
         "eval FORMULA [--period P] [--candidate \"N1 N2 .. [+ S1 ..]\"]\n"
         "                       公式在某期（默认最后一期）的值；有 --candidate 时为该组号代替该期\n"
         "                       （无 --period 时接在最后一期之后）的值",
         evalFormula},
        {"series", "series FORMULA       公式在每一期的值：期数 值", seriesOf, OnTimeLimit::Exit, true},
        {"catalogue", "catalogue [--dialog] 指标目录：系列 代码 名称", listCatalogue, OnTimeLimit::Exit, true},
        {"filter",
         "filter CONDFILE [--period P] [--mode regular|wheel|random|filter-wheel|filter-random]\n"
         "                       [--guarantee G] [--count N] [--seed S] [--threads N] [--out FILE] [--tags FILE]\n"
         "                       按主区条件文件（.zh）组号（常规、旋转、机选、过滤后旋转、过滤后机选），输出状态栏文字",
         filterTickets, OnTimeLimit::Cancel},
        {"continue",
         "continue CONDFILE --in FILE [--out FILE] [--tags FILE]\n"
         "                       对组号文件中的组号继续过滤",
         continueTickets, OnTimeLimit::Cancel},
        {"batch",
         "batch CONDFILE... [--mode M] [--guarantee G] [--count N] [--seed S] [--threads N] [--out FILE] [--tags "
         "FILE]\n"
         "                       批量过滤：第一个条件文件组号，其后的继续过滤；每次的状态栏文字，然后 批量过滤完毕",
         batchTickets, OnTimeLimit::Cancel},
        {"conditions",
         "conditions CONDFILE [--check P --show all|right|wrong] [--backtest N [--threads N]]\n"
         "                       显示条件，或对第P期检查条件对错；--backtest N 条件回测：最近N期每期用该期之前的\n"
         "                       开奖数据过滤：期数 结果个数 是否保留(1/0) 未通过的条件，最后一行保留率和平均结果个数",
         conditionReport, OnTimeLimit::Cancel, true},
        {"analyse", "analyse TEXT [--from A] [--to B]  开始剖析：取值范围，然后每期 期数 值",
         [](Context& c) { return c.historyOpened ? runAnalyse(c.ws, c.args, c.rows, c.err) : kStopped; },
         OnTimeLimit::Exit, true},
        {"table", "table VIEW [OPTIONS] 分析视图的表格（lottodesk-cli help table 列出视图和选项）",
         [](Context& c) { return c.historyOpened ? cli::runTable(c.ws, c.args, c.rows, c.err) : kStopped; },
         OnTimeLimit::Exit, true},
        {"trend",
         "trend CODE [--feature 特征] [--middle M] [--divisor N] [--stats all|P1-P2]\n"
         "                       指标走势：期数 指标值 特征值；--stats 统计框的三行",
         [](Context& c) { return c.historyOpened ? runTrend(c.ws, c.args, c.rows, c.err) : kStopped; },
         OnTimeLimit::Exit, true},
        {"chart",
         "chart remainders [--k 3|4|5] | spacing | dispersion | omission N | omission2 N\n"
         "                       走势图表页（余数图、间隔分析、离中量、主号/副号遗漏走势）：期数 各系列",
         [](Context& c) { return c.historyOpened ? runChart(c.ws, c.args, c.rows, c.err) : kStopped; },
         OnTimeLimit::Exit, true},
        {"convert",
         "convert ID [--columns N]\n"
         "                       转换表：期数 开奖号 指标值 转换1..转换N（默认 200 列）",
         [](Context& c) { return c.historyOpened ? runConvert(c.ws, c.args, c.rows, c.err) : kStopped; },
         OnTimeLimit::Exit, true},
        {"convert-inverse",
         "convert-inverse ID --column 指标值|K VALUE...\n"
         "                       计算对应值：该列下期取各值时的指标值（无则为 无）：取值 对应指标值",
         [](Context& c) { return c.historyOpened ? runConvertInverse(c.ws, c.args, c.rows, c.err) : kStopped; },
         OnTimeLimit::Exit, true},
        {"convert-kill",
         "convert-kill ID [--from P1] [--to P2] [--columns A B]\n"
         "                       转换法杀号（默认全部期数，转换1..转换30）：期数 开奖号 [副号] 指标值 杀号 是否正确 "
         "杀号位置",
         [](Context& c) { return c.historyOpened ? runConvertKill(c.ws, c.args, c.rows, c.err) : kStopped; },
         OnTimeLimit::Exit, true},
        {"wheel",
         "wheel --pool \"N1 N2 ..\" [--fixed \"N1 ..\"] [--guarantee G] [--optimise [--seconds S]] [--seed S] [--out "
         "FILE]\n"
         "                       号码池的旋转矩阵（G: 中六保五 中五保五 中六保四 中四保四 中五保四），每行一注",
         wheelOfPool, OnTimeLimit::Exit, true},
        {"wheel-check",
         "wheel-check RESULTS --pool \"N1 ..\" [--fixed \"N1 ..\"] --guarantee G\n"
         "                       穷举号码池的每种开奖，检查组号文件是否保证：ok，或第一个不保证的开奖",
         checkWheelFile},
        {"secondary",
         "secondary FZH [--period P] [--out FILE]\n"
         "                       副区过滤（两个副号的彩种）：输出状态栏文字；--out 写出副区组号文件",
         [](Context& c) { return c.historyOpened ? runSecondary(c.ws, c.args, c.out, c.err) : kStopped; }},
        {"special",
         "special LZH [--period P] [--codes]\n"
         "                       特别号过滤（一个副号的彩种）：过滤结果：共n个，然后每行一个号码；--codes 每个号码 "
         "是否通过 容错代码",
         [](Context& c) { return c.historyOpened ? runSpecial(c.ws, c.args, c.rows, c.err) : kStopped; },
         OnTimeLimit::Exit, true},
        {"match",
         "match MAIN SECONDARY --style sequential|random|all [--seed S] [--out FILE]\n"
         "                       双区匹配（顺序、随机、全组合）：输出状态栏文字；--out 写出双区组号文件",
         [](Context& c) { return runMatch(c.ws, c.args, c.out, c.err); }},
        {"pick2", "pick2 [N] [--seed S]  双区机选组号（默认10注）：每行 主号 副号",
         [](Context& c) { return runPickTwoZones(c.ws, c.args, c.rows, c.err); }, OnTimeLimit::Exit, true},
        {"prize",
         "prize RESULTS --period P [--out FILE]\n"
         "                       主区组号对奖：按中奖号个数从多到少（稳定）每行 号码 中奖号个数；--out "
         "写出排序后的组号",
         [](Context& c) { return c.historyOpened ? runPrize(c.ws, c.args, c.rows, c.err) : kStopped; },
         OnTimeLimit::Exit, true},
        {"remove",
         "remove RESULTS LIST [--out FILE]\n"
         "                       滤除组号：从组号文件中去掉列表文件中的组号（每行一注），输出剩下的注数",
         [](Context& c) { return runRemove(c.ws, c.args, c.out, c.err); }},
        {"print", "print RESULTS --out FILE  打印投注结果：把组号文件排成打印格式写入 FILE",
         [](Context& c) { return runPrint(c.ws, c.args, c.out, c.err); }},
        {"reward",
         "reward TICKETS (--period P | --draw \"N1 .. + S1 ..\") [--summary]\n"
         "                       双区组号对奖：每行 主号 副号 中奖情况（按奖级排序），最后一行为汇总",
         [](Context& c) { return c.historyOpened ? runReward(c.ws, c.args, c.rows, c.err) : kStopped; },
         OnTimeLimit::Exit, true},
        {"ranking", "ranking [--period P] 数据变换的号码排序（需 --transform N）：期数 排序",
         [](Context& c) { return c.historyOpened ? runRanking(c.ws, c.args, c.rows, c.err) : kStopped; },
         OnTimeLimit::Exit, true},
        {"restore",
         "restore RESULTS [--period P] [--out FILE]\n"
         "                       "
         "恢复到原始投注结果：变换数据上得到的组号文件按该期（默认未开奖期）的排序换回原号码（需 --transform N）",
         [](Context& c) { return c.historyOpened ? runRestore(c.ws, c.args, c.rows, c.err) : kStopped; },
         OnTimeLimit::Exit, true},
        {"schemes", "schemes KIND         提胆杀号页面的方案文件（KIND: hmsh lmsh hmtd fqtd hmsw）：方案 序号 公式",
         [](Context& c) { return c.historyOpened ? runSchemes(c.ws, c.args, c.rows, c.err) : kStopped; },
         OnTimeLimit::Exit, true},
        {"backtest",
         "backtest KIND [--scheme N] [--count N] [--start P] [--display plain|low|high]\n"
         "                       [--formulas FILE] [--scs FILE] [--export FILE]\n"
         "                       提胆杀号页面的回测表格（KIND 另可为 selfsh），每行一行表格，单元格以TAB分隔",
         [](Context& c) { return c.historyOpened ? runBacktestCommand(c.ws, c.args, c.rows, c.err) : kStopped; },
         OnTimeLimit::Exit, true},
        {"verdicts",
         "verdicts KIND FORMULA [--from P1] [--to P2]\n"
         "                       公式在每一期按页面规则的对错：期数 值 1(对)/0(错)",
         [](Context& c) { return c.historyOpened ? runVerdicts(c.ws, c.args, c.rows, c.err) : kStopped; },
         OnTimeLimit::Exit, true},
        {"search",
         "search KIND --indicator ID [--back N] [--range LO HI] [--from P1] [--to P2] [--band AMIN AMAX]\n"
         "                       [--want K] [--random] [--slow] [--formula-run L] [--scheme-run L G] [--last-run L G]\n"
         "                       [--same-period L G] --seed S [--limit C]\n"
         "                       公式搜索（默认加速模式）：公式 正确期数 测试期数",
         [](Context& c) { return c.historyOpened ? runSearch(c.ws, c.args, c.rows, c.err) : kStopped; },
         OnTimeLimit::Exit, true},
    };
    return list;
}

int help(Context& c) {
    if (c.args.size() == 1 && c.args[0] == "table") {
        c.out << cli::tableHelp();
        return kDone;
    }
    c.out
        << "lottodesk-cli [--home DIR [--init]] [--type N] [--transform N] COMMAND [ARGS]\n"
        << "  --home DIR   程序文件夹（默认：LOTTODESK_HOME；否则程序所在文件夹，若其中有 "
           "database/；否则用户数据文件夹，\n"
        << "               Linux 下为 $XDG_DATA_HOME/lottodesk/，默认 ~/.local/share/lottodesk/）；文件夹必须已存在，\n"
        << "               新文件夹在第一次使用时写入双色球和超级大乐透的开奖数据\n"
        << "  --init       --home 的文件夹不存在时新建它\n"
        << "  --type N     当前彩种 0..20（默认 0）\n"
        << "  --transform N  打开数据后应用数据变换 N（0 原始数据，1..4 变换1..变换4）；变换后不能保存数据\n"
        << "  --predict \"N1 .. [+ S1 ..]\"  分析命令在最后加上预测区（9999999）这一组号码（只在内存中）\n"
        << "  --time-limit SECONDS  运行时间上限：过滤在下一批组号前停止，只读命令结束进程（退出码 2）\n"
        << "  --help, -h   显示帮助（放在命令之后显示该命令的用法）\n"
        << "  --version    显示版本\n"
        << "  --format tsv|csv|json  （放在命令之后）输出表格或列表的命令的格式：TSV（默认）、CSV（RFC 4180）、\n"
        << "               JSON（header 为列名，rows 为各行，数值为数，一格多个号码为数组）\n"
        << "命令:\n";
    for (const Command& command : commands()) c.out << "  " << command.synopsis << '\n';
    return kDone;
}

// The commands that read the history and so cannot work on one out of period order.
bool needsOrderedHistory(const std::string& name) {
    return name == "draws" || name == "eval" || name == "series" || name == "filter" || name == "continue" ||
           name == "conditions" || name == "ranking" || name == "restore" || name == "backtest" || name == "verdicts" ||
           name == "search" || name == "prize" || name == "reward" || name == "secondary" || name == "special" ||
           name == "batch" || name == "table" || name == "convert" || name == "convert-inverse" ||
           name == "convert-kill" || name == "analyse" || name == "trend" || name == "chart";
}

// The time limit of one command. At the deadline it sets `timeUp`, which stops a generator run
// at its next block; a command that only reads is ended there with the message and exit status 2,
// since an evaluation cannot be interrupted. A run that does not stop within a grace period is
// ended the same way; a command that writes the history finishes.
class TimeLimit {
public:
    TimeLimit(double seconds, OnTimeLimit action, std::string message) : m_message(std::move(message)) {
        if (seconds <= 0) m_timeUp = true;
        if (action == OnTimeLimit::Finish) return;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        m_watch = std::thread([this, deadline, action] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (m_done.wait_until(lock, deadline, [this] { return m_finished; })) return;
            m_timeUp = true;
            if (action == OnTimeLimit::Cancel &&
                m_done.wait_for(lock, std::chrono::seconds(30), [this] { return m_finished; }))
                return;
            std::fputs((m_message + "\n").c_str(), stderr);
            std::fflush(stderr);
            std::_Exit(kStopped);
        });
    }
    ~TimeLimit() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_all();
        if (m_watch.joinable()) m_watch.join();
    }
    const std::atomic<bool>* timeUp() const { return &m_timeUp; }
    const std::string& message() const { return m_message; }

private:
    std::string m_message;
    std::atomic<bool> m_timeUp{false};
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_watch;
};

std::optional<double> parseSeconds(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !(value >= 0 && value <= 1e7)) return std::nullopt;
    return value;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string home;
    bool init = false;
    int type = 0;
    int transform = 0;
    std::optional<std::string> predict;
    std::optional<double> timeLimit;
    std::string timeLimitText;
    size_t i = 0;
    for (; i < args.size() && args[i].rfind("-", 0) == 0; ++i) {
        if (isHelpOption(args[i])) {
            const std::vector<std::string> none;
            Workspace ws("/");
            TableWriter rows(out, cli::Format::Tsv);
            Context context{ws, none, out, err, rows, false};
            return help(context);
        }
        if (args[i] == "--version") {
            out << "lottodesk-cli " << LOTTODESK_VERSION << '\n';
            return kDone;
        }
        if (args[i] == "--init") {
            init = true;
            continue;
        }
        if (i + 1 >= args.size()) return usage(err, "选项缺少参数: " + args[i]);
        if (args[i] == "--home") {
            home = args[++i];
        } else if (args[i] == "--type") {
            std::optional<int> value = parseInteger(args[++i]);
            if (!value || *value < 0 || *value >= kTypeCount) return usage(err, "--type 必须是 0..20 的整数");
            type = *value;
        } else if (args[i] == "--transform") {
            std::optional<int> value = parseInteger(args[++i]);
            if (!value || *value < 0 || *value >= kTransformKinds) return usage(err, "--transform 必须是 0..4 的整数");
            transform = *value;
        } else if (args[i] == "--predict") {
            predict = args[++i];
        } else if (args[i] == "--time-limit") {
            timeLimitText = args[++i];
            timeLimit = parseSeconds(timeLimitText);
            if (!timeLimit) return usage(err, "--time-limit 必须是非负的秒数");
        } else {
            return usage(err, "未知选项: " + args[i]);
        }
    }
    if (i == args.size()) return usage(err, "缺少命令");
    const std::string name = args[i];
    std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 1, args.end());

    const Command* command = nullptr;
    for (const Command& candidate : commands())
        if (name == candidate.name) command = &candidate;
    if (!command) return usage(err, "未知命令: " + name);
    if (std::any_of(rest.begin(), rest.end(), isHelpOption)) {
        out << "用法: lottodesk-cli [--home DIR] [--type N] " << command->synopsis << '\n';
        return kDone;
    }
    // Every command that prints a table or a list takes --format; the others do not know it.
    cli::Format format = cli::Format::Tsv;
    if (command->tabular) {
        const auto at = std::find(rest.begin(), rest.end(), "--format");
        if (at != rest.end()) {
            const std::optional<cli::Format> named = at + 1 == rest.end() ? std::nullopt : cli::formatNamed(*(at + 1));
            if (!named) return usage(err, "--format 必须是 tsv、csv 或 json");
            format = *named;
            rest.erase(at, at + 2);
        }
    }

    // A mistyped folder should not become a new, empty program folder.
    if (!home.empty() && name != "help") {
        std::error_code ec;
        if (!std::filesystem::is_directory(platform::fsPath(home), ec)) {
            if (!init || !makeFolders(home)) {
                err << (init ? "无法创建程序文件夹：" : "程序文件夹不存在：") << home
                    << (init ? "" : "（要新建程序文件夹，请加 --init）") << '\n';
                return kStopped;
            }
        }
    }

    std::optional<TimeLimit> limit;
    if (timeLimit)
        limit.emplace(*timeLimit, command->onTimeLimit, "运行时间超过限制（" + timeLimitText + "秒），已停止");
    Workspace ws(home.empty() ? defaultProgramFolder() : withTrailingSlash(home));
    TableWriter rows(out, format);
    Context context{ws, rest, out, err, rows, true};
    if (limit) {
        context.timeUp = limit->timeUp();
        context.timeLimitMessage = limit->message();
    }
    if (name != "help") {
        // A new program folder starts on the real histories, as in the desktop program; a folder
        // that cannot be seeded is not opened, so that nothing makes it look seeded.
        if (const Status seeded = seedProgramFolder(ws.folder); !seeded) {
            err << seeded.message << '\n';
            return kStopped;
        }
        // The desktop program's settings (cold/warm/hot windows), read only: the command line
        // never changes them.
        UserSettings settings = UserSettings::ofUser();
        StartupResult started = initialiseWorkspace(ws, settings);
        for (const std::string& message : started.messages) err << message << '\n';
        context.historyOpened = started.historyOpened;
        context.typeFileNoted = started.typeFileNoted;
        prepareHistoryAfterStart(ws);
        if (type != 0) {
            ws.curcp = type;
            Status switched = switchLotteryType(ws, 0, false);  // as at the start: removed in memory only
            if (!switched) {
                err << switched.message << '\n';
                return kStopped;
            }
            context.historyOpened = true;
        }
        if (context.historyOpened && needsOrderedHistory(name)) {
            // Searches by period would give wrong answers on such a history.
            if (const std::string note = historyOrderMessage(ws.sjk); !note.empty()) {
                if (type != 0) err << note << '\n';  // type 0's note is among the start-up messages
                return kStopped;
            }
        }
        // After this the history refuses every save, so the commands that would save stop with
        // the engine's message.
        if (context.historyOpened && transform != 0) {
            const Status applied = applyTransform(ws, transform);
            if (!applied) {
                err << applied.message << '\n';
                return kStopped;
            }
        }
        // "预测区" for the analysis commands: the ticket as the newest, undrawn record, in memory only.
        if (predict && context.historyOpened) {
            if (name == "import" || name == "export" || name == "update")
                return usage(err, "--predict 只用于分析命令，不能与 " + name + " 一起使用");
            std::string problem;
            std::optional<DrawRecord> record = parseCandidate(*predict, drawRulesOf(ws), problem);
            if (!record) return usage(err, "--predict 应为 " + std::to_string(ws.game.zhgs) + " 个主号，可用 + 接副号");
            if (!problem.empty()) {
                err << problem << '\n';
                return kStopped;
            }
            (*record)[0] = kPredictionPeriod;
            ws.sjk.Append();
            ws.sjk.setRecord(ws.sjk.RecNo(), *record);
        }
    }
    const int code = command->run(context);
    if (code == kDone) rows.finish(err);
    return code;
}

}  // namespace lottodesk
