#include "ui/analysis/fxd_omissionpage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "analysis/columnorder.h"
#include "core/workspace.h"
#include "ui/analysis/fxd_controls.h"
#include "ui/charts/cellgrid.h"
#include "ui/common/gridscroller.h"
#include "ui/common/handoff.h"
#include "ui/common/prompts.h"

namespace lottodesk {
namespace {

const OmissionView& emptyView() {
    static const OmissionView view;
    return view;
}

}  // namespace

QString OmissionTablePage::caption(OmissionVariant variant) {
    switch (variant) {
    case OmissionVariant::Main: return QStringLiteral("红号遗漏图表");
    case OmissionVariant::Secondary: return QStringLiteral("蓝号遗漏图表");
    case OmissionVariant::Tails: return QStringLiteral("尾数遗漏图表");
    }
    return {};
}

OmissionTablePage::OmissionTablePage(OmissionVariant variant, const AnalysisContext& context, QWidget* parent)
    : AnalysisPage(parent),
      m_variant(variant),
      m_context(context),
      m_view(&emptyView()),
      m_table(std::make_shared<CellTable>()) {
    setObjectName(QStringLiteral("ts_yl%1").arg(static_cast<int>(variant)));
    m_from = named(new QComboBox(this), "combo_from");
    m_to = named(new QComboBox(this), "combo_to");
    auto* refreshButton = named(new QPushButton(QStringLiteral("刷新"), this), "b_refresh");
    m_highlight = named(new QComboBox(this), "combo_highlight");
    const char* const highlights[] = {"显示全部",   "显示奇数号", "显示偶数号", "显示质数号",
                                      "显示合数号", "显示0路号",  "显示1路号",  "显示2路号"};
    for (const char* h : highlights) m_highlight->addItem(QString::fromUtf8(h));
    m_zones = named(new QComboBox(this), "combo_zones");
    m_zones->addItem(QStringLiteral("常规顺序"));
    for (int k = 2; k <= 15; ++k) m_zones->addItem(QStringLiteral("分%1区").arg(k));
    m_order = named(new QComboBox(this), "combo_order");
    for (const std::string& name : columnOrderNames()) m_order->addItem(qtext(name));

    auto* controls = new QHBoxLayout;
    controls->addWidget(m_from);
    controls->addWidget(new QLabel(QStringLiteral("<=分析区域<="), this));
    controls->addWidget(m_to);
    controls->addWidget(refreshButton);
    controls->addWidget(new QLabel(QStringLiteral("按类型显示"), this));
    controls->addWidget(m_highlight);
    controls->addWidget(m_zones);
    controls->addWidget(new QLabel(QStringLiteral("按类型排序"), this));
    controls->addWidget(m_order);
    if (variant == OmissionVariant::Main) {
        auto* group = new QButtonGroup(this);
        const char* const zones[] = {"红号", "蓝号", "红号和蓝号"};
        for (int i = 0; i < 3; ++i) {
            m_zoneButtons[static_cast<size_t>(i)] = new QRadioButton(QString::fromUtf8(zones[i]), this);
            m_zoneButtons[static_cast<size_t>(i)]->setObjectName(QStringLiteral("rb_zone%1").arg(i));
            group->addButton(m_zoneButtons[static_cast<size_t>(i)]);
            controls->addWidget(m_zoneButtons[static_cast<size_t>(i)]);
            connect(m_zoneButtons[static_cast<size_t>(i)], &QRadioButton::clicked, this, [this] { compute(); });
        }
        m_zoneButtons[0]->setChecked(true);
    }
    if (variant == OmissionVariant::Tails) {
        m_tailsWithSecondary = named(new QCheckBox(QStringLiteral("主号和特别号"), this), "cb_withsecondary");
        controls->addWidget(m_tailsWithSecondary);
        connect(m_tailsWithSecondary, &QCheckBox::toggled, this, [this] { compute(); });
    }
    controls->addStretch(1);

    m_grid = new CellGridView(*context.pictures, this);
    m_grid->setObjectName(QStringLiteral("sg_omission"));
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(m_grid, 1);

    m_menu = new QMenu(this);
    m_menu->addAction(QStringLiteral("清除选号区"), this, [this] { clearSelection(); });
    QAction* import = m_menu->addAction(QStringLiteral("将选号导入到预测区"), this, [this] { importSelection(); });
    QAction* clear = m_menu->addAction(QStringLiteral("清除预测区"), this, [this] { clearPrediction(); });
    // The prediction record holds main numbers: the commands belong to the main and tail tables.
    import->setEnabled(variant == OmissionVariant::Main);
    clear->setEnabled(variant != OmissionVariant::Secondary);
    if (m_context.generator) {
        m_menu->addAction(QStringLiteral("过滤条件"), this, [this] {
            if (GeneratorHandOff* generator = m_context.generatorWindow()) generator->showConditions();
        });
    }
    QMenu* display = m_menu->addMenu(QStringLiteral("显示模式"));
    const char* const modes[] = {"球+数字", "球", "方块+数字", "方块"};
    for (int i = 0; i < 4; ++i)
        display->addAction(QString::fromUtf8(modes[i]), this, [this, i] { setDisplay(static_cast<Display>(i)); });
    new GridScroller(m_grid, m_menu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_menu->popup(m_grid->viewport()->mapToGlobal(at)); });
    connect(m_grid, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.row() == view().rows() && index.column() < view().numberColumns()) toggleSelected(index.column());
    });

    connect(refreshButton, &QPushButton::clicked, this, [this] { compute(); });
    for (QComboBox* box : {m_from, m_to, m_highlight, m_zones, m_order})
        connect(box, &QComboBox::activated, this, [this] { compute(); });
}

