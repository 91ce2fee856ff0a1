#include "ui/analysis/fxd_patternpage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "analysis/analysisseries.h"
#include "core/workspace.h"
#include "generator/selfcond.h"
#include "indicators/registry.h"
#include "ui/analysis/f_jzset.h"
#include "ui/analysis/patterngridview.h"
#include "ui/common/filechooser.h"
#include "ui/common/handoff.h"
#include "ui/common/pagesizing.h"
#include "ui/common/prompts.h"

namespace lottodesk {
namespace {

constexpr int kPerPage[] = {2,  4,  6,  8,  9,  10, 12, 14, 15, 16, 18, 20, 21, 22, 24, 25, 26,
                            27, 28, 30, 32, 33, 34, 35, 36, 38, 40, 42, 44, 45, 46, 48, 49, 50};
const char* const kRowNames[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一"};
// The fixed sizes of the size radio buttons (columns x rows).
const struct {
    const char* name;
    const char* text;
    int columns, rows;
} kSizes[] = {{"rb_7x5", "7 X 5", 7, 5}, {"rb_5x7", "5 X 7", 5, 7},  {"rb_4x9", "4 X 9", 4, 9},
              {"rb_9x4", "9 X 4", 9, 4}, {"rb_3x11", "3X11", 3, 11}, {"rb_11x3", "11X3", 11, 3}};

const char* const kTailRefusalEmpty = "尾号暂不支持空行空列分析和过滤,如要使用此功能,请先取消尾号的选择";
const char* const kTailRefusalShape = "尾号暂不支持行列形态的分析和过滤,如要使用此功能,请先取消尾号的选择";
const char* const kNotMainZone =
    "行列的过滤操作只针对以红码为内容的行列式，现在你选择的不是以红码为内容的行列式，因此上图不能作为参考。";

QPushButton* button(const char* name, const char* text, QWidget* parent) {
    return named(new QPushButton(QString::fromUtf8(text), parent), QString::fromLatin1(name));
}

QSpinBox* sideBox(const QString& name, QWidget* parent) {
    auto* box = named(new QSpinBox(parent), name);
    box->setRange(1, 33);
    box->setValue(6);
    return box;
}

}  // namespace

RowColumnPage::RowColumnPage(const AnalysisContext& context, QWidget* parent)
    : AnalysisPage(parent), m_context(context) {
    setObjectName(QStringLiteral("ts_hls"));
    m_listNames = loadArrangementList(context.ws.folder);
    m_pages = named(new QTabWidget(this), QStringLiteral("pc_hls"));
    m_pages->addTab(buildDisplayPage(), QStringLiteral("行列式操作"));
    m_pages->addTab(buildCountPage(), QStringLiteral("行列式出号个数过滤设置"));
    m_pages->addTab(buildEmptyPage(), QStringLiteral("空行空列过滤设置"));
    m_pages->addTab(buildShapePage(), QStringLiteral("行列形态过滤设置"));
    sizeByCurrentPage(m_pages);
    m_grids = named(new PatternGridView(this), QStringLiteral("pb_grids"));
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(m_grids);
    scroll->setWidgetResizable(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);
    layout->addWidget(scroll, 1);
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 0) return;
        for (QSpinBox* box : {m_emptySize[0], m_shapeSize[0]}) box->setValue(m_arrangement.columns);
        for (QSpinBox* box : {m_emptySize[1], m_shapeSize[1]}) box->setValue(m_arrangement.rows);
        if (!m_zoneMain->isChecked()) m_context.prompts.inform(this, QString::fromUtf8(kNotMainZone));
    });
}

