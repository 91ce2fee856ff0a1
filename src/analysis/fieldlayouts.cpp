#include "fieldlayouts.h"

#include <algorithm>
#include <cstdio>

#include "analysis/valueclasses.h"
#include "core/fileio.h"
#include "core/gbktext.h"
#include "core/integertext.h"

namespace lottodesk {
namespace {

int clampedRows(int rows) { return std::clamp(rows, kMinFieldRows, kMaxFieldRows); }

std::string twoDigitsAtLeast(int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, value < 0 ? "-%02lld" : "%02lld",
                  static_cast<long long>(value < 0 ? -int64_t{value} : int64_t{value}));
    return text;
}

// The separators of a row text that lists values one by one.
constexpr std::string_view kSeparators[] = {" ", "\t", ",", "，", "、", ";", "；"};

bool hasSeparator(std::string_view text) {
    return std::any_of(std::begin(kSeparators), std::end(kSeparators),
                       [&](std::string_view s) { return text.find(s) != std::string_view::npos; });
}

bool namesToken(std::string_view text, int32_t value) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.size(), width = 0;
        for (std::string_view s : kSeparators) {
            const size_t at = text.find(s, start);
            if (at != std::string_view::npos && at < end) end = at, width = s.size();
        }
        const std::optional<int> token = parseInteger(text.substr(start, end - start));
        if (token && *token == value) return true;
        if (end == text.size()) break;
        start = end + width;
    }
    return false;
}

}  // namespace

std::string fieldLayoutPath(const std::string& folder, int rows) {
    return folder + "database/tyzsd" + std::to_string(clampedRows(rows)) + ".txt";
}

FieldLayouts defaultFieldLayouts(int rows) {
    FieldLayouts f;
    f.rows = clampedRows(rows);
    std::vector<std::string> texts;
    for (int r = 1; r <= f.rows; ++r) texts.push_back(twoDigitsAtLeast(r));
    f.layouts.assign(kFieldLayoutCount, texts);
    return f;
}

FieldLayoutLoad loadFieldLayouts(const std::string& folder, int rows) {
    FieldLayoutLoad load;
    rows = clampedRows(rows);
    const std::string path = fieldLayoutPath(folder, rows);
    if (!fileExists(path)) {
        load.layouts = defaultFieldLayouts(rows);
        load.status = saveFieldLayouts(folder, load.layouts);
        load.created = load.status.ok;
        return load;
    }
    const GbkText text = readGbkText(path);
    load.layouts.rows = rows;
    load.layouts.layouts.assign(kFieldLayoutCount, std::vector<std::string>(static_cast<size_t>(rows)));
    if (!text.status) {
        load.status = text.status;
        load.layouts = defaultFieldLayouts(rows);
        return load;
    }
    size_t line = 0;
    const size_t total = static_cast<size_t>(kFieldLayoutCount) * static_cast<size_t>(rows);
    forEachLine(text.text, [&](std::string_view l) {
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        load.layouts.layouts[line / rows][line % rows] = std::string(l);
        return ++line < total;
    });
    return load;
}

Status saveFieldLayouts(const std::string& folder, const FieldLayouts& layouts) {
    std::string text;
    for (const std::vector<std::string>& layout : layouts.layouts)
        for (const std::string& row : layout) text += row + "\n";
    return saveGbkText(fieldLayoutPath(folder, layouts.rows), text);
}

int fieldRowOf(const std::vector<std::string>& rowTexts, int32_t value) {
    const std::string written = twoDigitsAtLeast(value);
    for (size_t r = 0; r < rowTexts.size(); ++r) {
        const std::string& text = rowTexts[r];
        const bool named = hasSeparator(text) ? namesToken(text, value) : text.find(written) != std::string::npos;
        if (named) return static_cast<int>(r);
    }
    return -1;
}

RangeFieldRows rangeFieldRows(ValueRange range, int rows) {
    RangeFieldRows r;
    r.upperBounds = zoneUpperBounds(range, std::max(1, rows));
    int32_t first = range.lo;
    for (const int32_t last : r.upperBounds) {
        if (last < first)
            r.captions.emplace_back();
        else if (last == first)
            r.captions.push_back(std::to_string(first));
        else
            r.captions.push_back(std::to_string(first) + ".." + std::to_string(last));
        first = std::max(first, last + 1);
    }
    return r;
}

bool fieldLayoutNamesAny(const std::vector<std::string>& rowTexts, const int32_t* values, int first, int last) {
    for (int n = first; n <= last; ++n)
        if (fieldRowOf(rowTexts, values[n]) >= 0) return true;
    return false;
}

}  // namespace lottodesk
