// The table views of the indicator analysis beyond the signal chart and the statistics: feature
// table, omission table, distribution layout, field chart, segments and the per-record trends.
#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "analysis/drawwindow.h"
#include "analysis/fieldlayouts.h"
#include "analysis/seriestrends.h"
#include "analysis/signalchart.h"
#include "analysis/trendomission.h"
#include "analysis/valueclasses.h"
#include "analysis/valueviews.h"
#include "core/workspace.h"
#include "ui/common/prompts.h"
#include "ui/indicators/f_tyzsd_modify.h"
#include "ui/indicators/f_zbpxz.h"
#include "ui/indicators/zbpxz_grid.h"
#include "ui/settings/f_zj1.h"

namespace lottodesk {

using namespace zbpxz;

namespace {

const QColor kSelectedColour{255, 190, 90};

const char* const kChineseNumbers[] = {"一", "二", "三",   "四",   "五",   "六",   "七",  "八",
                                       "九", "十", "十一", "十二", "十三", "十四", "十五"};

}  // namespace

std::pair<int, int> Tf_zbpxz::recentRecords(const AnalysisSeries& series, const QComboBox* recent) const {
    const DrawHistory draws = seriesDraws(series);
    const DrawWindow window = recentWindow(draws, recent->currentData().toInt());
    return {window.first(), draws.count()};
}

QWidget* Tf_zbpxz::buildTraitsPage() {
    auto* options = new QHBoxLayout;
    options->addWidget(new QLabel(QStringLiteral("组件设置")));
    m_families = new QListWidget;
    m_families->setObjectName(QStringLiteral("lb_families"));
    m_families->setFlow(QListView::LeftToRight);
    m_families->setMaximumHeight(48);
    listComponentFamilies();
    options->addWidget(m_families, 1);
    auto* components = new QPushButton(QStringLiteral("组件设置"));
    components->setObjectName(QStringLiteral("b_zj1"));
    connect(components, &QPushButton::clicked, this, [this] { chooseComponents(); });
    options->addWidget(components);
    options->addWidget(zonesButton());
    options->addWidget(new QLabel(QStringLiteral("近")));
    m_traitRecent = recentCombo("combo_traitrecent");
    options->addWidget(m_traitRecent);
    m_traitsGrid = grid("sg_traits");
    connect(m_families, &QListWidget::itemChanged, this, [this] { showTraits(); });
    connect(m_traitRecent, &QComboBox::currentIndexChanged, this, [this] { showTraits(); });
    connect(m_traitsGrid, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& at) { toggleTraitSelection(at.row(), at.column()); });
    return page(options, m_traitsGrid);
}

// The families of the component table, each ticked (unticking hides one for the moment).
void Tf_zbpxz::listComponentFamilies() {
    const QSignalBlocker quiet(m_families);
    m_families->clear();
    for (const FeatureKind& kind : componentFamilies(m_ws.components)) {
        auto* item = new QListWidgetItem(q(featureCaption(kind)), m_families);
        item->setCheckState(Qt::Checked);
    }
    m_listedComponents = m_ws.components;
}

// "组件设置": the component dialog; the table it leaves is what every view of the families shows.
void Tf_zbpxz::chooseComponents() {
    if (!m_components) m_components = new Tf_zj1(m_ws, this);
    m_runDialog(*m_components);
    listComponentFamilies();
    showTraits();
}