QWidget* RowColumnPage::buildDisplayPage() {
    auto* page = new QWidget;
    m_period = named(new QLineEdit(page), QStringLiteral("e_period"));
    m_period->setMaximumWidth(90);
    auto* jump = button("b_goto", "跳转", page);
    auto* back = button("b_prevpage", "上一页", page);
    auto* forward = button("b_nextpage", "下一页", page);
    auto* stepBackButton = button("b_prev", "上一条", page);
    auto* stepForwardButton = button("b_next", "下一条", page);
    connect(jump, &QPushButton::clicked, this, [this] { goTo(m_period->text().trimmed().toInt()); });
    connect(back, &QPushButton::clicked, this, [this] { pageBack(); });
    connect(forward, &QPushButton::clicked, this, [this] { pageForward(); });
    connect(stepBackButton, &QPushButton::clicked, this, [this] { stepBack(); });
    connect(stepForwardButton, &QPushButton::clicked, this, [this] { stepForward(); });

    auto* sizes = new QButtonGroup(page);
    m_sixBySix = named(new QRadioButton(QStringLiteral("6 X 6"), page), QStringLiteral("rb_6x6"));
    m_custom = named(new QRadioButton(QStringLiteral("自定义"), page), QStringLiteral("rb_custom"));
    m_customColumns = named(new QComboBox(page), QStringLiteral("combo_columns"));
    m_customRows = named(new QComboBox(page), QStringLiteral("combo_rows"));
    for (int i = 1; i <= 33; ++i) {
        m_customColumns->addItem(QString::number(i));
        m_customRows->addItem(QString::number(i));
    }
    m_customColumns->setCurrentIndex(3);
    m_customRows->setCurrentIndex(3);
    sizes->addButton(m_sixBySix);
    sizes->addButton(m_custom);
    m_sixBySix->setChecked(true);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(m_sixBySix);
    for (const auto& size : kSizes) {
        auto* radio = named(new QRadioButton(QString::fromUtf8(size.text), page), QString::fromLatin1(size.name));
        sizes->addButton(radio);
        sizeRow->addWidget(radio);
        const int columns = size.columns, rows = size.rows;
        connect(radio, &QRadioButton::clicked, this, [this, columns, rows] {
            m_tails->setChecked(false);
            setRegular(columns, rows);
        });
    }
    sizeRow->addWidget(m_custom);
    sizeRow->addWidget(m_customColumns);
    sizeRow->addWidget(new QLabel(QStringLiteral("X"), page));
    sizeRow->addWidget(m_customRows);
    sizeRow->addStretch(1);
    connect(m_sixBySix, &QRadioButton::clicked, this, [this] { sizeChosen(); });
    connect(m_custom, &QRadioButton::clicked, this, [this] { sizeChosen(); });
    connect(m_customColumns, &QComboBox::currentIndexChanged, this, [this] {
        if (m_custom->isChecked()) sizeChosen();
    });
    connect(m_customRows, &QComboBox::currentIndexChanged, this, [this] {
        if (m_custom->isChecked()) sizeChosen();
    });

    m_tails = named(new QCheckBox(QStringLiteral("尾号"), page), QStringLiteral("cb_tails"));
    auto* zones = new QButtonGroup(page);
    m_zoneMain = named(new QRadioButton(QStringLiteral("红号"), page), QStringLiteral("rb_main"));
    m_zoneSecondary = named(new QRadioButton(QStringLiteral("蓝号"), page), QStringLiteral("rb_secondary"));
    auto* zoneBoth = named(new QRadioButton(QStringLiteral("红蓝号"), page), QStringLiteral("rb_both"));
    for (QRadioButton* r : {m_zoneMain, m_zoneSecondary, zoneBoth}) {
        zones->addButton(r);
        connect(r, &QRadioButton::clicked, this, [this] { showGrids(); });
    }
    m_zoneMain->setChecked(true);
    m_perPage = named(new QComboBox(page), QStringLiteral("combo_perpage"));
    for (int n : kPerPage) m_perPage->addItem(QString::number(n));
    m_perPage->setCurrentText(QStringLiteral("14"));
    m_perLine = named(new QComboBox(page), QStringLiteral("combo_perline"));
    for (int n = 1; n <= 12; ++n) m_perLine->addItem(QString::number(n));
    m_perLine->setCurrentText(QStringLiteral("7"));
    connect(m_perPage, &QComboBox::currentIndexChanged, this, [this] { showGrids(); });
    connect(m_perLine, &QComboBox::currentIndexChanged, this, [this] { showGrids(); });
    connect(m_tails, &QCheckBox::toggled, this, [this](bool on) {
        m_onceOnly->setVisible(on);
        if (on) {
            QSignalBlocker c(m_customColumns), r(m_customRows);
            m_custom->setChecked(true);
            m_customColumns->setCurrentIndex(1);
            m_customRows->setCurrentIndex(4);
            setRegular(2, 5);
        } else {
            m_sixBySix->setChecked(true);
            setRegular(6, 6);
        }
    });

    m_list = named(new QComboBox(page), QStringLiteral("cb_sort"));
    listChanged(m_listNames);
    connect(m_list, &QComboBox::activated, this, [this](int index) { chooseListEntry(index); });
    m_name = named(new QLabel(page), QStringLiteral("l_name"));
    auto* random = button("b_random", "产生随机顺序", page);
    auto* designButton = button("b_design", "设置行列式", page);
    connect(random, &QPushButton::clicked, this, [this] { randomise(); });
    connect(designButton, &QPushButton::clicked, this, [this] { design(); });

    auto* navigation = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{m_period, jump, back, forward, stepBackButton, stepForwardButton,
                                                      m_tails, m_zoneMain, m_zoneSecondary, zoneBoth})
        navigation->addWidget(w);
    navigation->addStretch(1);
    auto* display = new QHBoxLayout;
    display->addWidget(new QLabel(QStringLiteral("每页行列个数"), page));
    display->addWidget(m_perPage);
    display->addWidget(new QLabel(QStringLiteral("每排行列个数"), page));
    display->addWidget(m_perLine);
    display->addWidget(m_list);
    display->addWidget(m_name);
    display->addWidget(random);
    display->addWidget(designButton);
    display->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(navigation);
    layout->addLayout(sizeRow);
    layout->addLayout(display);
    return page;
}