const CellTable& OmissionTablePage::table() const { return *m_table; }

void OmissionTablePage::refresh() {
    fillPeriods();
    compute();
}

// Every period of the history in both lists; the end list also holds "9999999" while a
// prediction record exists. The whole history by default, a chosen period kept while it exists.
void OmissionTablePage::fillPeriods() {
    const t_s_dm& history = m_context.ws.sjk;
    std::vector<int32_t> periods = history.realPeriods();
    const QString keptFrom = m_from->currentText(), keptTo = m_to->currentText();
    QSignalBlocker a(m_from), b(m_to);
    m_from->clear();
    m_to->clear();
    for (int32_t p : periods) {
        m_from->addItem(QString::number(p));
        m_to->addItem(QString::number(p));
    }
    if (history.RecordCount() > 0 && history.FieldValueAt(history.RecordCount(), 0) == kPredictionPeriod)
        m_to->addItem(QString::number(kPredictionPeriod));
    const int f = m_from->findText(keptFrom);
    m_from->setCurrentIndex(f >= 0 ? f : 0);
    m_to->setCurrentIndex(m_to->count() - 1);
    (void)keptTo;  // the end follows the newest record, so a new draw or prediction is in view
}

OmissionOptions OmissionTablePage::options() const {
    OmissionOptions o;
    o.variant = m_variant;
    o.fromPeriod = m_from->currentText().toInt();
    o.toPeriod = m_to->currentText().toInt();
    if (m_variant == OmissionVariant::Main)
        o.zone = m_zoneButtons[1]->isChecked()   ? OmissionZone::Secondary
                 : m_zoneButtons[2]->isChecked() ? OmissionZone::Both
                                                 : OmissionZone::Main;
    o.tailsWithSecondary = m_tailsWithSecondary && m_tailsWithSecondary->isChecked();
    o.order = std::max(0, m_order->currentIndex());
    o.zones = m_zones->currentIndex() == 0 ? 0 : m_zones->currentIndex() + 1;
    o.highlight = static_cast<TypeHighlight>(std::max(0, m_highlight->currentIndex()));
    return o;
}

void OmissionTablePage::compute() {
    const OmissionView& v = m_page.run(m_context.ws, options());
    if (!v.status) {
        m_context.prompts.warn(this, qtext(v.status.message));
        return;
    }
    m_view = &v;
    showTable();
}

