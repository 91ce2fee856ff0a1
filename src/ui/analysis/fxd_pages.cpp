#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysispages.h"
#include "ui/analysis/analysisshell.h"
#include "ui/analysis/fxd_chartpages.h"
#include "ui/analysis/fxd_combinationpages.h"
#include "ui/analysis/fxd_conversionpage.h"
#include "ui/analysis/fxd_extendedpage.h"
#include "ui/analysis/fxd_indicatortrend.h"
#include "ui/analysis/fxd_mosaicpage.h"
#include "ui/analysis/fxd_omissionpage.h"
#include "ui/analysis/fxd_patternpage.h"
#include "ui/analysis/fxd_tablepages.h"

namespace lottodesk {

void addTrendPages(Tf_fxd& window, const AnalysisContext& context) {
    window.addPage(RowColumnPage::caption(), new RowColumnPage(context));
    window.addPage(IndicatorTrendPage::caption(), new IndicatorTrendPage(context));
    addExtendedSeriesPages(window, context);
    addCombinationPages(window, context);
    addMosaicPage(window, context);
    window.addPage(DataTablesPage::caption(), new DataTablesPage(context));
    window.addPage(DistributionPage::caption(), new DistributionPage(context));
    window.addPage(ConversionPage::caption(), new ConversionPage(context));
    for (OmissionVariant variant : {OmissionVariant::Main, OmissionVariant::Secondary, OmissionVariant::Tails})
        window.addPage(OmissionTablePage::caption(variant), new OmissionTablePage(variant, context));
    addChartTrendPages(window, context);
}

}  // namespace lottodesk
