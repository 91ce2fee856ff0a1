#pragma once
// Tf_zh ("超强组号"): the combination generator window. Its page `ts_zqgl` (captioned with the
// main-zone name + "过滤") holds the main-zone conditions (ZhMainPage with the catalogue and the
// self-set, tail and custom-indicator pages) beside the main result display (ZhResults). The
// pages of the other zone are shown for the types that have them: the special-number page
// (ZhBonusPage, one secondary number), "副区过滤" (ZhSecondaryPage, two) and "双区匹配"
// (ZhTwoZonePage, either, unless the secondary zone is named "特别号").
//
// The mode "组号类型" chooses what the run command does: "常规过滤", the wheel "旋转缩水" or the random
// pick "机选组号"; the second command ("过滤后旋转", "过滤后机选") filters first. A wheel of more than 20
// numbers asks first (Cancel changes nothing); "优化旋转" then searches for a smaller wheel, and the
// busy notice's button stops that search with the smallest wheel confirmed so far.
//
// Every run and "继续过滤" run on a thread of their own behind a busy notice with a progress bar and
// a cancel button; meanwhile the page is disabled, so the conditions cannot change, and the
// caller must not change the history either (runningChanged tells when). Hiding the window (its
// page closed or another page brought forward) cancels a run and waits for its end, so that the
// other pages find the history to themselves. A run that is cancelled or stops early leaves the
// previous results; a completed one replaces them, writes the conditions to the next snapshot
// file and shows page 1.

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/status.h"
#include "generator/generator.h"
#include "generator/snapshots.h"
#include "ui/generator/zh_runner.h"
#include "ui/common/handoff.h"
#include "ui/shell/mainpage.h"

class QDialog;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

class QSplitter;

namespace lottodesk {

struct Workspace;
struct MainConditionLoad;
struct ForecastConditions;
class FileChooser;
class GeneratorDialogs;
class Prompts;
class Shell;
class Tf_groupfilter;
class ZhConditionMenu;
class ZhCustomPage;
class ZhGroupPage;
class ZhMainPage;
class ZhResults;
class ZhSecondaryPage;
class ZhBonusPage;
class ZhTwoZonePage;

class Tf_zh : public QWidget, public MainPage, public GeneratorHandOff {
    Q_OBJECT
public:
    Tf_zh(Workspace& ws, Prompts& prompts, FileChooser& files, Shell& shell, GeneratorDialogs& dialogs,
          QWidget* parent = nullptr);
    // Cancels a run in progress and waits for its end.
    ~Tf_zh() override;

    // The text of the main window's status bar for this window (empty until something happened).
    QString statusText() const { return m_status; }
    bool isRunning() const;

    // "常规过滤", "继续过滤" and "重置". A run refused at the start (a prediction record, which is
    // removed, or an empty range of rows 34 or 35) shows why and changes nothing else.
    void startRun();
    void secondRun();
    void continueRun();
    void cancelRun();
    void resetConditions();
    // "批量过滤" of "过滤操作": the files of Tf_groupfilter (checked before the first run), each loaded
    // in turn and run, the first with the run command and every later one with "继续过滤", one
    // after the other on the run thread; the page stays disabled throughout and "取消" ends the
    // batch with the results of the last completed run. "批量过滤完毕" (with any missing files) and
    // the files' load notes come at the end.
    void batchFilter();
    bool batchRunning() const { return m_batch != nullptr; }
    Tf_groupfilter* batchDialog();
    // How the window's modal dialogs are run (the batch list, the lists' ticket dialogs); tests
    // answer them in place.
    using DialogRunner = std::function<int(QDialog&)>;
    void setDialogRunner(DialogRunner runner);

    // The lottery type changed: the conditions are cleared for the new main range (the custom
    // indicators too), the results emptied, "继续过滤" disabled, the captions, the secondary pages
    // and the filter period list rebuilt.
    void resetForType();
    // The exports other windows call: a self-set condition through the self-set dialog, and a
    // custom-indicator condition on `formula` with values chosen over lo..hi.
    bool addforselfcond();
    bool composeSelfSet() override { return addforselfcond(); }
    bool addforselfzb(const std::string& formula, int32_t lo, int32_t hi);
    // "预测转至过滤" of the fix-and-kill window: the forecast becomes conditions (see
    // generator/forecastconditions.h); the text says what was set, or why nothing was.
    QString takeForecast(const ForecastConditions& forecast);
    // The secondary part of a forecast, to the secondary page of the game's shape, brought forward.
    QString takeSecondaryForecast(const ForecastConditions& forecast);

