#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysispages.h"
#include "ui/analysis/analysisshell.h"

namespace lottodesk {

void addTrendPages(Tf_fxd& window, const AnalysisContext& context) {
    (void)window;
    (void)context;
}

}  // namespace lottodesk
