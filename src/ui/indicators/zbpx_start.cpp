#include "ui/indicators/zbpx_start.h"

#include <QTabWidget>

#include "core/workspace.h"
#include "ui/indicators/f_zbpxz.h"
#include "ui/shell/f_main.h"

namespace lottodesk {

Status startIndicatorAnalysis(Tf_main& main, const std::string& text, const std::optional<ValueRange>& typed,
                              const std::string& name) {
    auto* analysis = main.pageWindow<Tf_zbpxz>(PageId::zbpxz);
    if (!analysis) return Status::failure("指标剖析不可用");
    const Status analysed = analysis->analyse(text, typed, name);
    if (!analysed) return analysed;
    showAnalysisPage(main);
    analysis->announce();
    return analysed;
}

void showAnalysisPage(Tf_main& main) {
    auto* analysis = main.pageWindow<Tf_zbpxz>(PageId::zbpxz);
    if (!analysis) return;
    QTabWidget* tabs = main.pageControl();
    tabs->setTabText(tabs->indexOf(main.page(PageId::zbpxz)), analysis->pageCaption());
    main.openPage(PageId::zbpxz);
}

Status startSecondaryAnalysis(Tf_main& main, const Workspace& ws) {
    const GameParams& game = ws.game;
    return startIndicatorAnalysis(main, "f_num1", ValueRange{1, game.spec_to}, "蓝号");
}

}  // namespace lottodesk
