#include "association.h"

#include <algorithm>

#include "analysisseries.h"
#include "core/drawtext.h"
#include "core/integertext.h"
#include "formula/evalfailure.h"
#include "formula/precheck.h"
#include "formula/tgs.h"
#include "indicators/context.h"

namespace lottodesk {

int AssociationOptions::activeSlots() const {
    int a = 0;
    for (const AssociationSlot& slot : slots) a += slot.active;
    return a;
}

namespace {

bool positionsPass(const int32_t* r, const AssociationOptions& o, int k) {
    for (int p = 1; p <= kAssociationPositions; ++p) {
        const int v = o.positions[static_cast<size_t>(p - 1)];
        if (v == kAnyValue) continue;
        if (o.unbound && p <= k) {
            if (std::find(r + 1, r + 1 + k, v) == r + 1 + k) return false;
        } else if (r[p] != v) {
            return false;
        }
    }
    return true;
}

// The draw's period and numbers into a half of the row.
void writeDraw(const int32_t* r, int numbers, std::string* half) {
    half[0] = std::to_string(r[0]);
    for (int j = 1; j <= numbers; ++j) half[j] = twoDigits(r[j]);
}

}  // namespace

AssociationTable associationTable(const IndicatorContext& ctx, const std::string& zhname, const std::string& specname,
                                  const AssociationOptions& options) {
    AssociationTable t;
    t.options = options;
    const int k = ctx.game.zhgs, s = ctx.game.fhgs;
    std::vector<tgs> formulas;
    for (const AssociationSlot& slot : options.slots)
        if (slot.active) formulas.emplace_back(trimFormulaText(slot.expression));
    const int a = static_cast<int>(formulas.size());
    const int w = k + s + a + 1;
    t.half = w;

    std::vector<std::string> half = {"本期期号"};
    for (int j = 1; j <= k; ++j) half.push_back(zhname + std::to_string(j));
    for (int j = 1; j <= s; ++j) half.push_back(specname + (s == 1 ? "" : std::to_string(j)));
    for (int i = 1; i <= a; ++i) half.push_back("指标" + std::to_string(i));
    t.header = half;
    half[0] = "下期期号";
    t.header.insert(t.header.end(), half.begin(), half.end());

    const DrawHistory& history = ctx.history;
    const int last = history.lastDraw();
    std::vector<const AssociationSlot*> active;
    for (const AssociationSlot& slot : options.slots)
        if (slot.active) active.push_back(&slot);
    std::vector<int32_t> values(static_cast<size_t>(a));
    int rows = 0;
    for (int n = 1; n <= last; ++n) {
        const int32_t* r = history.record(n);
        if (!positionsPass(r, options, k)) continue;
        if (options.periodTail != kAnyValue && r[0] % 10 != options.periodTail) continue;
        bool pass = true;
        for (int i = 0; i < a && pass; ++i) {
            const EvalResult result = formulas[static_cast<size_t>(i)].evaluate(ctx, n);
            if (result.fault == EvalResult::Fault::Stop) {
                t.status = Status::failure(StatusCode::BadFormula, evaluationFailure(result));
                t.cells.clear();
                return t;
            }
            const std::vector<int32_t>& allowed = active[static_cast<size_t>(i)]->allowed;
            pass = result.ok && (allowed.empty() || std::binary_search(allowed.begin(), allowed.end(), result.value));
            values[static_cast<size_t>(i)] = result.value;
        }
        if (!pass) continue;

        ++rows;
        t.cells.resize(static_cast<size_t>(rows) * 2 * w);
        std::string* row = t.cells.data() + static_cast<size_t>(rows - 1) * 2 * w;
        writeDraw(r, k + s, row);
        for (int i = 0; i < a; ++i) row[1 + k + s + i] = std::to_string(values[static_cast<size_t>(i)]);
        if (n == last) continue;
        ++t.nextRows;
        writeDraw(history.record(n + 1), k + s, row + w);
        for (int i = 0; i < a; ++i) {
            const EvalResult result = formulas[static_cast<size_t>(i)].evaluate(ctx, n + 1);
            if (result.fault == EvalResult::Fault::Stop) {
                t.status = Status::failure(StatusCode::BadFormula, evaluationFailure(result));
                t.cells.clear();
                t.nextRows = 0;
                return t;
            }
            if (result.ok) row[w + 1 + k + s + i] = std::to_string(result.value);
        }
    }
    t.caption = "本期系列一共有" + std::to_string(rows) + "条;下期系列一共有" + std::to_string(t.nextRows) + "条";
    return t;
}

AssociationPage::AssociationPage() : m_memo(std::make_unique<SeriesMemo>()) {}
AssociationPage::~AssociationPage() = default;

const AssociationTable& AssociationPage::run(const Workspace& ws, const AssociationOptions& options) {
    const std::string names = ws.current().zhname + '\n' + ws.current().specname;
    if (!m_ready || m_store != &ws.sjk || m_version != ws.sjk.version() || !(m_game == ws.game) || m_names != names ||
        !(m_table.options == options)) {
        m_table =
            associationTable(indicatorContext(ws, m_memo.get()), ws.current().zhname, ws.current().specname, options);
        m_store = &ws.sjk;
        m_version = ws.sjk.version();
        m_game = ws.game;
        m_names = names;
        m_ready = true;
    }
    return m_table;
}

std::vector<std::string> associationExportLines(const AssociationTable& table, int zhgs, int fhgs, bool withSecondary) {
    std::vector<std::string> lines;
    const int numbers = zhgs + (withSecondary ? fhgs : 0);
    for (int r = 0; r < table.rows() && !table.cell(r, table.half).empty(); ++r) {
        std::string line;
        for (int c = 0; c <= numbers; ++c) line += table.cell(r, table.half + c) + " ";
        lines.push_back(std::move(line));
    }
    return lines;
}

std::optional<AssociationColumnSeries> associationColumnSeries(const AssociationTable& table, int column, int zhgs,
                                                               int fhgs, DerivedStore& store) {
    if (column <= 0 || column >= table.columns() || column == table.half) return std::nullopt;
    const int base = column < table.half ? 0 : table.half;
    const int numbers = zhgs + fhgs;
    AssociationColumnSeries series{table.header[static_cast<size_t>(column)]};
    store.clear();
    bool any = false;
    std::vector<int32_t> draw(static_cast<size_t>(numbers));
    for (int r = 0; r < table.rows() && !table.cell(r, base).empty(); ++r) {
        const std::optional<int> period = parseInteger(table.cell(r, base));
        const std::optional<int> value = parseInteger(table.cell(r, column));
        if (!period || !value) continue;
        for (int j = 0; j < numbers; ++j)
            draw[static_cast<size_t>(j)] = parseInteger(table.cell(r, base + 1 + j)).value_or(0);
        store.append(*period, draw.data(), numbers, *value);
        series.lo = any ? std::min(series.lo, *value) : *value;
        series.hi = any ? std::max(series.hi, *value) : *value;
        any = true;
    }
    store.finish();
    if (series.lo == series.hi) series.hi = singleValueRange(series.lo, zhgs).hi;
    return series;
}

}  // namespace lottodesk
