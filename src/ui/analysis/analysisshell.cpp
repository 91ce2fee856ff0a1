#include "ui/analysis/analysisshell.h"

#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/common/pagesizing.h"

namespace lottodesk {

void AnalysisPage::invalidate() {
    m_stale = true;
    if (isVisible()) refreshNow();
}

void AnalysisPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_stale) refreshNow();
}

void AnalysisPage::refreshNow() {
    m_stale = false;
    refresh();
}

AnalysisShell::AnalysisShell(const char* objectName, QStringList captions, QWidget* parent)
    : QWidget(parent), m_captions(std::move(captions)), m_tabs(new QTabWidget(this)) {
    setObjectName(QString::fromLatin1(objectName));
    m_pages.assign(static_cast<size_t>(m_captions.size()), nullptr);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
    // Only the page on show asks for room, so the window fits a small screen.
    sizeByCurrentPage(m_tabs);
}

bool AnalysisShell::addPage(const QString& caption, AnalysisPage* page) {
    const qsizetype slot = m_captions.indexOf(caption);
    if (slot < 0 || !page || m_pages[static_cast<size_t>(slot)]) return false;
    m_pages[static_cast<size_t>(slot)] = page;
    // The tab goes after the built pages that come before it in the window's order.
    int at = 0;
    for (qsizetype i = 0; i < slot; ++i) at += m_pages[static_cast<size_t>(i)] != nullptr;
    m_tabs->insertTab(at, page, caption);
    if (m_tabs->currentWidget() != page) page->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    connect(page, &AnalysisPage::historyEdited, this, [this] { historyChanged(); });
    return true;
}

int AnalysisShell::pageCount() const { return m_tabs->count(); }

AnalysisPage* AnalysisShell::page(const QString& caption) const {
    const qsizetype slot = m_captions.indexOf(caption);
    return slot < 0 ? nullptr : m_pages[static_cast<size_t>(slot)];
}

void AnalysisShell::showPage(const QString& caption) {
    if (AnalysisPage* target = page(caption)) m_tabs->setCurrentWidget(target);
}

void AnalysisShell::typeChanged() { historyChanged(); }

void AnalysisShell::historyChanged() {
    for (AnalysisPage* p : m_pages)
        if (p) p->invalidate();
}

Tf_fxd::Tf_fxd(QWidget* parent) : AnalysisShell("Tf_fxd", pageCaptions(), parent) {}

QStringList Tf_fxd::pageCaptions() {
    return {QStringLiteral("行列式"),       QStringLiteral("指标走势"),     QStringLiteral("常规数据表"),
            QStringLiteral("红号分布图"),   QStringLiteral("红号遗漏图表"), QStringLiteral("蓝号遗漏图表"),
            QStringLiteral("尾数遗漏图表"), QStringLiteral("转换法杀号"),   QStringLiteral("扩展系列一"),
            QStringLiteral("扩展系列二"),   QStringLiteral("指标组合"),     QStringLiteral("形态走势"),
            QStringLiteral("形态图表"),     QStringLiteral("指标拼图"),     QStringLiteral("红号余数图"),
            QStringLiteral("间隔分析"),     QStringLiteral("主号遗漏走势"), QStringLiteral("副号遗漏走势"),
            QStringLiteral("离中量")};
}

Tf_moredb::Tf_moredb(QWidget* parent) : AnalysisShell("Tf_moredb", pageCaptions(), parent) {}

QStringList Tf_moredb::pageCaptions() {
    return {QStringLiteral("综合形态"), QStringLiteral("关联分析"), QStringLiteral("相生相克"),
            QStringLiteral("特性分布"), QStringLiteral("扩展图表"), QStringLiteral("田野走势图")};
}

}  // namespace lottodesk
