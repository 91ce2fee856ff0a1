#pragma once
// The grids and option boxes the views of the indicator analysis share.

#include <QComboBox>
#include <QHeaderView>
#include <QLayout>
#include <QLineEdit>
#include <QScrollBar>
#include <QSplitter>
#include "ui/indicators/zbpxz_viewgrid.h"
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "analysis/signalchart.h"
#include "core/s_dm.h"
#include "indicators/drawhistory.h"

namespace lottodesk::zbpxz {

inline QString q(const std::string& text) { return QString::fromStdString(text); }

// The K-line types in the order of "K线图类型".
inline std::vector<KLineType> kLineTypes() {
    std::vector<KLineType> types{{KLineKind::Regular}, {KLineKind::Tail}};
    for (int k = 2; k <= 20; ++k) types.push_back({KLineKind::Remainder, k});
    types.push_back({KLineKind::Amplitude});
    types.push_back({KLineKind::Omission});
    types.push_back({KLineKind::OmissionAmplitude});
    return types;
}

// "近" N choices of the statistics pages; 0 stands for "所有".
inline constexpr int kRecentChoices[] = {5, 10, 20, 30, 50, 100, 150, 200, 300, 0};

inline QComboBox* recentCombo(const char* name) {
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    for (int n : kRecentChoices) combo->addItem(n ? QString::number(n) : QStringLiteral("所有"), n);
    combo->setCurrentIndex(5);  // 100
    return combo;
}

inline QComboBox* combo(const char* name, const QStringList& items, int current) {
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    box->setCurrentIndex(current);
    return box;
}

// The period of every record, oldest first: the x axis of a chart over the history.
inline std::vector<int32_t> periodsOf(const DrawHistory& draws) {
    std::vector<int32_t> periods;
    periods.reserve(static_cast<size_t>(draws.count()));
    for (int n = 1; n <= draws.count(); ++n) periods.push_back(draws.record(n)[0]);
    return periods;
}

// A per-record series (index 0 unused) as the points of a chart.
inline std::vector<double> doubles(const std::vector<int32_t>& values) {
    return values.empty() ? std::vector<double>{} : std::vector<double>(values.begin() + 1, values.end());
}

inline ViewGrid* grid(const char* name) {
    auto* table = new ViewGrid;
    table->setObjectName(QString::fromLatin1(name));
    return table;
}

inline void setHeader(ViewGrid* table, const QStringList& labels, int rows) { table->reset(labels, rows); }

inline void setCell(ViewGrid* table, int row, int column, QString text) {
    table->setText(row, column, std::move(text));
}

// The value of a "限制y轴最大值" box; an empty box keeps the default 100.
inline int32_t capValue(const QLineEdit* box) {
    bool ok = false;
    const int32_t v = box->text().toInt(&ok);
    return ok && v > 0 ? v : 100;
}

// A period as the grids write it: "预测区" for the prediction record.
inline QString periodText(int32_t period) {
    return period == kPredictionPeriod ? QStringLiteral("预测区") : QString::number(period);
}

inline QString decimal(double value) { return QString::number(value, 'f', 1); }

// The text of a statistic; a value never hit shows its marker as it is.
inline QString stat(int32_t value) { return QString::number(value); }

inline QWidget* page(QLayout* options, ViewGrid* table) {
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    if (options) layout->addLayout(options);
    layout->addWidget(table, 1);
    return widget;
}

// A page whose chart sits above the view's grid in a splitter: the chart shows the view, the grid
// keeps its numbers.
inline QWidget* chartPage(QLayout* options, QWidget* chart, ViewGrid* table) {
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    if (options) layout->addLayout(options);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(chart);
    splitter->addWidget(table);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);
    return widget;
}

// Calls `toRow` with the grid's top row whenever the grid scrolls (by hand, by its page and step
// commands or by the automatic scrolling), so a chart can follow it.
template <class F>
void followGrid(ViewGrid* table, QObject* context, F toRow) {
    QObject::connect(table->verticalScrollBar(), &QScrollBar::valueChanged, context,
                     [table, toRow] { toRow(std::max(0, table->rowAt(0))); });
}

}  // namespace lottodesk::zbpxz