void OmissionTablePage::showTable() {
    const OmissionView& v = view();
    auto table = std::make_shared<CellTable>();
    const int columns = v.numberColumns(), rows = v.rows();
    table->resize(rows + kOmissionStatRows, columns);
    // Omissions and counts are plain numbers; the drawn numbers on their balls have two digits.
    table->twoDigits = false;
    table->twoDigitsOnPictures = m_variant != OmissionVariant::Tails;
    for (int c = 0; c < columns; ++c)
        table->columnTitles[static_cast<size_t>(c)] = qtext(v.header[static_cast<size_t>(c) + 1]);
    table->trailingTitle = qtext(v.header.back());
    table->rowTitles.reserve(static_cast<size_t>(rows + kOmissionStatRows));
    table->trailingTexts.reserve(static_cast<size_t>(rows));
    const bool balls = m_display == Display::BallNumber || m_display == Display::Ball;
    const bool numbersShown = m_display == Display::BallNumber || m_display == Display::SquareNumber;
    const bool secondary = m_variant == OmissionVariant::Secondary ||
                           (m_variant == OmissionVariant::Main && v.options.zone == OmissionZone::Secondary);
    const CellLook drawnLook{static_cast<uint8_t>(balls ? 2 : 1), static_cast<uint8_t>(secondary ? 1 : 0),
                             numbersShown};
    for (int r = 0; r < rows; ++r) {
        table->rowTitles.push_back(qtext(v.cell(r, 0)));
        table->trailingTexts.push_back(qtext(v.draws[static_cast<size_t>(r)]));
        for (int c = 0; c < columns; ++c) {
            const bool drawn = v.drawn(r, c);
            table->at(r, c) = drawn ? v.numbers[static_cast<size_t>(c)] : v.table.cell(r, c);
            if (drawn && v.highlighted[static_cast<size_t>(c)]) table->lookAt(r, c) = drawnLook;
        }
    }
    // The statistics rows; the first, "选号区", lights the selected numbers.
    const OmissionStats& s = v.table.stats;
    const std::vector<int32_t>* stats[] = {&v.numbers, &s.hits, &s.longest, &s.average, &s.previous, &s.current};
    for (int stat = 0; stat < kOmissionStatRows; ++stat) {
        table->rowTitles.push_back(QString::fromUtf8(kOmissionStatLabels[stat]));
        for (int c = 0; c < columns; ++c) {
            const int32_t value = (*stats[stat])[static_cast<size_t>(c)];
            table->at(rows + stat, c) = value;
            if (stat == 0 && value >= 0 && value < static_cast<int32_t>(m_selection.size()) &&
                m_selection[static_cast<size_t>(value)])
                table->lookAt(rows, c) = CellLook{2, 2, true};
        }
    }
    table->rowBackgrounds.assign(static_cast<size_t>(rows + kOmissionStatRows), QColor());
    for (int stat = 0; stat < kOmissionStatRows; ++stat)
        table->rowBackgrounds[static_cast<size_t>(rows + stat)] = QColor(255, 250, 225);
    table->columnBackgrounds.assign(static_cast<size_t>(columns), QColor());
    for (int c = 0; c < columns; ++c)
        if (v.shade[static_cast<size_t>(c)]) table->columnBackgrounds[static_cast<size_t>(c)] = QColor(232, 240, 250);
    const bool atEnd = m_table->rows == 0 || m_table->rows != table->rows;
    m_table = table;
    m_grid->setTable(m_table);
    m_grid->horizontalHeader()->resizeSection(columns, 160);
    if (atEnd) m_grid->showLastRow();
}

void OmissionTablePage::setDisplay(Display display) {
    m_display = display;
    showTable();
}

void OmissionTablePage::toggleSelected(int numberColumn) {
    const int32_t number = view().numbers[static_cast<size_t>(numberColumn)];
    if (number < 0 || number >= static_cast<int32_t>(m_selection.size())) return;
    m_selection[static_cast<size_t>(number)] = !m_selection[static_cast<size_t>(number)];
    showTable();
}

void OmissionTablePage::clearSelection() {
    m_selection.fill(false);
    showTable();
}

void OmissionTablePage::importSelection() {
    const Status put = putSelectionIntoPrediction(m_context.ws.sjk, m_context.ws.game, m_selection);
    if (!put) {
        m_context.prompts.warn(this, qtext(put.message));
        return;
    }
    Q_EMIT historyEdited();
    refresh();
}

void OmissionTablePage::clearPrediction() {
    removePrediction(m_context.ws.sjk);
    Q_EMIT historyEdited();
    refresh();
}

}  // namespace lottodesk
