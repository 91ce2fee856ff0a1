#include "ui/generator/zh_catalogue.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/workspace.h"
#include "generator/conditioncatalogue.h"
#include "generator/selfcond.h"
#include "ui/generator/zh_dialogs.h"
#include "indicators/context.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

bool isRange(int n) { return n == kStandardDeviationRow || n == kCoefficientRow; }

std::optional<double> boundOf(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

}  // namespace

ZhCatalogue::ZhCatalogue(Workspace& ws, MainConditions& conditions, GeneratorDialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_ws(ws), m_conditions(conditions), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("ZhCatalogue"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* searchLine = new QHBoxLayout;
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("e_zbsearch"));
    m_search->setPlaceholderText(QStringLiteral("搜索条件（按名称）"));
    m_search->setClearButtonEnabled(true);
    m_searchCount = new QLabel(this);
    m_searchCount->setObjectName(QStringLiteral("l_zbsearch"));
    searchLine->addWidget(m_search, 1);
    searchLine->addWidget(m_searchCount);
    layout->addLayout(searchLine);
    m_grid = new QGridLayout;
    m_grid->setVerticalSpacing(2);
    layout->addLayout(m_grid);
    layout->addStretch(1);
    for (int n = 1; n <= kCatalogueRows; ++n)
        if (conditionRow(n)) {
            buildRow(n);
            m_all.push_back(n);
        }
    m_grid->setColumnStretch(1, 1);
    m_grid->setColumnStretch(6, 1);
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) { filterRows(text); });
    filterRows({});
    refresh();
}

void ZhCatalogue::buildRow(int n) {
    const ConditionRow* row = conditionRow(n);
    Row& r = m_rows[static_cast<size_t>(n)];
    const QString suffix = QString::number(n);
    r.enabled = new QCheckBox(q(row->caption), this);
    r.enabled->setObjectName(QStringLiteral("cb_zb") + suffix);
    if (isRange(n)) {
        r.range = new QWidget(this);
        auto* range = new QHBoxLayout(r.range);
        range->setContentsMargins(0, 0, 0, 0);
        r.from = new QLineEdit(this);
        r.from->setObjectName(QStringLiteral("e_zbfrom") + suffix);
        r.to = new QLineEdit(this);
        r.to->setObjectName(QStringLiteral("e_zbto") + suffix);
        for (QLineEdit* box : {r.from, r.to}) {
            box->setValidator(new QIntValidator(box));
            connect(box, &QLineEdit::textEdited, this, [this, n] { takeRange(n); });
        }
        range->addWidget(r.from);
        range->addWidget(new QLabel(QStringLiteral("至"), this));
        range->addWidget(r.to);
    } else {
        r.text = new QLineEdit(this);
        r.text->setObjectName(QStringLiteral("e_zb") + suffix);
        r.text->setReadOnly(true);
        r.choose = new QPushButton(QStringLiteral("..."), this);
        r.choose->setObjectName(QStringLiteral("b_zb") + suffix);
        r.choose->setFixedWidth(r.choose->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 12);
        connect(r.choose, &QPushButton::clicked, this, [this, n] { chooseValues(n); });
    }
    r.tolerant = new QCheckBox(QStringLiteral("容错"), this);
    r.tolerant->setObjectName(QStringLiteral("cb_rc") + suffix);
    connect(r.enabled, &QCheckBox::clicked, this, [this, n](bool on) { setRowEnabled(n, on); });
    connect(r.tolerant, &QCheckBox::clicked, this,
            [this, n](bool on) { m_conditions.rows[static_cast<size_t>(n)].tolerant = on; });
}

void ZhCatalogue::filterRows(const QString& text) {
    if (m_search->text() != text) {
        m_search->setText(text);  // its change comes back here
        return;
    }
    const QString wanted = text.trimmed();
    m_shown.clear();
    for (int n : m_all)
        if (wanted.isEmpty() || m_rows[static_cast<size_t>(n)].enabled->text().contains(wanted, Qt::CaseInsensitive))
            m_shown.push_back(n);
    m_searchCount->setText(QStringLiteral("%1/%2").arg(m_shown.size()).arg(m_all.size()));
    layOutRows();
}

