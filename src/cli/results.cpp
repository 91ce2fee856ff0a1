// The commands of the result lists and the secondary zones: `secondary`, `special`, `match`,
// `pick2`, `prize`, `remove`, `print` and `reward`, computed by the same engine as the generator
// window and printed one record per line.
#include "cli/command.h"
#include "cli/common.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <ostream>

#include "core/drawtext.h"
#include "core/fileio.h"
#include "core/integertext.h"
#include "core/prizetables.h"
#include "core/randomsource.h"
#include "core/workspace.h"
#include "generator/numberlist.h"
#include "generator/printout.h"
#include "generator/prizecheck.h"
#include "generator/prizerules.h"
#include "generator/randompick.h"
#include "generator/removal.h"
#include "generator/condfile.h"
#include "generator/secondaryfilter.h"
#include "generator/resultfile.h"
#include "generator/twozone.h"

namespace lottodesk::cli {
namespace {

int stopped(std::ostream& err, const std::string& message) {
    err << message << '\n';
    return kStopped;
}

std::string numbersText(const uint8_t* numbers, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += ' ';
        text += twoDigits(numbers[i]);
    }
    return text;
}

// The draw of `--period P`: its index in the history, or the message.
std::optional<int> periodRecord(const Workspace& ws, const std::string& text, std::ostream& err, int& code) {
    const std::optional<int> period = parseInteger(text);
    if (!period) {
        code = usage(err, "--period 必须是期数");
        return std::nullopt;
    }
    const int at = ws.sjk.indexOfPeriod(*period);
    if (at <= 0) {
        code = stopped(err, "数据库中没有第" + std::to_string(*period) + "期的记录");
        return std::nullopt;
    }
    return at;
}

// "N1 .. + S1 ..": exactly m main numbers within the main range and h secondary numbers within
// the secondary range.
std::optional<WinningNumbers> parseWinning(const Workspace& ws, const std::string& text) {
    const size_t plus = text.find('+');
    if (plus == std::string::npos || text.find('+', plus + 1) != std::string::npos) return std::nullopt;
    const NumberListParse main = parseNumberList(text.substr(0, plus), ws.game.zh_from, ws.game.zh_to);
    const NumberListParse secondary = parseNumberList(text.substr(plus + 1), ws.game.spec_from, ws.game.spec_to);
    if (!main.ok() || !secondary.ok() || static_cast<int>(main.numbers.size()) != ws.game.zhgs ||
        static_cast<int>(secondary.numbers.size()) != ws.game.fhgs)
        return std::nullopt;
    return WinningNumbers{main.numbers, secondary.numbers};
}

// The filter period of `--period P` (0 without it); a period the history does not hold is refused,
// since it would silently filter over the whole history.
std::optional<int32_t> filterPeriodOf(const Workspace& ws, const Options& args, std::ostream& err, int& code) {
    if (!args.has("--period")) return 0;
    const std::optional<int> period = parseInteger(args.value("--period"));
    if (!period) {
        code = usage(err, "--period 必须是期数");
        return std::nullopt;
    }
    if (*period != 0 && ws.sjk.indexOfPeriod(*period) == 0) {
        code = stopped(err, "数据库中没有第" + std::to_string(*period) + "期的记录");
        return std::nullopt;
    }
    return *period;
}

// A zone condition file: its notes go to stderr; a cut-off file is refused, since it would run with
// conditions the user never chose.
template <typename Load>
bool zoneConditionsLoaded(const Load& load, std::ostream& err) {
    if (!load.status) {
        err << load.status.message << '\n';
        return false;
    }
    for (const std::string& note : load.notes) err << note << '\n';
    return !load.truncated;
}

// The prize levels of the games (the money of a check points into them, so the caller keeps them).
// A rules file the program cannot read is named on stderr and the built-in table is used, as in the
// window.
PrizeRuleBook prizeRulesOf(const Workspace& ws, std::ostream& err) {
    std::string problem;
    PrizeRuleBook book = loadPrizeRules(ws.folder, &problem);
    if (!problem.empty()) err << problem << '\n';
    return book;
}

// The "奖金" cell of a ticket at `level` winning `amount` per ticket: blank for no prize, "浮动" for
// a floating level without the draw's table, else the yuan ("7,165,213"; in JSON 7165213).
TableWriter::Cell amountCell(int level, long long amount) {
    if (level == 0) return {"", ""};
    if (amount < 0) return {kFloatingAmountText, ""};
    return {yuanText(amount), std::to_string(amount)};
}

// `--seed S`, or a seed from the system's entropy.
std::optional<uint64_t> seedOf(const Options& args, std::ostream& err) {
    if (!args.has("--seed")) return RandomSource::entropySeed();
    const std::optional<uint64_t> seed = seedValue(args.value("--seed"));
    if (!seed) usage(err, "--seed 必须是非负整数");
    return seed;
}

int runMatch(const Workspace& ws, const Options& opts, std::ostream& out, std::ostream& err) {
    constexpr const char* kUsageText =
        "用法: match MAIN SECONDARY --style sequential|random|all [--seed S] [--out FILE]";
    if (opts.positional.size() != 2 || !opts.has("--style")) return usage(err, kUsageText);
    const std::string& styleName = opts.value("--style");
    if (styleName != "sequential" && styleName != "random" && styleName != "all") return usage(err, kUsageText);
    const MatchStyle style = styleName == "sequential" ? MatchStyle::Sequential
                             : styleName == "random"   ? MatchStyle::Random
                                                       : MatchStyle::All;
    const std::optional<uint64_t> seed = seedOf(opts, err);
    if (!seed) return kUsage;
    const int m = std::clamp(ws.game.zhgs, 0, kMaxTicketNumbers);
    const int h = ws.game.fhgs;
    if (h < 1 || h > kMaxSecondaryTicketNumbers) return stopped(err, kNoSecondaryZoneMessage);
    const TicketRange mainRange = mainZoneRange(ws.game), secondaryRange = secondaryZoneRange(ws.game);
    const ResultTextParse main = loadResultFile(opts.positional[0], m, &mainRange);
    if (!main.ok()) return stopped(err, main.error);
    const ResultTextParse secondary = loadResultFile(opts.positional[1], h, &secondaryRange);
    if (!secondary.ok()) return stopped(err, secondary.error);
    RandomSource random(*seed);
    const MatchOutcome outcome =
        matchZones(main.tickets, m, secondary.tickets, h, style, random, ws.current().specname);
    if (!outcome.status) return stopped(err, outcome.status.message);
    if (opts.has("--out"))
        if (const Status saved = saveTwoZoneFile(opts.value("--out"), outcome.tickets, m, h); !saved)
            return stopped(err, saved.message);
    out << outcome.statusText << '\n';
    return kDone;
}

int runPickTwoZones(const Workspace& ws, const Options& opts, TableWriter& out, std::ostream& err) {
    int count = kDefaultPickCount;
    if (!opts.positional.empty()) {
        const std::optional<int> value = parseInteger(opts.positional[0]);
        if (!value || *value < 0 || *value > kMaxPickCount) return usage(err, "N 必须是 0..9999 的整数");
        count = *value;
    }
    const std::optional<uint64_t> seed = seedOf(opts, err);
    if (!seed) return kUsage;
    const int m = ws.game.zhgs, h = ws.game.fhgs;
    if (h < 1 || h > kMaxSecondaryTicketNumbers) return stopped(err, kNoSecondaryZoneMessage);
    RandomSource random(*seed);
    const std::vector<TwoZoneTicket> tickets =
        randomTwoZoneTickets(m, ws.game.zh_to, h, ws.game.spec_to, count, random);
    out.columns({"主号", "副号"});
    for (const TwoZoneTicket& ticket : tickets)
        out.row({numbersText(ticket.main.data(), m), numbersText(ticket.secondary.data(), h)});
    return kDone;
}

int runSecondary(const Workspace& ws, const Options& opts, std::ostream& out, std::ostream& err) {
    constexpr const char* kUsageText = "用法: secondary FZH [--period P] [--out FILE]";
    if (opts.positional.size() != 1) return usage(err, kUsageText);
    if (ws.game.fhgs != 2) return stopped(err, kSecondaryFilterShapeMessage);
    int code = kDone;
    const std::optional<int32_t> period = filterPeriodOf(ws, opts, err, code);
    if (!period) return code;
    const SecondaryConditionLoad load = loadSecondaryConditions(opts.positional[0], ws.game.spec_to);
    if (!zoneConditionsLoaded(load, err)) return kStopped;
    const SecondaryRun run = runSecondaryFilter(ws, load.conditions, *period);
    if (!run.completed) return stopped(err, run.message);
    if (opts.has("--out"))
        if (const Status saved = saveResultFile(opts.value("--out"), run.results, ws.game.fhgs); !saved)
            return stopped(err, saved.message);
    out << run.statusText << '\n';
    return kDone;
}

int runSpecial(const Workspace& ws, const Options& opts, TableWriter& out, std::ostream& err) {
    constexpr const char* kUsageText = "用法: special LZH [--period P] [--codes]";
    if (opts.positional.size() != 1) return usage(err, kUsageText);
    if (ws.game.fhgs != 1) return stopped(err, kSpecialFilterShapeMessage);
    int code = kDone;
    const std::optional<int32_t> period = filterPeriodOf(ws, opts, err, code);
    if (!period) return code;
    const SpecialNumberConditionLoad load = loadSpecialNumberConditions(opts.positional[0]);
    if (!zoneConditionsLoaded(load, err)) return kStopped;
    const SpecialRun run = runSpecialFilter(ws, load.conditions, *period);
    if (!run.completed) return stopped(err, run.message);
    out.summary("count", run.countText);
    if (opts.has("--codes")) {
        out.columns({"号码", "通过", "容错代码"});
        for (size_t n = 1; n < run.passed.size(); ++n)
            out.row({twoDigits(static_cast<int>(n)), run.passed[n] ? "1" : "0", std::to_string(run.codes[n])});
    } else {
        out.columns({"号码"});
        for (int n : run.results) out.row({twoDigits(n)});
    }
    return kDone;
}

int runPrize(const Workspace& ws, const Options& opts, TableWriter& out, std::ostream& err) {
    constexpr const char* kUsageText = "用法: prize RESULTS --period P [--out FILE]";
    if (opts.positional.size() != 1 || !opts.has("--period")) return usage(err, kUsageText);
    int code = kDone;
    const std::optional<int> at = periodRecord(ws, opts.value("--period"), err, code);
    if (!at) return code;
    const int m = std::clamp(ws.game.zhgs, 0, kMaxTicketNumbers);
    const TicketRange range = mainZoneRange(ws.game);
    ResultTextParse loaded = loadResultFile(opts.positional[0], m, &range);
    if (!loaded.ok()) return stopped(err, loaded.error);
    MainResults results;
    results.tickets = std::move(loaded.tickets);
    checkMainPrize(results, m, ws.sjk.record(*at) + 1);
    if (opts.has("--out"))
        if (const Status saved = saveResultFile(opts.value("--out"), results.tickets, m); !saved)
            return stopped(err, saved.message);
    // The amounts and their total as the generator's list shows them, when the game has rules.
    const PrizeRuleBook book = prizeRulesOf(ws, err);
    const PrizeMoney money = prizeMoneyFor(ws, book, ws.sjk.record(*at)[0]);
    if (!money.rules) {
        out.columns({"号码", kHitColumnCaption});
        for (const Ticket& ticket : results.tickets)
            out.row({numbersText(ticket.data(), m), std::to_string(ticket[static_cast<size_t>(m)])});
        return kDone;
    }
    out.columns({"号码", kHitColumnCaption, "奖金"});
    Winnings won;
    for (const Ticket& ticket : results.tickets) {
        const int level = mainResultLevel(money, ticket.data(), m);
        const long long amount = level > 0 ? money.amountOfLevel(level) : 0;
        addWinning(won, level, amount);
        out.typedRow({{numbersText(ticket.data(), m), ""},
                      {std::to_string(ticket[static_cast<size_t>(m)]), ""},
                      amountCell(level, amount)});
    }
    std::string total = winningsText(won, results.tickets.size(), money.price);
    // A main list holds no secondary number the player picks: its amounts count that number missed.
    if (!secondaryDrawnFromMain(ws.game) && ws.game.fhgs > 0)
        total += "（" + ws.current().zhname + "组号不含" + ws.current().specname + "，按" + ws.current().specname +
                 "未中计）";
    out.summary("total", total);
    return kDone;
}

int runReward(const Workspace& ws, const Options& opts, TableWriter& out, std::ostream& err) {
    constexpr const char* kUsageText = "用法: reward TICKETS (--period P | --draw \"N1 .. + S1 ..\") [--summary]";
    if (opts.positional.size() != 1 || opts.has("--period") == opts.has("--draw")) return usage(err, kUsageText);
    const int m = std::clamp(ws.game.zhgs, 0, kMaxTicketNumbers);
    const int h = std::clamp(ws.game.fhgs, 0, kMaxSecondaryTicketNumbers);
    if (h == 0) return stopped(err, kNoSecondaryZoneMessage);
    WinningNumbers winning;
    int32_t period = 0;  // typed numbers: no draw, no prize table
    if (opts.has("--draw")) {
        const std::optional<WinningNumbers> typed = parseWinning(ws, opts.value("--draw"));
        if (!typed)
            return usage(err, "--draw 应为 " + std::to_string(m) + " 个主号，+ 后接 " + std::to_string(h) + " 个" +
                                  ws.current().specname);
        winning = *typed;
    } else {
        int code = kDone;
        const std::optional<int> at = periodRecord(ws, opts.value("--period"), err, code);
        if (!at) return code;
        const int32_t* record = ws.sjk.record(*at);
        period = record[0];
        winning.main.assign(record + 1, record + 1 + m);
        winning.secondary.assign(record + 1 + m, record + 1 + m + h);
    }
    TwoZoneParse loaded = loadTwoZoneFile(opts.positional[0], m, h, &ws.game);
    if (!loaded.ok()) return stopped(err, loaded.error);
    const PrizeRuleBook book = prizeRulesOf(ws, err);
    const PrizeMoney money = prizeMoneyFor(ws, book, period);  // period 0: fixed amounts only
    const RewardSummary summary =
        checkReward(loaded.tickets, m, h, winning, money.rules, secondaryDrawnFromMain(ws.game));
    out.textColumns({2});  // "5+1" is a level, not a sum
    if (!money.rules) {
        out.columns({"主号", "副号", "中奖情况"});
        if (!opts.has("--summary"))
            for (const TwoZoneTicket& ticket : loaded.tickets)
                out.row({numbersText(ticket.main.data(), m), numbersText(ticket.secondary.data(), h),
                         rewardText(ticket, summary)});
        out.summary("summary", summary.text);
        return kDone;
    }
    // The amount of each level once; each ticket's amount and the total as the two-zone list shows them.
    std::vector<long long> amounts(summary.levelNames.size(), 0);
    for (size_t level = 1; level < amounts.size(); ++level)
        amounts[level] = money.amountOfLevel(static_cast<int>(level));
    out.columns({"主号", "副号", "中奖情况", "奖金"});
    Winnings won;
    for (const TwoZoneTicket& ticket : loaded.tickets) {
        const long long amount = ticket.level < amounts.size() ? amounts[ticket.level] : 0;
        addWinning(won, ticket.level, amount);
        if (!opts.has("--summary"))
            out.typedRow({{numbersText(ticket.main.data(), m), ""},
                          {numbersText(ticket.secondary.data(), h), ""},
                          {rewardText(ticket, summary), ""},
                          amountCell(ticket.level, amount)});
    }
    out.summary("summary", summary.text);
    out.summary("total", winningsText(won, loaded.tickets.size(), money.price));
    return kDone;
}

int runRemove(const Workspace& ws, const Options& opts, std::ostream& out, std::ostream& err) {
    constexpr const char* kUsageText = "用法: remove RESULTS LIST [--out FILE]";
    if (opts.positional.size() != 2) return usage(err, kUsageText);
    const int m = std::clamp(ws.game.zhgs, 1, kMaxTicketNumbers);
    const TicketRange range = mainZoneRange(ws.game);
    ResultTextParse loaded = loadResultFile(opts.positional[0], m, &range);
    if (!loaded.ok()) return stopped(err, loaded.error);
    const std::optional<std::string> list = readWholeFile(opts.positional[1], kMaxRemovalListBytes);
    if (!list) return stopped(err, "无法读取文件（或文件大于16MB，不是组号列表）：" + opts.positional[1]);
    MainResults results;
    results.tickets = std::move(loaded.tickets);
    const RemovalOutcome outcome = removeListedText(results, m, *list);
    if (!outcome.status) return stopped(err, outcome.status.message);
    if (opts.has("--out"))
        if (const Status saved = saveResultFile(opts.value("--out"), results.tickets, m); !saved)
            return stopped(err, saved.message);
    out << results.tickets.size() << '\n';
    return kDone;
}

int runPrint(const Workspace& ws, const Options& opts, std::ostream&, std::ostream& err) {
    constexpr const char* kUsageText = "用法: print RESULTS --out FILE";
    if (opts.positional.size() != 1 || !opts.has("--out")) return usage(err, kUsageText);
    const int m = std::clamp(ws.game.zhgs, 0, kMaxTicketNumbers);
    const TicketRange range = mainZoneRange(ws.game);
    const ResultTextParse loaded = loadResultFile(opts.positional[0], m, &range);
    if (!loaded.ok()) return stopped(err, loaded.error);
    if (const Status saved = savePrintout(opts.value("--out"), printoutText(loaded.tickets, m)); !saved)
        return stopped(err, saved.message);
    return kDone;
}

}  // namespace

