#pragma once
// "滤除组号": removing the tickets of a typed or loaded list from the main results, and the list's
// own text.
//
// The list holds one ticket a line, its m numbers as two digits separated by single blanks
// ("01 03 04 08 09 12"); lines are trimmed and each line's numbers sorted, so a ticket typed in any
// order names the same generated result. Empty lines after the last ticket are ignored.

#include <string>
#include <string_view>
#include <vector>

#include "core/status.h"
#include "generator.h"

namespace lottodesk {

struct RemovalListParse {
    std::vector<Ticket> tickets;  // each ascending
    std::string error;            // "第" + line + "行号码组有误，请正确填入"; tickets then empty
    bool ok() const { return error.empty(); }
};

// A line must hold exactly m whole numbers of one or two digits; an empty line before a later
// ticket, a field that is not such a number, or a wrong count of fields names its line.
RemovalListParse parseRemovalList(std::string_view text, int m);

std::string removalLineError(size_t line);

// Removes every result equal, position by position, to a listed ticket, in one pass that keeps the
// order of the others and their tags; returns how many were removed. The hit column is cleared.
size_t removeListed(MainResults& results, int m, const std::vector<Ticket>& listed);

struct RemovalOutcome {
    Status status;  // the line's message of a malformed list; nothing removed then
    size_t removed = 0;
};
// The confirmation of the dialog: parses `listText`, then removes. The hit column is cleared
// whatever the outcome.
RemovalOutcome removeListedText(MainResults& results, int m, std::string_view listText);

// The list text for "保存": one ticket a line, numbers as two digits separated by one blank, CR LF.
std::string encodeRemovalList(const std::vector<Ticket>& tickets, int m);

// "提示": "号码组格式如：" + an example of m numbers + the rest of the hint.
std::string removalHint(int m);
// A removal list larger than this is refused unread: it is typed or pasted, a few thousand lines.
inline constexpr size_t kMaxRemovalListBytes = size_t{16} << 20;

inline constexpr const char* kRemovalHintTitle = "滤除组号输入提示";
inline constexpr const char* kRemovalCaption = "滤除组号";
inline constexpr const char* kRemovalListLabel = "要滤除的组号列表：";

}  // namespace lottodesk
