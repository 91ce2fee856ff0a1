#include "cli/command.h"
#include "cli/common.h"

#include <ostream>

#include "cli/tableviews.h"

namespace lottodesk::cli {
namespace {

int help(const CommandCall& c) {
    if (c.options.positional.size() == 1 && c.options.positional[0] == "table") {
        c.out << tableHelp();
        return kDone;
    }
    if (!c.options.positional.empty()) return usage(c.err, "用法: help [table]");
    c.out << commandsHelp();
    return kDone;
}

}  // namespace

const std::vector<Command>& commands() {
    static const std::vector<Command> list = [] {
        std::vector<Command> all = {{"help", "help [table]", "列出命令；help table 列出分析视图和选项", 1, {}, help}};
        for (auto family :
             {drawCommands, updateCommands, formulaCommands, generatorCommands, analysisCommands, trendCommands,
              convertCommands, wheelCommands, resultCommands, transformCommands, predictionCommands})
            for (Command& command : family()) all.push_back(std::move(command));
        return all;
    }();
    return list;
}

std::string usageLine(const Command& command) { return "用法: " + command.syntax; }

std::string commandsHelp() {
    std::string text =
        "lottodesk-cli [--home DIR [--init]] [--type N] [--transform N] COMMAND [ARGS]\n"
        "  --home DIR   程序文件夹（默认：LOTTODESK_HOME；否则程序所在文件夹，若其中有 "
        "database/；否则用户数据文件夹，\n"
        "               Linux 下为 $XDG_DATA_HOME/lottodesk/，默认 ~/.local/share/lottodesk/）；文件夹必须已存在，\n"
        "               新文件夹在第一次使用时写入双色球和超级大乐透的开奖数据\n"
        "  --init       --home 的文件夹不存在时新建它\n"
        "  --type N     当前彩种 0..20（默认 0）\n"
        "  --transform N  打开数据后应用数据变换 N（0 原始数据，1..4 变换1..变换4）；变换后不能保存数据\n"
        "  --predict \"N1 .. [+ S1 ..]\"  分析命令在最后加上预测区（9999999）这一组号码（只在内存中）\n"
        "  --time-limit SECONDS  运行时间上限：过滤在下一批组号前停止，只读命令结束进程（退出码 2）\n"
        "  --help, -h   显示帮助（放在命令之后显示该命令的用法）\n"
        "  --version    显示版本\n"
        "  --format tsv|csv|json  （放在命令之后）输出表格或列表的命令的格式：TSV（默认）、CSV（RFC 4180）、\n"
        "               JSON（header 为列名，rows 为各行，数值为数，一格多个号码为数组）\n"
        "命令:\n";
    // A short syntax and its text on one line; a long one with its text indented below it.
    constexpr size_t kColumn = 21;
    const std::string indent(2 + kColumn, ' ');
    for (const Command& command : commands()) {
        text += "  " + command.syntax;
        size_t start = 0;
        bool first = true;
        while (start <= command.about.size()) {
            const size_t end = std::min(command.about.find('\n', start), command.about.size());
            const std::string line = command.about.substr(start, end - start);
            if (first && command.syntax.size() < kColumn)
                text += std::string(kColumn - command.syntax.size(), ' ') + line + "\n";
            else
                text += (first ? "\n" : "") + indent + line + "\n";
            first = false;
            start = end + 1;
        }
    }
    return text;
}

}  // namespace lottodesk::cli
