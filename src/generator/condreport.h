#pragma once
// The two text reports on the main-zone conditions: the summary ("显示条件") and the check against
// a past draw ("条件对错"), as lines (UTF-8, no line ends), and the report file
// "database/showcond.txt" they are written to. Opening the file in the editor is the window's job.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conditions.h"
#include "core/status.h"
#include "indicators/drawhistory.h"

namespace lottodesk {

inline constexpr const char* kConditionReportFile = "database/showcond.txt";

// The display modes of the check report, in the order of the "选择" dialog.
enum class CheckMode { All, RightOnly, WrongOnly };
inline constexpr const char* kCheckModeTexts[] = {"全部显示", "只显示对", "只显示错"};
std::optional<CheckMode> checkModeFromText(std::string_view text);

// The summary lines.
std::vector<std::string> summaryReport(const MainConditions& conditions);

// A condition the checked draw fails: the row's caption ("奇数个数", "自设条件2", "去除特殊连号" ...)
// and whether its "容错" box is ticked (a tolerant failure alone does not reject a ticket).
struct FailedRow {
    std::string caption;
    bool tolerant = false;
};

struct CheckReport {
    Status status;  // failure: a formula stopped (division by zero ...) or n names no draw
    std::vector<std::string> lines;
    std::vector<FailedRow> failed;  // every failed condition in report order, whatever the mode
};

// The summary with verdicts for draw n (1-based) of `ctx.history`: every value is the draw's value
// with only the draws before it as its history (the later draws are left out, as the filter period
// leaves them out of a run). Verdict lines start with "正确 " or "错误 " and are written only when
// `mode` admits them; headings, empty lines, "不允许和历史数据相同" and the total-tolerance lines are
// always written. Conditions that take no part in a run (an empty allowed set, a row naming the
// seventh number in a game of fewer numbers, custom-indicator entries after one that cannot be
// evaluated or has no values) are right.
CheckReport checkReport(const MainConditions& conditions, const IndicatorContext& ctx, int n, CheckMode mode);

// Writes the lines to folder + "database/showcond.txt" (GBK, CR LF after every line; the folder is
// created when missing) and returns its path; a failed write leaves the previous file.
struct ReportFile {
    Status status;
    std::string path;
};
ReportFile writeConditionReport(const std::string& folder, const std::vector<std::string>& lines);
// The same for another report file, `relative` to the program folder ("database/backtest.txt").
ReportFile writeReportFile(const std::string& folder, const std::string& relative,
                           const std::vector<std::string>& lines);

}  // namespace lottodesk