void Tf_zbpxz::showTraits() {
    // The component table may have been changed elsewhere since the list was made.
    const tzbpxz_zj1& table = m_ws.components;
    const bool changed = table.count != m_listedComponents.count ||
                         !std::equal(table.items.begin(), table.items.begin() + table.count,
                                     m_listedComponents.items.begin());
    if (changed) listComponentFamilies();
    const AnalysisSeries* s = liveSeries();
    if (!s) return;
    QStringList header{QStringLiteral("期号"), QStringLiteral("指标值")};
    QStringList labels;  // the class of each class column, shown in the selection row
    std::vector<FeatureClassifier> classifiers;
    std::vector<int> offsets;
    for (int i = 0; i < m_families->count(); ++i) {
        if (m_families->item(i)->checkState() != Qt::Checked) continue;
        const FeatureKind kind = *featureKind(m_families->item(i)->text().toStdString());
        classifiers.emplace_back(kind, m_range);
        offsets.push_back(static_cast<int>(header.size()));
        for (const std::string& label : featureLabels(kind)) {
            header << q(featureCaption(kind) + label);
            labels << q(label);
        }
    }
    // The draws of the window, the selection row, then the prediction record when there is one.
    const auto [first, last] = recentRecords(*s, m_traitRecent);
    const DrawHistory draws = seriesDraws(*s);
    const int lastDraw = std::min(last, lastDrawRecord(draws));
    m_traitSelectionRow = lastDraw - first + 1;
    setHeader(m_traitsGrid, header, last - first + 2);
    for (int n = first; n <= last; ++n) {
        const int row = n <= lastDraw ? n - first : n - first + 1;
        const int32_t v = s->values[static_cast<size_t>(n)];
        const QString value = QString::number(v);
        setCell(m_traitsGrid, row, 0, periodText(draws.record(n)[0]));
        setCell(m_traitsGrid, row, 1, value);
        for (size_t f = 0; f < classifiers.size(); ++f) {
            const int c = classifiers[f].columnOf(v);
            if (c < 0) continue;
            setCell(m_traitsGrid, row, offsets[f] + c, value);
            m_traitsGrid->setMarked(row, offsets[f] + c);
        }
    }
    setCell(m_traitsGrid, m_traitSelectionRow, 0, QStringLiteral("选号区"));
    for (int c = 2; c < header.size(); ++c) {
        setCell(m_traitsGrid, m_traitSelectionRow, c, labels[static_cast<size_t>(c - 2)]);
        if (m_traitSelection.contains(header[c])) m_traitsGrid->setBackground(m_traitSelectionRow, c, kSelectedColour);
    }
    m_traitsGrid->scrollToBottom();
}

void Tf_zbpxz::toggleTraitSelection(int row, int column) {
    if (row != m_traitSelectionRow || column < 2 || column >= m_traitsGrid->columnCount()) return;
    // Kept by the column's caption, so the selection survives a new window or family choice.
    const QString key = m_traitsGrid->headerText(column);
    if (m_traitSelection.remove(key)) {
        m_traitsGrid->clearBackground(row, column);
    } else {
        m_traitSelection.insert(key);
        m_traitsGrid->setBackground(row, column, kSelectedColour);
    }
}

QWidget* Tf_zbpxz::buildOmissionTablePage() {
    auto* options = new QHBoxLayout;
    options->addWidget(new QLabel(QStringLiteral("近")));
    m_tableRecent = recentCombo("combo_tablerecent");
    options->addWidget(m_tableRecent);
    options->addStretch();
    m_omissionTableGrid = grid("sg_omissiontable");
    connect(m_tableRecent, &QComboBox::currentIndexChanged, this, [this] { showOmissionTable(); });
    return page(options, m_omissionTableGrid);
}

void Tf_zbpxz::showOmissionTable() {
    const AnalysisSeries* s = liveSeries();
    if (!s) return;
    const DrawHistory draws = seriesDraws(*s);
    const DrawWindow window = recentWindow(draws, m_tableRecent->currentData().toInt());
    const SeriesOmissionTable t = seriesOmissionTable(s->values.data(), window, m_range, 0);
    if (!t.status) {
        setHeader(m_omissionTableGrid, {}, 0);
        m_prompts.warn(this, q(t.status.message));
        return;
    }
    QStringList header{QStringLiteral("期号"), QStringLiteral("开奖号")};
    for (int32_t v : t.values) header << QString::number(v);
    setHeader(m_omissionTableGrid, header, t.table.rows + kOmissionStatRows);
    for (int r = 0; r < t.table.rows; ++r) {
        const int n = window.first() + r;
        setCell(m_omissionTableGrid, r, 0, periodText(draws.record(n)[0]));
        setCell(m_omissionTableGrid, r, 1, QString::number(s->values[static_cast<size_t>(n)]));
        for (int c = 0; c < t.table.columns; ++c) {
            const int32_t cell = t.table.cell(r, c);
            setCell(m_omissionTableGrid, r, c + 2,
                    QString::number(cell == 0 ? t.values[static_cast<size_t>(c)] : cell));
            if (cell == 0) m_omissionTableGrid->setMarked(r, c + 2);
        }
    }
    const OmissionStats& st = t.table.stats;
    const std::vector<int32_t>* stats[] = {&t.values, &st.hits, &st.longest, &st.average, &st.previous, &st.current};
    for (int i = 0; i < kOmissionStatRows; ++i) {
        const int row = t.table.rows + i;
        setCell(m_omissionTableGrid, row, 0, QString::fromUtf8(kOmissionStatLabels[i]));
        for (size_t c = 0; c < stats[i]->size(); ++c)
            setCell(m_omissionTableGrid, row, static_cast<int>(c) + 2, QString::number((*stats[i])[c]));
    }
    m_omissionTableGrid->scrollToBottom();
}

