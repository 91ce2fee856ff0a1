// lottodesk-cli's start: the global options, the program folder and the history as the desktop
// program opens them, then the command's row (cli/command.h) with its arguments read against it.
#include "cli/cli.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>

#include "cli/candidate.h"
#include "cli/command.h"
#include "cli/common.h"
#include "cli/tablewriter.h"
#include "cli/timelimit.h"
#include "core/datatransform.h"
#include "core/drawcheck.h"
#include "core/firstrun.h"
#include "core/integertext.h"
#include "core/platform.h"
#include "core/programfolder.h"
#include "core/usersettings.h"
#include "core/workspace.h"

#ifndef LOTTODESK_VERSION
#define LOTTODESK_VERSION "1.0"
#endif

namespace lottodesk {
namespace {

using cli::kDone;
using cli::kStopped;
using cli::kUsage;

int usage(std::ostream& err, const std::string& text) {
    err << text << "\n"
        << "用法: lottodesk-cli [--home DIR [--init]] [--type N] [--transform N] COMMAND [ARGS]  (lottodesk-cli "
           "--help)\n";
    return kUsage;
}

bool isHelpOption(const std::string& arg) { return arg == "--help" || arg == "-h"; }

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
            out << cli::commandsHelp();
            return kDone;
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
            timeLimit = cli::secondsValue(timeLimitText);
            if (!timeLimit) return usage(err, "--time-limit 必须是非负的秒数");
        } else {
            return usage(err, "未知选项: " + args[i]);
        }
    }
    if (i == args.size()) return usage(err, "缺少命令");
    const std::string name = args[i];
    std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 1, args.end());

    const cli::Command* command = nullptr;
    for (const cli::Command& candidate : cli::commands())
        if (name == candidate.name) command = &candidate;
    if (!command) return usage(err, "未知命令: " + name);
    if (std::any_of(rest.begin(), rest.end(), isHelpOption)) {
        out << "用法: lottodesk-cli [--home DIR] [--type N] " << command->syntax << '\n';
        if (!command->about.empty()) out << command->about << '\n';
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

    // The arguments read against the command's row: what it does not take is refused here, before
    // anything is opened.
    std::optional<cli::Options> options = cli::Options{};
    if (!command->ownOptions) {
        std::string problem;
        options = cli::readOptions(rest, command->options, command->positional, problem);
        if (!options) return cli::refuse(err, cli::usageLine(*command).c_str(), problem);
    }

    std::optional<cli::TimeLimit> limit;
    if (timeLimit)
        limit.emplace(*timeLimit, command->onTimeLimit, "运行时间超过限制（" + timeLimitText + "秒），已停止");
    Workspace ws(home.empty() ? defaultProgramFolder() : withTrailingSlash(home));
    cli::TableWriter rows(out, format);
    bool historyOpened = false, typeFileNoted = false;
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
        historyOpened = started.historyOpened;
        typeFileNoted = started.typeFileNoted;
        prepareHistoryAfterStart(ws);
        if (type != 0) {
            ws.curcp = type;
            Status switched = switchLotteryType(ws, 0, false);  // as at the start: removed in memory only
            if (!switched) {
                err << switched.message << '\n';
                return kStopped;
            }
            historyOpened = true;
        }
        if (historyOpened && command->history != cli::HistoryUse::None && command->history != cli::HistoryUse::Opened) {
            // Searches by period would give wrong answers on such a history.
            if (const std::string note = historyOrderMessage(ws.sjk); !note.empty()) {
                if (type != 0) err << note << '\n';  // type 0's note is among the start-up messages
                return kStopped;
            }
        }
        // After this the history refuses every save, so the commands that would save stop with
        // the engine's message.
        if (historyOpened && transform != 0) {
            const Status applied = applyTransform(ws, transform);
            if (!applied) {
                err << applied.message << '\n';
                return kStopped;
            }
        }
        // "预测区" for the analysis commands: the ticket as the newest, undrawn record, in memory only.
        if (predict && historyOpened) {
            if (name == "import" || name == "export" || name == "update")
                return usage(err, "--predict 只用于分析命令，不能与 " + name + " 一起使用");
            std::string problem;
            std::optional<DrawRecord> record = cli::parseCandidate(*predict, drawRulesOf(ws), problem);
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
    // A command that needs the history stops when it did not open (the start-up said why).
    const bool needsHistory =
        command->history == cli::HistoryUse::Opened || command->history == cli::HistoryUse::Ordered;
    if (needsHistory && !historyOpened) return kStopped;
    static const std::string kNoLimit;
    const cli::CommandCall call{ws,
                                *options,
                                rest,
                                out,
                                err,
                                rows,
                                historyOpened,
                                typeFileNoted,
                                limit ? limit->timeUp() : nullptr,
                                limit ? limit->message() : kNoLimit};
    const int code = command->run(call);
    if (code == kDone) rows.finish(err);
    return code;
}

}  // namespace lottodesk
