#include "selfcond.h"

#include <algorithm>
#include <bitset>
#include <cmath>

#include "formula/precheck.h"

namespace lottodesk {
namespace {

bool allows(const std::vector<int32_t>& allowed, int count) {
    return std::find(allowed.begin(), allowed.end(), count) != allowed.end();
}

int lastDigit(int32_t number) { return number % 10 < 0 ? number % 10 + 10 : number % 10; }

std::string numbersText(const std::vector<uint8_t>& numbers, std::string_view after) {
    std::string text;
    for (uint8_t n : numbers) {
        text += std::to_string(n);
        text += after;
    }
    return text;
}

bool names(size_t size, int index) { return index >= 0 && static_cast<size_t>(index) < size; }

void rebuild(const std::vector<tselfcond>& entries, std::vector<std::string>& lines,
             std::string (*line)(const tselfcond&)) {
    lines.clear();
    for (const tselfcond& entry : entries) lines.push_back(line(entry));
}

Status addEntry(std::vector<tselfcond>& entries, std::vector<std::string>& lines, tselfcond entry, size_t capacity,
                const char* limitMessage, std::string (*line)(const tselfcond&)) {
    if (entries.size() >= capacity) return Status::failure(StatusCode::LimitReached, limitMessage);
    lines.push_back(line(entry));
    entries.push_back(std::move(entry));
    return Status::success();
}

Status modifyEntry(std::vector<tselfcond>& entries, std::vector<std::string>& lines, int index, tselfcond entry,
                   std::string (*line)(const tselfcond&)) {
    if (!names(entries.size(), index)) return Status::failure(StatusCode::NothingSelected, kSelectEntryToModifyMessage);
    const size_t i = static_cast<size_t>(index);
    if (lines.size() < entries.size()) rebuild(entries, lines, line);
    lines[i] = line(entry);
    entries[i] = std::move(entry);
    return Status::success();
}

Status deleteEntry(std::vector<tselfcond>& entries, std::vector<std::string>& lines, int index,
                   std::string (*line)(const tselfcond&)) {
    if (!names(entries.size(), index)) return Status::failure(StatusCode::NothingSelected, kSelectEntryToDeleteMessage);
    entries.erase(entries.begin() + index);
    rebuild(entries, lines, line);
    return Status::success();
}

// The list without entry `skip` (or with entry `replace` changed): the list type offers only
// appending, so changes rebuild it in order.
template <int Capacity, typename Change>
SelfzbConditionList<Capacity> rebuilt(const SelfzbConditionList<Capacity>& list, Change change) {
    SelfzbConditionList<Capacity> copy;
    for (int i = 0; i < list.count(); ++i) change(copy, i, list[i]);
    return copy;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Evaluation.

int selfSetCount(const tselfcond& entry, const int32_t* numbers, int m) {
    int c = 0;
    for (uint8_t member : entry.numbers)
        for (int i = 0; i < m; ++i)
            if (numbers[i] == member) ++c;
    return c;
}

int tailCount(const tselfcond& entry, const int32_t* numbers, int m) {
    if (entry.countOnce) {
        std::bitset<10> present;
        for (int i = 0; i < m; ++i) present.set(static_cast<size_t>(lastDigit(numbers[i])));
        std::bitset<256> counted;
        int c = 0;
        for (uint8_t digit : entry.numbers) {
            if (digit > 9 || counted.test(digit) || !present.test(digit)) continue;
            counted.set(digit);
            ++c;
        }
        return c;
    }
    int c = 0;
    for (uint8_t digit : entry.numbers)
        for (int i = 0; i < m; ++i)
            if (lastDigit(numbers[i]) == digit) ++c;
    return c;
}

bool selfSetHolds(const tselfcond& entry, const int32_t* numbers, int m) {
    return allows(entry.allowed, selfSetCount(entry, numbers, m));
}

bool tailHolds(const tselfcond& entry, const int32_t* numbers, int m) {
    return allows(entry.allowed, tailCount(entry, numbers, m));
}

bool passesSelfAndTailConditions(const MainConditions& conditions, const int32_t* numbers, int m, int& failures,
                                 int& last) {
    auto fail = [&](const tselfcond& entry, int code) {
        if (!entry.tolerant) return false;
        ++failures;
        last = code;
        return true;
    };
    if (conditions.selfSetEnabled)
        for (const tselfcond& entry : conditions.selfSet)
            if (!selfSetHolds(entry, numbers, m) && !fail(entry, kSelfSetFailureCode)) return false;
    if (conditions.tailEnabled)
        for (const tselfcond& entry : conditions.tails)
            if (!tailHolds(entry, numbers, m) && !fail(entry, kTailFailureCode)) return false;
    return true;
}

// ---------------------------------------------------------------------------------------------
// Display texts.

std::string valueListText(const std::vector<int32_t>& values) {
    std::string text;
    for (int32_t v : values) {
        text += std::to_string(v);
        text += "  ";
    }
    return text;
}

std::string boundText(const std::optional<double>& bound) {
    if (!bound || !std::isfinite(*bound)) return {};
    const double rounded = std::nearbyint(*bound);
    if (rounded < -9.2e18 || rounded > 9.2e18) return {};
    return std::to_string(static_cast<long long>(rounded));
}

std::string selfSetLine(const tselfcond& entry) {
    std::string line = "号码组: " + numbersText(entry.numbers, "  ") + ";出现个数: " + valueListText(entry.allowed);
    if (entry.tolerant) line += "容错";
    return line;
}

std::string tailLine(const tselfcond& entry) {
    std::string line = "尾号组: " + numbersText(entry.numbers, "  ") + ";出现个数: " + valueListText(entry.allowed);
    if (entry.tolerant) line += "容错";
    if (entry.countOnce) line += kCountOnceText;
    return line;
}

std::string customLineAfterAdd(const tselfzbnode& node) { return selfzbConditionLine(node); }

std::string customLineAfterModify(const tselfzbnode& node) {
    return node.formula + (node.tolerant ? " 容错 取值:" : " 取值:") + valueListText(node.values);
}

std::string selfSetLineAfterLoad(const tselfcond& entry) {
    std::string line = "号码组合:" + numbersText(entry.numbers, "  ") + "  出现个数" + valueListText(entry.allowed);
    if (entry.tolerant) line += "容错";
    return line;
}

std::string tailLineAfterLoad(const tselfcond& entry) {
    std::string line = "尾号组:" + numbersText(entry.numbers, "  ") + "  出现个数" + valueListText(entry.allowed);
    if (entry.tolerant) line += "容错";
    if (entry.countOnce) line += kCountOnceText;
    return line;
}

std::string customLineAfterLoad(const tselfzbnode& node) {
    std::string line = node.formula;
    if (node.tolerant) line += "  容错";
    return line + "  取值：" + valueListText(node.values);
}

ConditionLines linesAfterLoad(const MainConditions& conditions) {
    ConditionLines lines;
    for (const tselfzbnode& node : conditions.custom.items()) lines.custom.push_back(customLineAfterLoad(node));
    for (const tselfcond& entry : conditions.selfSet) lines.selfSet.push_back(selfSetLineAfterLoad(entry));
    for (const tselfcond& entry : conditions.tails) lines.tails.push_back(tailLineAfterLoad(entry));
    return lines;
}

// ---------------------------------------------------------------------------------------------
// Dialogs and list operations.

Status validateSelfSetDialog(const tselfcond& entry) {
    if (entry.allowed.empty()) return Status::failure(StatusCode::BadInput, kNoCountChosenMessage);
    if (entry.numbers.empty()) return Status::failure(StatusCode::BadInput, kNoNumberChosenMessage);
    return Status::success();
}

Status validateTailDialog(const tselfcond& entry) {
    if (entry.numbers.empty()) return Status::failure(StatusCode::BadInput, kNoNumberChosenMessage);
    if (entry.allowed.empty()) return Status::failure(StatusCode::BadInput, kNoTailCountChosenMessage);
    return Status::success();
}

Status addSelfSet(std::vector<tselfcond>& entries, std::vector<std::string>& lines, tselfcond entry) {
    return addEntry(entries, lines, std::move(entry), kMaxSelfConditions, kSelfSetLimitMessage, selfSetLine);
}

Status modifySelfSet(std::vector<tselfcond>& entries, std::vector<std::string>& lines, int index, tselfcond entry) {
    return modifyEntry(entries, lines, index, std::move(entry), selfSetLine);
}

Status deleteSelfSet(std::vector<tselfcond>& entries, std::vector<std::string>& lines, int index) {
    return deleteEntry(entries, lines, index, selfSetLine);
}

Status addTail(std::vector<tselfcond>& entries, std::vector<std::string>& lines, tselfcond entry) {
    return addEntry(entries, lines, std::move(entry), kMaxTailConditions, kTailLimitMessage, tailLine);
}

Status modifyTail(std::vector<tselfcond>& entries, std::vector<std::string>& lines, int index, tselfcond entry) {
    return modifyEntry(entries, lines, index, std::move(entry), tailLine);
}

Status deleteTail(std::vector<tselfcond>& entries, std::vector<std::string>& lines, int index) {
    return deleteEntry(entries, lines, index, tailLine);
}

template <int Capacity>
CustomAdd addCustom(SelfzbConditionList<Capacity>& list, std::vector<std::string>& lines, std::string_view formula,
                    bool tolerant, std::vector<int32_t> values) {
    CustomAdd result;
    if (trimFormulaText(formula).empty()) return result;
    // An empty set would never fail a ticket: refused like the empty lists of the other conditions.
    if (values.empty()) {
        result.message = kNoValueChosenMessage;
        return result;
    }
    if (list.count() >= Capacity) {
        result.message = "最多可添加" + std::to_string(Capacity) + "注自定义指标条件";
        return result;
    }
    if (!list.add(formula, tolerant, std::move(values))) return result;
    lines.push_back(customLineAfterAdd(list[list.count() - 1]));
    result.added = true;
    return result;
}

template <int Capacity>
Status modifyCustom(SelfzbConditionList<Capacity>& list, std::vector<std::string>& lines, int index,
                    std::vector<int32_t> values, bool tolerant) {
    if (!names(static_cast<size_t>(list.count()), index))
        return Status::failure(StatusCode::NothingSelected, kSelectCustomToModifyMessage);
    if (values.empty()) return Status::failure(StatusCode::NothingSelected, kNoValueChosenMessage);
    if (values.size() > static_cast<size_t>(kMaxAllowedValues)) values.resize(static_cast<size_t>(kMaxAllowedValues));
    list = rebuilt(list, [&](SelfzbConditionList<Capacity>& copy, int i, const tselfzbnode& node) {
        if (i == index)
            copy.add(node.formula, tolerant, values);
        else
            copy.add(node.formula, node.tolerant != 0, node.values);
    });
    if (lines.size() < static_cast<size_t>(list.count())) lines.resize(static_cast<size_t>(list.count()));
    lines[static_cast<size_t>(index)] = customLineAfterModify(list[index]);
    return Status::success();
}

template <int Capacity>
Status deleteCustom(SelfzbConditionList<Capacity>& list, std::vector<std::string>& lines, int index) {
    if (!names(static_cast<size_t>(list.count()), index))
        return Status::failure(StatusCode::NothingSelected, kSelectCustomToDeleteMessage);
    list = rebuilt(list, [&](SelfzbConditionList<Capacity>& copy, int i, const tselfzbnode& node) {
        if (i != index) copy.add(node.formula, node.tolerant != 0, node.values);
    });
    if (names(lines.size(), index)) lines.erase(lines.begin() + index);
    return Status::success();
}

template CustomAdd addCustom<400>(tselfzb&, std::vector<std::string>&, std::string_view, bool, std::vector<int32_t>);
template CustomAdd addCustom<50>(tfqgl_selfzb&, std::vector<std::string>&, std::string_view, bool,
                                 std::vector<int32_t>);
template Status modifyCustom<400>(tselfzb&, std::vector<std::string>&, int, std::vector<int32_t>, bool);
template Status modifyCustom<50>(tfqgl_selfzb&, std::vector<std::string>&, int, std::vector<int32_t>, bool);
template Status deleteCustom<400>(tselfzb&, std::vector<std::string>&, int);
template Status deleteCustom<50>(tfqgl_selfzb&, std::vector<std::string>&, int);

std::string selfSetExportMessage(const std::string& line) {
    return "过滤条件设置结果是：" + line + "。现已成功导出到超强组号的自设条件中";
}

std::string customExportMessage(const std::string& line) {
    return "过滤条件设置结果是：" + line + "。现已成功导出到超强组号的自定义指标条件中";
}

}  // namespace lottodesk