QWidget* Tf_zbpxz::buildLayoutPage() {
    auto* options = new QHBoxLayout;
    options->addWidget(new QLabel(QStringLiteral("最小值：")));
    m_layoutMin = new QLineEdit(QStringLiteral("0"));
    m_layoutMin->setObjectName(QStringLiteral("e_min"));
    options->addWidget(m_layoutMin);
    options->addWidget(new QLabel(QStringLiteral("最大值：")));
    m_layoutMax = new QLineEdit(QStringLiteral("35"));
    m_layoutMax->setObjectName(QStringLiteral("e_max"));
    options->addWidget(m_layoutMax);
    for (QLineEdit* box : {m_layoutMin, m_layoutMax}) {
        box->setValidator(new QIntValidator(-99999, 99999, box));
        box->setMaximumWidth(60);
        connect(box, &QLineEdit::editingFinished, this, [this] { showLayout(); });
    }
    QStringList layouts;
    for (const char* number : kChineseNumbers) layouts << QStringLiteral("图%1").arg(QString::fromUtf8(number));
    m_layoutStep = combo("combo_layout", layouts, 0);
    options->addWidget(m_layoutStep);
    options->addWidget(new QLabel(QStringLiteral("近")));
    m_layoutRecent = recentCombo("combo_layoutrecent");
    options->addWidget(m_layoutRecent);
    options->addStretch();
    m_layoutGrid = grid("sg_layout");
    connect(m_layoutStep, &QComboBox::currentIndexChanged, this, [this] { showLayout(); });
    connect(m_layoutRecent, &QComboBox::currentIndexChanged, this, [this] { showLayout(); });
    return page(options, m_layoutGrid);
}

void Tf_zbpxz::showLayout() {
    const AnalysisSeries* s = liveSeries();
    if (!s) return;
    const std::optional<std::vector<int32_t>> columns =
        distributionColumns(m_layoutMin->text().toInt(), m_layoutMax->text().toInt(), m_layoutStep->currentIndex() + 2);
    if (!columns) {
        m_prompts.warn(this, QString::fromUtf8(kDistributionSpanMessage));
        m_layoutMin->setText(QStringLiteral("0"));
        m_layoutMax->setText(QStringLiteral("35"));
        showLayout();
        return;
    }
    QStringList header{QStringLiteral("期号")};
    for (int32_t c : *columns) header << QString::number(c);
    const auto [first, last] = recentRecords(*s, m_layoutRecent);
    setHeader(m_layoutGrid, header, last - first + 1);
    const DrawHistory draws = seriesDraws(*s);
    for (int n = first; n <= last; ++n) {
        const int32_t v = s->values[static_cast<size_t>(n)];
        setCell(m_layoutGrid, n - first, 0, periodText(draws.record(n)[0]));
        for (size_t c = 0; c < columns->size(); ++c)
            if ((*columns)[c] == v) {
                setCell(m_layoutGrid, n - first, static_cast<int>(c) + 1, QString::number(v));
                m_layoutGrid->setMarked(n - first, static_cast<int>(c) + 1);
            }
    }
    m_layoutGrid->scrollToBottom();
}

