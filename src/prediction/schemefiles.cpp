#include "schemefiles.h"

#include <algorithm>

#include "core/fileio.h"
#include "core/gbk.h"
#include "core/integertext.h"

namespace lottodesk {

namespace {

// Scheme files hold at most a few thousand short lines; a larger file is a mistaken choice.
constexpr size_t kMaxPredictionFileBytes = size_t{16} << 20;

struct TextLines {
    bool read = false;
    std::vector<std::string> lines;
    std::string problem;  // unreadable, too large, or not GBK
};

TextLines readLines(const std::string& path, const std::string& what) {
    TextLines result;
    const std::optional<std::string> bytes = readWholeFile(path, kMaxPredictionFileBytes);
    if (!bytes) {
        result.problem = what + "无法读取或太大（超过16MB）：" + path;
        return result;
    }
    result.read = true;
    const std::string_view raw = withoutByteOrderMark(*bytes);
    size_t invalidAt = std::string::npos;
    const std::string text = gbkToUtf8Keeping(raw, &invalidAt);
    forEachLine(text, [&](std::string_view line) {
        result.lines.emplace_back(line);
        return true;
    });
    if (invalidAt != std::string::npos) {
        size_t badLine = 1;
        for (size_t i = 0; i < invalidAt; ++i)
            if (raw[i] == '\n' || (raw[i] == '\r' && (i + 1 >= raw.size() || raw[i + 1] != '\n'))) ++badLine;
        result.problem =
            what + "第" + std::to_string(badLine) + "行含有无法识别的文字（不是GBK编码），已原样保留：" + path;
    }
    return result;
}

// One line per text; a line end inside a text would shift every later slot, so it becomes a blank.
std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        for (char c : line) text += c == '\r' || c == '\n' ? ' ' : c;
        text += "\r\n";
    }
    std::string bytes = utf8ToGbkKeeping(text);
    // Readers skip a byte-order mark at the start, so a first line whose GBK bytes begin with the
    // same three bytes would lose them on the next load. Lines are slots here (no blank line can be
    // put before it), so such a file starts with a mark of its own that the reader takes away.
    if (withoutByteOrderMark(bytes).size() != bytes.size()) bytes.insert(0, "\xEF\xBB\xBF");
    return bytes;
}

}  // namespace

SchemeStore::SchemeStore(PageKind k)
    : kind(k), slots(pageKindInfo(k).slots), formulas(static_cast<size_t>(kSchemeCount * slots)) {}

std::vector<std::string> SchemeStore::firstFormulas(int scheme, int count) const {
    count = std::clamp(count, 0, slots);
    return {formulas.begin() + scheme * slots, formulas.begin() + scheme * slots + count};
}

std::vector<std::string> CustomKill::firstFormulas(int scheme, int count) const {
    count = std::clamp(count, 0, kSlots);
    return {formulas.begin() + scheme * kSlots, formulas.begin() + scheme * kSlots + count};
}

std::string schemeFilePath(const std::string& programFolder, PageKind kind, int type) {
    return programFolder + "save/" + pageKindInfo(kind).code + std::to_string(type) + ".txt";
}

SchemeLoad loadSchemeFile(const std::string& programFolder, PageKind kind, int type) {
    SchemeLoad load{SchemeStore(kind), {}};
    const std::string path = schemeFilePath(programFolder, kind, type);
    const std::string what = std::string(pageKindInfo(kind).caption) + "方案文件";
    if (!fileExists(path)) {
        std::fill(load.store.formulas.begin(), load.store.formulas.end(), kDefaultSchemeFormula);
        makeFolders(programFolder + "save");
        if (const Status saved = saveSchemeFile(programFolder, type, load.store); !saved)
            load.problems.push_back(saved.message);
        return load;
    }
    TextLines text = readLines(path, what);
    if (!text.problem.empty()) load.problems.push_back(text.problem);
    if (!text.read) return load;
    load.store.stamp = stampOfFile(path);
    const size_t wanted = load.store.formulas.size();
    for (size_t i = 0; i < wanted && i < text.lines.size(); ++i) load.store.formulas[i] = std::move(text.lines[i]);
    if (text.lines.size() < wanted)
        load.problems.push_back(what + "只有" + std::to_string(text.lines.size()) + "行（应为" +
                                std::to_string(wanted) + "行），其余公式为空：" + path);
    return load;
}

Status saveSchemeFile(const std::string& programFolder, int type, SchemeStore& store) {
    return saveFileUnlessChanged(schemeFilePath(programFolder, store.kind, type), joinLines(store.formulas), store.stamp);
}

CustomKillLoad loadCustomKillFile(const std::string& path) {
    CustomKillLoad load;
    load.kill.fileName = path;
    TextLines text = readLines(path, "自定义杀号文件");
    if (!text.problem.empty()) load.problems.push_back(text.problem);
    if (!text.read) return load;
    constexpr size_t kGroup = 3 + kSchemeCount * CustomKill::kSlots;
    if (text.lines.empty()) {
        load.problems.push_back("自定义杀号文件是空的：" + path);
        return load;
    }
    // The last complete group wins; without one, the only (short) group is read as far as it goes.
    const size_t groups = text.lines.size() / kGroup;
    const size_t start = groups == 0 ? 0 : (groups - 1) * kGroup;
    const size_t end = std::min(text.lines.size(), start + kGroup);
    load.ok = true;
    load.kill.target = text.lines[start];
    auto bound = [&](size_t at, const char* name, int32_t& value) {
        if (at >= end) return;
        if (std::optional<int> parsed = parseInteger(text.lines[at]))
            value = *parsed;
        else
            load.problems.push_back("自定义杀号文件第" + std::to_string(at + 1) + "行的" + name + "“" + text.lines[at] +
                                    "”不是有效的整数，已按0读入：" + path);
    };
    bound(start + 1, "取值下限", load.kill.low);
    bound(start + 2, "取值上限", load.kill.high);
    for (size_t i = start + 3; i < end; ++i) load.kill.formulas[i - start - 3] = std::move(text.lines[i]);
    if (groups == 0)
        load.problems.push_back("自定义杀号文件只有" + std::to_string(text.lines.size()) + "行（应为" +
                                std::to_string(kGroup) + "行），其余公式为空：" + path);
    return load;
}

Status saveCustomKillFile(const std::string& path, const CustomKill& kill) {
    std::vector<std::string> lines;
    lines.reserve(3 + kill.formulas.size());
    lines.push_back(kill.target);
    lines.push_back(std::to_string(kill.low));
    lines.push_back(std::to_string(kill.high));
    lines.insert(lines.end(), kill.formulas.begin(), kill.formulas.end());
    return saveFileAtomically(path, joinLines(lines));
}

FormulaSetLoad loadFormulaSet(const std::string& path, int limit) {
    FormulaSetLoad load;
    TextLines text = readLines(path, "公式集文件");
    if (!text.problem.empty()) load.problems.push_back(text.problem);
    if (!text.read) return load;
    load.ok = true;
    const size_t count = std::min(text.lines.size(), static_cast<size_t>(std::max(limit, 0)));
    load.formulas.assign(std::make_move_iterator(text.lines.begin()),
                         std::make_move_iterator(text.lines.begin() + static_cast<ptrdiff_t>(count)));
    return load;
}

Status saveFormulaSet(const std::string& path, const std::vector<std::string>& formulas) {
    return saveFileAtomically(path, joinLines(formulas));
}

std::string withExtension(std::string name, std::string_view extension) {
    if (name.find(extension) == std::string::npos) name += extension;
    return name;
}

}  // namespace lottodesk
