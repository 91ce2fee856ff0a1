#pragma once
// The page sets of the two analysis windows: each adds the pages that are built to its shell.

namespace lottodesk {

struct AnalysisContext;
class Tf_fxd;
class Tf_moredb;

// "走势分析": omission and data tables, distribution, charts, indicator trend and combinations.
void addTrendPages(Tf_fxd& window, const AnalysisContext& context);
// "更多图表": combined patterns, association, pairs and the chart-grid pages.
void addMoreChartPages(Tf_moredb& window, const AnalysisContext& context);

}  // namespace lottodesk
