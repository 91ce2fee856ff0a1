#include "arrangement.h"

#include <algorithm>
#include <charconv>

#include "core/drawtext.h"
#include "core/fileio.h"
#include "core/gbktext.h"
#include "indicators/context.h"
#include "indicators/registry.h"

namespace lottodesk {
namespace {

constexpr int kMaxSide = 33;
const char* const kRowNames[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一"};

std::vector<std::string> tokens(std::string_view text) {
    std::vector<std::string> parts;
    size_t at = 0;
    while (at < text.size()) {
        at = text.find_first_not_of(" \t\r\n", at);
        if (at == std::string_view::npos) break;
        size_t end = text.find_first_of(" \t\r\n", at);
        if (end == std::string_view::npos) end = text.size();
        parts.emplace_back(text.substr(at, end - at));
        at = end;
    }
    return parts;
}

bool integer(const std::string& text, int& value) {
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size();
}

// The numbers' cells to light: the main and/or secondary numbers of the record.
std::vector<int32_t> shownNumbers(const int32_t* record, const GameParams& game, PatternZone zone) {
    std::vector<int32_t> numbers;
    if (zone != PatternZone::Secondary)
        for (int i = 1; i <= game.zhgs && i < kSlots; ++i) numbers.push_back(record[i]);
    if (zone != PatternZone::Main && game.hasspec)
        for (int i = 0; i < game.fhgs && 1 + game.zhgs + i < kSlots; ++i) numbers.push_back(record[1 + game.zhgs + i]);
    return numbers;
}

Arrangement filled(std::string name, int columns, int rows, const std::vector<int>& cells) {
    Arrangement a;
    a.name = std::move(name);
    a.columns = columns;
    a.rows = rows;
    a.cells.fill(kEmptyCell);
    for (size_t p = 0; p < cells.size() && p < a.cells.size(); ++p) a.cells[p] = static_cast<uint8_t>(cells[p]);
    return a;
}

// Numbers lo..hi laid out one class after another: every number whose class (n mod m) is k, k in
// `order`, each class starting a new row of `columns`.
Arrangement byClasses(std::string name, int columns, int lo, int hi, int m, std::vector<int> order) {
    std::vector<int> cells;
    for (int k : order) {
        std::vector<int> row;
        for (int n = lo; n <= hi; ++n)
            if (n % m == k) row.push_back(n);
        while (row.size() % static_cast<size_t>(columns) != 0) row.push_back(kEmptyCell);
        cells.insert(cells.end(), row.begin(), row.end());
    }
    return filled(std::move(name), columns, static_cast<int>(cells.size()) / columns, cells);
}

Arrangement sequence(std::string name, int columns, int rows, int first = 1) {
    std::vector<int> cells;
    for (int p = 0; p < columns * rows; ++p) cells.push_back(p + first <= 49 ? p + first : kEmptyCell);
    return filled(std::move(name), columns, rows, cells);
}

}  // namespace

int Arrangement::used() const { return std::min(kArrangementCells, std::max(0, rows) * std::max(0, columns)); }

Arrangement regularOf(int columns, int rows, bool tails) {
    Arrangement a;
    a.columns = columns;
    a.rows = rows;
    for (int p = 0; p < kArrangementCells; ++p)
        a.cells[static_cast<size_t>(p)] = static_cast<uint8_t>(tails ? p : p + 1);
    return a;
}

ArrangementRead parseArrangement(std::string_view text) {
    ArrangementRead read;
    std::vector<std::string> lines;
    forEachLine(text, [&](std::string_view line) {
        lines.emplace_back(line);
        return lines.size() < 3;
    });
    if (lines.size() < 3) {
        read.status = Status::failure(StatusCode::BadFileContent, "行列式文件不完整：缺少名称、列数或行数");
        return read;
    }
    Arrangement& a = read.arrangement;
    a.name = lines[0];
    const std::vector<std::string> c = tokens(lines[1]), r = tokens(lines[2]);
    if (c.size() != 1 || r.size() != 1 || !integer(c[0], a.columns) || !integer(r[0], a.rows) || a.columns < 1 ||
        a.columns > kMaxSide || a.rows < 1 || a.rows > kMaxSide) {
        read.status = Status::failure(StatusCode::BadFileContent, "行列式文件的列数和行数应为1到33的整数");
        return read;
    }
    // The cells follow the third line.
    size_t at = 0;
    for (int line = 0; line < 3; ++line) {
        at = text.find_first_of("\r\n", at);
        if (at == std::string_view::npos) break;
        at = text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? at + 2 : at + 1;
    }
    a.cells.fill(kEmptyCell);
    int p = 0;
    for (const std::string& token : tokens(at == std::string_view::npos ? std::string_view{} : text.substr(at))) {
        if (p >= kArrangementCells) break;
        int value = 0;
        if (!integer(token, value) || value < 0 || value > 99) {
            read.status = Status::failure(StatusCode::BadFileContent, "行列式文件中有无效的号码：" + token);
            return read;
        }
        a.cells[static_cast<size_t>(p++)] = static_cast<uint8_t>(value);
    }
    read.status = Status::success();
    return read;
}

std::string arrangementText(const Arrangement& a) {
    std::string text = a.name + "\n" + std::to_string(a.columns) + "\n" + std::to_string(a.rows) + "\n";
    for (int r = 0; r < a.rows; ++r) {
        for (int c = 0; c < a.columns; ++c) {
            const int p = r * a.columns + c;
            text += twoDigits(p < kArrangementCells ? a.cells[static_cast<size_t>(p)] % 100 : kEmptyCell) + " ";
        }
        text += "\n";
    }
    return text;
}

ArrangementRead loadArrangement(const std::string& path) {
    GbkText file = readGbkText(path);
    if (!file.status) return {file.status, {}};
    ArrangementRead read = parseArrangement(file.text);
    if (!read.status) read.status = Status::failure(read.status.code, read.status.message + "（" + path + "）");
    return read;
}

Status saveArrangement(const std::string& path, const Arrangement& arrangement) {
    return saveGbkText(path, arrangementText(arrangement));
}

std::string builtinArrangementPath(const std::string& programFolder, int slot) {
    return programFolder + "save/inthns" + std::to_string(slot) + ".jz";
}

std::vector<Arrangement> builtinArrangements() {
    return {sequence("7X5顺序", 7, 5),
            sequence("5X7顺序", 5, 7),
            sequence("11X3顺序", 11, 3),
            sequence("3X11顺序", 3, 11),
            sequence("9X4顺序", 9, 4),
            sequence("7X7顺序", 7, 7),
            sequence("尾数矩阵", 10, 5, 0),
            byClasses("除3余数分行", 11, 1, 33, 3, {0, 1, 2}),
            byClasses("除4余数分行", 9, 1, 35, 4, {0, 1, 2, 3}),
            byClasses("奇偶分区", 6, 1, 33, 2, {1, 0})};
}

std::vector<std::string> loadArrangementList(const std::string& programFolder) {
    makeFolders(programFolder + "save");
    const std::vector<Arrangement> builtins = builtinArrangements();
    for (int k = 1; k <= kBuiltinArrangements; ++k)
        if (!fileExists(builtinArrangementPath(programFolder, k)))
            saveArrangement(builtinArrangementPath(programFolder, k), builtins[static_cast<size_t>(k - 1)]);
    const std::string path = programFolder + kArrangementListFile;
    std::vector<std::string> names;
    if (fileExists(path)) {
        GbkText file = readGbkText(path);
        forEachLine(file.text, [&](std::string_view line) {
            if (!line.empty()) names.emplace_back(line);
            return true;
        });
    }
    if (names.empty()) {
        names.push_back(kRegularArrangementName);
        for (int k = 1; k <= kBuiltinArrangements; ++k) names.push_back("内置行列式" + std::to_string(k));
        saveArrangementList(programFolder, names);
    }
    return names;
}

Status saveArrangementList(const std::string& programFolder, const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += name + "\n";
    makeFolders(programFolder + "save");
    return saveGbkText(programFolder + kArrangementListFile, text);
}

Arrangement randomOrder(int columns, int rows, RandomSource& random) {
    Arrangement a = regularOf(columns, rows);
    a.name = "随机行列式";
    for (int p = a.used() - 1; p > 0; --p)
        std::swap(a.cells[static_cast<size_t>(p)], a.cells[random.below(static_cast<uint64_t>(p) + 1)]);
    return a;
}

PatternGrid patternGrid(const Arrangement& a, const int32_t* record, const GameParams& game, PatternZone zone,
                        bool tails) {
    PatternGrid grid;
    grid.emptyRows.assign(static_cast<size_t>(std::max(0, a.rows)), true);
    grid.emptyColumns.assign(static_cast<size_t>(std::max(0, a.columns)), true);
    std::bitset<100> drawn;
    for (int32_t n : shownNumbers(record, game, zone)) {
        const int32_t value = tails ? ((n % 10) + 10) % 10 : n;
        if (value >= 0 && value < 99) drawn.set(static_cast<size_t>(value));
    }
    for (int p = 0; p < a.used(); ++p) {
        const uint8_t cell = a.cells[static_cast<size_t>(p)];
        if (cell >= 99 || !drawn.test(cell)) continue;
        grid.lit.set(static_cast<size_t>(p));
        grid.emptyRows[static_cast<size_t>(p / a.columns)] = false;
        grid.emptyColumns[static_cast<size_t>(p % a.columns)] = false;
    }
    return grid;
}

std::vector<int32_t> groupOf(const Arrangement& a, const std::vector<int>& rows, const std::vector<int>& columns) {
    std::bitset<100> in;
    for (int p = 0; p < a.used(); ++p) {
        const int r = p / a.columns, c = p % a.columns;
        const bool ticked = std::find(rows.begin(), rows.end(), r) != rows.end() ||
                            std::find(columns.begin(), columns.end(), c) != columns.end();
        if (ticked && a.cells[static_cast<size_t>(p)] < 99) in.set(a.cells[static_cast<size_t>(p)]);
    }
    std::vector<int32_t> group;
    for (int32_t v = 0; v < 99; ++v)
        if (in.test(static_cast<size_t>(v))) group.push_back(v);
    return group;
}

std::vector<int32_t> countsIn(const std::string& text, int most) {
    std::vector<int32_t> counts;
    for (int n = 0; n <= most; ++n)
        if (text.find(std::to_string(n)) != std::string::npos) counts.push_back(n);
    return counts;
}

std::vector<int32_t> groupCountSeries(const t_s_dm& history, const GameParams& game, const std::vector<int32_t>& group,
                                      bool tails, bool onceOnly) {
    std::bitset<100> in;
    for (int32_t v : group)
        if (v >= 0 && v < 100) in.set(static_cast<size_t>(v));
    std::vector<int32_t> values(static_cast<size_t>(history.RecordCount()) + 1, 0);
    for (int n = 1; n <= history.RecordCount(); ++n) {
        const int32_t* r = history.record(n);
        std::bitset<10> seenTails;
        int32_t count = 0;
        for (int i = 1; i <= game.zhgs && i < kSlots; ++i) {
            const int32_t v = tails ? ((r[i] % 10) + 10) % 10 : r[i];
            if (v < 0 || v >= 100 || !in.test(static_cast<size_t>(v))) continue;
            if (tails && onceOnly) {
                if (seenTails.test(static_cast<size_t>(v))) continue;
                seenTails.set(static_cast<size_t>(v));
            }
            ++count;
        }
        values[static_cast<size_t>(n)] = count;
    }
    return values;
}

std::string groupCaption(const std::vector<int>& rows, const std::vector<int>& columns, bool tails, bool onceOnly) {
    std::string text = "行：";
    for (int r : rows) text += std::string(r >= 0 && r < 11 ? kRowNames[r] : "?") + ",";
    text += " 列：";
    for (int c : columns) text += std::to_string(c + 1) + ",";
    if (!tails) return text + " 的奖号出现个数走势图（过滤助手）";
    return text + " 的开奖尾号" +
           (onceOnly ? "(重复号仅计算一次)出现个数走势图(过滤助手)" : "出现个数走势图(过滤助手)");
}

std::string emptyLinesIdentifier(int k, int columns, int rows) {
    return "c_hnskhkn_" + std::to_string(k) + "_" + std::to_string(columns) + "_" + std::to_string(rows);
}

std::string lineShapeIdentifier(int k, int columns, int rows) {
    return "c_hnszhxt_" + std::to_string(k) + "_" + std::to_string(columns) + "_" + std::to_string(rows);
}

std::vector<int32_t> digitsIn(const std::string& text) { return countsIn(text, 9); }

std::vector<int32_t> arrangementSeries(const Workspace& ws, const std::array<uint8_t, kArrangementCells>& cells,
                                       const std::string& identifier) {
    IndicatorContext ctx = indicatorContext(ws, nullptr);
    ctx.arrangement = &cells;
    std::vector<int32_t> values(static_cast<size_t>(ws.sjk.RecordCount()) + 1, 0);
    for (int n = 1; n <= ws.sjk.RecordCount(); ++n) values[static_cast<size_t>(n)] = getzb(identifier, ctx, n);
    return values;
}

}  // namespace lottodesk