QWidget* RowColumnPage::buildCountPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("行："), page), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("列："), page), 1, 0);
    for (int i = 0; i < 11; ++i) {
        m_rows.push_back(
            named(new QCheckBox(QString::fromUtf8(kRowNames[i]), page), QStringLiteral("cb_row%1").arg(i + 1)));
        m_columns.push_back(named(new QCheckBox(QString::number(i + 1), page), QStringLiteral("cb_col%1").arg(i + 1)));
        grid->addWidget(m_rows.back(), 0, i + 1);
        grid->addWidget(m_columns.back(), 1, i + 1);
    }
    m_counts = named(new QLineEdit(page), QStringLiteral("e_counts"));
    m_countsTolerant = named(new QCheckBox(QStringLiteral("容错"), page), QStringLiteral("cb_rc1"));
    m_onceOnly = named(new QCheckBox(QStringLiteral("相同尾数仅计算一次"), page), QStringLiteral("cb_once"));
    m_onceOnly->setChecked(true);
    m_onceOnly->setVisible(false);
    auto* exportButton = button("b_export1", "导出到过滤系统", page);
    exportButton->setEnabled(static_cast<bool>(m_context.generator));
    auto* reset = button("b_reset1", "重置", page);
    auto* assist = button("b_assist1", "过滤助手", page);
    assist->setEnabled(static_cast<bool>(m_context.analysis));
    connect(exportButton, &QPushButton::clicked, this, [this] { exportCounts(); });
    connect(assist, &QPushButton::clicked, this, [this] { assistCounts(); });
    connect(reset, &QPushButton::clicked, this, [this] {
        for (QCheckBox* box : m_rows) box->setChecked(false);
        for (QCheckBox* box : m_columns) box->setChecked(false);
        m_counts->clear();
        m_countsTolerant->setChecked(false);
    });
    auto* commands = new QHBoxLayout;
    commands->addWidget(new QLabel(QStringLiteral("出号个数："), page));
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_counts, m_countsTolerant, m_onceOnly, exportButton, reset, assist})
        commands->addWidget(w);
    commands->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addLayout(commands);
    return page;
}

