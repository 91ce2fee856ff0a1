#include "cli.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <ostream>
#include <random>
#include <thread>

#include "core/drawtext.h"
#include "core/drawupdate.h"
#include "core/fileio.h"
#include "core/integertext.h"
#include "core/programfolder.h"
#include "core/workspace.h"
#include "formula/precheck.h"
#include "formula/selfzb.h"
#include "generator/condfile.h"
#include "generator/condreport.h"
#include "generator/generator.h"
#include "generator/resultfile.h"
#include "formula/tgs.h"
#include "indicators/catalogue.h"
#include "indicators/context.h"
#include "indicators/registry.h"

namespace lottodesk {
namespace {

constexpr int kDone = 0;
constexpr int kUsage = 1;
constexpr int kStopped = 2;

struct Context {
    Workspace& ws;
    const std::vector<std::string>& args;  // the command's own arguments
    std::ostream& out;
    std::ostream& err;
    bool historyOpened;
    // Set when the time limit (--time-limit) has passed; the generator runs stop at it.
    const std::atomic<bool>* timeUp = nullptr;
    std::string timeLimitMessage;
};

// What a time limit does to a command: a generator run stops at its next block; a command that
// only reads ends the process with the message; a command that writes files finishes.
enum class OnTimeLimit { Cancel, Exit, Finish };

struct Command {
    const char* name;
    const char* synopsis;
    std::function<int(Context&)> run;
    OnTimeLimit onTimeLimit = OnTimeLimit::Exit;
};

int usage(std::ostream& err, const std::string& text) {
    err << text << "\n" << "用法: lottodesk-cli [--home DIR] [--type N] COMMAND [ARGS]  (lottodesk-cli help)\n";
    return kUsage;
}

std::optional<int> parseInt(const std::string& text) {
    int value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

int listTypes(Context& c) {
    if (!c.args.empty()) return usage(c.err, "types 不接受参数");
    for (int i = 0; i < kTypeCount; ++i) {
        const tcpstyle& t = c.ws.types.cpstyles[i];
        c.out << i << '\t' << t.cpmm << '\t' << int(t.zhgs) << '\t' << int(t.zh_from) << '\t' << int(t.zh_to) << '\t'
              << int(t.fhgs) << '\t' << int(t.spec_from) << '\t' << int(t.spec_to) << '\t' << int(t.hasspec) << '\t'
              << int(t.ltorsz) << '\t' << t.zhname << '\t' << t.specname << '\n';
    }
    return kDone;
}

int listDraws(Context& c) {
    if (!c.args.empty()) return usage(c.err, "draws 不接受参数");
    if (!c.historyOpened) return kStopped;  // the start-up messages already said why
    const t_s_dm& sjk = c.ws.sjk;
    const GameParams& game = c.ws.game;
    std::string line;
    for (int n = 1; n <= sjk.RecordCount(); ++n) {
        const int32_t* record = sjk.record(n);
        line = std::to_string(record[0]);
        for (int i = 1; i <= game.zhgs + game.fhgs && i < kSlots; ++i) {
            line += i == 1 ? '\t' : (i == game.zhgs + 1 ? '\t' : ' ');
            line += twoDigits(record[i]);
        }
        if (game.fhgs == 0) line += '\t';
        line += '\n';
        c.out << line;
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
    std::optional<std::string> text = readWholeFile(options->file);
    if (!text) {
        c.err << "无法读取文件：" << options->file << '\n';
        return kStopped;
    }
    ImportOutcome outcome = importDrawText(c.ws.sjk, c.ws.game, *text, options->withSecondary, options->overwrite);
    if (!outcome.status) {
        c.err << outcome.status.message << '\n';
        return kStopped;
    }
    c.out << c.ws.sjk.RecordCount() << '\n';
    return kDone;
}

int exportDraws(Context& c) {
    std::optional<TransferOptions> options = transferOptions(c, false);
    if (!options) return usage(c.err, "用法: export FILE --with-secondary|--without-secondary");
    if (!c.historyOpened) return kStopped;
    const Status saved = saveFileAtomically(exportFileName(options->file),
                                            exportDrawText(c.ws.sjk, c.ws.game, options->withSecondary));
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
    c.out << entry.id << '\t' << entry.name << '\t' << entry.min << '\t' << entry.max << '\n';
    return kDone;
}

// What the evaluator says when a formula fails: the syntax error after "公式有误:", or the
// message of an evaluation that had to stop.
std::string evaluationFailure(const EvalResult& result) {
    return result.fault == EvalResult::Fault::Stop ? result.message : "公式有误:" + result.message;
}

// A ticket "N1 N2 .. [+ S1 ..]" as a record of the current game.
std::optional<DrawRecord> parseCandidate(const std::string& text, const GameParams& game) {
    DrawRecord record{};
    record[0] = kCandidatePeriod;
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
        while (end < text.size() && text[end] != ' ' && text[end] != '\t' && text[end] != ',' && text[end] != '+') ++end;
        std::optional<int> value = parseInteger(std::string_view(text).substr(pos, end - pos));
        if (!value || *value < 0 || *value > 255) return std::nullopt;
        (inSecondary ? secondary : main).push_back(*value);
        pos = end;
    }
    if (static_cast<int>(main.size()) != game.zhgs || static_cast<int>(secondary.size()) > game.fhgs) return std::nullopt;
    // A ticket's numbers are held in ascending order, as the generator holds them.
    std::sort(main.begin(), main.end());
    std::sort(secondary.begin(), secondary.end());
    for (size_t i = 0; i < main.size(); ++i) record[i + 1] = main[i];
    for (size_t i = 0; i < secondary.size(); ++i) record[game.zhgs + 1 + i] = secondary[i];
    return record;
}

int evalFormula(Context& c) {
    std::string formula, period, candidateText;
    bool haveFormula = false, haveCandidate = false;
    for (size_t i = 0; i < c.args.size(); ++i) {
        const std::string& arg = c.args[i];
        if ((arg == "--period" || arg == "--candidate") && i + 1 < c.args.size()) {
            (arg == "--period" ? period : candidateText) = c.args[++i];
            haveCandidate = haveCandidate || arg == "--candidate";
        } else if (!haveFormula && arg.rfind("--", 0) != 0) {
            formula = arg;
            haveFormula = true;
        } else {
            return usage(c.err, "用法: eval FORMULA [--period P] [--candidate \"N1 N2 .. [+ S1 ..]\"]");
        }
    }
    if (!haveFormula) return usage(c.err, "用法: eval FORMULA [--period P] [--candidate \"N1 N2 .. [+ S1 ..]\"]");
    if (!c.historyOpened) return kStopped;
    std::optional<DrawRecord> candidate;
    if (haveCandidate) {
        candidate = parseCandidate(candidateText, c.ws.game);
        if (!candidate)
            return usage(c.err, "--candidate 应为 " + std::to_string(c.ws.game.zhgs) + " 个主号，可用 + 接副号");
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
    if (c.args.size() != 1) return usage(c.err, "用法: series FORMULA");
    if (!c.historyOpened) return kStopped;
    SeriesMemo memo;
    const IndicatorContext ctx = indicatorContext(c.ws, &memo);
    const tgs formula(c.args[0]);
    std::string lines;
    for (int n = 1; n <= c.ws.sjk.RecordCount(); ++n) {
        const EvalResult result = formula.evaluate(ctx, n);
        if (!result.ok) {
            c.out << lines;
            c.err << evaluationFailure(result) << '\n';
            return kStopped;
        }
        lines += std::to_string(ctx.history.record(n)[0]);
        lines += '\t';
        lines += std::to_string(result.value);
        lines += '\n';
    }
    c.out << lines;
    return kDone;
}

int listCatalogue(Context& c) {
    const bool dialog = c.args.size() == 1 && c.args[0] == "--dialog";
    if (!c.args.empty() && !dialog) return usage(c.err, "用法: catalogue [--dialog]");
    auto print = [&](const CatalogueSeries& series) {
        for (const CatalogueEntry& entry : series.entries)
            c.out << series.caption << '\t' << entry.code << '\t' << entry.name << '\n';
    };
    for (const CatalogueSeries& series : dialog ? formulaDialogCatalogue() : indicatorCatalogue()) print(series);
    if (dialog) print(formulaOperatorPage());
    CatalogueSeries saved{dialog ? "保存的自定义指标" : "已保存的自定义指标", {}};
    for (const std::string& line : loadSelfzbLines(c.ws.folder)) {
        auto [code, name] = splitSelfzbLine(line);
        saved.entries.push_back({code, name});
    }
    print(saved);
    return kDone;
}

// The options of the generator commands: a condition file first, then "--name value" pairs.
struct GeneratorArgs {
    std::string condFile;
    std::map<std::string, std::string> options;
};

std::optional<GeneratorArgs> generatorArgs(Context& c, std::initializer_list<const char*> allowed) {
    GeneratorArgs parsed;
    for (size_t i = 0; i < c.args.size(); ++i) {
        const std::string& arg = c.args[i];
        if (arg.rfind("--", 0) != 0) {
            if (!parsed.condFile.empty()) return std::nullopt;
            parsed.condFile = arg;
            continue;
        }
        if (std::find(allowed.begin(), allowed.end(), arg) == allowed.end() || i + 1 >= c.args.size()) return std::nullopt;
        parsed.options[arg] = c.args[++i];
    }
    if (parsed.condFile.empty()) return std::nullopt;
    return parsed;
}

// Loads a main-zone condition file into the generator; its notes go to stderr.
bool loadConditions(Context& c, const std::string& path, Generator& generator) {
    MainConditionLoad load = loadMainConditions(path, c.ws.game.zh_to);
    if (!load.status) {
        c.err << load.status.message << '\n';
        return false;
    }
    for (const std::string& note : load.notes) c.err << note << '\n';
    generator.conditions = std::move(load.conditions);
    return true;
}

// Writes the results (--out) and their tags (--tags) as the command asked.
bool writeResults(Context& c, const GeneratorArgs& args, const Generator& generator) {
    if (auto out = args.options.find("--out"); out != args.options.end()) {
        const Status saved = saveFileAtomically(out->second, encodeResultText(generator.results.tickets, c.ws.game.zhgs));
        if (!saved) {
            c.err << saved.message << '\n';
            return false;
        }
    }
    if (auto tags = args.options.find("--tags"); tags != args.options.end()) {
        std::string text;
        for (uint8_t tag : generator.results.tags) text += std::to_string(tag) + "\r\n";
        const Status saved = saveFileAtomically(tags->second, text);
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
    if (auto threads = args.options.find("--threads"); threads != args.options.end()) {
        std::optional<int> value = parseInteger(threads->second);
        if (!value || *value < 1) return usage(c.err, "--threads 必须是正整数");
        options.threads = *value;
    }
    if (auto period = args.options.find("--period"); period != args.options.end()) {
        std::optional<int> value = parseInteger(period->second);
        if (!value) return usage(c.err, "--period 必须是期数");
        options.filterPeriod = *value;
    }
    return kDone;
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

int filterTickets(Context& c) {
    std::optional<GeneratorArgs> args =
        generatorArgs(c, {"--period", "--mode", "--guarantee", "--count", "--threads", "--out", "--tags"});
    if (!args) return usage(c.err, "用法: filter CONDFILE [--period P] [--mode regular] [--threads N] [--out FILE] [--tags FILE]");
    if (auto mode = args->options.find("--mode"); mode != args->options.end() && mode->second != "regular")
        return usage(c.err, "组号类型“" + mode->second + "”尚未提供，目前只有 regular（常规组号）");
    if (!c.historyOpened) return kStopped;
    RunOptions options;
    if (int code = runOptionsFrom(c, *args, options); code != kDone) return code;
    Generator generator(std::random_device{}());
    if (!loadConditions(c, args->condFile, generator)) return kStopped;
    return finishRun(c, *args, generator, generator.run(c.ws, options));
}

int continueTickets(Context& c) {
    std::optional<GeneratorArgs> args = generatorArgs(c, {"--in", "--out", "--tags", "--threads", "--period"});
    if (!args || !args->options.count("--in"))
        return usage(c.err, "用法: continue CONDFILE --in FILE [--out FILE] [--tags FILE]");
    if (!c.historyOpened) return kStopped;
    RunOptions options;
    if (int code = runOptionsFrom(c, *args, options); code != kDone) return code;
    Generator generator(std::random_device{}());
    if (!loadConditions(c, args->condFile, generator)) return kStopped;
    std::optional<std::string> text = readWholeFile(args->options["--in"]);
    if (!text) {
        c.err << "无法读取文件：" << args->options["--in"] << '\n';
        return kStopped;
    }
    ResultTextParse parsed = parseResultText(*text, c.ws.game.zhgs);
    if (!parsed.ok()) {
        c.err << parsed.error << '\n';
        return kStopped;
    }
    generator.results.tickets = std::move(parsed.tickets);
    generator.results.tags.assign(generator.results.tickets.size(), 0);
    return finishRun(c, *args, generator, generator.continueFiltering(c.ws, options));
}

int conditionReport(Context& c) {
    std::optional<GeneratorArgs> args = generatorArgs(c, {"--check", "--show"});
    if (!args || (args->options.count("--show") && !args->options.count("--check")))
        return usage(c.err, "用法: conditions CONDFILE [--check P --show all|right|wrong]");
    Generator generator(1);
    if (!loadConditions(c, args->condFile, generator)) return kStopped;
    std::vector<std::string> lines;
    if (auto check = args->options.find("--check"); check != args->options.end()) {
        std::optional<int> period = parseInteger(check->second);
        const std::string show = args->options.count("--show") ? args->options["--show"] : "all";
        const CheckMode mode = show == "right" ? CheckMode::RightOnly : show == "wrong" ? CheckMode::WrongOnly : CheckMode::All;
        if (!period || (show != "all" && show != "right" && show != "wrong"))
            return usage(c.err, "用法: conditions CONDFILE [--check P --show all|right|wrong]");
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
    for (const std::string& line : lines) c.out << line << '\n';
    return kDone;
}

int help(Context& c);

const std::vector<Command>& commands() {
    static const std::vector<Command> list = {
        {"help", "help                 列出命令", help},
        {"types", "types                彩种表：序号 名称 主号个数 主号起 主号止 副号个数 副号起 副号止 有副号 类型 主号名 副号名",
         listTypes},
        {"draws", "draws                当前彩种的开奖数据：期数 主号 副号", listDraws},
        {"import", "import FILE --with-secondary|--without-secondary [--append|--overwrite]\n"
                   "                       导入开奖数据文件（默认追加），输出导入后的记录数",
         importDraws, OnTimeLimit::Finish},
        {"export", "export FILE --with-secondary|--without-secondary\n"
                   "                       导出开奖数据到文本文件（文件名不含.txt时加上.txt）",
         exportDraws, OnTimeLimit::Finish},
        {"precheck", "precheck FORMULA     输入公式时的检查（空格、括号、指标名），通过时输出 ok", precheckOf},
        {"name", "name ID              指标代码的名称和取值范围：代码 名称 最小值 最大值", nameOf},
        {"eval", "eval FORMULA [--period P] [--candidate \"N1 N2 .. [+ S1 ..]\"]\n"
                 "                       公式在某期（默认最后一期）的值；有 --candidate 时为该组号代替该期\n"
                 "                       （无 --period 时接在最后一期之后）的值",
         evalFormula},
        {"series", "series FORMULA       公式在每一期的值：期数 值", seriesOf},
        {"catalogue", "catalogue [--dialog] 指标目录：系列 代码 名称", listCatalogue},
        {"filter", "filter CONDFILE [--period P] [--mode regular] [--threads N] [--out FILE] [--tags FILE]\n"
                   "                       按主区条件文件（.zh）常规过滤，输出状态栏文字",
         filterTickets, OnTimeLimit::Cancel},
        {"continue", "continue CONDFILE --in FILE [--out FILE] [--tags FILE]\n"
                     "                       对组号文件中的组号继续过滤",
         continueTickets, OnTimeLimit::Cancel},
        {"conditions", "conditions CONDFILE [--check P --show all|right|wrong]\n"
                       "                       显示条件，或对第P期检查条件对错",
         conditionReport},
    };
    return list;
}

int help(Context& c) {
    c.out << "lottodesk-cli [--home DIR] [--type N] COMMAND [ARGS]\n"
          << "  --home DIR   程序文件夹（默认：LOTTODESK_HOME，否则为程序所在文件夹）\n"
          << "  --type N     当前彩种 0..20（默认 0）\n"
          << "  --time-limit SECONDS  运行时间上限：过滤在下一批组号前停止，只读命令结束进程（退出码 2）\n"
          << "命令:\n";
    for (const Command& command : commands()) c.out << "  " << command.synopsis << '\n';
    return kDone;
}

// The time limit of one command. At the deadline it sets `timeUp`, which stops a generator run
// at its next block; a command that only reads is ended there with the message and exit status 2,
// since an evaluation cannot be interrupted and nothing is being written.
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
            if (action != OnTimeLimit::Exit) return;
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
    int type = 0;
    std::optional<double> timeLimit;
    std::string timeLimitText;
    size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
        if (i + 1 >= args.size()) return usage(err, "选项缺少参数: " + args[i]);
        if (args[i] == "--home") {
            home = args[++i];
        } else if (args[i] == "--type") {
            std::optional<int> value = parseInt(args[++i]);
            if (!value || *value < 0 || *value >= kTypeCount) return usage(err, "--type 必须是 0..20 的整数");
            type = *value;
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
    const std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 1, args.end());

    const Command* command = nullptr;
    for (const Command& candidate : commands())
        if (name == candidate.name) command = &candidate;
    if (!command) return usage(err, "未知命令: " + name);

    std::optional<TimeLimit> limit;
    if (timeLimit)
        limit.emplace(*timeLimit, command->onTimeLimit, "运行时间超过限制（" + timeLimitText + "秒），已停止");
    Workspace ws(home.empty() ? defaultProgramFolder() : withTrailingSlash(home));
    Context context{ws, rest, out, err, true, nullptr, {}};
    if (limit) {
        context.timeUp = limit->timeUp();
        context.timeLimitMessage = limit->message();
    }
    if (name != "help") {
        MemorySettings settings;  // the command line never touches the user's settings
        StartupResult started = initialiseWorkspace(ws, settings);
        for (const std::string& message : started.messages) err << message << '\n';
        context.historyOpened = started.historyOpened;
        prepareHistoryAfterStart(ws);
        if (type != 0) {
            ws.curcp = type;
            Status switched = switchLotteryType(ws, 0);
            if (!switched) {
                err << switched.message << '\n';
                return kStopped;
            }
            context.historyOpened = true;
        }
    }
    return command->run(context);
}

}  // namespace lottodesk
