#include "ui/analysis/moredb_pairs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "core/workspace.h"
#include "ui/analysis/moredb_texttable.h"
#include "ui/analysis/texttablemodel.h"
#include "ui/common/handoff.h"
#include "ui/common/prompts.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

QComboBox* thresholdList(QWidget* parent, const char* name, int chosen) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (int v = 0; v <= 1000; ++v) list->addItem(QString::number(v), v);
    list->setCurrentIndex(chosen);
    return list;
}

}  // namespace

PairsView::PairsView(const AnalysisContext& context, QWidget* parent) : AnalysisPage(parent), m_context(context) {
    setObjectName(QStringLiteral("moredb_pairs"));
    buildControls();
}

void PairsView::buildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    m_recent = new QRadioButton(QStringLiteral("近"), this);
    m_recent->setObjectName(QStringLiteral("rb_xsxk_near"));
    m_recent->setChecked(true);
    m_count = new QComboBox(this);
    m_count->setObjectName(QStringLiteral("cb_xsxk_near"));
    m_count->setEditable(true);
    m_count->setInsertPolicy(QComboBox::NoInsert);
    for (int n : kRecentChoices) m_count->addItem(n == 0 ? QString::fromUtf8(kAllDraws) : QString::number(n), n);
    m_count->setCurrentIndex(m_count->findData(kDefaultRecent));
    m_bar = new QScrollBar(Qt::Horizontal, this);
    m_bar->setObjectName(QStringLiteral("sb_xsxk"));
    m_bar->setMinimumWidth(140);
    m_custom = new QRadioButton(QStringLiteral("自定义"), this);
    m_custom->setObjectName(QStringLiteral("rb_xsxk_self"));
    m_from = new QComboBox(this);
    m_from->setObjectName(QStringLiteral("cb_xsxk_from"));
    m_to = new QComboBox(this);
    m_to->setObjectName(QStringLiteral("cb_xsxk_to"));
    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("l_xsxk_total"));
    bar->addWidget(m_recent);
    bar->addWidget(m_count);
    bar->addWidget(m_bar, 1);
    bar->addWidget(m_custom);
    bar->addWidget(m_from);
    bar->addWidget(new QLabel(QStringLiteral("<=统计区域<="), this));
    bar->addWidget(m_to);
    bar->addWidget(m_total);
    layout->addLayout(bar);

    auto* thresholds = new QHBoxLayout;
    m_together = thresholdList(this, "cb_xsxk_together", 6);
    m_apart = thresholdList(this, "cb_xsxk_apart", 1);
    thresholds->addWidget(new QLabel(QStringLiteral("相生：次数大于"), this));
    thresholds->addWidget(m_together);
    thresholds->addWidget(new QLabel(QStringLiteral("相克：次数小于"), this));
    thresholds->addWidget(m_apart);
    auto* filter = new QPushButton(QStringLiteral("过滤条件"), this);
    filter->setObjectName(QStringLiteral("b_xsxk_filter"));
    thresholds->addWidget(filter);
    thresholds->addStretch(1);
    layout->addLayout(thresholds);

    auto* body = new QHBoxLayout;
    m_model = new LazyTableModel(this);
    m_model->setCentred(true);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("sg_xsxk"));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    // Square cells.
    for (QHeaderView* header : {m_grid->horizontalHeader(), m_grid->verticalHeader()}) {
        header->setDefaultSectionSize(26);
        header->setMinimumSectionSize(20);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    body->addWidget(m_grid, 3);
    auto* lists = new QGridLayout;
    m_togetherLabel = new QLabel(this);
    m_togetherLabel->setObjectName(QStringLiteral("l_xsxk_together"));
    m_apartLabel = new QLabel(this);
    m_apartLabel->setObjectName(QStringLiteral("l_xsxk_apart"));
    m_togetherList = new QListWidget(this);
    m_togetherList->setObjectName(QStringLiteral("lb_xsxk_together"));
    m_apartList = new QListWidget(this);
    m_apartList->setObjectName(QStringLiteral("lb_xsxk_apart"));
    lists->addWidget(m_togetherLabel, 0, 0);
    lists->addWidget(m_apartLabel, 0, 1);
    lists->addWidget(m_togetherList, 1, 0);
    lists->addWidget(m_apartList, 1, 1);
    body->addLayout(lists, 1);
    layout->addLayout(body, 1);

    connect(m_recent, &QRadioButton::toggled, this, [this](bool on) {
        if (on) settingChanged();
    });
    connect(m_custom, &QRadioButton::toggled, this, [this](bool on) {
        if (on) settingChanged();
    });
    connect(m_count, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling) return;
        const int n = m_count->currentData().toInt();
        m_filling = true;
        m_bar->setValue(n == 0 ? m_bar->maximum() : n);
        m_filling = false;
        settingChanged();
    });
    connect(m_count->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (!m_filling) settingChanged();
    });
    connect(m_bar, &QScrollBar::valueChanged, this, [this](int value) {
        if (m_filling) return;
        // The count list shows the bar's position.
        m_filling = true;
        const int at = m_count->findData(value);
        if (at >= 0 && value != 0)
            m_count->setCurrentIndex(at);
        else
            m_count->setEditText(QString::number(value));
        m_filling = false;
        settingChanged();
    });
    for (QComboBox* list : {m_from, m_to, m_together, m_apart})
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_filling) settingChanged();
        });
    connect(filter, &QPushButton::clicked, this, [this] {
        GeneratorHandOff* generator = m_context.generatorWindow();
        if (!generator) {
            m_context.prompts.inform(this, QStringLiteral("超强组号窗口尚未打开，无法添加过滤条件"));
            return;
        }
        generator->showConditions();
    });
}

