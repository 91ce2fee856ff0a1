#include "ui/shell/main_pages.h"

#include "ui/common/filechooser.h"
#include "ui/common/prompts.h"
#include "ui/common/shell.h"
#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysispages.h"
#include "ui/analysis/analysisshell.h"
#include "ui/analysis/f_tjq.h"
#include "ui/generator/f_zh.h"
#include "ui/indicators/f_zbpx.h"
#include "ui/indicators/f_zbpxz.h"
#include "ui/indicators/zbpx_start.h"
#include "ui/prediction/f_tdsh.h"
#include "ui/shell/f_main.h"
#include "ui/settings/f_set.h"

namespace lottodesk {
namespace {

QWidget* makeGenerator(PageContext& c, QWidget* parent) {
    auto* generator =
        new Tf_zh(c.ws, c.services.prompts, c.services.files, c.services.shell, c.generatorDialogs, parent);
    Tf_main* main = &c.main;
    QObject::connect(generator, &Tf_zh::forwardRequested, main, [main] { main->openPage(PageId::zh); });
    return generator;
}

QWidget* makeStatistics(PageContext& c, QWidget* parent) {
    return new Tf_tjq(c.ws, c.services.prompts, c.services.settings, parent);
}

// The forecast goes to the generator window, looked up when it is handed over.
QWidget* makeFixAndKill(PageContext& c, QWidget* parent) {
    TdshPage::Hooks hooks;
    Tf_main* main = &c.main;
    hooks.toGenerator = [main](const ForecastConditions& forecast) {
        Tf_zh* generator = main->pageWindow<Tf_zh>(PageId::zh);
        return generator ? generator->takeForecast(forecast) : QString();
    };
    return new Tf_tdsh(c.ws, c.services.prompts, c.services.files, std::move(hooks), parent);
}

// The analysis pages hand conditions to the generator window and series to the indicator
// analysis, both looked up when handed over.
AnalysisContext analysisContext(PageContext& c) {
    Tf_main* main = &c.main;
    return {c.ws,
            c.services.prompts,
            c.services.files,
            c.services.shell,
            c.services.settings,
            [main]() -> GeneratorHandOff* { return main->pageWindow<Tf_zh>(PageId::zh); },
            [main]() -> AnalysisOpener* { return main->pageWindow<Tf_zbpxz>(PageId::zbpxz); },
            &c.main.pictures()};
}

QWidget* makeTrendAnalysis(PageContext& c, QWidget* parent) {
    auto* window = new Tf_fxd(parent);
    addTrendPages(*window, analysisContext(c));
    return window;
}

QWidget* makeMoreCharts(PageContext& c, QWidget* parent) {
    auto* window = new Tf_moredb(parent);
    addMoreChartPages(*window, analysisContext(c));
    return window;
}

// "开始剖析" computes into the analysis page's window and shows that page; "取消" closes the page.
QWidget* makeIndicatorManagement(PageContext& c, QWidget* parent) {
    Tf_main* main = &c.main;
    return new Tf_zbpx(
        c.ws, c.services.prompts,
        [main](const std::string& text, const std::optional<ValueRange>& typed, const std::string& name) {
            return startIndicatorAnalysis(*main, text, typed, name);
        },
        [main] { main->closeCurrentPage(); }, parent);
}

// The filter export goes to the generator window; a series handed in docked shows this page.
QWidget* makeIndicatorAnalysis(PageContext& c, QWidget* parent) {
    Tf_main* main = &c.main;
    auto* window = new Tf_zbpxz(
        c.ws, c.services.prompts, c.services.files,
        [main]() -> GeneratorHandOff* { return main->pageWindow<Tf_zh>(PageId::zh); }, parent);
    window->setShowHook([main] { showAnalysisPage(*main); });
    window->setPictures(&main->pictures());
    return window;
}

QWidget* makeSettings(PageContext& c, QWidget* parent) { return new Tf_set(c.ws, &c.services.settings, parent); }

// The caption of the trend analysis page keeps its leading blank.
constexpr PageEntry kPages[] = {
    {PageId::tjq, "ts_tjq", "统计区", makeStatistics},
    {PageId::zh, "ts_zh", "超强组号", makeGenerator},
    {PageId::fxd, "ts_fxd", " 综合分析", makeTrendAnalysis},
    {PageId::moredb, "ts_moredb", "更多图表", makeMoreCharts},
    {PageId::zbpx, "ts_zbpx", "指标管理", makeIndicatorManagement},
    {PageId::zbpxz, "ts_zbpxz", "指标剖析", makeIndicatorAnalysis},
    {PageId::tdsh, "ts_tdsh", "定胆杀号", makeFixAndKill},
    {PageId::set, "ts_set", "设置", makeSettings},
};

}  // namespace

std::span<const PageEntry> mainPages() { return kPages; }

}  // namespace lottodesk
