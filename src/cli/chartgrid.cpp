#include "cli/common.h"
#include "cli/tableviews.h"

#include <ostream>

#include "analysis/chartgrid.h"
#include "core/integertext.h"
#include "core/workspace.h"

namespace lottodesk::cli {
namespace {

constexpr const char* kGridUsage =
    "用法: table grid [--page property|extended|field] [--class tail|odd|prime]\n"
    "                 [--chart counts|zones|sum] [--zones 2..11] [--template 0..9] [--tails yes|no]";

// Every record's row with the visible columns: the row label, the fixed texts and, in every
// block, the mark's text in the column of its class ("*" for a mark without text).
void printChart(const ChartData& d, TableWriter& rows) {
    std::vector<int> shown;
    for (int c = 0; c < d.columns; ++c)
        if (d.widths[static_cast<size_t>(c)] > 0) shown.push_back(c);
    std::vector<std::string> cells(shown.size());
    for (int r = 0; r < d.headerRows; ++r) {
        for (size_t i = 0; i < shown.size(); ++i) cells[i] = d.headerText(r, shown[i]);
        // The first header row names the columns; the others (a block's caption) are rows.
        if (r == 0)
            rows.header(cells);
        else
            rows.row(cells);
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
        rows.row(cells);
    }
}

int gridTable(const ViewCall& call) {
    const Workspace& ws = call.ws;
    const Options& opts = call.options;
    TableWriter& rows = call.rows;
    std::ostream& err = call.err;
    const std::string page = opts.valueOr("--page", "property");
    if (page == "property") {
        const std::string cls = opts.valueOr("--class", "tail");
        PropertyKind kind;
        if (cls == "tail")
            kind = PropertyKind::Tail;
        else if (cls == "odd")
            kind = PropertyKind::OddEven;
        else if (cls == "prime")
            kind = PropertyKind::PrimeComposite;
        else
            return usage(err, kGridUsage);
        printChart(propertyChart(ws, kind), rows);
        return kDone;
    }
    if (page == "extended") {
        const std::string chart = opts.valueOr("--chart", "counts");
        // The zone count list "2".."11".
        const std::optional<int> zones = boundedOption(opts, "--zones", 3, {2, 11}, err, kGridUsage);
        if (!zones) return kUsage;
        ExtendedKind kind;
        if (chart == "counts")
            kind = ExtendedKind::Counts;
        else if (chart == "zones")
            kind = ExtendedKind::Zones;
        else if (chart == "sum")
            kind = ExtendedKind::Sum;
        else
            return usage(err, kGridUsage);
        printChart(extendedChart(ws, kind, *zones), rows);
        return kDone;
    }
    if (page == "field") {
        const std::string tails = opts.valueOr("--tails", "no");
        if (tails != "yes" && tails != "no") return usage(err, kGridUsage);
        const std::optional<int> index = boundedOption(opts, "--template", 0, {0, kTemplateCount - 1}, err, kGridUsage);
        if (!index) return kUsage;
        const TemplateListLoad list = loadTemplateList(ws.folder);
        if (!list.message.empty()) err << list.message << "\n";
        const std::string name = *index < static_cast<int>(list.names.size())
                                     ? list.names[static_cast<size_t>(*index)]
                                     : "田野走势图" + std::to_string(*index + 1);
        const TemplateLoad load = loadFieldTemplate(ws.folder, *index, name);
        if (!load.message.empty()) err << load.message << "\n";
        printChart(fieldChart(ws, load.chosen, tails == "yes"), rows);
        return kDone;
    }
    return usage(err, kGridUsage);
}
}  // namespace

std::vector<TableView> gridTableViews() {
    return {
        {"grid",
         {},
         0,
         {valued("--page"), valued("--class"), valued("--chart"), valued("--zones"), valued("--template"),
          valued("--tails")},
         kGridUsage,
         "  grid      图表页：特性分布、扩展图表、田野走势图，每条记录一行（标记格显示其文字，无文字时为 *）\n"
         "    --page property|extended|field  特性分布（默认）、扩展图表、田野走势图\n"
         "    --class tail|odd|prime          特性分布：尾号（默认）、奇偶、质合\n"
         "    --chart counts|zones|sum        扩展图表：个数图（默认）、分区出号个数、和值分布\n"
         "    --zones 2..11                   分区出号个数的分区数（默认 3）\n"
         "    --template 0..9                 田野走势图的模板（save/mb_tyd<i>.jz，缺少时按默认建立）\n"
         "    --tails yes|no                  田野走势图：尾号分析（默认 no）\n",
         gridTable},
    };
}

}  // namespace lottodesk::cli
