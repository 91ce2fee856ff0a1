#include "ui/analysis/drawwindowbar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

#include "analysis/drawwindow.h"
#include "ui/common/named.h"

namespace lottodesk {

DrawWindowBar::DrawWindowBar(const Names& names, int sliderWidth, QWidget* parent)
    : QObject(parent),
      m_recent(named(new QRadioButton(QStringLiteral("近"), parent), names.recent)),
      m_count(named(new QComboBox(parent), names.count)),
      m_slider(named(new QScrollBar(Qt::Horizontal, parent), names.slider)),
      m_custom(named(new QRadioButton(QStringLiteral("自定义"), parent), names.custom)),
      m_from(named(new QComboBox(parent), names.from)),
      m_to(named(new QComboBox(parent), names.to)) {
    m_recent->setChecked(true);
    m_count->setEditable(true);
    m_count->setInsertPolicy(QComboBox::NoInsert);
    for (int n : kRecentChoices) m_count->addItem(n == 0 ? QString::fromUtf8(kAllDraws) : QString::number(n), n);
    m_count->setCurrentIndex(m_count->findData(kDefaultRecent));
    m_slider->setMinimumWidth(sliderWidth);

    for (QRadioButton* mode : {m_recent, m_custom})
        connect(mode, &QRadioButton::toggled, this, [this](bool on) {
            if (on) Q_EMIT modeChanged();
        });
    connect(m_count, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling) return;
        const std::optional<int> n = recentCount();
        m_filling = true;
        if (n) m_slider->setValue(*n == 0 ? m_slider->maximum() : *n);
        m_filling = false;
        Q_EMIT windowChanged();
    });
    connect(m_slider, &QScrollBar::valueChanged, this, [this](int value) {
        if (m_filling) return;
        // The count list shows the slider's position.
        m_filling = true;
        const int at = m_count->findData(value);
        if (at >= 0 && value != 0)
            m_count->setCurrentIndex(at);
        else
            m_count->setEditText(QString::number(value));
        m_filling = false;
        Q_EMIT windowChanged();
    });
    connect(m_count->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (!m_filling) Q_EMIT windowChanged();
    });
    for (QComboBox* list : {m_from, m_to})
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_filling) Q_EMIT windowChanged();
        });
}

void DrawWindowBar::layOut(QHBoxLayout* row, const QString& afterCount, const QString& between) {
    auto* parent = qobject_cast<QWidget*>(this->parent());
    row->addWidget(m_recent);
    row->addWidget(m_count);
    if (!afterCount.isEmpty()) row->addWidget(new QLabel(afterCount, parent));
    row->addWidget(m_slider, 1);
    row->addWidget(m_custom);
    row->addWidget(m_from);
    row->addWidget(new QLabel(between, parent));
    row->addWidget(m_to);
}

void DrawWindowBar::fillPeriods(const DrawHistory& history, bool keepChosen) {
    m_filling = true;
    const int32_t chosenFrom = m_from->currentData().toInt();
    const int32_t chosenTo = m_to->currentData().toInt();
    m_from->clear();
    m_to->clear();
    for (const int32_t period : drawPeriods(history)) {
        m_from->addItem(QString::number(period), period);
        m_to->addItem(QString::number(period), period);
    }
    const DrawWindow defaults = defaultCustomWindow(history);
    const int fromAt = keepChosen ? m_from->findData(chosenFrom) : -1;
    const int toAt = keepChosen ? m_to->findData(chosenTo) : -1;
    m_from->setCurrentIndex(fromAt >= 0 ? fromAt : std::max(0, defaults.first() - 1));
    m_to->setCurrentIndex(toAt >= 0 ? toAt : m_to->count() - 1);
    const int draws = lastDrawRecord(history);
    m_slider->setRange(draws > 0 ? 1 : 0, std::max(draws, 0));
    const int n = recentCount().value_or(kDefaultRecent);
    m_slider->setValue(n == 0 ? m_slider->maximum() : n);
    m_filling = false;
}

void DrawWindowBar::clearPeriods() {
    m_from->clear();
    m_to->clear();
}

void DrawWindowBar::enableChosenMode() {
    const bool recent = m_recent->isChecked();
    m_count->setEnabled(recent);
    m_slider->setEnabled(recent);
    m_from->setEnabled(!recent);
    m_to->setEnabled(!recent);
}

bool DrawWindowBar::custom() const { return m_custom->isChecked(); }

std::optional<int> DrawWindowBar::recentCount() const {
    const QString text = m_count->currentText().trimmed();
    if (text == QString::fromUtf8(kAllDraws)) return 0;
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 0) return std::nullopt;
    return n;
}

int32_t DrawWindowBar::fromPeriod() const { return m_from->currentData().toInt(); }

int32_t DrawWindowBar::toPeriod() const { return m_to->currentData().toInt(); }

}  // namespace lottodesk
