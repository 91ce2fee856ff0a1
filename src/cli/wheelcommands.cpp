// The wheels of a pool without conditions: `wheel` and `wheel-check`.
#include "cli/command.h"
#include "cli/common.h"
#include "cli/wheelpool.h"

#include <algorithm>
#include <ostream>

#include "core/drawtext.h"
#include "core/fileio.h"
#include "core/randomsource.h"
#include "core/workspace.h"
#include "generator/numberlist.h"
#include "generator/resultfile.h"
#include "generator/wheel.h"
#include "generator/wheelcheck.h"
#include "generator/wheeloptimiser.h"

namespace lottodesk::cli {
namespace {

// The pool of --pool and --fixed: the fixed numbers and the pool's other numbers.
std::optional<WheelPool> wheelPoolArgs(const CommandCall& c, const Options& options) {
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

int wheelOfPool(const CommandCall& c) {
    constexpr const char* kUsageText =
        "用法: wheel --pool \"N1 N2 ..\" [--fixed \"N1 ..\"] [--guarantee G] [--optimise [--seconds S]] [--seed S] "
        "[--out FILE]";
    const Options* options = &c.options;
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
        const std::optional<uint64_t> seed = seedValue(options->value("--seed"));
        if (!seed) return usage(c.err, "--seed 必须是非负整数");
        optimise.seed = *seed;
    }
    const std::optional<WheelPool> pool = wheelPoolArgs(c, *options);
    if (!pool) return kStopped;
    askAboutPool(c.err, *pool);
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

int checkWheelFile(const CommandCall& c) {
    constexpr const char* kUsageText = "用法: wheel-check RESULTS --pool \"N1 ..\" [--fixed \"N1 ..\"] --guarantee G";
    const Options* options = &c.options;
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

}  // namespace

std::vector<Command> wheelCommands() {
    return {
        {"wheel",
         "wheel --pool \"N1 N2 ..\" [--fixed \"N1 ..\"] [--guarantee G] [--optimise [--seconds S]] [--seed S] [--out "
         "FILE [--print]]",
         "号码池的旋转矩阵（G: 中六保五 中五保五 中六保四 中四保四 中五保四），每行一注；有 --out 时只写文件，\n"
         "加 --print 同时输出",
         0,
         {valued("--pool"), valued("--fixed"), valued("--guarantee"), valued("--seconds"), valued("--seed"),
          valued("--out"), flagged("--optimise"), flagged("--print")},
         wheelOfPool,
         OnTimeLimit::Exit,
         true},
        {"wheel-check",
         "wheel-check RESULTS --pool \"N1 ..\" [--fixed \"N1 ..\"] --guarantee G",
         "穷举号码池的每种开奖，检查组号文件是否保证：ok，或第一个不保证的开奖",
         1,
         {valued("--pool"), valued("--fixed"), valued("--guarantee")},
         checkWheelFile},
    };
}

}  // namespace lottodesk::cli
