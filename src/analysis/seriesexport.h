#pragma once
// "导出指标值": the analysed series as text, one line per record from the first (the prediction
// record too): the period, four blanks, the value.

#include <string>

#include "analysisseries.h"
#include "core/s_dm.h"
#include "core/status.h"

namespace lottodesk {

inline constexpr const char* kSeriesExportTitle = "导出指标值";
inline constexpr const char* kSeriesExportFilter = "指标值 (*.txt)";

// The chosen file name with ".txt" appended when it does not contain ".txt".
std::string seriesExportPath(const std::string& chosen);
// The text, CR LF line ends.
std::string seriesExportText(const t_s_dm& history, const AnalysisSeries& series);
// Writes the text to the path (atomically).
Status exportSeries(const std::string& path, const t_s_dm& history, const AnalysisSeries& series);

}  // namespace lottodesk
