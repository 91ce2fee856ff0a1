#include "ui/transform/f_bh.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include "core/workspace.h"
#include "ui/common/prompts.h"
#include "ui/transform/bh_gridmodel.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

constexpr int kDefaultZones = 3;
constexpr int kNumberColumnWidth = 24;

}  // namespace

Tf_bh::Tf_bh(Workspace& ws, const CellPictures& pictures, Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      m_ws(ws),
      m_prompts(prompts),
      m_style(new QComboBox(this)),
      m_zones(new QComboBox(this)),
      m_mainOnly(new QRadioButton(QStringLiteral("红号"), this)),
      m_withSecondary(new QRadioButton(QStringLiteral("红号和蓝号"), this)),
      m_cancel(new QPushButton(QStringLiteral("返回"), this)),
      m_grid(new QTableView(this)),
      m_model(new BhGridModel(ws, m_selection, this)),
      m_popup(new QMenu(this)) {
    setObjectName(QStringLiteral("Tf_bh"));
    setWindowTitle(QStringLiteral("数据变换"));
    m_style->setObjectName(QStringLiteral("cb_bhstyle"));
    m_zones->setObjectName(QStringLiteral("cb_fq"));
    m_mainOnly->setObjectName(QStringLiteral("rb_show_zh"));
    m_withSecondary->setObjectName(QStringLiteral("rb_show_zhspec"));
    m_cancel->setObjectName(QStringLiteral("b_cancel"));
    m_grid->setObjectName(QStringLiteral("sg_bhdb"));
    m_popup->setObjectName(QStringLiteral("pm2"));

    for (int zones = 2; zones <= 15; ++zones) m_zones->addItem(QString::number(zones));
    m_zones->setCurrentIndex(kDefaultZones - 2);
    m_mainOnly->setChecked(true);

    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(QStringLiteral("开奖数据类型"), this));
    controls->addWidget(m_style);
    controls->addSpacing(12);
    controls->addWidget(new QLabel(QStringLiteral("分区"), this));
    controls->addWidget(m_zones);
    controls->addSpacing(12);
    controls->addWidget(m_mainOnly);
    controls->addWidget(m_withSecondary);
    controls->addStretch(1);
    controls->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(m_grid, 1);

    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new BhGridDelegate(pictures, this));
    m_grid->setWordWrap(false);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->setVisible(false);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setMinimumSectionSize(1);
    m_grid->horizontalHeader()->setDefaultSectionSize(kNumberColumnWidth);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);

    const struct {
        const char* name;
        const char* caption;
        void (Tf_bh::*run)();
    } commands[] = {
        {"mi_clearxh", "清除选号区", &Tf_bh::clearSelection},
        {"mi_toyc", "将选号导入到预测区", &Tf_bh::putSelectionIntoPrediction},
        {"mi_clearyc", "清除预测区", &Tf_bh::clearPrediction},
    };
    for (const auto& command : commands) {
        QAction* action = m_popup->addAction(QString::fromUtf8(command.caption));
        action->setObjectName(QString::fromLatin1(command.name));
        connect(action, &QAction::triggered, this, command.run);
    }

    connect(m_style, &QComboBox::currentIndexChanged, this, [this](int index) { applyTransform(index); });
    connect(m_zones, &QComboBox::currentIndexChanged, this, [this] { fillGrid(); });
    connect(m_mainOnly, &QRadioButton::toggled, this, [this] { fillGrid(); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_grid, &QTableView::clicked, this,
            [this](const QModelIndex& index) { pickCell(index.row(), index.column()); });
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { showPopup(at); });
}

void Tf_bh::showEvent(QShowEvent* event) {
    m_selection.fill(false);
    fillStyles();
    fillGrid();
    QDialog::showEvent(event);
}

void Tf_bh::fillStyles() {
    const QSignalBlocker quiet(m_style);
    m_style->clear();
    for (int transform = 0; transform < offeredTransforms(m_ws.game); ++transform)
        m_style->addItem(q(transformName(transform)));
    m_style->setCurrentIndex(std::min(m_ws.transform, m_style->count() - 1));
}

int Tf_bh::zoneCount() const { return m_zones->currentIndex() + 2; }

void Tf_bh::applyTransform(int transform) {
    if (transform < 0) return;
    const Status applied = lottodesk::applyTransform(m_ws, transform, &m_selection);
    if (!applied) {
        m_prompts.inform(this, q(applied.message));
        const QSignalBlocker quiet(m_style);
        m_style->setCurrentIndex(m_ws.transform);
    }
    Q_EMIT transformApplied();
    fillGrid();
}

void Tf_bh::fillGrid() {
    const int cursor = m_ws.sjk.RecNo();
    m_model->fill(m_withSecondary->isChecked(), zoneCount());
    const int columns = m_model->columnCount();
    QHeaderView* header = m_grid->horizontalHeader();
    const QFontMetrics metrics = m_grid->fontMetrics();
    header->resizeSection(0, metrics.horizontalAdvance(QStringLiteral("2003001")) + 16);
    for (int column = 1; column < columns - 1; ++column) header->resizeSection(column, kNumberColumnWidth);
    header->resizeSection(columns - 1,
                          metrics.horizontalAdvance(QString::fromLatin1(TransformGrid::textColumnSample())) + 20);
    const QModelIndex last = m_model->index(m_model->rowCount() - 1, std::min(1, columns - 1));
    m_grid->setCurrentIndex(last);
    m_grid->scrollTo(last);
    m_ws.sjk.SetRecNo(cursor);
}

void Tf_bh::pickCell(int row, int column) {
    if (!m_model->grid().isSelectionRow(row)) return;
    const int number = m_model->grid().numberOfColumn(column);
    if (number < 0 || number > kMaxTransformRange) return;
    m_selection[number] = !m_selection[number];
    m_model->selectionChanged();
}

void Tf_bh::showPopup(const QPoint& at) {
    const QModelIndex index = m_grid->indexAt(at);
    if (!index.isValid() || !m_model->grid().isSelectionRow(index.row())) return;
    m_popup->popup(m_grid->viewport()->mapToGlobal(at) + QPoint(5, 0));
}

void Tf_bh::clearSelection() {
    m_selection.fill(false);
    m_model->selectionChanged();
}

void Tf_bh::putSelectionIntoPrediction() {
    const Status put = lottodesk::putSelectionIntoPrediction(m_ws.sjk, m_ws.game, m_selection);
    if (!put) {
        m_prompts.inform(this, q(put.message));
        return;
    }
    fillGrid();
}

void Tf_bh::clearPrediction() {
    removePrediction(m_ws.sjk);
    fillGrid();
}

}  // namespace lottodesk