void PairsView::settingChanged() { invalidate(); }

void PairsView::resetPeriods() {
    m_listedStore = nullptr;
    invalidate();
}

void PairsView::followHistory() {
    const t_s_dm& store = m_context.ws.sjk;
    if (m_listedStore == &store && m_listedVersion == store.version()) return;
    m_listedStore = &store;
    m_listedVersion = store.version();
    m_filling = true;
    const DrawHistory history = DrawHistory::of(store);
    m_from->clear();
    m_to->clear();
    for (const int32_t period : drawPeriods(history)) {
        m_from->addItem(QString::number(period), period);
        m_to->addItem(QString::number(period), period);
    }
    const DrawWindow defaults = defaultCustomWindow(history);
    m_from->setCurrentIndex(std::max(0, defaults.first() - 1));
    m_to->setCurrentIndex(m_to->count() - 1);
    const int draws = lastDrawRecord(history);
    m_bar->setRange(draws > 0 ? 1 : 0, std::max(draws, 0));
    const int n = m_count->currentData().toInt();
    m_bar->setValue(n == 0 ? m_bar->maximum() : n);
    m_filling = false;
}

PairOptions PairsView::chosenOptions() const {
    PairOptions o;
    o.custom = m_custom->isChecked();
    const QString text = m_count->currentText().trimmed();
    bool number = false;
    const int typed = text.toInt(&number);
    o.recent = text == QString::fromUtf8(kAllDraws) ? 0 : number && typed > 0 ? typed : kDefaultRecent;
    o.fromPeriod = m_from->currentData().toInt();
    o.toPeriod = m_to->currentData().toInt();
    o.together = m_together->currentData().toInt();
    o.apart = m_apart->currentData().toInt();
    return o;
}

void PairsView::refresh() {
    followHistory();
    const PairView& v = m_engine.run(m_context.ws.sjk, m_context.ws.game, chosenOptions());
    m_view = &v;
    m_cells.assign(static_cast<size_t>(v.top) * v.top, std::string());
    for (int x = 1; x <= v.top; ++x)
        for (int y = 1; y <= v.top; ++y) m_cells[static_cast<size_t>(x - 1) * v.top + (y - 1)] = v.cell(x, y);
    const int top = v.top;
    const auto text = [this, top](int row, int column) {
        return QString::fromStdString(m_cells[static_cast<size_t>(row) * top + column]);
    };
    const auto colour = [&v](int row, int column) -> QVariant {
        switch (v.mark(row + 1, column + 1)) {
        case PairMark::Together: return QColor(255, 110, 110);
        case PairMark::Apart: return QColor(120, 220, 120);
        case PairMark::None: break;
        }
        return QColor(Qt::white);
    };
    m_model->setTable(v.header, top, text, colour);
    m_total->setText(q(v.caption));
    m_togetherList->clear();
    for (const PairEntry& entry : v.together) m_togetherList->addItem(q(pairEntryText(entry)));
    m_apartList->clear();
    for (const PairEntry& entry : v.apart) m_apartList->addItem(q(pairEntryText(entry)));
    m_togetherLabel->setText(q(v.togetherLabel()));
    m_apartLabel->setText(q(v.apartLabel()));
}

}  // namespace lottodesk
