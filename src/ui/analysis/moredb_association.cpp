#include "ui/analysis/moredb_association.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "analysis/analysisseries.h"
#include "analysis/filterassistant.h"
#include "core/fileio.h"
#include "core/workspace.h"
#include "ui/analysis/moredb_indicatorchoice.h"
#include "ui/analysis/moredb_texttable.h"
#include "ui/analysis/texttablemodel.h"
#include "ui/common/filechooser.h"
#include "ui/common/handoff.h"
#include "ui/common/prompts.h"
#include "ui/generator/f_getchoiceextend_plus.h"
#include "ui/generator/zh_dialogs.h"

namespace lottodesk {
namespace {

const char* const kSlotNames[kAssociationSlots] = {"指标一", "指标二", "指标三"};

QString allowedText(const std::vector<int32_t>& values) {
    QString text;
    for (int32_t v : values) text += QString::number(v) + QStringLiteral("  ");
    return text;
}

}  // namespace

AssociationView::AssociationView(const AnalysisContext& context, QWidget* parent)
    : AnalysisPage(parent), m_context(context), m_runDialog([](QDialog& dialog) { return dialog.exec(); }) {
    setObjectName(QStringLiteral("moredb_association"));
    buildControls();
}

void AssociationView::buildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* boxes = new QHBoxLayout;
    for (int p = 0; p < kAssociationPositions; ++p) {
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("cb_glfx_pos%1").arg(p + 1));
        box->addItem(QStringLiteral("all"), kAnyValue);
        for (int v = 0; v <= 49; ++v) box->addItem(QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')), v);
        boxes->addWidget(new QLabel(QString::number(p + 1), this));
        boxes->addWidget(box);
        m_positions[static_cast<size_t>(p)] = box;
        connect(box, &QComboBox::currentIndexChanged, this, [this, p, box] {
            m_options.positions[static_cast<size_t>(p)] = box->currentData().toInt();
            invalidate();
        });
    }
    m_unbound = new QCheckBox(QStringLiteral("红球不对位"), this);
    m_unbound->setObjectName(QStringLiteral("cb_glfx_unbound"));
    connect(m_unbound, &QCheckBox::toggled, this, [this](bool on) {
        m_options.unbound = on;
        invalidate();
    });
    m_tail = new QComboBox(this);
    m_tail->setObjectName(QStringLiteral("cb_glfx_tail"));
    m_tail->addItem(QStringLiteral("all"), kAnyValue);
    for (int d = 0; d <= 9; ++d) m_tail->addItem(QString::number(d), d);
    connect(m_tail, &QComboBox::currentIndexChanged, this, [this] {
        m_options.periodTail = m_tail->currentData().toInt();
        invalidate();
    });
    boxes->addWidget(m_unbound);
    boxes->addWidget(new QLabel(QStringLiteral("期号尾"), this));
    boxes->addWidget(m_tail);
    boxes->addStretch(1);
    layout->addLayout(boxes);

    auto* slots = new QGridLayout;
    for (int i = 0; i < kAssociationSlots; ++i) {
        Slot& s = m_slots[static_cast<size_t>(i)];
        s.active = new QCheckBox(QString::fromUtf8(kSlotNames[i]), this);
        s.active->setObjectName(QStringLiteral("cb_glfx_slot%1").arg(i + 1));
        s.expression = new QLineEdit(this);
        s.expression->setObjectName(QStringLiteral("e_glfx_expr%1").arg(i + 1));
        s.expression->setPlaceholderText(QStringLiteral("z_hz"));
        s.choose = new QPushButton(QStringLiteral("选择"), this);
        s.choose->setObjectName(QStringLiteral("b_glfx_choose%1").arg(i + 1));
        s.values = new QLineEdit(this);
        s.values->setObjectName(QStringLiteral("e_glfx_values%1").arg(i + 1));
        s.values->setReadOnly(true);
        s.pick = new QPushButton(QStringLiteral("取值"), this);
        s.pick->setObjectName(QStringLiteral("b_glfx_pick%1").arg(i + 1));
        slots->addWidget(s.active, i, 0);
        slots->addWidget(s.expression, i, 1);
        slots->addWidget(s.choose, i, 2);
        slots->addWidget(s.values, i, 3);
        slots->addWidget(s.pick, i, 4);
        connect(s.active, &QCheckBox::toggled, this, [this] { followSlots(); });
        connect(s.pick, &QPushButton::clicked, this, [this, i] { chooseValues(i); });
        connect(s.choose, &QPushButton::clicked, this, [this, i] { chooseIndicator(i); });
    }
    auto* apply = new QPushButton(QStringLiteral("确定"), this);
    apply->setObjectName(QStringLiteral("b_glfx_ok"));
    connect(apply, &QPushButton::clicked, this, [this] { applySlots(); });
    auto* exportButton = new QPushButton(QStringLiteral("导出下期系列开奖数据"), this);
    exportButton->setObjectName(QStringLiteral("b_glfx_export"));
    connect(exportButton, &QPushButton::clicked, this, [this] { exportNextDraws(); });
    slots->addWidget(apply, 0, 5);
    slots->addWidget(exportButton, 1, 5);
    slots->setColumnStretch(1, 2);
    slots->setColumnStretch(3, 3);
    layout->addLayout(slots);
    followSlots();

