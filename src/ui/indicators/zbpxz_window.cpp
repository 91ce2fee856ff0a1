#include "ui/indicators/zbpxz_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/indicators/zbpxz_grid.h"

namespace lottodesk {

namespace {

QString name(const char* kind, const char* prefix, const char* what) {
    return QString::fromLatin1(kind) + QString::fromLatin1(prefix) + QString::fromLatin1(what);
}

}  // namespace

WindowChooser::WindowChooser(const char* prefix, Kind kind, QWidget* parent)
    : QWidget(parent),
      m_recent(new QRadioButton(QStringLiteral("近"))),
      m_count(zbpxz::recentCombo(name("combo_", prefix, "recent").toLatin1().constData())),
      m_custom(new QRadioButton(QStringLiteral("自定义"))),
      m_from(new QComboBox),
      m_to(new QComboBox),
      m_kind(kind) {
    m_recent->setObjectName(name("rb_", prefix, "recent"));
    m_custom->setObjectName(name("rb_", prefix, "custom"));
    m_from->setObjectName(name("combo_", prefix, "from"));
    m_to->setObjectName(name("combo_", prefix, "to"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (kind == Kind::RecentOrRange) {
        m_recent->setChecked(true);
        layout->addWidget(m_recent);
        layout->addWidget(m_count);
        layout->addWidget(new QLabel(QStringLiteral("期")));
        layout->addWidget(m_custom);
    } else {
        // The range is the only choice: the mode buttons stay out of the layout.
        m_custom->setChecked(true);
        m_recent->setParent(this);
        m_count->setParent(this);
        m_custom->setParent(this);
        for (QWidget* unused :
             {static_cast<QWidget*>(m_recent), static_cast<QWidget*>(m_count), static_cast<QWidget*>(m_custom)})
            unused->hide();
    }
    layout->addWidget(m_from);
    layout->addWidget(new QLabel(QStringLiteral("<=统计区域<=")));
    layout->addWidget(m_to);
    // Choosing a count means "近" N; choosing a period means "自定义".
    auto choose = [this](QRadioButton* mode) {
        return [this, mode] {
            if (mode->isChecked())
                Q_EMIT changed();
            else
                mode->setChecked(true);  // emits through its toggle
        };
    };
    for (QRadioButton* mode : {m_recent, m_custom})
        connect(mode, &QRadioButton::toggled, this, [this](bool on) {
            if (on) Q_EMIT changed();
        });
    connect(m_count, &QComboBox::currentIndexChanged, this, choose(m_recent));
    connect(m_from, &QComboBox::currentIndexChanged, this, choose(m_custom));
    connect(m_to, &QComboBox::currentIndexChanged, this, choose(m_custom));
}

void WindowChooser::offer(const DrawHistory& history) {
    std::vector<int32_t> periods = drawPeriods(history);
    if (periods == m_periods) return;
    m_periods = std::move(periods);
    const QSignalBlocker blockFrom(m_from);
    const QSignalBlocker blockTo(m_to);
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(m_periods.size()));
    for (int32_t p : m_periods) texts << QString::number(p);
    m_from->clear();
    m_to->clear();
    m_from->addItems(texts);
    m_to->addItems(texts);
    const DrawWindow initial = m_kind == Kind::RangeOnly ? recentWindow(history, 0) : defaultCustomWindow(history);
    m_from->setCurrentIndex(initial.empty() ? -1 : initial.first() - 1);
    m_to->setCurrentIndex(initial.empty() ? -1 : initial.end - 1);
}

DrawWindow WindowChooser::window(const DrawHistory& history) const {
    if (!m_custom->isChecked()) return recentWindow(history, m_count->currentData().toInt());
    if (m_from->currentIndex() < 0 || m_to->currentIndex() < 0) return {};
    return periodWindow(history, m_from->currentText().toInt(), m_to->currentText().toInt());
}

}  // namespace lottodesk
