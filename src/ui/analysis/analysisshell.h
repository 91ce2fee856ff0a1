#pragma once
// The windows made of analysis pages: `Tf_fxd` ("走势分析", menu "综合分析") and `Tf_moredb`
// ("更多图表"). A shell knows the tab order of all its pages and shows those that are built, each
// registered as it arrives. A page computes its view when it is shown and its data changed since
// (history, game), on its own refresh command, or when one of its options changes; a hidden page
// costs nothing.

#include <QStringList>
#include <QWidget>
#include <vector>

#include "ui/shell/mainpage.h"

class QTabWidget;

namespace lottodesk {

class AnalysisPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Computes and shows the view for the history as it is now.
    virtual void refresh() = 0;
    // The history or the game changed: a visible page recomputes now, a hidden one when shown.
    void invalidate();
    bool stale() const { return m_stale; }

Q_SIGNALS:
    // The page changed the history in memory (the prediction record): every page of the window
    // is out of date.
    void historyEdited();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refreshNow();
    bool m_stale = true;
};

class AnalysisShell : public QWidget, public MainPage {
    Q_OBJECT
public:
    // `captions`: every page of the window in tab order.
    AnalysisShell(const char* objectName, QStringList captions, QWidget* parent = nullptr);

    // Puts `page` at its place in the tab order (by its caption); false for a caption the window
    // does not have.
    bool addPage(const QString& caption, AnalysisPage* page);
    int pageCount() const;
    AnalysisPage* page(const QString& caption) const;
    QTabWidget* tabs() const { return m_tabs; }
    void showPage(const QString& caption);

    void typeChanged() override;
    // The history changed (an update, a transform): every page recomputes when next shown.
    void historyChanged() override;

private:
    QStringList m_captions;
    std::vector<AnalysisPage*> m_pages;  // by caption index; nullptr: not built
    QTabWidget* m_tabs;
};

// "走势分析": the pages in their tab order; the window opens on the first page built.
class Tf_fxd : public AnalysisShell {
    Q_OBJECT
public:
    explicit Tf_fxd(QWidget* parent = nullptr);
    static QStringList pageCaptions();
};

// "更多图表".
class Tf_moredb : public AnalysisShell {
    Q_OBJECT
public:
    explicit Tf_moredb(QWidget* parent = nullptr);
    static QStringList pageCaptions();
};

}  // namespace lottodesk
