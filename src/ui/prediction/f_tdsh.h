#pragma once
// Tf_tdsh ("定胆杀号"): the fix-and-kill window, a page of the main window with six pages, one per
// page kind. The secondary pages are shown by the type's secondary count (none without secondary
// numbers, the kill page with one, both with two or more). Scheme files are read for the current
// type at creation and on every type switch; showing the window refills the start-period lists.

#include <QWidget>
#include <array>

#include "prediction/pagekind.h"
#include "ui/prediction/tdsh_page.h"
#include "ui/shell/mainpage.h"

class QTabWidget;

namespace lottodesk {

class Tf_collectgs;

class Tf_tdsh : public QWidget, public MainPage {
    Q_OBJECT
public:
    Tf_tdsh(Workspace& ws, Prompts& prompts, FileChooser& files, TdshPage::Hooks hooks, QWidget* parent = nullptr);

    TdshPage* page(PageKind kind) const { return m_pages[static_cast<size_t>(kind)]; }
    QTabWidget* tabs() const { return m_tabs; }
    Tf_collectgs* collection() const { return m_collect; }
    // The captions of the pages shown, in order.
    QStringList shownCaptions() const;

    void typeChanged() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showPagesForType();

    Workspace& m_ws;
    QTabWidget* m_tabs;
    std::array<TdshPage*, kPageKindCount> m_pages{};
    Tf_collectgs* m_collect;
};

}  // namespace lottodesk