void ZhCatalogue::layOutRows() {
    const auto widgetsOf = [](const Row& r) {
        return std::vector<QWidget*>{r.enabled, r.text, r.choose, r.range, r.tolerant};
    };
    for (int n : m_all) {
        const Row& r = m_rows[static_cast<size_t>(n)];
        for (QWidget* widget : widgetsOf(r))
            if (widget) {
                m_grid->removeWidget(widget);
                widget->hide();
            }
    }
    const int perColumn = static_cast<int>((m_shown.size() + 1) / 2);
    for (size_t i = 0; i < m_shown.size(); ++i) {
        const Row& r = m_rows[static_cast<size_t>(m_shown[i])];
        const int line = static_cast<int>(i) % perColumn, at = static_cast<int>(i) / perColumn * 5;
        m_grid->addWidget(r.enabled, line, at);
        if (r.range) {
            m_grid->addWidget(r.range, line, at + 1, 1, 2);
        } else {
            m_grid->addWidget(r.text, line, at + 1);
            m_grid->addWidget(r.choose, line, at + 2);
        }
        m_grid->addWidget(r.tolerant, line, at + 3);
        for (QWidget* widget : widgetsOf(r))
            if (widget) widget->show();
    }
}

void ZhCatalogue::refresh() {
    for (int n = 1; n <= kCatalogueRows; ++n)
        if (m_rows[static_cast<size_t>(n)].enabled) showRow(n);
}

void ZhCatalogue::showRow(int n) {
    const Row& r = m_rows[static_cast<size_t>(n)];
    const CatalogueCondition& condition = m_conditions.rows[static_cast<size_t>(n)];
    const bool applies = !conditionRow(n)->seventhNumber || m_ws.game.zhgs == 7;
    const bool usable = applies && condition.enabled;
    r.enabled->setEnabled(applies);
    r.enabled->setChecked(condition.enabled);
    if (r.text) {
        r.text->setText(condition.enabled ? q(valueListText(condition.allowed)) : QString());
        r.text->setEnabled(applies);
        r.choose->setEnabled(usable);
    } else {
        r.from->setText(condition.enabled ? q(boundText(condition.from)) : QString());
        r.to->setText(condition.enabled ? q(boundText(condition.to)) : QString());
        r.from->setEnabled(usable);
        r.to->setEnabled(usable);
    }
    r.tolerant->setChecked(condition.enabled && condition.tolerant);
    r.tolerant->setEnabled(usable);
}

void ZhCatalogue::setRowEnabled(int n, bool on) {
    CatalogueCondition& condition = m_conditions.rows[static_cast<size_t>(n)];
    condition.enabled = on;
    if (!on) condition = CatalogueCondition{};
    showRow(n);
}

void ZhCatalogue::chooseValues(int n) {
    const ConditionRow* row = conditionRow(n);
    CatalogueCondition& condition = m_conditions.rows[static_cast<size_t>(n)];
    ValueChoice choice;
    const OfferedRange offered = offeredRange(n, m_ws.game);
    choice.lo = offered.lo;
    choice.hi = offered.hi;
    if (const int newest = m_ws.sjk.newestRealRecord(); newest > 0 && row->item)
        choice.reference = conditionValue(*row, indicatorContext(m_ws, &m_memo), newest);
    choice.preselected = condition.allowed;
    if (row->item) choice.assistant = m_dialogs.indicatorAssistant(row->id, row->item->name);
    std::optional<std::vector<int32_t>> chosen = m_dialogs.chooseValues(window(), choice);
    if (!chosen) return;
    std::sort(chosen->begin(), chosen->end());
    condition.allowed = std::move(*chosen);
    showRow(n);
}

void ZhCatalogue::takeRange(int n) {
    const Row& r = m_rows[static_cast<size_t>(n)];
    CatalogueCondition& condition = m_conditions.rows[static_cast<size_t>(n)];
    condition.from = boundOf(r.from->text());
    condition.to = boundOf(r.to->text());
}

}  // namespace lottodesk