QWidget* RowColumnPage::buildEmptyPage() {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout;
    auto* kinds = new QButtonGroup(page);
    const char* const names[] = {"空行个数", "空列个数", "空行+空列个数"};
    for (int k = 0; k < 3; ++k) {
        m_emptyKinds[static_cast<size_t>(k)] =
            named(new QRadioButton(QString::fromUtf8(names[k]), page), QStringLiteral("rb_empty%1").arg(k));
        kinds->addButton(m_emptyKinds[static_cast<size_t>(k)]);
        row->addWidget(m_emptyKinds[static_cast<size_t>(k)]);
    }
    m_emptyKinds[0]->setChecked(true);
    m_emptySize = {sideBox(QStringLiteral("e_columns2"), page), sideBox(QStringLiteral("e_rows2"), page)};
    m_emptyValues = named(new QLineEdit(page), QStringLiteral("e_values2"));
    m_emptyValues->setPlaceholderText(QStringLiteral("输入个数"));
    m_emptyTolerant = named(new QCheckBox(QStringLiteral("容错"), page), QStringLiteral("cb_rc2"));
    auto* exportButton = button("b_export2", "导出到过滤系统", page);
    exportButton->setEnabled(static_cast<bool>(m_context.generator));
    auto* reset = button("b_reset2", "重置", page);
    auto* assist = button("b_assist2", "过滤助手", page);
    assist->setEnabled(static_cast<bool>(m_context.analysis));
    connect(exportButton, &QPushButton::clicked, this, [this] { exportEmpty(); });
    connect(assist, &QPushButton::clicked, this, [this] { assistEmpty(); });
    connect(reset, &QPushButton::clicked, this, [this] {
        m_emptyValues->clear();
        m_emptyTolerant->setChecked(false);
        m_emptyKinds[0]->setChecked(true);
    });
    row->addWidget(new QLabel(QStringLiteral("列："), page));
    row->addWidget(m_emptySize[0]);
    row->addWidget(new QLabel(QStringLiteral("行："), page));
    row->addWidget(m_emptySize[1]);
    for (QWidget* w : std::initializer_list<QWidget*>{m_emptyValues, m_emptyTolerant, exportButton, reset, assist})
        row->addWidget(w);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addStretch(1);
    return page;
}

QWidget* RowColumnPage::buildShapePage() {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout;
    auto* kinds = new QButtonGroup(page);
    const char* const names[] = {"行组合形态", "列组合形态", "行列组合形态"};
    for (int k = 0; k < 3; ++k) {
        m_shapeKinds[static_cast<size_t>(k)] =
            named(new QRadioButton(QString::fromUtf8(names[k]), page), QStringLiteral("rb_shape%1").arg(k));
        kinds->addButton(m_shapeKinds[static_cast<size_t>(k)]);
        row->addWidget(m_shapeKinds[static_cast<size_t>(k)]);
    }
    m_shapeKinds[0]->setChecked(true);
    m_shapeSize = {sideBox(QStringLiteral("e_columns3"), page), sideBox(QStringLiteral("e_rows3"), page)};
    auto* assist = button("b_assist3", "过滤助手", page);
    assist->setEnabled(static_cast<bool>(m_context.analysis));
    auto* toFilter = button("b_filter3", "转至过滤设置", page);
    toFilter->setEnabled(static_cast<bool>(m_context.generator));
    connect(assist, &QPushButton::clicked, this, [this] { assistShape(); });
    connect(toFilter, &QPushButton::clicked, this, [this] { exportShape(); });
    row->addWidget(new QLabel(QStringLiteral("列："), page));
    row->addWidget(m_shapeSize[0]);
    row->addWidget(new QLabel(QStringLiteral("行："), page));
    row->addWidget(m_shapeSize[1]);
    row->addWidget(assist);
    row->addWidget(toFilter);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addStretch(1);
    return page;
}

void RowColumnPage::listChanged(std::vector<std::string> names) {
    m_listNames = std::move(names);
    QSignalBlocker block(m_list);
    m_list->clear();
    for (const std::string& name : m_listNames) m_list->addItem(qtext(name));
}

bool RowColumnPage::tails() const { return m_tails->isChecked(); }

int RowColumnPage::gridsPerPage() const { return m_perPage->currentText().toInt(); }

