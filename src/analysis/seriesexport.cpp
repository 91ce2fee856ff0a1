#include "seriesexport.h"

#include <algorithm>

#include "core/fileio.h"

namespace lottodesk {

std::string seriesExportPath(const std::string& chosen) {
    return chosen.find(".txt") == std::string::npos ? chosen + ".txt" : chosen;
}

std::string seriesExportText(const t_s_dm& history, const AnalysisSeries& series) {
    std::string text;
    const int count = std::min(series.count(), history.RecordCount());
    for (int n = 1; n <= count; ++n) {
        text += std::to_string(history.record(n)[0]);
        text += "    ";
        text += std::to_string(series.values[static_cast<size_t>(n)]);
        text += "\r\n";
    }
    return text;
}

Status exportSeries(const std::string& path, const t_s_dm& history, const AnalysisSeries& series) {
    return saveFileAtomically(path, seriesExportText(history, series));
}

}  // namespace lottodesk
