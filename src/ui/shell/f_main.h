#pragma once
// Tf_main: the main window. Its creation builds the workspace (the main initialisation), its first
// showing prepares the history, and its menu opens every view as a page of `pagecontrol1`.

#include <QMainWindow>
#include <QByteArray>
#include <QStringList>
#include <vector>
#include <memory>
#include <optional>
#include <string>

#include "core/notice.h"
#include "ui/common/cellpictures.h"
#include "ui/shell/main_pages.h"
#include "ui/shell/main_services.h"

class QAction;
class QLabel;
class QPushButton;
class QMenu;
class QStackedWidget;
class QTabWidget;

namespace lottodesk {

class AnalysisOpener;

class MainPage;
class Tf_cpstyle;
class Tf_showpic;
class Tf_zj1;
class HomePanel;
class NewDrawCheck;
class NoticeFetcher;
class PageView;
class Tf_gxsjq;
class Tf_bh;
class Tf_informdownload;
class TextViewer;

class Tf_main : public QMainWindow {
    Q_OBJECT
public:
    using Page = PageId;

    Tf_main(Workspace& ws, Services services, QWidget* parent = nullptr);
    ~Tf_main() override;

    // False when start-up had to stop (a cell picture is missing); startupError() says why.
    bool started() const { return m_startupError.isEmpty(); }
    const QString& startupError() const { return m_startupError; }
    // True once the first showing has finished its work.
    bool startupDone() const { return m_startupDone; }
    // Whether the first showing asks the result service for newer draws (settings allowing); the
    // self-test turns it off.
    void setCheckForNewDraws(bool check) { m_checkNewDraws = check; }
    // "有N期新开奖数据，点击更新" in the status bar; hidden until newer draws are found.
    QPushButton* newDrawsButton() const { return m_newDraws; }
    NewDrawCheck* newDrawCheck() const { return m_drawCheck; }

    QAction* command(const char* name) const;
    QTabWidget* pageControl() const { return m_pagecontrol1; }
    QWidget* page(Page page) const;
    // The window hosted on `page` (nullptr when the page has none yet).
    QWidget* pageWindow(Page page) const { return m_windows[static_cast<size_t>(page)]; }
    template <class Window>
    Window* pageWindow(Page page) const {
        return qobject_cast<Window*>(pageWindow(page));
    }
    int openTabCount() const { return m_openTabs; }
    QStringList visibleTabCaptions() const;
    QString statusText() const;
    QMenu* tabPopup() const { return m_pm1; }

    Tf_cpstyle* cpstyleDialog() const { return m_cpstyle; }
    Tf_zj1* componentDialog() const { return m_zj1; }
    Tf_gxsjq* updateWindow() const { return m_gxsjq; }
    Tf_bh* transformWindow() const { return m_bh; }
    Tf_informdownload* noticeWindow() const { return m_inform; }
    PageView* pageView() const { return m_pageView; }
    NoticeFetcher* noticeFetcher() const { return m_fetcher; }
    const Notice& notice() const { return m_notice; }
    CellPictures& pictures() { return m_pictures; }

    void openPage(Page page);
    void closeCurrentPage();  // the tab popup's "关闭当前页"
    void closePageAt(int index);  // a tab's close button; the home tab stays
    // The home page (the first tab) is on show.
    bool homeShown() const;
    QLabel* transformBanner() const { return m_transformBanner; }
    HomePanel* homePanel() const { return m_home; }
    void closeAllPages();
    // "彩种选择": the type dialog, then the switch to the type chosen in it.
    void chooseLotteryType();
    // The switch after the dialog closed, from the type that was current before it.
    void applyTypeSwitch(int previous);
    // "帮助主题": the help page in a window of the program (the user's own database/help.chm, when
    // there is one, also goes to the desktop).
    void showHelp(const QString& section = {});
    // The help page's section about what is on show ("home", "zh", "fxd", ...); F1 opens it.
    QString helpSection() const;
    // "记事本": the notes kept in save/notepad.txt, edited in a window of the program.
    void showNotepad();
    // The program's text window of that name ("helpViewer", "notepad"), created on first use.
    TextViewer* textWindow(const QString& name);
    // "关于": the version and the data folder in use, and how to move it.
    void showAbout();
    QString aboutText() const;
    // "数据更新": the update window, modal, after all pages are closed.
    void showUpdateWindow();
    // "数据变换": the transform window, modal, after all pages are closed, over the page area.
    void showTransformWindow();

Q_SIGNALS:
    // The first showing has finished its work (startupDone() is true from now on).
    void startupFinished();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPages();
    void createPageWindows();
    // The hosted windows that implement MainPage.
    std::vector<MainPage*> hostedPages() const;
    // The hosted window that shows series in the indicator analysis, if any.
    AnalysisOpener* analysisOpener() const;
    void buildMenu();
    // "蓝号分析": enabled for games with secondary numbers.
    void updateSecondaryCommand();
    void analyseSecondary();
    void prepareAfterFirstShow();
    void finishStartup(const std::optional<QByteArray>& noticeBody);
    void updateHistoryStatus();
    // The status bar's one-click update: the online update, then every page follows the history.
    void updateFromStatusBar();
    // The user's source for the current type ("drawsource<N>"), empty for the type's own service.
    std::string preferredDrawSource();
    // The caption and "数据更新" after a transform was applied.
    void followTransform();
    void onActivePageChanged();
    void showHome();
    void showTransformBanner();
    bool confirmExit();

    Workspace& m_ws;
    Services m_services;
    QString m_startupError;
    QStringList m_startupMessages;
    bool m_firstShow = true;
    bool m_startupDone = false;
    bool m_checkNewDraws = true;
    int m_openTabs = 0;
    int m_screenWidth = 0;
    int m_screenHeight = 0;

    CellPictures m_pictures;
    QWidget* m_central = nullptr;  // the transform banner over the page control
    QLabel* m_transformBanner = nullptr;
    QWidget* m_homePage = nullptr;
    HomePanel* m_home = nullptr;
    QTabWidget* m_pagecontrol1 = nullptr;
    std::vector<QWidget*> m_pages;    // by page id
    std::vector<QWidget*> m_windows;  // the window on each page, or nullptr
    QMenu* m_pm1 = nullptr;
    QLabel* m_pagePanel = nullptr;
    QLabel* m_historyPanel = nullptr;
    QPushButton* m_newDraws = nullptr;
    NewDrawCheck* m_drawCheck = nullptr;
    Tf_showpic* m_busy = nullptr;
    Tf_cpstyle* m_cpstyle = nullptr;
    Tf_zj1* m_zj1 = nullptr;
    Tf_gxsjq* m_gxsjq = nullptr;
    Tf_bh* m_bh = nullptr;
    std::unique_ptr<GeneratorDialogs> m_generatorDialogs;
    Tf_informdownload* m_inform = nullptr;
    NoticeFetcher* m_fetcher = nullptr;
    PageView* m_pageView = nullptr;
    Notice m_notice;  // the start-up notice (empty when none was fetched)
};

}  // namespace lottodesk
