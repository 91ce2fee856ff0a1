#include "ui/prediction/f_tdsh.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "core/workspace.h"
#include "ui/prediction/f_collectgs.h"

namespace lottodesk {

Tf_tdsh::Tf_tdsh(Workspace& ws, Prompts& prompts, FileChooser& files, TdshPage::Hooks hooks, QWidget* parent)
    : QWidget(parent), m_ws(ws) {
    setObjectName(QStringLiteral("f_tdsh"));
    setWindowTitle(QStringLiteral("提胆与杀号"));
    m_collect = new Tf_collectgs(ws, prompts, files, this);
    if (!hooks.collect)
        hooks.collect = [this](const QString& text) {
            m_collect->addFormula(text);
            m_collect->show();
        };
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    layout->addWidget(m_tabs);
    for (PageKind kind : allPageKinds()) {
        auto* page = new TdshPage(ws, kind, prompts, files, hooks, m_tabs);
        m_pages[static_cast<size_t>(kind)] = page;
        m_tabs->addTab(page, QString::fromUtf8(pageKindInfo(kind).caption));
        page->loadSchemes();
    }
    showPagesForType();
    m_tabs->setCurrentIndex(0);  // "红码杀号"
}

QStringList Tf_tdsh::shownCaptions() const {
    QStringList captions;
    for (int i = 0; i < m_tabs->count(); ++i)
        if (m_tabs->isTabVisible(i)) captions << m_tabs->tabText(i);
    return captions;
}

void Tf_tdsh::showPagesForType() {
    for (PageKind kind : allPageKinds()) m_tabs->setTabVisible(static_cast<int>(kind), pageShown(kind, m_ws.game.fhgs));
}

void Tf_tdsh::typeChanged() {
    for (TdshPage* page : m_pages) {
        page->loadSchemes();
        page->fillPeriods();
    }
    showPagesForType();
    m_tabs->setCurrentIndex(0);
}

void Tf_tdsh::showEvent(QShowEvent* event) {
    for (TdshPage* page : m_pages) page->fillPeriods();
    QWidget::showEvent(event);
}

}  // namespace lottodesk
