#pragma once
// Custom indicators ("自定义指标"): formulas with a name given by the user, kept in the text file
// "save/selfzb.txt" of the program folder, and the custom-indicator conditions of the combination
// generator.
//
// File: GBK, CR LF after every line, no header, one custom indicator a line, rewritten whole in
// list order after every change. Readers also take LF and lone CR line ends and skip a UTF-8
// byte-order mark. Bytes that are not GBK are kept (gbkToUtf8Keeping) and written back as they
// were, so a damaged file never loses text when the list is saved. A line is the formula (no blank in it), eight blanks
// and the name with leading and trailing blanks removed; a formula without a name is the formula alone. Inside the
// program the lines are UTF-8 without line ends.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/status.h"

namespace lottodesk {

inline constexpr const char* kSelfzbFile = "save/selfzb.txt";
inline constexpr const char* kSelectToDeleteMessage = "请先选择你要删除的指标";
inline constexpr const char* kSelectToModifyMessage = "请先选择你要修改的指标";

std::string selfzbPath(const std::string& programFolder);

// The lines of the file, in file order. A missing or unreadable file gives no lines; lines that
// are empty or blank carry no indicator and are skipped.
std::vector<std::string> loadSelfzbLines(const std::string& programFolder);

// The same, with a message for the user when the file holds bytes that are not GBK text (naming
// the first such line) or is too large to be a list of custom indicators (over 16 MB; no lines).
struct SelfzbLoad {
    std::vector<std::string> lines;
    std::string message;
};
SelfzbLoad loadSelfzbFile(const std::string& programFolder);
inline constexpr size_t kMaxSelfzbBytes = size_t{16} << 20;

// Rewrites the file with `lines` (atomically; creates the save folder when missing). No lines
// give an empty file. On failure the previous file is intact and the message names the file.
Status saveSelfzbLines(const std::string& programFolder, const std::vector<std::string>& lines);

// formula + eight blanks + the trimmed name; the formula alone when the trimmed name is empty.
// Line breaks inside the name become blanks, so the line stays one line of the file.
std::string selfzbLine(std::string_view formula, std::string_view name);

// Splits a line at its first blank: the formula before it and the name after it, trimmed. A line
// without a blank is a formula with an empty name.
std::pair<std::string, std::string> splitSelfzbLine(std::string_view line);

// The operations of the management page. Each takes the formula as typed, trims it and refuses it
// with the pre-check's message when it fails there; an index of -1 (or any index that names no
// line) is refused with the page's message. A successful change is written to the file at once;
// when that write fails the list is put back as it was and the write's message returned.
Status addSelfzb(const std::string& programFolder, std::vector<std::string>& lines, std::string_view formula,
                 std::string_view name);
Status modifySelfzb(const std::string& programFolder, std::vector<std::string>& lines, int index,
                    std::string_view formula, std::string_view name);
Status deleteSelfzb(const std::string& programFolder, std::vector<std::string>& lines, int index);

// ---------------------------------------------------------------------------------------------
// Custom-indicator conditions of the combination generator.

inline constexpr int kMaxAllowedValues = 2001;  // the capacity of a value list

// One condition: it holds for a candidate when the formula, evaluated with the candidate as the
// newest draw, yields one of the allowed values.
struct tselfzbnode {
    std::string formula;
    uint8_t tolerant = 0;         // 1: may be broken within the generator's tolerance ("容错")
    std::vector<int32_t> values;  // allowed values, in the order chosen; at most kMaxAllowedValues

    friend bool operator==(const tselfzbnode&, const tselfzbnode&) = default;
};

// The line of the generator's condition list: the formula, "  容错" when tolerant, two blanks,
// "取值: " and every allowed value followed by two blanks.
std::string selfzbConditionLine(const tselfzbnode& node);

// A list of at most Capacity conditions.
template <int Capacity>
class SelfzbConditionList {
public:
    static constexpr int capacity = Capacity;

    int count() const { return static_cast<int>(m_items.size()); }
    const tselfzbnode& operator[](int i) const { return m_items[static_cast<size_t>(i)]; }  // 0-based
    const std::vector<tselfzbnode>& items() const { return m_items; }
    void clear() { m_items.clear(); }

    // Appends a condition on the trimmed formula. Refused (false, nothing added) when the trimmed
    // formula is empty, the list is full or there are more than kMaxAllowedValues values.
    bool add(std::string_view formula, bool tolerant, std::vector<int32_t> values);

    friend bool operator==(const SelfzbConditionList&, const SelfzbConditionList&) = default;

private:
    std::vector<tselfzbnode> m_items;
};

// The main-zone conditions ("自定义指标过滤设置"), and one of the two secondary-zone lists.
using tselfzb = SelfzbConditionList<400>;
using tfqgl_selfzb = SelfzbConditionList<50>;

extern template class SelfzbConditionList<400>;
extern template class SelfzbConditionList<50>;

}  // namespace lottodesk
