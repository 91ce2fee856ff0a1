#include "ui/analysis/f_zsdset.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/analysis/fxd_controls.h"

namespace lottodesk {
Tf_zsdset::Tf_zsdset(const std::vector<int32_t>& periods, QWidget* parent) : QDialog(parent), m_periods(periods) {
    setObjectName(QStringLiteral("Tf_zsdset"));
    setWindowTitle(QStringLiteral("图表属性设置"));
    auto* rangeBox = new QGroupBox(QStringLiteral("统计范围"), this);
    m_all = named(new QRadioButton(QStringLiteral("全部记录"), rangeBox), "rb_all");
    m_shown = named(new QRadioButton(QStringLiteral("当前显示的记录"), rangeBox), "rb_shown");
    m_periodsRange = named(new QRadioButton(QStringLiteral("设定范围"), rangeBox), "rb_range");
    m_from = named(new QComboBox(rangeBox), "combo_from");
    m_to = named(new QComboBox(rangeBox), "combo_to");
    for (int32_t p : m_periods) {
        m_from->addItem(QString::number(p));
        m_to->addItem(QString::number(p));
    }
    auto* between = new QHBoxLayout;
    between->addWidget(m_from);
    between->addWidget(new QLabel(QStringLiteral("<=统计区域<="), rangeBox));
    between->addWidget(m_to);
    auto* rangeLayout = new QVBoxLayout(rangeBox);
    rangeLayout->addWidget(m_all);
    rangeLayout->addWidget(m_shown);
    rangeLayout->addWidget(m_periodsRange);
    rangeLayout->addLayout(between);

    m_grid = named(new QCheckBox(QStringLiteral("网格"), this), "cb_grid");
    m_marks = named(new QCheckBox(QStringLiteral("标识"), this), "cb_marks");
    m_display = named(new QComboBox(this), "combo_display");
    m_display->addItems({QStringLiteral("常规显示"), QStringLiteral("紧凑显示"), QStringLiteral("限制y轴最大值")});
    m_cap = named(new QSpinBox(this), "e_cap");
    m_cap->setRange(10, 1000);

    auto* form = new QFormLayout;
    form->addRow(m_grid, m_marks);
    form->addRow(QStringLiteral("显示方式"), m_display);
    form->addRow(QStringLiteral("y轴最大值"), m_cap);
    auto* buttons = okCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rangeBox);
    layout->addLayout(form);
    layout->addWidget(buttons);

    for (QRadioButton* b : {m_all, m_shown, m_periodsRange})
        connect(b, &QRadioButton::toggled, this, [this] { enableRange(); });
    connect(m_display, &QComboBox::currentIndexChanged, this, [this] { enableRange(); });
    fill({});
}

void Tf_zsdset::fill(const TrendChartProperties& p) {
    (p.range == TrendChartProperties::Range::All     ? m_all
     : p.range == TrendChartProperties::Range::Shown ? m_shown
                                                     : m_periodsRange)
        ->setChecked(true);
    // The default range: the 100th most recent draw to the newest.
    const int count = static_cast<int>(m_periods.size());
    auto indexOf = [&](int32_t period, int fallback) {
        const auto it = std::find(m_periods.begin(), m_periods.end(), period);
        return it == m_periods.end() ? fallback : static_cast<int>(it - m_periods.begin());
    };
    m_from->setCurrentIndex(indexOf(p.fromPeriod, std::max(0, count - 100)));
    m_to->setCurrentIndex(indexOf(p.toPeriod, count - 1));
    m_grid->setChecked(p.grid);
    m_marks->setChecked(p.marks);
    m_display->setCurrentIndex(static_cast<int>(p.display));
    m_cap->setValue(p.cap);
    enableRange();
}

TrendChartProperties Tf_zsdset::properties() const {
    TrendChartProperties p;
    p.range = m_all->isChecked()     ? TrendChartProperties::Range::All
              : m_shown->isChecked() ? TrendChartProperties::Range::Shown
                                     : TrendChartProperties::Range::Periods;
    const int32_t a = m_from->currentText().toInt(), b = m_to->currentText().toInt();
    p.fromPeriod = std::min(a, b);
    p.toPeriod = std::max(a, b);
    p.grid = m_grid->isChecked();
    p.marks = m_marks->isChecked();
    p.display = static_cast<TrendChartProperties::Display>(std::max(0, m_display->currentIndex()));
    p.cap = m_cap->value();
    return p;
}

void Tf_zsdset::enableRange() {
    m_from->setEnabled(m_periodsRange->isChecked());
    m_to->setEnabled(m_periodsRange->isChecked());
    m_cap->setEnabled(m_display->currentIndex() == static_cast<int>(TrendChartProperties::Display::Capped));
}

}  // namespace lottodesk