std::vector<Command> resultCommands() {
    return {
        {"secondary",
         "secondary FZH [--period P] [--out FILE]",
         "副区过滤（两个副号的彩种）：输出状态栏文字；--out 写出副区组号文件",
         1,
         {valued("--period"), valued("--out")},
         [](const CommandCall& c) { return runSecondary(c.ws, c.options, c.out, c.err); },
         OnTimeLimit::Exit,
         false,
         false,
         HistoryUse::Ordered},
        {"special",
         "special LZH [--period P] [--codes]",
         "特别号过滤（一个副号的彩种）：过滤结果：共n个，然后每行一个号码；--codes 每个号码 是否通过 容错代码",
         1,
         {valued("--period"), flagged("--codes")},
         [](const CommandCall& c) { return runSpecial(c.ws, c.options, c.rows, c.err); },
         OnTimeLimit::Exit,
         true,
         false,
         HistoryUse::Ordered},
        {"match",
         "match MAIN SECONDARY --style sequential|random|all [--seed S] [--out FILE]",
         "双区匹配（顺序、随机、全组合）：输出状态栏文字；--out 写出双区组号文件",
         2,
         {valued("--style"), valued("--seed"), valued("--out")},
         [](const CommandCall& c) { return runMatch(c.ws, c.options, c.out, c.err); }},
        {"pick2",
         "pick2 [N] [--seed S]",
         "双区机选组号（默认10注）：每行 主号 副号",
         1,
         {valued("--seed")},
         [](const CommandCall& c) { return runPickTwoZones(c.ws, c.options, c.rows, c.err); },
         OnTimeLimit::Exit,
         true},
        {"prize",
         "prize RESULTS --period P [--out FILE]",
         "主区组号对奖：按中奖号个数从多到少（稳定）每行 号码 中奖号个数 奖金，最后一行为奖金合计；\n"
         "--out 写出排序后的组号",
         1,
         {valued("--period"), valued("--out")},
         [](const CommandCall& c) { return runPrize(c.ws, c.options, c.rows, c.err); },
         OnTimeLimit::Exit,
         true,
         false,
         HistoryUse::Ordered},
        {"remove",
         "remove RESULTS LIST [--out FILE]",
         "滤除组号：从组号文件中去掉列表文件中的组号（每行一注），输出剩下的注数",
         2,
         {valued("--out")},
         [](const CommandCall& c) { return runRemove(c.ws, c.options, c.out, c.err); }},
        {"print",
         "print RESULTS --out FILE",
         "打印投注结果：把组号文件排成打印格式写入 FILE",
         1,
         {valued("--out")},
         [](const CommandCall& c) { return runPrint(c.ws, c.options, c.out, c.err); }},
        {"reward",
         "reward TICKETS (--period P | --draw \"N1 .. + S1 ..\") [--summary]",
         "双区组号对奖：每行 主号 副号 中奖情况 奖金（按奖级排序），然后汇总和奖金合计；\n"
         "组号文件的主号与副号之间可写“+”",
         1,
         {valued("--period"), valued("--draw"), flagged("--summary")},
         [](const CommandCall& c) { return runReward(c.ws, c.options, c.rows, c.err); },
         OnTimeLimit::Exit,
         true,
         false,
         HistoryUse::Ordered},
    };
}

}  // namespace lottodesk::cli