// The first grid of the last page: the page ends with the last record and the selection grid.
int RowColumnPage::lastStart() const { return std::max(1, m_context.ws.sjk.RecordCount() - (gridsPerPage() - 2)); }

void RowColumnPage::refresh() {
    m_first = lastStart();
    showGrids();
}

void RowColumnPage::showGrids() {
    const t_s_dm& history = m_context.ws.sjk;
    const PatternZone zone = m_zoneMain->isChecked()        ? PatternZone::Main
                             : m_zoneSecondary->isChecked() ? PatternZone::Secondary
                                                            : PatternZone::Both;
    std::vector<PatternGridView::Slot> slots;
    for (int k = 0; k < gridsPerPage(); ++k) {
        const int n = m_first + k;
        if (n > history.RecordCount()) {
            slots.push_back({QStringLiteral("选号区"), {}, true});
            break;
        }
        const int32_t* record = history.record(n);
        const QString caption = record[0] == kPredictionPeriod ? QStringLiteral("预测区")
                                                               : QString::number(record[0]) + QStringLiteral("期");
        slots.push_back({caption, patternGrid(m_arrangement, record, m_context.ws.game, zone, tails()), false});
    }
    m_grids->setContent(m_arrangement, std::move(slots), m_perLine->currentText().toInt());
    m_name->setText(qtext(m_arrangement.name));
}

void RowColumnPage::goTo(int32_t period) {
    const int n = m_context.ws.sjk.indexOfPeriod(period);
    if (n == 0) {
        m_context.prompts.warn(this, QStringLiteral("数据库中没有第%1期的记录").arg(period));
        return;
    }
    m_first = n;
    showGrids();
}

void RowColumnPage::pageBack() {
    m_first = std::max(1, m_first - gridsPerPage());
    showGrids();
}

// Forward stops so that the last record and the selection grid stay on the page.
void RowColumnPage::pageForward() {
    m_first = std::max(1, std::min(m_first + gridsPerPage(), m_context.ws.sjk.RecordCount() - 1));
    showGrids();
}

void RowColumnPage::stepBack() {
    m_first = std::max(1, m_first - 1);
    showGrids();
}

void RowColumnPage::stepForward() {
    m_first = std::max(1, std::min(m_first + 1, m_context.ws.sjk.RecordCount()));
    showGrids();
}

void RowColumnPage::setRegular(int columns, int rows) {
    m_arrangement = regularOf(columns, rows, tails());
    m_list->setCurrentIndex(0);
    showGrids();
}

void RowColumnPage::sizeChosen() {
    if (m_sixBySix->isChecked()) {
        QSignalBlocker block(m_tails);
        m_tails->setChecked(false);
        m_onceOnly->setVisible(false);
        setRegular(6, 6);
    } else {
        setRegular(m_customColumns->currentText().toInt(), m_customRows->currentText().toInt());
    }
}

void RowColumnPage::chooseListEntry(int index) {
    if (index <= 0) {
        const int columns = m_sixBySix->isChecked() ? 6
                            : m_custom->isChecked() ? m_customColumns->currentText().toInt()
                                                    : m_arrangement.columns;
        const int rows = m_sixBySix->isChecked() ? 6
                         : m_custom->isChecked() ? m_customRows->currentText().toInt()
                                                 : m_arrangement.rows;
        m_arrangement = regularOf(columns, rows, tails());
    } else if (index <= kBuiltinArrangements) {
        const std::string path = builtinArrangementPath(m_context.ws.folder, index);
        ArrangementRead read = loadArrangement(path);
        if (!read.status) return;  // a missing built-in file leaves the display as it was
        m_arrangement = std::move(read.arrangement);
    }
    showGrids();
}

void RowColumnPage::randomise() {
    m_arrangement = randomOrder(m_arrangement.columns, m_arrangement.rows, m_random);
    showGrids();
}