QWidget* Tf_zbpxz::buildFieldPage() {
    auto* options = new QHBoxLayout;
    options->addWidget(new QLabel(QStringLiteral("总行数：")));
    QStringList rows;
    for (int r = kMinFieldRows; r <= kMaxFieldRows; ++r) rows << QString::number(r);
    m_fieldRows = combo("combo_fieldrows", rows, kDefaultFieldRows - kMinFieldRows);
    options->addWidget(m_fieldRows);
    QStringList layouts;
    for (int i = 0; i < kFieldLayoutCount; ++i)
        layouts << QStringLiteral("田野走势图%1").arg(QString::fromUtf8(kChineseNumbers[i]));
    m_fieldLayout = combo("combo_fieldlayout", layouts, 0);
    options->addWidget(m_fieldLayout);
    auto* modify = new QPushButton(QStringLiteral("修改田野图"));
    modify->setObjectName(QStringLiteral("b_modifyfield"));
    options->addWidget(modify);
    options->addWidget(new QLabel(QStringLiteral("近")));
    m_fieldRecent = recentCombo("combo_fieldrecent");
    options->addWidget(m_fieldRecent);
    options->addStretch();
    m_fieldGrid = grid("sg_field");
    m_fieldNote = new QLabel;
    m_fieldNote->setObjectName(QStringLiteral("l_fieldnote"));
    m_fieldNote->setWordWrap(true);
    m_fieldNote->hide();
    connect(m_fieldRows, &QComboBox::currentIndexChanged, this, [this] {
        loadField();
        showField();
    });
    connect(m_fieldLayout, &QComboBox::currentIndexChanged, this, [this] { showField(); });
    connect(m_fieldRecent, &QComboBox::currentIndexChanged, this, [this] { showField(); });
    connect(modify, &QPushButton::clicked, this, [this] { modifyField(); });
    auto* rowsAndNote = new QVBoxLayout;
    rowsAndNote->addLayout(options);
    rowsAndNote->addWidget(m_fieldNote);
    return page(rowsAndNote, m_fieldGrid);
}

void Tf_zbpxz::loadField() {
    const FieldLayoutLoad load = loadFieldLayouts(m_ws.folder, m_fieldRows->currentIndex() + kMinFieldRows);
    if (!load.status) m_prompts.reportError(this, q(load.status.message));
    m_fieldLayouts = load.layouts;
}

void Tf_zbpxz::showField() {
    const AnalysisSeries* s = liveSeries();
    if (!s) return;
    if (m_fieldLayouts.layouts.empty() || m_fieldLayouts.rows != m_fieldRows->currentIndex() + kMinFieldRows)
        loadField();
    const std::vector<std::string>& texts = m_fieldLayouts.layouts[static_cast<size_t>(m_fieldLayout->currentIndex())];
    const auto [first, last] = recentRecords(*s, m_fieldRecent);
    // A layout that names none of the values (the default rows "01".."R" and a sum) would leave
    // every row empty: the range's zones stand in for its rows until the user sets them.
    const bool zones = !fieldLayoutNamesAny(texts, s->values.data(), first, last);
    const RangeFieldRows zoneRows = zones ? rangeFieldRows(m_range, static_cast<int>(texts.size())) : RangeFieldRows{};
    QStringList header{QStringLiteral("期号"), QStringLiteral("值")};
    for (const std::string& text : zones ? zoneRows.captions : texts) header << q(text);
    m_fieldNote->setVisible(zones);
    if (zones)
        m_fieldNote->setText(QStringLiteral("%1的各行不含本指标的取值，暂按取值范围%2..%3分%4行显示；"
                                            "用“修改田野图”设定每行所含的值（以空格分隔，如“21 22 23”）。")
                                 .arg(m_fieldLayout->currentText())
                                 .arg(m_range.lo)
                                 .arg(m_range.hi)
                                 .arg(texts.size()));
    setHeader(m_fieldGrid, header, last - first + 1);
    const DrawHistory draws = seriesDraws(*s);
    for (int n = first; n <= last; ++n) {
        const int32_t v = s->values[static_cast<size_t>(n)];
        setCell(m_fieldGrid, n - first, 0, periodText(draws.record(n)[0]));
        setCell(m_fieldGrid, n - first, 1, QString::number(v));
        const int at = zones ? zoneOf(v, m_range, zoneRows.upperBounds) : fieldRowOf(texts, v);
        if (at >= 0) {
            setCell(m_fieldGrid, n - first, at + 2, QString::number(v));
            m_fieldGrid->setMarked(n - first, at + 2);
        }
    }
    m_fieldGrid->scrollToBottom();
}

void Tf_zbpxz::modifyField() {
    if (m_fieldLayouts.layouts.empty()) loadField();
    const auto index = static_cast<size_t>(m_fieldLayout->currentIndex());
    Tf_tyzsd_modify dialog(m_fieldLayouts.layouts[index], this);
    if (m_runDialog(dialog) != QDialog::Accepted) return;
    FieldLayouts changed = m_fieldLayouts;
    changed.layouts[index] = dialog.rowTexts();
    const Status saved = saveFieldLayouts(m_ws.folder, changed);
    if (!saved) {
        m_prompts.reportError(this, q(saved.message));
        return;
    }
    m_fieldLayouts = std::move(changed);
    showField();
}

}  // namespace lottodesk
