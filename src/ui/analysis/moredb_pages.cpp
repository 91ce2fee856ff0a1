#include <QEvent>

#include "core/workspace.h"
#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysispages.h"
#include "ui/analysis/analysisshell.h"
#include "ui/analysis/moredb_association.h"
#include "ui/analysis/moredb_chartpages.h"
#include "ui/analysis/moredb_combined.h"
#include "ui/analysis/moredb_pairs.h"

namespace lottodesk {
namespace {

// Each showing of the window opens on "综合形态", refills the period lists of "相生相克" and starts
// the charts over.
class ShowingResets : public QObject {
public:
    ShowingResets(Tf_moredb& window, PairsView* pairs, std::vector<ChartPage*> charts)
        : QObject(&window), m_window(window), m_pairs(pairs), m_charts(std::move(charts)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_window && event->type() == QEvent::Show) {
            m_pairs->resetPeriods();
            for (ChartPage* chart : m_charts) chart->reset();
            m_window.showPage(QStringLiteral("综合形态"));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Tf_moredb& m_window;
    PairsView* m_pairs;
    std::vector<ChartPage*> m_charts;
};

}  // namespace

void addMoreChartPages(Tf_moredb& window, const AnalysisContext& context) {
    window.addPage(QStringLiteral("综合形态"), new CombinedPatternsView(context.ws));
    window.addPage(QStringLiteral("关联分析"), new AssociationView(context));
    auto* pairs = new PairsView(context);
    window.addPage(QStringLiteral("相生相克"), pairs);
    auto* property = new PropertyChartPage(context.ws, *context.pictures);
    auto* extended = new ExtendedChartPage(context.ws, *context.pictures);
    auto* field = new FieldChartPage(context.ws, *context.pictures, context.prompts);
    window.addPage(QStringLiteral("特性分布"), property);
    window.addPage(QStringLiteral("扩展图表"), extended);
    window.addPage(QStringLiteral("田野走势图"), field);
    window.installEventFilter(new ShowingResets(window, pairs, {property, extended, field}));
}

}  // namespace lottodesk
