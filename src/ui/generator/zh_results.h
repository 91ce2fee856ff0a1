#pragma once
// ZhResults: the main result display of the generator. The labels "投注结果：共" + count + "注" and
// "第" + page + "页/ " + pages + "页", the grid `sg_zh` over one page of 10,000 results, and the
// page commands "首页", "上页", "下页", "尾页". The grid's popup menu `pm_zh` saves the results to a
// result text file ("保存组号"), loads them from one ("载入组号") and maps results made on
// transformed data back to drawn numbers ("恢复到原始投注结果"), edits the list by hand, copies a
// ticket into the prediction record, checks the list against a draw ("对奖") and writes the
// printout ("打印投注结果") and removes the tickets of a list ("滤除组号", Tf_zq_lczh).

#include <QWidget>

#include "generator/prizerules.h"
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "generator/ticket.h"

namespace Ui {
class ZhResults;
}

class QDialog;
class QMenu;
class QTableView;

namespace lottodesk {

struct MainResults;
struct Workspace;
class FileChooser;
class Prompts;
class Tf_xgzh;
class Tf_zq_lczh;
class ZhResultModel;

class ZhResults : public QWidget {
    Q_OBJECT
public:
    // Shows `results` (the generator's list, which "载入组号" replaces).
    ZhResults(Workspace& ws, MainResults& results, Prompts& prompts, FileChooser& files, QWidget* parent = nullptr);
    ~ZhResults() override;

    QTableView* grid() const;
    QMenu* popup() const { return m_popup; }
    ZhResultModel* model() const { return m_model; }

    // Shows `page` (kept within 1..pages) of the list as it is now; page 1 after a run or a load.
    void showPage(int page);
    int page() const;
    int pages() const;

    // "保存组号": file dialog "保存组号结果" in the current directory; ".txt" is appended unless the
    // name contains it. A failed write shows its message.
    void saveResults();
    // "载入组号": file dialog " 打开组号结果存储文件"; replaces the list (tags cleared) and shows page
    // 1. A file that cannot be read or holds a number outside 0..255 shows a message and changes
    // nothing.
    void loadResults();

    // The list now holds a run's results for `filterPeriod` (0: "未开奖期"): in places of the
    // transformed data when a transform is applied, numbered through that period's ranking.
    void listFilteredFor(int32_t filterPeriod);
    // Whether "恢复到原始投注结果" can run: a transform is applied and the list is in its places.
    bool canRestore() const;
    // "对奖": the period chooser the window gives (nullopt: cancelled).
    using PeriodChooser = std::function<std::optional<int32_t>(const std::vector<int32_t>& offered)>;
    void setPeriodChooser(PeriodChooser chooser) { m_choosePeriod = std::move(chooser); }
    // "对奖": every result scored by the main numbers it hits in the chosen draw and ordered best
    // first (equal hits keep their order, tags move along); page 1 with "中奖号个数".
    void checkPrize();

    // "添加组号", "修改组号", "删除组号": the ticket dialog (Tf_xgzh) for the main numbers; a ticket is
    // stored as typed; modify and delete need a selected row. "加到预测区" writes the selected
    // ticket into the prediction record (not saved), "清除预测区" removes it.
    void addTicket();
    void modifyTicket();
    void deleteTicket();
    void addToPrediction();
    void clearPrediction();
    // "打印投注结果": the printout file in the program folder, then shown through the window's viewer.
    using PrintoutViewer = std::function<void(const QString& path)>;
    void setPrintoutViewer(PrintoutViewer viewer) { m_showPrintout = std::move(viewer); }
    void printResults();
    // "滤除组号": the list dialog; on "确定" every result equal to a listed ticket is removed.
    void removeListedTickets();
    // How the ticket dialog is run (tests answer it in place).
    using DialogRunner = std::function<int(QDialog&)>;
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    // The index in the list of the grid's current row, or nothing.
    std::optional<size_t> selectedResult() const;
    // "恢复到原始投注结果": every ticket mapped back through the ranking it was numbered through
    // and sorted ascending; the list is then marked as drawn numbers.
    void restoreOriginal();

Q_SIGNALS:
    // A result file was loaded (the window enables "继续过滤" and shows the count).
    void resultsLoaded();
    // The width the panel needs to show every column of its list changed.
    void wantedWidthChanged(int width);
    // A file was written at `path` (the window says where).
    void fileWritten(const QString& path);

public:
    int wantedWidth() const { return m_wantedWidth; }

private:
    void updateLabels();
    // Every edit, run and load hides the hit column and the prize summary.
    void hideHits();
    int ticketPrice() const;

    Workspace& m_ws;
    MainResults& m_results;
    Prompts& m_prompts;
    FileChooser& m_files;
    std::unique_ptr<Ui::ZhResults> m_ui;
    ZhResultModel* m_model;
    QMenu* m_popup;
    PeriodChooser m_choosePeriod;
    DialogRunner m_runDialog;
    PrintoutViewer m_showPrintout;
    Tf_xgzh* m_edit = nullptr;        // made when first needed
    Tf_zq_lczh* m_removal = nullptr;  // the same; keeps its list between uses
    // The ticket dialog preset with `ticket` (empty when null); the typed ticket, or nothing.
    std::optional<Ticket> editTicket(const QString& caption, const Ticket* ticket);
    // The ranking the list's places stand for; empty while the list holds drawn numbers.
    std::vector<int32_t> m_listRanking;
    PrizeRuleBook m_prizeRules = loadPrizeRules(m_ws.folder);  // read again at every check
    int m_wantedWidth = 0;
};

}  // namespace lottodesk
