#include "cli/chartgrid.h"
#include "cli/common.h"

#include <ostream>

#include "analysis/chartgrid.h"
#include "core/integertext.h"
#include "core/workspace.h"

namespace lottodesk {
namespace {

constexpr const char* kGridUsage =
    "用法: table grid [--page property|extended|field] [--class tail|odd|prime]\n"
    "                 [--chart counts|zones|sum] [--zones 2..11] [--template 0..9] [--tails yes|no]";

// Every record's row with the visible columns: the row label, the fixed texts and, in every
// block, the mark's text in the column of its class ("*" for a mark without text).
void printChart(const ChartData& d, std::ostream& out) {
    std::vector<int> shown;
    for (int c = 0; c < d.columns; ++c)
        if (d.widths[static_cast<size_t>(c)] > 0) shown.push_back(c);
    std::vector<std::string> cells(shown.size());
    for (int r = 0; r < d.headerRows; ++r) {
        for (size_t i = 0; i < shown.size(); ++i) cells[i] = d.headerText(r, shown[i]);
        cli::printRow(out, cells);
    }
    const int texts = d.records == 0 ? 0 : static_cast<int>(d.fixedTexts.size()) / d.records;
    std::vector<std::string> row(static_cast<size_t>(d.columns));
    for (int n = 1; n <= d.records; ++n) {
        std::fill(row.begin(), row.end(), std::string());
        row[0] = d.rowLabels[static_cast<size_t>(n - 1)];
        for (int t = 0; t < texts; ++t)
            row[static_cast<size_t>(1 + t)] = d.fixedTexts[static_cast<size_t>(n - 1) * texts + t];
        for (size_t b = 0; b < d.blocks.size(); ++b) {
            const int m = d.mark(n, static_cast<int>(b));
            if (m < 0) continue;
            const std::string& text = d.markText(n, static_cast<int>(b));
            row[static_cast<size_t>(d.blocks[b].first + m)] = text.empty() ? "*" : text;
        }
        for (size_t i = 0; i < shown.size(); ++i) cells[i] = row[static_cast<size_t>(shown[i])];
        cli::printRow(out, cells);
    }
}

}  // namespace

int gridTable(const Workspace& ws, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto opts = cli::viewOptions(args, {"--page", "--class", "--chart", "--zones", "--template", "--tails"});
    if (!opts) return cli::usage(err, kGridUsage);
    auto value = [&](const char* name, const char* fallback) {
        auto it = opts->find(name);
        return it == opts->end() ? std::string(fallback) : it->second;
    };
    const std::string page = value("--page", "property");
    if (page == "property") {
        const std::string cls = value("--class", "tail");
        PropertyKind kind;
        if (cls == "tail")
            kind = PropertyKind::Tail;
        else if (cls == "odd")
            kind = PropertyKind::OddEven;
        else if (cls == "prime")
            kind = PropertyKind::PrimeComposite;
        else
            return cli::usage(err, kGridUsage);
        printChart(propertyChart(ws, kind), out);
        return cli::kDone;
    }
    if (page == "extended") {
        const std::string chart = value("--chart", "counts");
        // The zone count list "2".."11".
        const std::optional<int> zones = cli::boundedOption(*opts, "--zones", 3, {2, 11}, err, kGridUsage);
        if (!zones) return cli::kUsage;
        ExtendedKind kind;
        if (chart == "counts")
            kind = ExtendedKind::Counts;
        else if (chart == "zones")
            kind = ExtendedKind::Zones;
        else if (chart == "sum")
            kind = ExtendedKind::Sum;
        else
            return cli::usage(err, kGridUsage);
        printChart(extendedChart(ws, kind, *zones), out);
        return cli::kDone;
    }
    if (page == "field") {
        const std::string tails = value("--tails", "no");
        if (tails != "yes" && tails != "no") return cli::usage(err, kGridUsage);
        const std::optional<int> index =
            cli::boundedOption(*opts, "--template", 0, {0, kTemplateCount - 1}, err, kGridUsage);
        if (!index) return cli::kUsage;
        const TemplateListLoad list = loadTemplateList(ws.folder);
        if (!list.message.empty()) err << list.message << "\n";
        const std::string name = *index < static_cast<int>(list.names.size())
                                     ? list.names[static_cast<size_t>(*index)]
                                     : "田野走势图" + std::to_string(*index + 1);
        const TemplateLoad load = loadFieldTemplate(ws.folder, *index, name);
        if (!load.message.empty()) err << load.message << "\n";
        printChart(fieldChart(ws, load.chosen, tails == "yes"), out);
        return cli::kDone;
    }
    return cli::usage(err, kGridUsage);
}

std::string gridTableHelp() {
    return "  grid      图表页：特性分布、扩展图表、田野走势图，每条记录一行（标记格显示其文字，无文字时为 *）\n"
           "    --page property|extended|field  特性分布（默认）、扩展图表、田野走势图\n"
           "    --class tail|odd|prime          特性分布：尾号（默认）、奇偶、质合\n"
           "    --chart counts|zones|sum        扩展图表：个数图（默认）、分区出号个数、和值分布\n"
           "    --zones 2..11                   分区出号个数的分区数（默认 3）\n"
           "    --template 0..9                 田野走势图的模板（save/mb_tyd<i>.jz，缺少时按默认建立）\n"
           "    --tails yes|no                  田野走势图：尾号分析（默认 no）\n";
}

}  // namespace lottodesk