    // At exit: writes "exitset.zh" and deletes the snapshot files; the failed write's message.
    Status saveExitConditions();

    // What the analysis views hand over ("导出到过滤").
    Status addSelfSet(tselfcond entry) override;
    Status addTail(tselfcond entry) override;
    Status addCustom(const std::string& formula, std::vector<int32_t> values, bool tolerant) override;
    SecondaryTarget secondaryTarget() const override;
    Status addSecondaryCustom(const std::string& formula, std::vector<int32_t> values, bool tolerant) override;
    void putCustomFormula(const std::string& formula) override;
    void showConditions() override;

    // As a page of the main window.
    void typeChanged() override { resetForType(); }
    void stopWork() override { cancelRun(); }
    Status saveOnExit() override { return saveExitConditions(); }

    const Generator& generator() const { return m_generator; }
    const tjlq& snapshotRing() const { return m_ring; }
    QTabWidget* pages() const { return m_pages; }
    ZhMainPage* mainPage() const { return m_main; }
    ZhGroupPage* selfSetPage() const { return m_self; }
    ZhGroupPage* tailPage() const { return m_tail; }
    ZhCustomPage* customPage() const { return m_custom; }
    ZhResults* results() const { return m_results; }
    ZhConditionMenu* conditionMenu() const { return m_menu; }
    ZhBonusPage* specialPage() const { return m_special; }
    ZhSecondaryPage* secondaryPage() const { return m_secondary; }
    ZhTwoZonePage* twoZonePage() const { return m_twoZone; }

Q_SIGNALS:
    void statusChanged(const QString& text);
    // A view handed something over and the user should see the generator: its host shows it.
    void forwardRequested();
    void runningChanged(bool running);

protected:
    void showEvent(QShowEvent* event) override;
    QSplitter* m_splitter = nullptr;  // conditions | results
    void hideEvent(QHideEvent* event) override;

private:
    void start(ZhRunner::Kind kind);
    void startTickets(TicketMode mode);
    // The checks before a run and the busy state; false when the run must not start.
    bool beginRun(const QString& notice, const QString& status);
    // Stops a run in progress at once, without its results.
    void abandonRun();
    void finishRun(const RunReport& report, bool cancelled, Generator& worker);
    void setRunning(bool running, const QString& notice);
    void applyConditions(MainConditionLoad load);
    void showZoneCaptions();
    void setStatus(const QString& text);
    void say(const std::string& message);
    void runNextBatchEntry();
    // `completed`: every file ran; otherwise a run was cancelled or stopped.
    void endBatch(bool completed);
    // The results of the page of the other zone, as matching reads them.
    std::vector<Ticket> secondaryResults() const;

    Workspace& m_ws;
    Prompts& m_prompts;
    FileChooser& m_files;
    Generator m_generator;  // the window's conditions and results
    // Runs happen on this one, kept for the window's life so its run buffers stay warm; it shares
    // the signature tables of m_generator.
    std::unique_ptr<Generator> m_worker;
    tjlq m_ring;
    QString m_status;
    QString m_statusBeforeRun;
    int32_t m_runPeriod = 0;  // the filter period of the run in progress

    QTabWidget* m_pages = nullptr;
    QWidget* m_zqgl = nullptr;
    ZhMainPage* m_main = nullptr;
    ZhGroupPage* m_self = nullptr;
    ZhGroupPage* m_tail = nullptr;
    ZhCustomPage* m_custom = nullptr;
    ZhResults* m_results = nullptr;
    ZhConditionMenu* m_menu = nullptr;
    ZhBonusPage* m_special = nullptr;
    ZhSecondaryPage* m_secondary = nullptr;
    ZhTwoZonePage* m_twoZone = nullptr;
    ZhRunner* m_runner = nullptr;
    QWidget* m_busy = nullptr;
    QLabel* m_busyText = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_optimising = false;  // the run is in the search of "优化旋转"
    struct BatchState;
    std::unique_ptr<BatchState> m_batch;  // while "批量过滤" runs
    Tf_groupfilter* m_groupFilter = nullptr;
    DialogRunner m_runDialog;
};

}  // namespace lottodesk