void RowColumnPage::design() {
    Tf_jzset dialog(this);
    if (m_runDialog(dialog) != QDialog::Accepted) return;
    Arrangement designed = dialog.arrangement();
    QStringList slotNames;
    for (size_t k = 1; k < m_listNames.size(); ++k) slotNames << qtext(m_listNames[k]);
    Tf_hns_save save(slotNames, this);
    if (m_runDialog(save) == QDialog::Accepted) {
        if (save.choice() == Tf_hns_save::Choice::Builtin) {
            const int slot = save.slot();
            Status saved = saveArrangement(builtinArrangementPath(m_context.ws.folder, slot), designed);
            std::vector<std::string> names = m_listNames;
            if (saved && !designed.name.empty() && static_cast<size_t>(slot) < names.size()) {
                names[static_cast<size_t>(slot)] = designed.name;
                saved = saveArrangementList(m_context.ws.folder, names);
                if (saved) listChanged(names);
            }
            if (!saved) m_context.prompts.reportError(this, qtext(saved.message));
        } else if (save.choice() == Tf_hns_save::Choice::SaveAs) {
            QString path = m_context.files.saveFile(this, QStringLiteral("保存矩阵文件"),
                                                    QStringLiteral("矩阵文件 (*.jz)"), qtext(m_context.ws.folder));
            if (!path.isEmpty()) {
                if (!path.contains(QStringLiteral(".jz"))) path += QStringLiteral(".jz");
                if (Status saved = saveArrangement(path.toStdString(), designed); !saved)
                    m_context.prompts.reportError(this, qtext(saved.message));
            }
        }
    }
    // The design is the arrangement in memory whatever was saved.
    m_arrangement = std::move(designed);
    {
        QSignalBlocker c(m_customColumns), r(m_customRows);
        m_custom->setChecked(true);
        m_customColumns->setCurrentIndex(m_arrangement.columns - 1);
        m_customRows->setCurrentIndex(m_arrangement.rows - 1);
    }
    showGrids();
}

std::vector<int> RowColumnPage::ticked(const std::vector<QCheckBox*>& boxes, int limit) const {
    std::vector<int> lines;
    for (int i = 0; i < static_cast<int>(boxes.size()) && i < limit; ++i)
        if (boxes[static_cast<size_t>(i)]->isChecked()) lines.push_back(i);
    return lines;
}

void RowColumnPage::exportCounts() {
    const std::vector<int> rows = ticked(m_rows, m_arrangement.rows),
                           columns = ticked(m_columns, m_arrangement.columns);
    if (rows.empty() && columns.empty()) return m_context.prompts.warn(this, QStringLiteral("请选择好行号或列号"));
    const std::string typed = m_counts->text().trimmed().toStdString();
    if (typed.empty()) return m_context.prompts.warn(this, QStringLiteral("请设置好出号个数。"));
    GeneratorHandOff* generator = m_context.generatorWindow();
    if (!generator) return;
    tselfcond entry;
    for (int32_t v : groupOf(m_arrangement, rows, columns)) entry.numbers.push_back(static_cast<uint8_t>(v));
    entry.allowed = countsIn(typed, m_context.ws.game.zhgs);
    entry.tolerant = m_countsTolerant->isChecked();
    entry.countOnce = tails() && m_onceOnly->isChecked();
    const std::string line = tails() ? tailLine(entry) : selfSetLine(entry);
    const Status added = tails() ? generator->addTail(std::move(entry)) : generator->addSelfSet(std::move(entry));
    if (!added) return m_context.prompts.warn(this, qtext(added.message));
    m_context.prompts.inform(this, qtext("行列式过滤设置结果是：" + line + "。现已成功导出到超强组号的自设条件中"));
}

void RowColumnPage::assistCounts() {
    const std::vector<int> rows = ticked(m_rows, m_arrangement.rows),
                           columns = ticked(m_columns, m_arrangement.columns);
    if (rows.empty() && columns.empty()) return m_context.prompts.warn(this, QStringLiteral("请选择好行号或列号"));
    const bool once = tails() && m_onceOnly->isChecked();
    std::vector<int32_t> values =
        groupCountSeries(m_context.ws.sjk, m_context.ws.game, groupOf(m_arrangement, rows, columns), tails(), once);
    handOver(std::move(values), ValueRange{0, m_context.ws.game.zhgs}, groupCaption(rows, columns, tails(), once));
}

