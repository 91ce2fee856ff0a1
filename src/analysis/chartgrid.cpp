#include "chartgrid.h"

#include <algorithm>
#include <charconv>

#include "core/fileio.h"
#include "core/gbktext.h"
#include "indicators/context.h"
#include "indicators/numberprops.h"
#include "indicators/registry.h"

namespace lottodesk {
namespace {

std::string twoDigits(int v) { return v >= 0 && v < 10 ? "0" + std::to_string(v) : std::to_string(v); }

std::string rowLabel(int32_t period) { return period == kPredictionPeriod ? "预测区" : std::to_string(period); }

// The titles of the number positions: zhname + j, then the secondary positions.
std::vector<std::string> positionTitles(const Workspace& ws, const std::string& suffix) {
    const int k = ws.game.zhgs, s = ws.game.fhgs;
    std::vector<std::string> titles;
    for (int j = 1; j <= k; ++j) titles.push_back(ws.current().zhname + std::to_string(j) + suffix);
    for (int j = 1; j <= s; ++j)
        titles.push_back(ws.current().specname + (s == 1 ? std::string() : std::to_string(j)) + suffix);
    return titles;
}

// The common frame: column 0, `extra` text columns, blocks of `w` columns each separated (or not)
// by an invisible column, `headerRows` header rows.
ChartData frame(const Workspace& ws, int extra, const std::vector<int>& extraWidths,
                const std::vector<std::string>& titles, const std::vector<std::vector<std::string>>& labels,
                const std::vector<int>& blockWidths, int cellWidth, bool separators, int headerRows) {
    ChartData d;
    d.headerRows = headerRows;
    d.fixedColumns = 1 + extra;
    d.widths.push_back(kChartLabelWidth);
    for (int w : extraWidths) d.widths.push_back(w);
    for (size_t b = 0; b < titles.size(); ++b) {
        if (separators && b > 0) d.widths.push_back(0);
        ChartBlock block;
        block.title = titles[b];
        block.first = static_cast<int>(d.widths.size());
        block.count = blockWidths[b];
        block.labels = labels[b];
        for (int c = 0; c < block.count; ++c) d.widths.push_back(cellWidth);
        d.blocks.push_back(std::move(block));
    }
    d.columns = static_cast<int>(d.widths.size());
    d.header.assign(static_cast<size_t>(headerRows) * d.columns, std::string());
    for (const ChartBlock& block : d.blocks) {
        d.header[static_cast<size_t>(block.first)] = block.title;
        if (headerRows == 2)
            for (int c = 0; c < block.count; ++c)
                d.header[static_cast<size_t>(d.columns + block.first + c)] = block.labels[static_cast<size_t>(c)];
    }
    d.records = ws.sjk.RecordCount();
    d.rowLabels.reserve(static_cast<size_t>(d.records));
    for (int n = 1; n <= d.records; ++n) d.rowLabels.push_back(rowLabel(ws.sjk.record(n)[0]));
    d.marks.assign(static_cast<size_t>(d.records) * d.blocks.size(), -1);
    d.markTexts.assign(d.marks.size(), std::string());
    return d;
}

void setMark(ChartData& d, int record, int block, int cls, std::string text) {
    if (cls < 0 || cls >= d.blocks[static_cast<size_t>(block)].count) return;
    const size_t at = static_cast<size_t>(record - 1) * d.blocks.size() + static_cast<size_t>(block);
    d.marks[at] = static_cast<int16_t>(cls);
    d.markTexts[at] = std::move(text);
}

std::vector<std::string> numberLabels(int count) {
    std::vector<std::string> labels;
    for (int v = 0; v < count; ++v) labels.push_back(std::to_string(v));
    return labels;
}

}  // namespace

int ChartData::width() const {
    int total = 0;
    for (int w : widths) total += w;
    return total;
}

// ---- Templates -----------------------------------------------------------------------------

FieldTemplate defaultFieldTemplate(const std::string& name) {
    FieldTemplate t;
    t.name = name;
    t.columns = 6;
    t.rows = 6;
    for (int v = 1; v <= 36; ++v) t.values.push_back(v);
    return t;
}

std::string templateListPath(const std::string& folder) { return folder + "save/tyzsdstyle.txt"; }

std::string templatePath(const std::string& folder, int index) {
    return folder + "save/mb_tyd" + std::to_string(index) + ".jz";
}

std::string templateText(const FieldTemplate& t) {
    std::string text = t.name + "\n" + std::to_string(t.columns) + "\n" + std::to_string(t.rows) + "\n";
    for (int r = 0; r < t.rows; ++r) {
        for (int c = 0; c < t.columns; ++c) text += twoDigits(t.at(c, r)) + " ";
        text += "\n";
    }
    return text;
}

std::optional<FieldTemplate> parseFieldTemplate(std::string_view text) {
    FieldTemplate t;
    const size_t eol = text.find('\n');
    std::string_view name = text.substr(0, eol);
    if (!name.empty() && name.back() == '\r') name.remove_suffix(1);
    t.name = std::string(name);
    std::string_view rest = eol == std::string_view::npos ? std::string_view{} : text.substr(eol + 1);
    std::vector<int> numbers;
    size_t at = 0;
    while (at < rest.size()) {
        while (at < rest.size() && (rest[at] == ' ' || rest[at] == '\t' || rest[at] == '\r' || rest[at] == '\n')) ++at;
        if (at >= rest.size()) break;
        size_t end = at;
        while (end < rest.size() && rest[end] != ' ' && rest[end] != '\t' && rest[end] != '\r' && rest[end] != '\n')
            ++end;
        int value = 0;
        const auto [ptr, ec] = std::from_chars(rest.data() + at, rest.data() + end, value);
        if (ec != std::errc() || ptr != rest.data() + end) return std::nullopt;
        numbers.push_back(value);
        at = end;
    }
    if (numbers.size() < 2) return std::nullopt;
    t.columns = numbers[0];
    t.rows = numbers[1];
    if (t.columns < 1 || t.columns > 10 || t.rows < 1 || t.rows > 10) return std::nullopt;
    const size_t cells = static_cast<size_t>(t.columns) * t.rows;
    if (numbers.size() < cells + 2) return std::nullopt;
    t.values.assign(numbers.begin() + 2, numbers.begin() + 2 + static_cast<std::ptrdiff_t>(cells));
    for (int v : t.values)
        if (v < 0 || v > 255) return std::nullopt;
    return t;
}

TemplateListLoad loadTemplateList(const std::string& folder) {
    TemplateListLoad load;
    const std::string path = templateListPath(folder);
    std::vector<std::string> defaults;
    for (int i = 1; i <= kTemplateCount; ++i) defaults.push_back("田野走势图" + std::to_string(i));
    if (!fileExists(path)) {
        load.names = defaults;
        std::string text;
        for (const std::string& name : defaults) text += name + "\n";
        makeFolders(folder + "save");
        if (const Status saved = saveGbkText(path, text); !saved) load.message = saved.message;
        return load;
    }
    const GbkText read = readGbkText(path);
    if (!read.status) {
        load.names = defaults;
        load.message = read.status.message;
        return load;
    }
    size_t at = 0;
    while (at < read.text.size()) {
        size_t end = read.text.find('\n', at);
        if (end == std::string::npos) end = read.text.size();
        std::string line = read.text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        load.names.push_back(line);
        at = end + 1;
    }
    while (!load.names.empty() && load.names.back().empty()) load.names.pop_back();
    if (load.names.empty()) {
        load.names = defaults;
        load.message = "模板列表文件 " + path + " 是空的，已使用默认的模板列表（文件未改动）";
    }
    return load;
}

TemplateLoad loadFieldTemplate(const std::string& folder, int index, const std::string& listName) {
    TemplateLoad load;
    const std::string path = templatePath(folder, index);
    if (!fileExists(path)) {
        load.chosen = defaultFieldTemplate(listName);
        makeFolders(folder + "save");
        if (const Status saved = saveGbkText(path, templateText(load.chosen)); !saved) load.message = saved.message;
        return load;
    }
    const GbkText read = readGbkText(path);
    std::optional<FieldTemplate> parsed;
    if (read.status && !read.cut) parsed = parseFieldTemplate(read.text);
    if (!parsed) {
        load.chosen = defaultFieldTemplate(listName);
        load.message = read.status ? "模板文件 " + path +
                                         " 格式有误（列数和行数应为1..10，其后为行数×列数个0..255的整数），"
                                         "已按默认的6列6行模板显示，文件未改动"
                                   : read.status.message;
        return load;
    }
    load.chosen = std::move(*parsed);
    return load;
}

// ---- Charts --------------------------------------------------------------------------------

int sumClass(int32_t sum) {
    if (sum <= 40) return 0;
    if (sum >= 161) return 7;
    return (sum - 41) / 20 + 1;
}

int templateColumn(const FieldTemplate& t, int v) {
    for (int c = 0; c < t.columns; ++c)
        for (int r = 0; r < t.rows; ++r)
            if (t.at(c, r) != kEmptyTemplateCell && t.at(c, r) == v) return c;
    return t.columns - 1;
}

ChartData propertyChart(const Workspace& ws, PropertyKind kind) {
    const int positions = ws.game.zhgs + ws.game.fhgs;
    std::vector<std::string> labels;
    if (kind == PropertyKind::Tail)
        labels = numberLabels(10);
    else if (kind == PropertyKind::OddEven)
        labels = {"奇", "偶"};
    else
        labels = {"质", "合"};
    const int w = static_cast<int>(labels.size());
    ChartData d = frame(ws, 0, {}, positionTitles(ws, ""), std::vector(positions, labels), std::vector(positions, w),
                        kChartCellWidth, true, 2);
    for (int n = 1; n <= d.records; ++n) {
        const int32_t* r = ws.sjk.record(n);
        for (int j = 0; j < positions; ++j) {
            const int v = r[j + 1];
            int cls = 0;
            if (kind == PropertyKind::Tail)
                cls = ((v % 10) + 10) % 10;
            else if (kind == PropertyKind::OddEven)
                cls = v % 2 != 0 ? 0 : 1;
            else
                cls = is_prime(v) ? 0 : 1;
            setMark(d, n, j, cls, labels[static_cast<size_t>(cls)]);
        }
    }
    return d;
}

ChartData extendedChart(const Workspace& ws, ExtendedKind kind, int zones) {
    const int k = ws.game.zhgs, s = ws.game.fhgs;
    // Counts reach k: blocks of max(7, k + 1) columns.
    const int w = std::max(7, k + 1);
    std::vector<std::string> titles, ids;
    std::vector<std::vector<std::string>> labels;
    std::vector<int> widths;
    // The draw text: three characters per number and "- ", about eight pixels each.
    std::vector<int> extraWidths{8 * (3 * (k + s) + 2)};
    int cellWidth = kChartCellWidth;
    if (kind == ExtendedKind::Counts) {
        titles = {"大数个数", "奇数个数", "质数个数", "重号个数", "连码组数", "尾组个数", "高尾个数"};
        ids = {"z_dsgs", "z_jsgs", "z_zsgs", "z_cmgs", "z_lmzs", "z_wzgs", "z_gwgs"};
    } else if (kind == ExtendedKind::Zones) {
        zones = std::clamp(zones, 2, 11);
        for (int z = 1; z <= zones; ++z) {
            titles.push_back(std::to_string(zones) + "-" + std::to_string(z) + "分区个数");
            ids.push_back("c_fq_0_" + std::to_string(zones) + "_" + std::to_string(z));
        }
    } else {
        titles = {"红球和值分布"};
        labels = {{"40以下", "41-60", "61-80", "81-100", "101-120", "121-140", "141-160", "161以上"}};
        widths = {8};
        extraWidths.push_back(40);
        cellWidth = 60;
    }
    if (kind != ExtendedKind::Sum) {
        labels.assign(titles.size(), numberLabels(w));
        widths.assign(titles.size(), w);
    }
    ChartData d =
        frame(ws, static_cast<int>(extraWidths.size()), extraWidths, titles, labels, widths, cellWidth, false, 2);
    d.fixedColumns = 2;
    d.header[1] = "开奖号";
    if (kind == ExtendedKind::Sum) {
        d.header[2] = "和值";
        d.selectionLabels = false;
    }
    SeriesMemo memo;
    const IndicatorContext ctx = indicatorContext(ws, &memo);
    d.fixedTexts.reserve(static_cast<size_t>(d.records) * extraWidths.size());
    for (int n = 1; n <= d.records; ++n) {
        const int32_t* r = ws.sjk.record(n);
        std::string draw;
        for (int j = 1; j <= k; ++j) draw += twoDigits(r[j]) + " ";
        if (s > 0) {
            draw += "- ";
            for (int j = k + 1; j <= k + s; ++j) draw += twoDigits(r[j]) + " ";
        }
        d.fixedTexts.push_back(std::move(draw));
        if (kind == ExtendedKind::Sum) {
            const int32_t sum = getzb("z_hz", ctx, n);
            d.fixedTexts.push_back(std::to_string(sum));
            setMark(d, n, 0, sumClass(sum), std::string());
            continue;
        }
        for (size_t b = 0; b < ids.size(); ++b) {
            const int32_t v = getzb(ids[b], ctx, n);
            setMark(d, n, static_cast<int>(b), v, std::to_string(v));
        }
    }
    return d;
}

ChartData fieldChart(const Workspace& ws, const FieldTemplate& tmpl, bool tails) {
    const int positions = ws.game.zhgs + ws.game.fhgs;
    std::vector<std::string> labels(static_cast<size_t>(tmpl.columns));
    ChartData d = frame(ws, 0, {}, positionTitles(ws, tails ? "尾" : ""), std::vector(positions, labels),
                        std::vector(positions, tmpl.columns), kChartCellWidth, true, tmpl.rows + 1);
    d.selectionLabels = false;
    for (const ChartBlock& block : d.blocks)
        for (int r = 0; r < tmpl.rows; ++r)
            for (int c = 0; c < tmpl.columns; ++c) {
                const int v = tmpl.at(c, r);
                d.header[static_cast<size_t>(r + 1) * d.columns + block.first + c] =
                    v == kEmptyTemplateCell ? std::string() : twoDigits(v);
            }
    for (int n = 1; n <= d.records; ++n) {
        const int32_t* r = ws.sjk.record(n);
        for (int j = 0; j < positions; ++j) {
            const int v = tails ? ((r[j + 1] % 10) + 10) % 10 : r[j + 1];
            setMark(d, n, j, templateColumn(tmpl, v), std::to_string(v));
        }
    }
    return d;
}

// ---- Grid ----------------------------------------------------------------------------------

uint32_t blockColour(int index) {
    static constexpr uint32_t kPalette[kChartPaletteSize] = {0xFFF8DC, 0xE6F2FF, 0xEAF7E6, 0xFDEBEB,
                                                             0xF2EAFB, 0xFFF0DD, 0xE6F7F7};
    return kPalette[((index % kChartPaletteSize) + kChartPaletteSize) % kChartPaletteSize];
}

void t_s_grid::setLayout(const ChartData& data) {
    m_columns = data.columns;
    m_headerRows = data.headerRows;
    m_fixedColumns = data.fixedColumns;
    m_selectionLabels = data.selectionLabels;
    m_widths = data.widths;
    m_blocks = data.blocks;
    m_rows = 0;
    m_cells.clear();
    grow(m_headerRows);
    for (int r = 0; r < m_headerRows; ++r)
        for (int c = 0; c < m_columns; ++c) cell(c, r).text = data.headerText(r, c);
    for (size_t b = 0; b < m_blocks.size(); ++b) {
        const ChartBlock& block = m_blocks[b];
        cell(block.first, 0).mergeTo = block.last();
        for (int r = 0; r < m_headerRows; ++r)
            for (int c = block.first; c <= block.last(); ++c) cell(c, r).background = blockColour(static_cast<int>(b));
    }
    clearSelection();
    m_rowRecords.clear();
    m_selectionRow = -1;
}

void t_s_grid::grow(int rows) {
    if (rows <= m_rows) return;
    m_cells.resize(static_cast<size_t>(rows) * m_columns);
    for (int r = m_rows; r < rows; ++r)
        for (int c = 0; c < m_columns; ++c) cell(c, r).visible = m_widths[static_cast<size_t>(c)] > 0;
    m_rows = rows;
}

int t_s_grid::visibleRows(int imageHeight) const {
    const int rows = (imageHeight - kChartRowHeight - m_headerRows * kChartRowHeight) / kChartRowHeight;
    return std::clamp(rows, 0, std::max(0, 40 - m_headerRows));
}

int t_s_grid::defaultFirstRecord(int records, int visible) {
    if (records < visible) return 1;
    return std::max(1, records - visible + 2);
}

int t_s_grid::blockOf(int column) const {
    for (size_t b = 0; b < m_blocks.size(); ++b)
        if (column >= m_blocks[b].first && column <= m_blocks[b].last()) return static_cast<int>(b);
    return -1;
}

int t_s_grid::fill(const ChartData& data, int firstRecord, int visible, int highlightRecord) {
    grow(m_headerRows + visible);
    m_rowRecords.assign(static_cast<size_t>(visible), 0);
    m_selectionRow = -1;
    const int blocks = static_cast<int>(m_blocks.size());
    int used = 0;
    int record = std::clamp(firstRecord, 1, std::max(1, data.records));
    for (int row = 0; row < visible; ++row, ++record) {
        const int g = m_headerRows + row;
        for (int c = 0; c < m_columns; ++c) {
            t_s_cell& cl = cell(c, g);
            cl = t_s_cell{};
            cl.visible = m_widths[static_cast<size_t>(c)] > 0;
            const int b = blockOf(c);
            if (b >= 0) cl.background = blockColour(b);
        }
        ++used;
        if (record > data.records) {
            cell(0, g).text = "选号区";
            for (int c = 1; c < m_columns; ++c) {
                const t_s_cell& s = m_selection[static_cast<size_t>(c)];
                t_s_cell& cl = cell(c, g);
                cl.marked = s.marked;
                cl.frame = s.frame;
                cl.text = s.text;
            }
            m_selectionRow = g;
            break;
        }
        m_rowRecords[static_cast<size_t>(row)] = record;
        const bool lit = record == highlightRecord;
        cell(0, g).text = data.rowLabels[static_cast<size_t>(record - 1)];
        const int texts = data.fixedTexts.empty() ? 0 : static_cast<int>(data.fixedTexts.size()) / data.records;
        for (int t = 0; t < texts; ++t)
            cell(1 + t, g).text = data.fixedTexts[static_cast<size_t>(record - 1) * texts + t];
        for (int b = 0; b < blocks; ++b) {
            const int cls = data.mark(record, b);
            if (cls < 0) continue;
            t_s_cell& cl = cell(m_blocks[static_cast<size_t>(b)].first + cls, g);
            cl.marked = true;
            cl.frame = static_cast<uint8_t>(b % kChartFrameColours);
            cl.text = data.markText(record, b);
        }
        if (lit)
            for (int c = 0; c < m_columns; ++c) cell(c, g).highlighted = true;
        // The trend line from the row above.
        if (row > 0)
            for (int b = 0; b < blocks; ++b) {
                const int above = data.mark(record - 1, b), here = data.mark(record, b);
                if (above < 0 || here < 0) continue;
                const int first = m_blocks[static_cast<size_t>(b)].first;
                cell(first + above, g - 1).link = first + here;
            }
    }
    m_rowRecords.resize(static_cast<size_t>(used));
    return used;
}

int t_s_grid::recordAt(int dataRow) const {
    return dataRow >= 0 && dataRow < static_cast<int>(m_rowRecords.size()) ? m_rowRecords[static_cast<size_t>(dataRow)]
                                                                           : 0;
}

void t_s_grid::clickSelection(int column) {
    const int b = blockOf(column);
    if (b < 0) return;
    t_s_cell& clicked = m_selection[static_cast<size_t>(column)];
    if (clicked.marked) {
        clicked = t_s_cell{};
    } else {
        const ChartBlock& block = m_blocks[static_cast<size_t>(b)];
        for (int c = block.first; c <= block.last(); ++c) m_selection[static_cast<size_t>(c)] = t_s_cell{};
        clicked.marked = true;
        clicked.frame = static_cast<uint8_t>(b % kChartFrameColours);
        if (m_selectionLabels) clicked.text = block.labels[static_cast<size_t>(column - block.first)];
    }
    if (m_selectionRow >= 0)
        for (int c = 1; c < m_columns; ++c) {
            t_s_cell& cl = cell(c, m_selectionRow);
            cl.marked = m_selection[static_cast<size_t>(c)].marked;
            cl.frame = m_selection[static_cast<size_t>(c)].frame;
            cl.text = m_selection[static_cast<size_t>(c)].text;
        }
}

void t_s_grid::clearSelection() { m_selection.assign(static_cast<size_t>(m_columns), t_s_cell{}); }

}  // namespace lottodesk