    auto* hintRow = new QHBoxLayout;
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("l_glfx"));
    hintRow->addWidget(m_caption);
    hintRow->addStretch(1);
    hintRow->addWidget(new QLabel(QStringLiteral("双击图表的某一列，进入详细分析"), this));
    layout->addLayout(hintRow);

    m_model = new LazyTableModel(this);
    m_model->setCentred(true);
    m_view = textTableView(m_model, "sg_glfx", this);
    connect(m_view, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { analyseColumn(index.column()); });
    layout->addWidget(m_view, 1);
}

// A ticked slot enables its controls and the next slot's tick box; an unticked one disables its
// controls and unticks and disables the slots after it.
void AssociationView::followSlots() {
    bool reachable = true;
    for (Slot& s : m_slots) {
        if (!reachable) {
            const QSignalBlocker quiet(s.active);
            s.active->setChecked(false);
        }
        s.active->setEnabled(reachable);
        const bool on = reachable && s.active->isChecked();
        s.expression->setEnabled(on);
        s.choose->setEnabled(on);
        s.values->setEnabled(on);
        s.pick->setEnabled(on);
        reachable = on;
    }
}

void AssociationView::chooseIndicator(int slot) {
    IndicatorChoiceDialog dialog(m_context.ws.folder, m_context.ws.game, m_context.ws.current().specname,
                                 m_context.prompts, this);
    if (m_runDialog(dialog) != QDialog::Accepted) return;
    m_slots[static_cast<size_t>(slot)].expression->setText(dialog.result());
}

void AssociationView::chooseValues(int slot) {
    Slot& s = m_slots[static_cast<size_t>(slot)];
    Tf_getchoiceextend_plus chooser(m_context.prompts, this);
    ValueChoice choice;
    choice.lo = 0;
    choice.hi = 1000;
    choice.reference = 0;
    // "过滤助手": the slot's indicator over the history, once an indicator analysis can show it.
    const std::string expression = s.expression->text().trimmed().toStdString();
    if (!expression.empty() && m_context.analysisWindow()) {
        choice.assistant = [this, expression, &chooser] {
            const AssistantSeries assistant = indicatorAssistant(m_context.ws, expression, expression);
            if (!assistant.status) {
                m_context.prompts.warn(&chooser, QString::fromStdString(assistant.status.message));
                return;
            }
            if (AnalysisOpener* analysis = m_context.analysisWindow()) analysis->openAnalysis(assistant.series, true);
        };
    }
    chooser.setChoice(choice);
    if (m_runDialog(chooser) != QDialog::Accepted) return;
    s.allowed = chooser.values();
    s.values->setText(allowedText(s.allowed));
}

void AssociationView::applySlots() {
    for (int i = 0; i < kAssociationSlots; ++i) {
        const Slot& s = m_slots[static_cast<size_t>(i)];
        AssociationSlot& slot = m_options.slots[static_cast<size_t>(i)];
        slot.active = s.active->isChecked();
        slot.expression = s.expression->text().toStdString();
        slot.allowed = s.allowed;
    }
    invalidate();
}

void AssociationView::refresh() {
    const AssociationTable& t = m_engine.run(m_context.ws, m_options);
    m_table = &t;
    if (!t.status.ok) m_context.prompts.warn(this, QString::fromStdString(t.status.message));
    const auto text = [&t](int row, int column) { return QString::fromStdString(t.cell(row, column)); };
    const auto colour = [&t](int, int column) -> QVariant {
        return column < t.half ? QColor(255, 255, 235) : QColor(235, 245, 255);
    };
    m_model->setTable(t.header, t.rows(), text, colour);
    fitColumns(*m_view);
    m_caption->setText(QString::fromStdString(t.caption));
    if (t.rows() > 0) {
        m_view->selectRow(t.rows() - 1);
        m_view->scrollToBottom();
    }
}

void AssociationView::analyseColumn(int column) {
    if (!m_table) return;
    AnalysisOpener* opener = m_context.analysisWindow();
    if (!opener) {
        m_context.prompts.inform(this, QStringLiteral("指标剖析窗口尚未提供，无法进入详细分析"));
        return;
    }
    const GameParams& game = m_context.ws.game;
    const std::optional<AssociationColumnSeries> column_ =
        associationColumnSeries(*m_table, column, game.zhgs, game.fhgs, m_detail);
    if (!column_) return;
    // The column goes with its periods, in a store of its own beside the history.
    opener->openDerived(m_detail, ValueRange{column_->lo, column_->hi}, column_->caption);
}

void AssociationView::exportNextDraws() {
    if (!m_table) return;
    QString name =
        m_context.files.saveFile(this, QStringLiteral("导出到文本文件"), QStringLiteral("文本文件 (*.txt)"),
                                 QString::fromStdString(m_context.ws.folder));
    if (name.isEmpty()) return;
    if (!name.contains(QStringLiteral(".txt"))) name += QStringLiteral(".txt");
    const bool secondary = m_context.prompts.ask(this, QStringLiteral("导出到文本文件"),
                                                 QStringLiteral("是否有蓝号，如果有蓝号请选yes,如果没有请选no."), true);
    std::string bytes;
    for (const std::string& line :
         associationExportLines(*m_table, m_context.ws.game.zhgs, m_context.ws.game.fhgs, secondary))
        bytes += line + "\r\n";
    const Status saved = saveFileAtomically(name.toStdString(), bytes);
    if (!saved.ok) m_context.prompts.reportError(this, QString::fromStdString(saved.message));
}

}  // namespace lottodesk
