#include "selfzb.h"

#include "core/fileio.h"
#include "core/gbk.h"
#include "precheck.h"

namespace lottodesk {

std::string selfzbPath(const std::string& programFolder) { return programFolder + kSelfzbFile; }

std::vector<std::string> loadSelfzbLines(const std::string& programFolder) {
    return loadSelfzbFile(programFolder).lines;
}

SelfzbLoad loadSelfzbFile(const std::string& programFolder) {
    SelfzbLoad load;
    const std::string path = selfzbPath(programFolder);
    if (!fileExists(path)) return load;
    const std::optional<std::string> bytes = readWholeFile(path, kMaxSelfzbBytes);
    if (!bytes) {
        load.message = "自定义指标文件无法读取或太大（超过16MB）：" + path;
        return load;
    }
    // A byte-order mark would decode as GBK characters, so it goes before decoding.
    const std::string_view raw = withoutByteOrderMark(*bytes);
    size_t invalidAt = std::string::npos;
    const std::string text = gbkToUtf8Keeping(raw, &invalidAt);
    size_t lineNumber = 0;
    forEachLine(text, [&](std::string_view line) {
        ++lineNumber;
        if (!trimFormulaText(line).empty()) load.lines.emplace_back(line);
        return true;
    });
    if (invalidAt != std::string::npos) {
        size_t badLine = 1;
        for (size_t i = 0; i < invalidAt; ++i)
            if (raw[i] == '\n' || (raw[i] == '\r' && (i + 1 >= raw.size() || raw[i + 1] != '\n'))) ++badLine;
        load.message =
            "自定义指标文件第" + std::to_string(badLine) + "行含有无法识别的文字（不是GBK编码），已原样保留：" + path;
    }
    return load;
}

Status saveSelfzbLines(const std::string& programFolder, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    std::string bytes = utf8ToGbkKeeping(text);
    // A first line whose GBK bytes begin like a byte-order mark would lose them on the next load,
    // which skips such a mark; an empty line before it (skipped as every blank line is) keeps them.
    if (withoutByteOrderMark(bytes).size() != bytes.size()) bytes.insert(0, "\r\n");
    makeFolders(programFolder + "save");
    return saveFileAtomically(selfzbPath(programFolder), bytes);
}

std::string selfzbLine(std::string_view formula, std::string_view name) {
    std::string cleanName(trimFormulaText(name));
    for (char& ch : cleanName)
        if (ch == '\r' || ch == '\n') ch = ' ';
    std::string line(formula);
    if (!cleanName.empty()) line += "        " + cleanName;
    return line;
}

std::pair<std::string, std::string> splitSelfzbLine(std::string_view line) {
    const size_t blank = line.find(' ');
    if (blank == std::string_view::npos) return {std::string(line), {}};
    return {std::string(line.substr(0, blank)), std::string(trimFormulaText(line.substr(blank + 1)))};
}

namespace {

// Writes the changed list; on failure puts `previous` back. When another program (a second copy
// of this one on the same folder) saved the file since `previous` was read, nothing is written:
// `lines` becomes the file as it is now and the message asks the user to repeat the change.
Status commit(const std::string& programFolder, std::vector<std::string>& lines, std::vector<std::string>&& previous) {
    FolderLock lock(programFolder + "save/.lock");
    const SelfzbLoad now = loadSelfzbFile(programFolder);
    // A file that is gone (or never was) loses nothing by being written.
    if (fileExists(selfzbPath(programFolder)) && now.message.empty() && now.lines != previous) {
        lines = now.lines;
        return Status::failure(StatusCode::FileChanged, kFileChangedMessage + selfzbPath(programFolder));
    }
    Status saved = saveSelfzbLines(programFolder, lines);
    if (!saved) lines = std::move(previous);
    return saved;
}

bool names(const std::vector<std::string>& lines, int index) {
    return index >= 0 && index < static_cast<int>(lines.size());
}

}  // namespace

Status addSelfzb(const std::string& programFolder, std::vector<std::string>& lines, std::string_view formula,
                 std::string_view name) {
    const std::string_view trimmed = trimFormulaText(formula);
    if (std::string refused = precheckFormula(trimmed); !refused.empty())
        return Status::failure(StatusCode::BadFormula, refused);
    std::vector<std::string> previous = lines;
    lines.push_back(selfzbLine(trimmed, name));
    return commit(programFolder, lines, std::move(previous));
}

Status modifySelfzb(const std::string& programFolder, std::vector<std::string>& lines, int index,
                    std::string_view formula, std::string_view name) {
    if (!names(lines, index)) return Status::failure(StatusCode::NothingSelected, kSelectToModifyMessage);
    const std::string_view trimmed = trimFormulaText(formula);
    if (std::string refused = precheckFormula(trimmed); !refused.empty())
        return Status::failure(StatusCode::BadFormula, refused);
    std::vector<std::string> previous = lines;
    lines[static_cast<size_t>(index)] = selfzbLine(trimmed, name);
    return commit(programFolder, lines, std::move(previous));
}

Status deleteSelfzb(const std::string& programFolder, std::vector<std::string>& lines, int index) {
    if (!names(lines, index)) return Status::failure(StatusCode::NothingSelected, kSelectToDeleteMessage);
    std::vector<std::string> previous = lines;
    lines.erase(lines.begin() + index);
    return commit(programFolder, lines, std::move(previous));
}

std::string selfzbConditionLine(const tselfzbnode& node) {
    std::string line = node.formula;
    if (node.tolerant) line += "  容错";
    line += "  取值: ";
    for (int32_t v : node.values) {
        line += std::to_string(v);
        line += "  ";
    }
    return line;
}

template <int Capacity>
bool SelfzbConditionList<Capacity>::add(std::string_view formula, bool tolerant, std::vector<int32_t> values) {
    const std::string_view trimmed = trimFormulaText(formula);
    if (trimmed.empty() || count() >= Capacity) return false;
    if (values.size() > static_cast<size_t>(kMaxAllowedValues)) return false;
    m_items.push_back({std::string(trimmed), static_cast<uint8_t>(tolerant ? 1 : 0), std::move(values)});
    return true;
}

template class SelfzbConditionList<400>;
template class SelfzbConditionList<50>;

}  // namespace lottodesk
