#include "ui/analysis/moredb_combined.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/workspace.h"
#include "ui/analysis/moredb_texttable.h"
#include "ui/analysis/texttablemodel.h"

namespace lottodesk {

CombinedPatternsView::CombinedPatternsView(Workspace& ws, QWidget* parent)
    : AnalysisPage(parent), m_ws(ws), m_table(nullptr) {
    setObjectName(QStringLiteral("moredb_combined"));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    m_classes = new QButtonGroup(this);
    const std::vector<std::string>& names = patternClassNames();
    for (size_t i = 0; i < names.size(); ++i) {
        // The last option is "除" n "余数" with the n list between its two words.
        const bool divisor = static_cast<PatternClass>(i) == PatternClass::ModN;
        auto* button = new QRadioButton(divisor ? QStringLiteral("除") : QString::fromStdString(names[i]), this);
        button->setObjectName(QStringLiteral("rb_zhxt_%1").arg(i));
        m_classes->addButton(button, static_cast<int>(i));
        bar->addWidget(button);
    }
    m_classes->button(0)->setChecked(true);
    m_divisor = new QComboBox(this);
    m_divisor->setObjectName(QStringLiteral("cb_zhxt_divisor"));
    for (int n = 6; n <= 10; ++n) m_divisor->addItem(QString::number(n), n);
    bar->addWidget(m_divisor);
    bar->addWidget(new QLabel(QStringLiteral("余数"), this));
    bar->addSpacing(12);
    m_tails = new QCheckBox(QStringLiteral("尾号分析"), this);
    m_tails->setObjectName(QStringLiteral("cb_zhxt_tails"));
    m_tails->setChecked(true);
    m_hideGaps = new QCheckBox(QStringLiteral("隐掉间隔数"), this);
    m_hideGaps->setObjectName(QStringLiteral("cb_zhxt_hidegaps"));
    bar->addWidget(m_tails);
    bar->addWidget(m_hideGaps);
    bar->addStretch(1);
    layout->addLayout(bar);

    m_model = new LazyTableModel(this);
    m_model->setCentred(true);
    m_view = textTableView(m_model, "sg_zhxt", this);
    layout->addWidget(m_view, 1);

    const auto rebuild = [this] { invalidate(); };
    connect(m_classes, &QButtonGroup::idToggled, this, [rebuild](int, bool on) {
        if (on) rebuild();
    });
    // The n list matters only while its option is chosen.
    connect(m_divisor, &QComboBox::currentIndexChanged, this, [this, rebuild] {
        if (m_classes->checkedId() == static_cast<int>(PatternClass::ModN)) rebuild();
    });
    connect(m_tails, &QCheckBox::toggled, this, rebuild);
    connect(m_hideGaps, &QCheckBox::toggled, this, rebuild);
}

CombinedPatternOptions CombinedPatternsView::chosenOptions() const {
    CombinedPatternOptions o;
    o.patternClass = static_cast<PatternClass>(m_classes->checkedId());
    o.divisor = m_divisor->currentData().toInt();
    o.tails = m_tails->isChecked();
    o.hideGaps = m_hideGaps->isChecked();
    return o;
}

void CombinedPatternsView::refresh() {
    const tcpstyle& type = m_ws.current();
    const CombinedPatternTable& t =
        m_engine.run(m_ws.sjk, m_ws.game, m_ws.partitions, type.zhname, type.specname, chosenOptions());
    m_table = &t;
    const auto text = [&t](int row, int column) { return QString::fromStdString(t.cell(row, column)); };
    const auto colour = [&t](int row, int column) -> QVariant {
        const int value = t.classValue(row, column);
        return value < 0 ? QColor(Qt::white) : classColour(value);
    };
    m_model->setTable(t.header, t.rows(), text, colour);
    fitColumns(*m_view);
    if (t.columns() > 0) {
        const int gaps = t.gapTextColumn();
        m_view->setColumnHidden(gaps, t.options.hideGaps);
    }
    if (t.rows() > 0) {
        m_view->selectRow(t.rows() - 1);
        m_view->scrollToBottom();
    }
}

}  // namespace lottodesk
