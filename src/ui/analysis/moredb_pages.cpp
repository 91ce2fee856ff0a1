#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysispages.h"
#include "ui/analysis/analysisshell.h"

namespace lottodesk {

void addMoreChartPages(Tf_moredb& window, const AnalysisContext& context) {
    (void)window;
    (void)context;
}

}  // namespace lottodesk
