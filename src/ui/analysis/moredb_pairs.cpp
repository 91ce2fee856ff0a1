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
#include "ui/analysis/drawwindowbar.h"
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
    m_window = new DrawWindowBar(
        {"rb_xsxk_near", "cb_xsxk_near", "sb_xsxk", "rb_xsxk_self", "cb_xsxk_from", "cb_xsxk_to"}, 140, this);
    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("l_xsxk_total"));
    m_window->layOut(bar, QString(), QStringLiteral("<=统计区域<="));
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

    connect(m_window, &DrawWindowBar::modeChanged, this, [this] { settingChanged(); });
    connect(m_window, &DrawWindowBar::windowChanged, this, [this] { settingChanged(); });
    for (QComboBox* list : {m_together, m_apart})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { settingChanged(); });
    connect(filter, &QPushButton::clicked, this, [this] {
        GeneratorHandOff* generator = m_context.generatorWindow();
        if (!generator) {
            m_context.prompts.inform(this, QStringLiteral("超强组号窗口尚未打开，无法添加过滤条件"));
            return;
        }
        generator->composeSelfSet();  // the self-set dialog over this page, its pair lists in sight
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
    m_window->fillPeriods(DrawHistory::of(store), false);
}

PairOptions PairsView::chosenOptions() const {
    PairOptions o;
    o.custom = m_window->custom();
    const QString text = m_window->countBox()->currentText().trimmed();
    const std::optional<int> n = m_window->recentCount();
    o.recent = text == QString::fromUtf8(kAllDraws) ? 0 : n && *n > 0 ? *n : kDefaultRecent;
    o.fromPeriod = m_window->fromPeriod();
    o.toPeriod = m_window->toPeriod();
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
