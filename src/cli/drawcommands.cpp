// The commands of the lottery types and the draw history: `types`, `draws`, `import`, `export`.
#include "cli/command.h"
#include "cli/common.h"

#include <ostream>

#include "core/drawtext.h"
#include "core/drawupdate.h"
#include "core/workspace.h"

namespace lottodesk::cli {
namespace {

int listTypes(const CommandCall& c) {
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

int listDraws(const CommandCall& c) {
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

// FILE and exactly one of --with-secondary and --without-secondary: whether the file holds the
// secondary numbers; nothing when the arguments do not say it once.
std::optional<bool> withSecondary(const Options& opts) {
    if (opts.positional.size() != 1 || opts.has("--with-secondary") == opts.has("--without-secondary"))
        return std::nullopt;
    return opts.has("--with-secondary");
}

constexpr const char* kImportUsage = "用法: import FILE --with-secondary|--without-secondary [--append|--overwrite]";

int importDraws(const CommandCall& c) {
    const std::optional<bool> secondary = withSecondary(c.options);
    if (!secondary || (c.options.has("--append") && c.options.has("--overwrite"))) return usage(c.err, kImportUsage);
    ImportOutcome outcome =
        importDrawFile(c.ws.sjk, c.ws.game, c.options.positional[0], *secondary, c.options.has("--overwrite"));
    if (!outcome.status) {
        c.err << outcome.status.message << '\n';
        return kStopped;
    }
    c.out << c.ws.sjk.RecordCount() << '\n';
    c.err << outcome.summary << '\n';
    return kDone;
}

int exportDraws(const CommandCall& c) {
    const std::optional<bool> secondary = withSecondary(c.options);
    if (!secondary) return usage(c.err, "用法: export FILE --with-secondary|--without-secondary");
    const Status saved = exportDrawFile(c.ws.sjk, c.ws.game, exportFileName(c.options.positional[0]), *secondary);
    if (!saved) {
        c.err << saved.message << '\n';
        return kStopped;
    }
    return kDone;
}

}  // namespace

std::vector<Command> drawCommands() {
    const std::vector<OptionSpec> zones = {flagged("--with-secondary"), flagged("--without-secondary")};
    std::vector<OptionSpec> importOptions = zones;
    importOptions.push_back(flagged("--append"));
    importOptions.push_back(flagged("--overwrite"));
    return {
        {"types",
         "types",
         "彩种表：序号 名称 主号个数 主号起 主号止 副号个数 副号起 副号止 有副号 类型 主号名 副号名",
         0,
         {},
         listTypes,
         OnTimeLimit::Exit,
         true},
        {"draws",
         "draws",
         "当前彩种的开奖数据：期数 主号 副号",
         0,
         {},
         listDraws,
         OnTimeLimit::Exit,
         true,
         false,
         HistoryUse::Ordered},
        {"import", "import FILE --with-secondary|--without-secondary [--append|--overwrite]",
         "导入开奖数据文件（默认追加），输出导入后的记录数", 1, importOptions, importDraws, OnTimeLimit::Finish, false,
         false, HistoryUse::Opened},
        {"export", "export FILE --with-secondary|--without-secondary",
         "导出开奖数据到文本文件（文件名不含.txt时加上.txt）", 1, zones, exportDraws, OnTimeLimit::Finish, false, false,
         HistoryUse::Opened},
    };
}

}  // namespace lottodesk::cli
