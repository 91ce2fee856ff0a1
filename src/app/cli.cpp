#include "cli.h"

#include <charconv>
#include <functional>
#include <optional>
#include <ostream>

#include "core/drawtext.h"
#include "core/drawupdate.h"
#include "core/fileio.h"
#include "core/programfolder.h"
#include "core/workspace.h"

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
};

struct Command {
    const char* name;
    const char* synopsis;
    std::function<int(Context&)> run;
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

int help(Context& c);

const std::vector<Command>& commands() {
    static const std::vector<Command> list = {
        {"help", "help                 列出命令", help},
        {"types", "types                彩种表：序号 名称 主号个数 主号起 主号止 副号个数 副号起 副号止 有副号 类型 主号名 副号名",
         listTypes},
        {"draws", "draws                当前彩种的开奖数据：期数 主号 副号", listDraws},
        {"import", "import FILE --with-secondary|--without-secondary [--append|--overwrite]\n"
                   "                       导入开奖数据文件（默认追加），输出导入后的记录数",
         importDraws},
        {"export", "export FILE --with-secondary|--without-secondary\n"
                   "                       导出开奖数据到文本文件（文件名不含.txt时加上.txt）",
         exportDraws},
    };
    return list;
}

int help(Context& c) {
    c.out << "lottodesk-cli [--home DIR] [--type N] COMMAND [ARGS]\n"
          << "  --home DIR   程序文件夹（默认：LOTTODESK_HOME，否则为程序所在文件夹）\n"
          << "  --type N     当前彩种 0..20（默认 0）\n"
          << "命令:\n";
    for (const Command& command : commands()) c.out << "  " << command.synopsis << '\n';
    return kDone;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string home;
    int type = 0;
    size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
        if (i + 1 >= args.size()) return usage(err, "选项缺少参数: " + args[i]);
        if (args[i] == "--home") {
            home = args[++i];
        } else if (args[i] == "--type") {
            std::optional<int> value = parseInt(args[++i]);
            if (!value || *value < 0 || *value >= kTypeCount) return usage(err, "--type 必须是 0..20 的整数");
            type = *value;
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

    Workspace ws(home.empty() ? defaultProgramFolder() : withTrailingSlash(home));
    Context context{ws, rest, out, err, true};
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
