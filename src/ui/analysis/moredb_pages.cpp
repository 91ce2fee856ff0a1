#include "core/workspace.h"
#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysispages.h"
#include "ui/analysis/analysisshell.h"
#include "ui/analysis/moredb_association.h"
#include "ui/analysis/moredb_chartpages.h"
#include "ui/analysis/moredb_combined.h"
#include "ui/analysis/moredb_pairs.h"

namespace lottodesk {

void addMoreChartPages(Tf_moredb& window, const AnalysisContext& context) {
    window.addPage(QStringLiteral("综合形态"), new CombinedPatternsView(context.ws));
    window.addPage(QStringLiteral("关联分析"), new AssociationView(context));
    window.addPage(QStringLiteral("相生相克"), new PairsView(context));
    window.addPage(QStringLiteral("特性分布"), new PropertyChartPage(context.ws));
    window.addPage(QStringLiteral("扩展图表"), new ExtendedChartPage(context.ws));
    window.addPage(QStringLiteral("田野走势图"), new FieldChartPage(context.ws, context.prompts));
}

}  // namespace lottodesk