bool RowColumnPage::refuseInTailMode(const char* message) {
    if (!tails()) return false;
    m_context.prompts.warn(this, QString::fromUtf8(message));
    return true;
}

void RowColumnPage::exportEmpty() {
    if (refuseInTailMode(kTailRefusalEmpty)) return;
    const std::string typed = m_emptyValues->text().trimmed().toStdString();
    if (typed.empty()) return m_context.prompts.warn(this, QStringLiteral("请输入个数"));
    GeneratorHandOff* generator = m_context.generatorWindow();
    if (!generator) return;
    int kind = 0;
    while (kind < 2 && !m_emptyKinds[static_cast<size_t>(kind)]->isChecked()) ++kind;
    m_context.ws.arrangement = m_arrangement.cells;
    // The condition carries the arrangement, so it keeps its meaning after the page changes.
    const std::string id = emptyLinesIdentifier(kind, m_emptySize[0]->value(), m_emptySize[1]->value()) +
                           arrangementSuffix(m_arrangement.cells, m_emptySize[0]->value() * m_emptySize[1]->value());
    const Status added = generator->addCustom(id, digitsIn(typed), m_emptyTolerant->isChecked());
    if (!added) return m_context.prompts.warn(this, qtext(added.message));
    m_context.prompts.inform(this, QStringLiteral("空行空列设置现已成功导出到超强组号的自定义指标中"));
}

void RowColumnPage::assistEmpty() {
    if (refuseInTailMode(kTailRefusalEmpty)) return;
    const char* const captions[] = {"空行个数", "空列个数", "空行+空列个数"};
    int kind = 0;
    while (kind < 2 && !m_emptyKinds[static_cast<size_t>(kind)]->isChecked()) ++kind;
    const std::string id = emptyLinesIdentifier(kind, m_emptySize[0]->value(), m_emptySize[1]->value());
    handOver(arrangementSeries(m_context.ws, m_arrangement.cells, id), std::nullopt,
             std::string(captions[kind]) + "走势图（过滤助手）");
}

void RowColumnPage::assistShape() {
    if (refuseInTailMode(kTailRefusalShape)) return;
    const char* const captions[] = {"行组合形态", "列组合形态", "行列组合形态"};
    int kind = 0;
    while (kind < 2 && !m_shapeKinds[static_cast<size_t>(kind)]->isChecked()) ++kind;
    const std::string id = lineShapeIdentifier(kind, m_shapeSize[0]->value(), m_shapeSize[1]->value());
    handOver(arrangementSeries(m_context.ws, m_arrangement.cells, id), std::nullopt,
             std::string(captions[kind]) + "走势图（过滤助手）");
}

void RowColumnPage::exportShape() {
    if (refuseInTailMode(kTailRefusalShape)) return;
    GeneratorHandOff* generator = m_context.generatorWindow();
    if (!generator) return;
    int kind = 0;
    while (kind < 2 && !m_shapeKinds[static_cast<size_t>(kind)]->isChecked()) ++kind;
    m_context.ws.arrangement = m_arrangement.cells;
    generator->putCustomFormula(
        lineShapeIdentifier(kind, m_shapeSize[0]->value(), m_shapeSize[1]->value()) +
        arrangementSuffix(m_arrangement.cells, m_shapeSize[0]->value() * m_shapeSize[1]->value()));
    generator->showConditions();
}

// The series goes to the indicator analysis beside the history, docked.
void RowColumnPage::handOver(std::vector<int32_t> values, std::optional<ValueRange> range, const std::string& caption) {
    AnalysisOpener* opener = m_context.analysisWindow();
    if (!opener) return;
    AnalysisSeries series;
    series.range = seriesRange(values, range, m_context.ws.game.zhgs);
    series.values = std::move(values);
    series.caption = caption;
    series.historyVersion = m_context.ws.sjk.version();
    series.stamp = nextSeriesStamp();
    opener->openAnalysis(series, false);
}

}  // namespace lottodesk
