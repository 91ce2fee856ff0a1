#pragma once
// One page of the fix-and-kill window: the schemes of one page kind, the back-test table of the
// chosen scheme, the row memo and the page's commands. Every page has the same commands, with its
// own slot count, number range and verdict rule; the custom kill page loads and defines its kill.

#include <QWidget>
#include <functional>

#include "prediction/backtest.h"
#include "prediction/schemefiles.h"

class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableView;
class QTableWidget;

namespace lottodesk {

struct ForecastConditions;
class FileChooser;
class Prompts;
class TdshModel;
class Tf_scfa;

class TdshPage : public QWidget {
    Q_OBJECT
public:
    using DialogRunner = std::function<int(QDialog&)>;
    struct Hooks {
        // Hands the forecast to the generator; returns what was set (empty: no generator window).
        std::function<QString(const ForecastConditions&)> toGenerator;
        std::function<void(const QString&)> collect;  // "收集当前公式"
        DialogRunner runDialog;                       // modal dialogs (tests answer them)
    };

    TdshPage(Workspace& ws, PageKind kind, Prompts& prompts, FileChooser& files, Hooks hooks,
             QWidget* parent = nullptr);

    PageKind kind() const { return m_kind; }
    // Reads the page's scheme file for the current type (created with defaults when missing).
    void loadSchemes();
    // Refills the start-period list with the real draws, keeping the chosen period while it exists.
    void fillPeriods();

    void runBacktest();               // "开始分析"
    void confirmEdit();               // "确认修改"
    void importFormulas();            // "导入公式文件"
    void saveFormulaGroup();          // "保存公式组"
    void exportData();                // "导出定胆数据" / "导出杀号数据"
    void collectFormula();            // "收集当前公式"
    void searchFormula(bool scheme);  // "单个公式搜索" / "优化当前方案"
    void handToGenerator();           // "预测转至过滤"
    void loadCustomKill();            // "载入自定义杀号"
    void defineCustomKill();          // "自定义杀号设置"
    void showRow(int row);            // a click on a table row

    const SchemeStore& schemes() const { return m_schemes; }
    const CustomKill& customKill() const { return m_kill; }
    const BacktestResult& result() const;
    QComboBox* periodList() const { return m_periods; }
    QComboBox* schemeList() const { return m_scheme; }
    QComboBox* countList() const { return m_count; }
    QComboBox* slotList() const { return m_slot; }
    QComboBox* displayList() const { return m_display; }
    QLineEdit* edit() const { return m_edit; }
    QPlainTextEdit* memo() const { return m_memo; }
    QTableView* table() const { return m_table; }
    Tf_scfa* searchDialog() const { return m_search; }
    QString lastHandOff() const { return m_lastHandOff; }
    QLabel* killLabel() const { return m_killLabel; }
    // The line that says how to start: set formulas, run the back-test (hidden once it has nothing to say).
    QLabel* hint() const { return m_hint; }
    // The formulas in use, each with its accuracy in the last run ("序号", "公式", "正确率").
    QTableWidget* formulaList() const { return m_formulaList; }

private:
    int scheme() const;
    int count() const;
    int slots() const;
    std::string& slotText(int scheme, int slot);
    std::vector<std::string> currentFormulas() const;
    void rebuildSlotList(int count);
    void showSlot();
    void showFormulaList();
    void showHint();
    void fitColumns();
    bool saveSchemes();
    void say(const std::string& text);

    Workspace& m_ws;
    PageKind m_kind;
    Prompts& m_prompts;
    FileChooser& m_files;
    Hooks m_hooks;
    SchemeStore m_schemes;
    CustomKill m_kill;
    TdshModel* m_model;
    Tf_scfa* m_search;
    QComboBox* m_periods;
    QComboBox* m_scheme;
    QComboBox* m_count;
    QComboBox* m_slot;
    QComboBox* m_display;
    QLineEdit* m_edit;
    QPlainTextEdit* m_memo;
    QTableView* m_table;
    QString m_lastHandOff;
    QLabel* m_killLabel = nullptr;  // the custom kill's target and range
    QLabel* m_hint;
    QTableWidget* m_formulaList;
    std::vector<std::string> m_runFormulas;  // the formulas of the table shown
    void showKillDefinition();
    bool m_filling = false;
};

}  // namespace lottodesk
