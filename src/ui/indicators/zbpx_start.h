#pragma once
// Starting an indicator analysis from the main window ("开始剖析", "蓝号分析"): the series is
// computed into the analysis page's window, which is then shown on its page, captioned
// "蓝号分析" for the secondary number and "指标剖析" otherwise.

#include <optional>
#include <string>

#include "analysis/analysisseries.h"
#include "core/status.h"

namespace lottodesk {

class Tf_main;
struct Workspace;

// Shows the analysis page, captioned for the series it holds.
void showAnalysisPage(Tf_main& main);

Status startIndicatorAnalysis(Tf_main& main, const std::string& text, const std::optional<ValueRange>& typed,
                              const std::string& name);

// "蓝号分析": f_num1 named "蓝号" over 1..the secondary maximum.
Status startSecondaryAnalysis(Tf_main& main, const Workspace& ws);

}  // namespace lottodesk
