#pragma once
// "转换法杀号" of "走势分析": the conversion table of an indicator ("转换表": the chain of 200
// derived columns, the values a column expects, export and analysis of a column) and the kill run
// over a range of draws ("转换法杀号"), computed by prediction/conversionkill.

#include <QString>

#include "prediction/conversionkill.h"
#include "ui/analysis/analysiscontext.h"
#include "ui/analysis/analysisshell.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QSpinBox;
class QTableView;
class QTabWidget;

namespace lottodesk {

class LazyTableModel;

class ConversionPage : public AnalysisPage {
    Q_OBJECT
public:
    explicit ConversionPage(const AnalysisContext& context, QWidget* parent = nullptr);
    static QString caption() { return QStringLiteral("转换法杀号"); }
    void refresh() override;

    // "转换表".
    void computeTable();
    void correspondingValues();  // "计算对应值"
    void exportColumn();         // "导出指定列"
    void analyseColumn();        // "指标剖析"
    // "转换法杀号".
    void runKill();

    const ConversionTable& conversion() const { return m_table; }
    const ConversionKill& kill() const { return m_kill; }
    LazyTableModel* tableModel() const { return m_tableModel; }
    LazyTableModel* killModel() const { return m_killModel; }
    QTabWidget* subPages() const { return m_pages; }
    QComboBox* indicatorBox() const { return m_indicator; }
    QComboBox* columnBox() const { return m_column; }
    QLineEdit* valuesBox() const { return m_values; }
    QLabel* correspondingLabel() const { return m_corresponding; }
    QComboBox* killIndicatorBox() const { return m_killIndicator; }
    QComboBox* firstColumnBox() const { return m_firstColumn; }
    QComboBox* lastColumnBox() const { return m_lastColumn; }
    QComboBox* fromBox() const { return m_from; }
    QComboBox* toBox() const { return m_to; }

private:
    QWidget* buildTablePage();
    QWidget* buildKillPage();
    void fillPeriods();

    AnalysisContext m_context;
    ConversionTable m_table;
    ConversionKill m_kill;
    QTabWidget* m_pages = nullptr;
    QComboBox* m_indicator = nullptr;
    QComboBox* m_column = nullptr;
    QLineEdit* m_values = nullptr;
    QLabel* m_corresponding = nullptr;
    QTableView* m_tableView = nullptr;
    LazyTableModel* m_tableModel = nullptr;
    QComboBox* m_killIndicator = nullptr;
    QComboBox* m_firstColumn = nullptr;
    QComboBox* m_lastColumn = nullptr;
    QComboBox* m_from = nullptr;
    QComboBox* m_to = nullptr;
    QSpinBox* m_width = nullptr;
    QProgressBar* m_progress = nullptr;
    QTableView* m_killView = nullptr;
    LazyTableModel* m_killModel = nullptr;
};

}  // namespace lottodesk
